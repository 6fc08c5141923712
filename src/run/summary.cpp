#include "run/summary.h"

#include <algorithm>

#include <charconv>

#include "words/number_format.h"

namespace lexicount {

SummaryLabels ComposeSummaryLabels(const WordStatistics& stats, std::int64_t total, bool ignoresListedWords,
                                   bool blnPartialCount) {
    // The figures are right-aligned in a column as wide as the total.
    const size_t w = FormatGrouped(total).size() + 1;
    auto pad = [w](std::int64_t n) {
        const std::string text = std::string(w, ' ') + FormatGrouped(n);
        return text.substr(text.size() - w);
    };
    SummaryLabels labels;
    labels.lblNumberOfWords = "Number of words in this list:" + pad(stats.lngNumWordsIncluded);
    labels.lblNumWordsExcluded = (ignoresListedWords ? "No. of words ignored (other than common words):"
                                                     : "Number of words ignored:") +
                                 pad(stats.lngNumWordsExcluded);
    if (!blnPartialCount && stats.lngNumOccurrences > 0) {
        labels.lblNumOccurrences =
            "Number of instances of words in this list:" + pad(stats.lngNumOccurrences);
        labels.lblTotalNumOccurrences = "Total number of instances of words:" + pad(total);
    }
    return labels;
}

std::string FormatElapsedTime(std::int64_t n) {
    const std::int64_t s = n % 60;
    std::int64_t m = n / 60;
    std::string text = std::to_string(s) + "s";
    if (m > 0) {
        std::string minutes;
        if (m >= 1440) {
            minutes = std::to_string(m / 1440) + "d ";
            m %= 1440;
        }
        minutes += std::to_string(m / 60) + "h " + std::to_string(m % 60) + "m";
        text = s == 0 ? minutes : minutes + " " + text;
    }
    if (text.rfind("0h ", 0) == 0) text.erase(0, 3);
    return text;
}

std::string ScanTimeLine(double seconds) {
    // Always a point, whatever the locale: scripts read this line.
    char number[32];
    const auto end = std::to_chars(number, number + sizeof number, seconds, std::chars_format::fixed, 3).ptr;
    return "Scan time: " + std::string(number, end) + " s";
}

FileTotalsText DescribeFileTotals(const std::vector<std::string>& names,
                                  const std::vector<FileTotal>& totals) {
    FileTotalsText text;
    if (totals.empty()) return text;
    const auto [fewestWords, mostWords] =
        std::minmax_element(totals.begin(), totals.end(),
                            [](const FileTotal& a, const FileTotal& b) { return a.words < b.words; });
    const auto [fewestInstances, mostInstances] =
        std::minmax_element(totals.begin(), totals.end(),
                            [](const FileTotal& a, const FileTotal& b) { return a.instances < b.instances; });
    const auto range = [](std::int64_t low, std::int64_t high) {
        return low == high ? FormatGrouped(low) : FormatGrouped(low) + " to " + FormatGrouped(high);
    };
    text.line = FormatGrouped(static_cast<std::int64_t>(totals.size())) +
                " files: " + range(fewestWords->words, mostWords->words) + " different words, " +
                range(fewestInstances->instances, mostInstances->instances) + " instances each";
    for (const FileTotal& total : totals) {
        text.perFile.push_back((total.file < names.size() ? names[total.file] : "?") + ": " +
                               FormatGrouped(total.words) + " different words, " +
                               FormatGrouped(total.instances) + " instances");
    }
    return text;
}

std::string LinesForTip(const std::vector<std::string>& lines) {
    constexpr size_t kTipLines = 40;
    std::string tip;
    for (size_t i = 0; i < lines.size() && i < kTipLines; ++i) {
        if (i > 0) tip += '\n';
        tip += lines[i];
    }
    if (lines.size() > kTipLines) {
        tip += "\n... and " + FormatGrouped(static_cast<std::int64_t>(lines.size() - kTipLines)) + " more";
    }
    return tip;
}

}  // namespace lexicount
