#include "words/post_scan.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "base/settings_record.h"
#include "words/unicode_text.h"
#include "words/word_rules.h"

namespace lexicount {

void MarkIncludedWords(WordTable& table, const SettingsRecord& settings, int intThresholdFrequency) {
    const bool romans = IsOn(settings.chkIgnoreRomNum40);
    const bool infrequent = IsOn(settings.chkIgnoreInfrequentWords);
    auto& records = table.Records();
    for (size_t i = 1; i < records.size(); ++i) {
        WordRecord& r = records[i];
        r.Included = true;
        if (romans && IsRomanNumeralBelow40(r.Word)) r.Included = false;
        if (infrequent && r.Frequency < intThresholdFrequency) r.Included = false;
    }
}

WordStatistics ComputeWordStatistics(const WordTable& table, bool unicode) {
    WordStatistics s;
    const auto& records = table.Records();
    for (size_t i = 1; i < records.size(); ++i) {
        const WordRecord& r = records[i];
        if (!r.Included) {
            ++s.lngNumWordsExcluded;
            continue;
        }
        ++s.lngNumWordsIncluded;
        s.lngNumOccurrences += r.Frequency;
        s.lngMaxFrequency = std::max(s.lngMaxFrequency, r.Frequency);
        if (unicode) {
            s.intMaxWordLengthFound = std::max(s.intMaxWordLengthFound, GraphemeCount(r.Word));
            s.intMaxWordWidthFound = std::max(s.intMaxWordWidthFound, DisplayWidth(r.Word));
        } else {
            s.intMaxWordLengthFound = std::max(s.intMaxWordLengthFound, static_cast<int>(r.Word.size()));
            s.intMaxWordWidthFound = s.intMaxWordLengthFound;
        }
    }
    return s;
}

void BuildFrequencyChain(WordTable& table, WordStatistics& stats, const std::function<void()>& onThousand) {
    auto& records = table.Records();
    std::vector<std::int64_t> order;
    for (size_t i = 1; i < records.size(); ++i) {
        records[i].FreqRank = 0;
        records[i].NextByFreq = 0;
        if (records[i].Included) order.push_back(static_cast<std::int64_t>(i));
    }
    stats.lngFirstFreq = 0;
    // Equal counts keep table order: the stable sort gives the same ranks as
    // numbering the words count by count from the highest down.
    auto record = [&records](std::int64_t i) -> WordRecord& { return records[static_cast<size_t>(i)]; };
    std::stable_sort(order.begin(), order.end(), [&](std::int64_t a, std::int64_t b) {
        return record(a).Frequency > record(b).Frequency;
    });
    for (size_t k = 0; k < order.size(); ++k) {
        record(order[k]).FreqRank = static_cast<std::int64_t>(k) + 1;
        if (k + 1 < order.size()) record(order[k]).NextByFreq = order[k + 1];
        if (onThousand && k > 0 && (k + 1) % 1000 == 0) onThousand();
    }
    if (!order.empty()) stats.lngFirstFreq = order.front();
}

}  // namespace lexicount
