// The figures of the vocabulary: tokens, types, ratio, words once, mean
// length in characters per instance.

#include "words/vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexicount {
namespace {

Vocabulary Count(const std::vector<std::string>& words, bool unicode) {
    WordTable table(7);
    for (const std::string& word : words) table.AddWordToList(word);
    table.PutInOrdinalOrder();
    WordStatistics stats = ComputeWordStatistics(table, unicode);
    return ComputeVocabulary(table, stats, unicode);
}

TEST(Vocabulary, FiguresOfTheListedWords) {
    // "b" three times, "a" once, "\xE9" (one Windows-1252 byte) twice.
    const Vocabulary western = Count({"b", "bb", "b", "a", "\xE9", "b", "\xE9"}, false);
    EXPECT_EQ(western.tokens, 7);
    EXPECT_EQ(western.types, 4);
    EXPECT_EQ(western.once, 2);
    EXPECT_DOUBLE_EQ(western.typeTokenRatio, 4.0 / 7);
    EXPECT_DOUBLE_EQ(western.meanWordLength, 8.0 / 7);
    EXPECT_EQ(VocabularyLine(western),
              "Tokens 7   Types 4   Type-token ratio 0.5714   Once 2   Mean word length 1.14");
    // UTF-8 words are measured in characters a reader sees, not bytes.
    const Vocabulary unicode = Count({"мир", "мир", "e\xCC\x81t\xC3\xA9"}, true);
    EXPECT_DOUBLE_EQ(unicode.meanWordLength, 3.0);
    EXPECT_EQ(Count({}, false).typeTokenRatio, 0.0);
}

}  // namespace
}  // namespace lexicount
