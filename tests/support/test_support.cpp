#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "words/cp1252.h"

namespace lexicount::test {

std::string W(std::string_view utf8) {
    return Cp1252FromUtf8(utf8);
}

std::vector<long> MiddlePivotKillerRanks(long n) {
    // Each partition of [lo, n-1] compares only against its pivot: the
    // pivot given the largest rank left stays alone, swapped to lo, and the
    // rest, all smaller, is partitioned next.
    std::vector<long> at(static_cast<size_t>(n));
    std::vector<long> rank(static_cast<size_t>(n));
    for (long i = 0; i < n; ++i) at[i] = i;
    long next = n - 1;
    for (long lo = 0; lo + 1 < n; ++lo) {
        const long mid = lo + (n - 1 - lo) / 2;
        rank[at[mid]] = next--;
        std::swap(at[lo], at[mid]);
    }
    if (n > 0) rank[at[n - 1]] = next;
    return rank;
}

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() / ("lexicount-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::Write(std::string_view name, std::string_view bytes) const {
    auto file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

static std::filesystem::path FromEnv(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path(fallback);
}

std::filesystem::path TestDataDir() {
    return FromEnv("LEXICOUNT_TEST_DATA", "tests/data");
}
std::filesystem::path ProgramDataDir() {
    return FromEnv("LEXICOUNT_DATA_DIR", "build/data");
}

}  // namespace lexicount::test
