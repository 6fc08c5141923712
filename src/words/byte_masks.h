#pragma once

// Bit masks of a line's bytes: bit i of word k tells whether byte 64k + i
// belongs to a set. The scanner finds where words begin and end in them
// with a count of trailing zeros instead of a branch per byte.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "words/chars.h"

namespace lexicount {

// A set of bytes in the two forms the mask builders use: a table of 256
// flags, and nibble tables for vector shuffles (a byte is in the set when
// the table of its low nibble has the bit of its high nibble).
class ByteMaskSet {
public:
    ByteMaskSet() = default;
    explicit ByteMaskSet(const CharSet& set);

    bool Has(char c) const { return set_.Has(c); }
    // Bit h of lowAscii[l] (h < 8) and of lowHigh[l] (h >= 8, bit h - 8):
    // byte 16h + l is in the set.
    const std::array<std::uint8_t, 16>& LowAscii() const { return lowAscii_; }
    const std::array<std::uint8_t, 16>& LowHigh() const { return lowHigh_; }

private:
    CharSet set_;
    std::array<std::uint8_t, 16> lowAscii_{};
    std::array<std::uint8_t, 16> lowHigh_{};
};

// The masks of one line for two sets, reused from line to line.
class LineMasks {
public:
    // Marks every byte of text; bits past its end are clear in both.
    // Returns whether any byte is in the third set, which is not kept.
    bool Build(std::string_view text, const ByteMaskSet& first, const ByteMaskSet& second,
               const ByteMaskSet& watched);

    // First position >= from whose byte is in the first set, or npos.
    size_t NextInFirst(size_t from) const { return NextSet(first_, from, 0, npos); }
    // First position >= from whose byte is not in the second set, looking
    // no further than limit (returned when nothing is found before it).
    size_t NextOutOfSecond(size_t from, size_t limit) const {
        return std::min(NextSet(second_, from, ~std::uint64_t{0}, limit), limit);
    }

    // Whether any byte is in the second set but not in the first.
    bool AnyInSecondOnly() const {
        std::uint64_t any = 0;
        for (size_t k = 0; k < first_.size(); ++k) any |= second_[k] & ~first_[k];
        return any != 0;
    }

    static constexpr size_t npos = static_cast<size_t>(-1);

private:
    // First set bit of words ^ flip at or after from; past the last word
    // every bit counts as flip's. The search gives up at limit's word.
    static size_t NextSet(const std::vector<std::uint64_t>& words, size_t from, std::uint64_t flip,
                          size_t limit) {
        size_t k = from >> 6;
        if (k >= words.size()) return flip != 0 ? from : npos;
        const size_t lastWord = std::min(words.size(), (limit >> 6) + 1);
        std::uint64_t w = (words[k] ^ flip) & (~std::uint64_t{0} << (from & 63));
        while (w == 0) {
            if (++k >= lastWord) return flip != 0 || k < words.size() ? k << 6 : npos;
            w = words[k] ^ flip;
        }
        return (k << 6) + static_cast<size_t>(__builtin_ctzll(w));
    }

    std::vector<std::uint64_t> first_;
    std::vector<std::uint64_t> second_;
};

namespace detail {

// The three sets of LineMasks::Build.
struct MaskSets {
    const ByteMaskSet& first;
    const ByteMaskSet& second;
    const ByteMaskSet& watched;
};

// One byte at a time: the reference, and the builder where no vector unit
// is known. Each out must hold (text.size() + 63) / 64 words.
bool BuildMasksPortable(std::string_view text, const MaskSets& sets, std::uint64_t* outFirst,
                        std::uint64_t* outSecond);
// The builder this processor runs (vector shuffles where it has them).
bool BuildMasksFast(std::string_view text, const MaskSets& sets, std::uint64_t* outFirst,
                    std::uint64_t* outSecond);

}  // namespace detail

}  // namespace lexicount
