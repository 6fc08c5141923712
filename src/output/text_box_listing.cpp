#include "output/text_box_listing.h"

#include "base/settings_record.h"

namespace lexicount {
namespace {

constexpr size_t kFlushEvery = 20;

std::string ProcedureName(int cboWordOrder) {
    return cboWordOrder == kAlphabetical ? "ListWordsAlphabetically" : "ListWordsByFrequency";
}

class BufferedLines {
public:
    BufferedLines(ListingContext& context, std::string procedure)
        : context_(context), procedure_(std::move(procedure)) {}

    // False when the text box is full.
    bool Flush(const char* part) {
        if (buffer_.empty()) return true;
        if (context_.capacity != 0 && context_.box.Length() + buffer_.size() > context_.capacity) {
            if (context_.reportError) context_.reportError(-6, "", procedure_ + " " + part);
            context_.box.SetCaret(0);
            return false;
        }
        context_.box.Append(buffer_);
        context_.box.SetCaret(0);
        buffer_.clear();
        return true;
    }

    std::string buffer_;

private:
    ListingContext& context_;
    std::string procedure_;
};

}  // namespace

bool ListWordsToTextBox(const WordTable& table, const WordStatistics& stats, const SettingsRecord& settings,
                        int intMinWidth, ListingContext& context) {
    const LineLayout layout = MakeLineLayout(stats, settings, intMinWidth);
    const bool wordsWithCommas = layout.format == kWordsWithCommasFormat;
    if (!wordsWithCommas) context.box.Append(ComposeLine(layout, nullptr) + "\r\n");

    BufferedLines lines(context, ProcedureName(settings.cboWordOrder));
    size_t listed = 0;
    bool full = false;
    bool stopped = false;
    // After each record, listed or not, the window may run and a stop is seen.
    auto yieldAndGoOn = [&] {
        if (context.yield) context.yield();
        stopped = context.stopRequested && context.stopRequested();
        return !stopped;
    };
    auto list = [&](std::int64_t i) {
        lines.buffer_ += ComposeLine(layout, &table[i]);
        lines.buffer_ += wordsWithCommas ? ", " : "\r\n";
        if (context.twirl) context.twirl(i);
        if (++listed % kFlushEvery == 0 && !lines.Flush("A")) {
            full = true;
            return false;
        }
        return yieldAndGoOn();
    };
    ForEachListedRecord(table, stats, settings.cboWordOrder, list,
                        [&](std::int64_t) { return yieldAndGoOn(); });
    if (!full) lines.Flush("B");
    context.box.SetCaret(0);
    context.box.Repaint();
    return !stopped;
}

void ShowListInTextBox(const WordTable& table, const WordStatistics& stats, const SettingsRecord& settings,
                       int intMinWidth, ListingContext& context) {
    context.box.SetText("");
    if (stats.lngNumWordsIncluded == 0) {
        context.box.SetText(ShowNoWordsMessage(table.lngNumWords(), settings));
    } else if (!ListWordsToTextBox(table, stats, settings, intMinWidth, context)) {
        context.box.Append("\r\nListing stopped.\r\n");
        context.box.SetCaret(TextBox::kEnd);
        return;
    }
    if (settings.cboDisplayFormat == kWordsWithCommasFormat && context.box.Length() > 2) {
        std::string text = context.box.Text();
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, ", ") == 0) text.resize(text.size() - 2);
        context.box.SetText(text + "\r\n");
    }
}

}  // namespace lexicount
