#pragma once

// Figures of a count's vocabulary beyond the summary: tokens, types, their
// ratio, the words that occur once, and the mean word length.

#include <cstdint>
#include <string>

#include "words/post_scan.h"
#include "words/word_table.h"

namespace lexicount {

struct Vocabulary {
    std::int64_t tokens = 0;  // instances of the listed words
    std::int64_t types = 0;   // different listed words
    std::int64_t once = 0;    // listed words that occur once
    double typeTokenRatio = 0;
    double meanWordLength = 0;  // characters per instance
};

// unicode: words are UTF-8, their lengths in user-perceived characters.
Vocabulary ComputeVocabulary(const WordTable& table, const WordStatistics& stats, bool unicode);

// "Tokens 6,406,920   Types 12,509   Type-token ratio 0.0020   Once 4,147
// Mean word length 4.07", grouped as the summary figures are.
std::string VocabularyLine(const Vocabulary& vocabulary);

}  // namespace lexicount
