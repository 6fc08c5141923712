#include "words/byte_masks.h"

#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LEXICOUNT_HAVE_AVX2_BUILDER 1
#endif

namespace lexicount {

ByteMaskSet::ByteMaskSet(const CharSet& set) : set_(set) {
    for (int c = 0; c < 256; ++c) {
        if (!set.Has(static_cast<char>(c))) continue;
        const int high = c >> 4;
        const auto low = static_cast<size_t>(c & 15);
        if (high < 8) {
            lowAscii_[low] |= static_cast<std::uint8_t>(1u << high);
        } else {
            lowHigh_[low] |= static_cast<std::uint8_t>(1u << (high - 8));
        }
    }
}

namespace detail {

bool BuildMasksPortable(std::string_view text, const MaskSets& sets, std::uint64_t* outFirst,
                        std::uint64_t* outSecond) {
    bool watched = false;
    for (size_t base = 0; base < text.size(); base += 64) {
        const size_t n = std::min<size_t>(64, text.size() - base);
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        for (size_t i = 0; i < n; ++i) {
            const char c = text[base + i];
            a |= static_cast<std::uint64_t>(sets.first.Has(c)) << i;
            b |= static_cast<std::uint64_t>(sets.second.Has(c)) << i;
            watched |= sets.watched.Has(c);
        }
        outFirst[base >> 6] = a;
        outSecond[base >> 6] = b;
    }
    return watched;
}

}  // namespace detail

#ifdef LEXICOUNT_HAVE_AVX2_BUILDER
namespace {

struct Avx2Set {
    __m256i lowAscii;
    __m256i lowHigh;
};

__attribute__((target("avx2"))) Avx2Set Load(const ByteMaskSet& set) {
    __m128i a;
    __m128i h;
    std::memcpy(&a, set.LowAscii().data(), 16);
    std::memcpy(&h, set.LowHigh().data(), 16);
    return {_mm256_broadcastsi128_si256(a), _mm256_broadcastsi128_si256(h)};
}

// The 32 bytes of v that are in the set, as bits.
__attribute__((target("avx2"))) std::uint32_t Members(__m256i v, const Avx2Set& set) {
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    // The bit of each high nibble: 0-7 in the first table, 8-15 in the second.
    const __m256i asciiBits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4,
                                               8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i highBits = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0,
                                              0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m256i low = _mm256_and_si256(v, nibble);
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
    const __m256i inAscii =
        _mm256_and_si256(_mm256_shuffle_epi8(set.lowAscii, low), _mm256_shuffle_epi8(asciiBits, high));
    const __m256i inHigh =
        _mm256_and_si256(_mm256_shuffle_epi8(set.lowHigh, low), _mm256_shuffle_epi8(highBits, high));
    const __m256i none = _mm256_cmpeq_epi8(_mm256_or_si256(inAscii, inHigh), _mm256_setzero_si256());
    return ~static_cast<std::uint32_t>(_mm256_movemask_epi8(none));
}

struct Avx2Sets {
    Avx2Set first;
    Avx2Set second;
    Avx2Set watched;
};

// Marks 64 bytes; returns the watched set's members among them.
__attribute__((target("avx2"))) std::uint64_t Mark64(const char* p, const Avx2Sets& sets, std::uint64_t& a,
                                                     std::uint64_t& b) {
    const __m256i v0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i v1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    a = Members(v0, sets.first) | static_cast<std::uint64_t>(Members(v1, sets.first)) << 32;
    b = Members(v0, sets.second) | static_cast<std::uint64_t>(Members(v1, sets.second)) << 32;
    return Members(v0, sets.watched) | static_cast<std::uint64_t>(Members(v1, sets.watched)) << 32;
}

__attribute__((target("avx2"))) bool BuildMasksAvx2(std::string_view text, const detail::MaskSets& sets,
                                                    std::uint64_t* outFirst, std::uint64_t* outSecond) {
    const Avx2Sets v{Load(sets.first), Load(sets.second), Load(sets.watched)};
    std::uint64_t watched = 0;
    size_t base = 0;
    for (; base + 64 <= text.size(); base += 64) {
        watched |= Mark64(text.data() + base, v, outFirst[base >> 6], outSecond[base >> 6]);
    }
    const size_t rest = text.size() - base;
    if (rest == 0) return watched != 0;
    // The tail goes through a padded copy so nothing past the text is read;
    // the padding's bits are cleared whatever the sets hold.
    alignas(32) char tail[64] = {};
    std::memcpy(tail, text.data() + base, rest);
    std::uint64_t a;
    std::uint64_t b;
    const std::uint64_t keep = (std::uint64_t{1} << rest) - 1;
    watched |= Mark64(tail, v, a, b) & keep;
    outFirst[base >> 6] = a & keep;
    outSecond[base >> 6] = b & keep;
    return watched != 0;
}

}  // namespace
#endif

namespace detail {

bool BuildMasksFast(std::string_view text, const MaskSets& sets, std::uint64_t* outFirst,
                    std::uint64_t* outSecond) {
    using Builder = bool (*)(std::string_view, const MaskSets&, std::uint64_t*, std::uint64_t*);
    static const Builder builder = [] {
#ifdef LEXICOUNT_HAVE_AVX2_BUILDER
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx2")) return &BuildMasksAvx2;
#endif
        return &BuildMasksPortable;
    }();
    return builder(text, sets, outFirst, outSecond);
}

}  // namespace detail

bool LineMasks::Build(std::string_view text, const ByteMaskSet& first, const ByteMaskSet& second,
                      const ByteMaskSet& watched) {
    const size_t words = (text.size() + 63) / 64;
    first_.resize(words);
    second_.resize(words);
    return detail::BuildMasksFast(text, {first, second, watched}, first_.data(), second_.data());
}

}  // namespace lexicount
