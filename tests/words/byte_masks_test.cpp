// The byte masks the scanner walks: the processor's builder must agree with
// the byte-at-a-time one, and the searches with a plain loop, for any set
// and any length (the vector builder works in blocks of 64 and 32 bytes).

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "words/byte_masks.h"

namespace lexicount {
namespace {

CharSet RandomSet(std::mt19937& rng, int percent) {
    CharSet set;
    for (int c = 0; c < 256; ++c) {
        if (static_cast<int>(rng() % 100) < percent) {
            const char ch = static_cast<char>(c);
            set.Add(std::string_view(&ch, 1));
        }
    }
    return set;
}

std::string RandomText(std::mt19937& rng, size_t length) {
    std::string text(length, '\0');
    for (char& c : text) c = static_cast<char>(rng() % 256);
    return text;
}

std::vector<std::uint64_t> Expected(const std::string& text, const CharSet& set) {
    std::vector<std::uint64_t> words((text.size() + 63) / 64);
    for (size_t i = 0; i < text.size(); ++i) {
        if (set.Has(text[i])) words[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    return words;
}

TEST(ByteMasksTest, BuildersAgreeWithTheSets) {
    std::mt19937 rng(7);
    const size_t lengths[] = {0, 1, 31, 32, 33, 63, 64, 65, 96, 127, 128, 129, 200, 1000};
    const int densities[] = {0, 3, 50, 97, 100};
    for (size_t length : lengths) {
        for (int density : densities) {
            const CharSet a = RandomSet(rng, density);
            const CharSet b = RandomSet(rng, 100 - density);
            const CharSet w = RandomSet(rng, 1);
            const ByteMaskSet ma(a), mb(b), mw(w);
            const std::string text = RandomText(rng, length);
            const size_t n = (length + 63) / 64;
            std::vector<std::uint64_t> fa(n), fb(n), pa(n), pb(n);
            const bool fastWatched = detail::BuildMasksFast(text, {ma, mb, mw}, fa.data(), fb.data());
            const bool portableWatched = detail::BuildMasksPortable(text, {ma, mb, mw}, pa.data(), pb.data());
            bool anyWatched = false;
            for (char c : text) anyWatched |= w.Has(c);
            SCOPED_TRACE(testing::Message() << "length " << length << ", density " << density);
            EXPECT_EQ(fa, Expected(text, a));
            EXPECT_EQ(fb, Expected(text, b));
            EXPECT_EQ(pa, fa);
            EXPECT_EQ(pb, fb);
            EXPECT_EQ(fastWatched, anyWatched);
            EXPECT_EQ(portableWatched, anyWatched);
        }
    }
}

TEST(ByteMasksTest, SearchesFindWhatALoopFinds) {
    std::mt19937 rng(11);
    for (size_t length : {1, 5, 64, 65, 130, 300}) {
        const CharSet a = RandomSet(rng, 10);
        const CharSet b = RandomSet(rng, 80);
        const ByteMaskSet ma(a), mb(b);
        const std::string text = RandomText(rng, length);
        LineMasks masks;
        masks.Build(text, ma, mb, ByteMaskSet());
        for (size_t from = 0; from <= length + 1; ++from) {
            size_t inFirst = LineMasks::npos;
            for (size_t i = from; i < length && inFirst == LineMasks::npos; ++i) {
                if (a.Has(text[i])) inFirst = i;
            }
            // Past the text every position counts as outside the set.
            size_t outOfSecond = std::max(from, length);
            for (size_t i = from; i < length && outOfSecond == std::max(from, length); ++i) {
                if (!b.Has(text[i])) outOfSecond = i;
            }
            EXPECT_EQ(masks.NextInFirst(from), inFirst) << "length " << length << " from " << from;
            for (size_t limit : {from, from + 1, from + 64, length, length + 70}) {
                if (limit < from) continue;
                EXPECT_EQ(masks.NextOutOfSecond(from, limit), std::min(outOfSecond, limit))
                    << "length " << length << " from " << from << " limit " << limit;
            }
        }
    }
}

}  // namespace
}  // namespace lexicount
