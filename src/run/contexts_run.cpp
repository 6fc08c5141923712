#include <chrono>
#include <string>
#include <vector>

#include "input/docx_reader.h"
#include "input/file_helpers.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "run/main_controller.h"
#include "run/text_count.h"
#include "words/cp1252.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

constexpr std::int64_t kMaxContexts = 1000000;

// The hooks of a contexts search: what was found goes to the view now and
// then, the window runs meanwhile, and its stop ends the search.
class ContextHooks final : public FileScanHooks {
public:
    ContextHooks(MainView& view, const bool& stop) : view_(view), stop_(stop) {
        yields = true;
        wordsPerYield = view.WordsPerYield();
        linesPerYield = view.LinesPerYield();
    }
    void Yield() override { Flush(false); }
    void LineYield() override { Flush(false); }
    bool StopRequested() const override { return stop_ || Full(); }

    void Add(WordContext context) {
        if (Full()) return;
        context.sequence = ++found_;
        pending_.push_back(std::move(context));
    }
    // Enough to read and to keep: a very common word of a very large text
    // would otherwise fill the memory.
    bool Full() const { return found_ >= kMaxContexts; }
    // The first context is shown at once, later ones a few times a second.
    void Flush(bool now) {
        const auto time = std::chrono::steady_clock::now();
        const bool first = !pending_.empty() && shown_ == 0;
        if (!now && !first && time < next_) return;
        next_ = time + std::chrono::milliseconds(50);
        if (!pending_.empty()) {
            shown_ += static_cast<std::int64_t>(pending_.size());
            view_.ContextsFound(std::move(pending_));
            pending_.clear();
        }
        if (!now) view_.Yield();
    }
    std::int64_t Found() const { return found_; }

private:
    MainView& view_;
    const bool& stop_;
    std::vector<WordContext> pending_;
    std::int64_t found_ = 0;
    std::int64_t shown_ = 0;
    std::chrono::steady_clock::time_point next_{};
};

}  // namespace

std::optional<std::string> MainController::CountedForm(const std::string& typed) const {
    // The typed text is counted as clipboard text under the last count's
    // rules: what comes out is the word as the table holds it.
    const SettingsRecord& settings = state_.count->Settings();
    const bool unicode = IsOn(settings.chkUnicodeWords);
    TextCount scratch(settings, allowedExtraChars_, wordsToIgnore_, commonWords_);
    scratch.BeginClipboard();
    scratch.CountClipboardText(unicode ? typed : Cp1252FromUtf8(typed));
    scratch.Table().PutInOrdinalOrder();
    if (scratch.Table().lngNumWords() != 1) return std::nullopt;
    return scratch.Table()[1].Word;
}

void MainController::FindContexts(const std::string& typed, int width) {
    if (findingContexts_) return;
    if (Busy() || !state_.count || !state_.blnListShown) {
        view_.ContextsEnded("Count the words first: contexts are of the words of the last count.");
        return;
    }
    if (!countedPaths_.empty()) {
        view_.ContextsEnded(
            "Contexts are found in one file or in the clipboard's text; the last count was of " +
            FormatGrouped(static_cast<std::int64_t>(countedPaths_.size())) + " files.");
        return;
    }
    const bool fromFile = !countedInputFile_.empty();
    if (!fromFile && state_.strClipboardText.empty()) {
        view_.ContextsEnded("The text of the last count cannot be read again.");
        return;
    }
    const std::optional<std::string> word = CountedForm(typed);
    if (!word) {
        view_.ContextsEnded("\"" + typed + "\" is not one word that the last count would count.");
        return;
    }
    findingContexts_ = true;
    contextsStop_ = false;
    // The rest of the window stays usable; only a new count waits, so that
    // the count searched is the one shown.
    view_.SetCountButtonEnabled(false);
    const bool unicode = IsOn(state_.count->Settings().chkUnicodeWords);
    ContextHooks hooks(view_, contextsStop_);
    TextCount search(state_.count->Settings(), allowedExtraChars_, wordsToIgnore_, commonWords_, &hooks);
    search.CaptureContexts(*word, width, [&hooks](WordContext context) { hooks.Add(std::move(context)); });
    const std::string failure = fromFile ? ReadContextsSource(search) : "";
    if (!fromFile) {
        search.BeginClipboard();
        search.CountText(state_.strClipboardText, true);
    }
    hooks.Flush(true);
    findingContexts_ = false;
    view_.SetCountButtonEnabled(true);
    const std::string shown = unicode ? *word : Utf8FromCp1252(*word);
    std::string status = FormatGrouped(hooks.Found()) + (hooks.Found() == 1 ? " context" : " contexts") +
                         " of \"" + shown + "\"";
    if (!failure.empty()) {
        status += "; the text could not be read to its end: " + failure;
    } else if (hooks.Full()) {
        status += ", the first " + FormatGrouped(kMaxContexts) + " (the search ends there)";
    } else if (contextsStop_) {
        status += " until stopped";
    }
    view_.ContextsEnded(status + ".");
}

std::string MainController::ReadContextsSource(TextCount& search) {
    const std::string& path = countedInputFile_;
    search.BeginFile(InputExtension(path), state_.intLineEndingType);
    if (!state_.blnInputIsDocx && !state_.blnInputIsOdt) {
        LineSplitter splitter([&search](std::string& line) { return search.CountFileLine(line, false); });
        const std::error_code error = SplitTextFile(path, utf16Input_, splitter);
        return error ? error.message() : "";
    }
    // A document is read as the count read it, without its questions: it
    // was accepted then.
    const DocumentKind kind = state_.blnInputIsDocx ? DocumentKind::Docx : DocumentKind::Odt;
    const ExtractedXml extracted = ExtractXMLFileFromDocXFile(PathFromUtf8(path), kind, false, false, view_);
    if (extracted.result < 0) return ExtractionFailureText(extracted.result, PathFromUtf8(path));
    ExtractionHooks quiet;
    const DocumentText text =
        GetLineFromXMLFile(extracted.xml, kind, quiet, view_, {}, search.DocumentTextEncoding());
    search.CountText(text.text, true);
    return "";
}

}  // namespace lexicount
