#pragma once

// The accent-aware alphabetical order of the listing, and the quicksort
// that puts a table into it. The sort is not stable: the order of records
// with equal keys is the one this exact quicksort produces, so it is kept
// step for step.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <numeric>
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

// What a sort may still spend, and the caller's word now and then.
// Partitioning a range costs its length; the middle pivot keeps ordinary
// input near n log n, but some orders of the keys drive it to n squared.
class SortWork {
public:
    SortWork(long n, const std::function<bool()>* progress)
        : left_(kWorkPerLog * n * static_cast<std::int64_t>(std::bit_width(static_cast<std::uint64_t>(n)))),
          progress_(progress) {}

    // Charges the partition of n elements; false when the sort is to stop
    // where it is: past its budget, or at the caller's request.
    bool Charge(long n) {
        left_ -= n;
        if (left_ < 0) return false;
        return Tick(n);
    }
    // Lets the caller run every so often; its answer is ignored here.
    void Yield(long n) { Tick(n); }

private:
    static constexpr int kWorkPerLog = 10;
    static constexpr std::int64_t kWorkPerCall = 1 << 16;

    bool Tick(long n) {
        sinceCall_ += n;
        if (sinceCall_ < kWorkPerCall || progress_ == nullptr || !*progress_) return true;
        sinceCall_ = 0;
        return (*progress_)();
    }

    std::int64_t left_;
    std::int64_t sinceCall_ = 0;
    const std::function<bool()>* progress_;
};

// Element i of a vector, at the sort's signed positions.
template <typename V>
decltype(auto) At(V& v, long i) {
    return v[static_cast<std::size_t>(i)];
}

// Descending quicksort with a middle pivot. The smaller part is sorted by
// recursion and the larger one by the loop; the two parts are disjoint, so
// the order of handling them does not change the result, and the stack
// stays shallow. origin moves with the elements (it holds where each stood
// before the sort); false when the work ran out, the range half sorted.
template <typename T, typename KeyOf>
bool QuickSortDescending(std::vector<T>& a, std::vector<long>& origin, long base, long lo, long hi,
                         long start, KeyOf keyOf, SortWork& work) {
    while (lo < hi) {
        if (!work.Charge(hi - lo + 1)) return false;
        const long mid = lo + (hi - lo) / 2;
        const std::string pivot(FromPosition(keyOf(At(a, mid)), start));
        long i = lo;
        long j = hi;
        while (i <= j) {
            while (i < hi && CompareOrdinal(FromPosition(keyOf(At(a, i)), start), pivot) > 0) ++i;
            while (j > lo && CompareOrdinal(FromPosition(keyOf(At(a, j)), start), pivot) < 0) --j;
            if (i <= j) {
                if (i < j) {
                    std::swap(At(a, i), At(a, j));
                    std::swap(At(origin, i - base), At(origin, j - base));
                }
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            if (lo < j && !QuickSortDescending(a, origin, base, lo, j, start, keyOf, work)) return false;
            lo = i;
        } else {
            if (i < hi && !QuickSortDescending(a, origin, base, i, hi, start, keyOf, work)) return false;
            hi = j;
        }
    }
    return true;
}

// Ascending order of the keys, equal keys in the order they had before the
// sort began: O(n log n) whatever the input.
template <typename T, typename KeyOf>
void StableSortByOrigin(std::vector<T>& a, const std::vector<long>& origin, long lo, long hi, long start,
                        KeyOf keyOf, SortWork& work) {
    std::vector<long> order(static_cast<size_t>(hi - lo + 1));
    std::iota(order.begin(), order.end(), 0L);
    std::sort(order.begin(), order.end(), [&](long x, long y) {
        work.Yield(1);
        const int c = CompareOrdinal(FromPosition(keyOf(At(a, lo + x)), start),
                                     FromPosition(keyOf(At(a, lo + y)), start));
        return c != 0 ? c < 0 : At(origin, x) < At(origin, y);
    });
    // Place k takes the element at At(order, k): followed cycle by cycle, so
    // only one element is ever held aside.
    for (long first = 0; first < static_cast<long>(order.size()); ++first) {
        if (At(order, first) == first) continue;
        T held = std::move(At(a, lo + first));
        long k = first;
        while (At(order, k) != first) {
            const long from = At(order, k);
            At(a, lo + k) = std::move(At(a, lo + from));
            At(order, k) = k;
            k = from;
        }
        At(a, lo + k) = std::move(held);
        At(order, k) = k;
    }
}

}  // namespace detail

// Sorts elements lo..hi into ascending order of their keys: the descending
// quicksort, then a reversal of the range. The quicksort's order of equal
// keys is the expected one, so it is kept wherever its work stays within a
// generous multiple of n log n; an order of keys that would drive it to n
// squared (or a stop asked through progress) ends it early, and the range
// is then sorted with equal keys in their order before the sort. progress,
// when given, is called every so often, so the caller can keep a window
// alive; false asks the sort to finish quickly.
template <typename T, typename KeyOf>
void SortByKey(std::vector<T>& a, long lo, long hi, long start, KeyOf keyOf,
               const std::function<bool()>& progress = nullptr) {
    if (lo >= hi) return;
    std::vector<long> origin(static_cast<size_t>(hi - lo + 1));
    std::iota(origin.begin(), origin.end(), 0L);
    detail::SortWork work(hi - lo + 1, &progress);
    if (!detail::QuickSortDescending(a, origin, lo, lo, hi, start, keyOf, work)) {
        detail::StableSortByOrigin(a, origin, lo, hi, start, keyOf, work);
        return;
    }
    for (long i = 0; lo + i < hi - i; ++i) std::swap(detail::At(a, lo + i), detail::At(a, hi - i));
}

// The words-to-ignore list sort: the same procedure on plain strings.
void SortStringArray(std::vector<std::string>& a, long lo, long hi, long start);

}  // namespace lexicount
