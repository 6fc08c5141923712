#pragma once

// The data of the two charts of a result: the most frequent words as bars,
// and rank against frequency for the log-log plot of the whole list (Zipf's
// curve).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "output/export.h"

namespace lexicount {

struct Bar {
    std::string word;
    std::int64_t frequency = 0;
};

// The n words of the lowest ranks (the most frequent), by rank.
std::vector<Bar> MostFrequentWords(const ExportTable& table, int n);

// (rank, frequency) of the listed words by rank. A long list is thinned to
// about maxPoints points spread evenly on the logarithmic rank axis, the
// first and the last rank always among them, so that the plot keeps its
// shape at any size.
std::vector<std::pair<double, double>> RankFrequencyPoints(const ExportTable& table, int maxPoints = 2000);

}  // namespace lexicount
