#pragma once

// A word of up to seven bytes packed into one number with its length, so
// that comparing two such words is comparing two numbers.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace lexicount {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big,
              "the loads below know only the two plain byte orders");

// The bytes in order from the lowest, the length in the top byte; read
// without a loop: two overlapping loads, or three single bytes. A load is
// read as little-endian on any machine: on a big-endian one the overlapping
// loads would otherwise mix up the bytes and two words could share a key.
// The word must be at most seven bytes long.
inline std::uint64_t ShortWordKey(std::string_view word) {
    const char* p = word.data();
    const size_t n = word.size();
    auto byte = [p](size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])); };
    auto load32 = [](const char* q) {
        std::uint32_t v;
        std::memcpy(&v, q, 4);
        if constexpr (std::endian::native == std::endian::big) {
            v = v >> 24 | (v >> 8 & 0xFF00u) | (v << 8 & 0xFF0000u) | v << 24;
        }
        return static_cast<std::uint64_t>(v);
    };
    std::uint64_t v = 0;
    if (n >= 4) {
        v = load32(p) | load32(p + n - 4) << (8 * (n - 4));
    } else if (n > 0) {
        v = byte(0) | byte(n / 2) << (8 * (n / 2)) | byte(n - 1) << (8 * (n - 1));
    }
    return v | static_cast<std::uint64_t>(n) << 56;
}

}  // namespace lexicount
