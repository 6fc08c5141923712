#include "words/vocabulary.h"

#include "words/number_format.h"
#include "words/unicode_text.h"

namespace lexicount {

Vocabulary ComputeVocabulary(const WordTable& table, const WordStatistics& stats, bool unicode) {
    Vocabulary v;
    double characters = 0;
    for (const WordRecord& record : table.Records()) {
        if (!record.Included || record.Frequency == 0) continue;
        v.once += record.Frequency == 1 ? 1 : 0;
        const int length = unicode ? GraphemeCount(record.Word) : static_cast<int>(record.Word.size());
        characters += static_cast<double>(length) * static_cast<double>(record.Frequency);
    }
    v.tokens = stats.lngNumOccurrences;
    v.types = stats.lngNumWordsIncluded;
    if (v.tokens > 0) {
        v.typeTokenRatio = static_cast<double>(v.types) / static_cast<double>(v.tokens);
        v.meanWordLength = characters / static_cast<double>(v.tokens);
    }
    return v;
}

std::string VocabularyLine(const Vocabulary& v) {
    return "Tokens " + FormatGrouped(v.tokens) + "   Types " + FormatGrouped(v.types) +
           "   Type-token ratio " + FormatGroupedDecimals(v.typeTokenRatio, 4) + "   Once " +
           FormatGrouped(v.once) + "   Mean word length " + FormatGroupedDecimals(v.meanWordLength, 2);
}

}  // namespace lexicount
