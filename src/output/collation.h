#pragma once

// The accent-aware alphabetical order of the listing, and the quicksort
// that puts a table into it. The sort is not stable: the order of records
// with equal keys is the one this exact quicksort produces, so it is kept
// step for step.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "words/cp1252.h"

namespace lexicount {

std::string ExpandDigraphs(std::string_view text);  // Ä -> Ae, ß -> ss, ...
std::string FoldAccents(std::string_view text);     // É -> E, ...
std::string MakeCollationKey(std::string_view word);
// The key a word-table record carries: LowerCaseLatin(MakeCollationKey(word)).
std::string SortKeyOf(std::string_view word);

namespace detail {

// Comparison string of an element: its key from the 1-based position start.
inline std::string_view FromPosition(std::string_view key, long start) {
    const size_t skip = start < 1 ? 0 : static_cast<size_t>(start - 1);
    return skip >= key.size() ? std::string_view() : key.substr(skip);
}

// Descending quicksort with a middle pivot. The smaller part is sorted by
// recursion and the larger one by the loop; the two parts are disjoint, so
// the order of handling them does not change the result, and the stack
// stays shallow.
template <typename T, typename KeyOf>
void QuickSortDescending(std::vector<T>& a, long lo, long hi, long start, KeyOf keyOf) {
    while (lo < hi) {
        const long mid = lo + (hi - lo) / 2;
        const std::string pivot(FromPosition(keyOf(a[mid]), start));
        long i = lo;
        long j = hi;
        while (i <= j) {
            while (i < hi && CompareOrdinal(FromPosition(keyOf(a[i]), start), pivot) > 0) ++i;
            while (j > lo && CompareOrdinal(FromPosition(keyOf(a[j]), start), pivot) < 0) --j;
            if (i <= j) {
                if (i < j) std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            if (lo < j) QuickSortDescending(a, lo, j, start, keyOf);
            lo = i;
        } else {
            if (i < hi) QuickSortDescending(a, i, hi, start, keyOf);
            hi = j;
        }
    }
}

}  // namespace detail

// Sorts elements lo..hi into ascending order of their keys: the descending
// quicksort, then a reversal of the range.
template <typename T, typename KeyOf>
void SortByKey(std::vector<T>& a, long lo, long hi, long start, KeyOf keyOf) {
    if (lo >= hi) return;
    detail::QuickSortDescending(a, lo, hi, start, keyOf);
    for (long i = 0; lo + i < hi - i; ++i) std::swap(a[lo + i], a[hi - i]);
}

// The words-to-ignore list sort: the same procedure on plain strings.
void SortStringArray(std::vector<std::string>& a, long lo, long hi, long start);

}  // namespace lexicount
