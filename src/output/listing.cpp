#include "output/listing.h"

#include <algorithm>

#include "base/settings_record.h"
#include "words/unicode_text.h"

namespace lexicount {
namespace {

int DigitCount(std::int64_t n) {
    return static_cast<int>(std::to_string(n).size());
}

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::string PadRight(std::string text, int width, bool unicode) {
    const int columns = unicode ? DisplayWidth(text) : static_cast<int>(text.size());
    if (columns < width) text.append(static_cast<size_t>(width - columns), ' ');
    return text;
}

std::string TrimSpaces(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::string TrimTrailingSpaces(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

bool WordIsFollowedByComma(const LineLayout& layout) {
    return layout.commaMode && (layout.format == 1 || layout.format == 6 || layout.format == 7);
}

bool HeaderShowsLongest(int format) {
    return format == 0 || format == 3 || format == 5 || format == 8 || format == 9;
}

std::string SpaceModeLine(int format, const std::string& r, const std::string& f, const std::string& w) {
    const std::string trimmedW = TrimTrailingSpaces(w);
    switch (format) {
        case 0: return " " + r + "  " + f + "  " + trimmedW;
        case 1: return " " + r + "  " + w + "  " + f;
        case 2: return " " + r + "  " + f;
        case 3: return " " + r + "  " + trimmedW;
        case 4: return " " + f + "  " + r;
        case 5: return "  " + f + "  " + trimmedW;
        case 6: return "  " + w + " " + r;
        case 7: return "  " + w + " " + f;
        default: return TrimSpaces(w);
    }
}

std::string CommaModeLine(int format, const std::string& r, const std::string& f, const std::string& w) {
    const std::string trimmedW = TrimTrailingSpaces(w);
    switch (format) {
        case 0: return "  " + r + ",  " + f + ",  " + trimmedW;
        case 1: return "  " + r + ",  " + w + f;
        case 2: return "  " + r + ",  " + f;
        case 3: return "  " + r + ",  " + trimmedW;
        case 4: return "  " + f + ",  " + r;
        case 5: return "  " + f + ",  " + trimmedW;
        case 6: return "  " + w + r;
        case 7: return "  " + w + f;
        default: return TrimSpaces(w);
    }
}

}  // namespace

ColumnWidths SetColumnWidths(const WordStatistics& stats, int intMinWidth) {
    ColumnWidths w;
    w.intRankWidth = std::max(DigitCount(stats.lngNumWordsIncluded), intMinWidth);
    w.intFreqWidth = std::max(DigitCount(stats.lngMaxFrequency), intMinWidth);
    w.intWordWidth = std::max(stats.intMaxWordWidthFound, intMinWidth);
    return w;
}

LineLayout MakeLineLayout(const WordStatistics& stats, const SettingsRecord& settings, int intMinWidth) {
    LineLayout layout;
    layout.widths = SetColumnWidths(stats, intMinWidth);
    layout.format = settings.cboDisplayFormat;
    layout.intMaxWordLengthFound = stats.intMaxWordLengthFound;
    layout.unicode = IsOn(settings.chkUnicodeWords);
    return layout;
}

std::string FormatRank(const LineLayout& layout, const WordRecord* record) {
    return PadLeft(record == nullptr ? "Rank" : std::to_string(record->FreqRank), layout.widths.intRankWidth);
}

std::string FormatFrequency(const LineLayout& layout, const WordRecord* record) {
    return PadLeft(record == nullptr ? "Freq" : std::to_string(record->Frequency),
                   layout.widths.intFreqWidth);
}

std::string FormatWord(const LineLayout& layout, const WordRecord* record) {
    const std::string word = record == nullptr ? "Word" : TrimSpaces(record->Word);
    if (WordIsFollowedByComma(layout)) return word + ", ";
    return PadRight(word, layout.widths.intWordWidth, layout.unicode);
}

std::string ComposeLine(const LineLayout& layout, const WordRecord* record) {
    if (record == nullptr && layout.format == kWordsWithCommasFormat) return {};
    const std::string r = FormatRank(layout, record);
    const std::string f = FormatFrequency(layout, record);
    const std::string w = FormatWord(layout, record);
    std::string line =
        layout.commaMode ? CommaModeLine(layout.format, r, f, w) : SpaceModeLine(layout.format, r, f, w);
    if (record == nullptr && HeaderShowsLongest(layout.format)) {
        line = TrimTrailingSpaces(line) + " (longest has " + std::to_string(layout.intMaxWordLengthFound) +
               " characters)";
        if (layout.format == 8) line = TrimSpaces(line);
    }
    return line;
}

void ForEachListedRecord(const WordTable& table, const WordStatistics& stats, int cboWordOrder,
                         const std::function<bool(std::int64_t)>& visit,
                         const std::function<bool(std::int64_t)>& passOver) {
    if (cboWordOrder == kAlphabetical) {
        for (std::int64_t i = 1; i <= table.lngNumWords(); ++i) {
            const bool goOn = table[i].Included ? visit(i) : (!passOver || passOver(i));
            if (!goOn) return;
        }
        return;
    }
    std::int64_t i = stats.lngFirstFreq;
    for (std::int64_t k = 0; k < stats.lngNumWordsIncluded && i != 0; ++k) {
        if (!visit(i)) return;
        i = table[i].NextByFreq;
    }
}

std::string ShowNoWordsMessage(std::int64_t lngNumWords, const SettingsRecord& settings) {
    if (lngNumWords == 0) return "No words satisfying the conditions were found.";
    const int shortest = MinWordLength(settings) - 1;
    std::string text = "No words with more than " + std::to_string(shortest) + " letter";
    if (shortest > 1) text += "s";
    text += "\r\noccur at least ";
    const int threshold = ThresholdFrequency(settings);
    if (!IsOn(settings.chkIgnoreInfrequentWords)) {
        text += "once.";
    } else if (threshold == 2) {
        text += "twice.";
    } else {
        text += std::to_string(threshold) + " times.";
    }
    return text;
}

}  // namespace lexicount
