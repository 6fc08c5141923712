// Hostile text files through lexicount-cli: a huge file without a line end,
// invalid UTF-8 everywhere, a word longer than any word may be, a comment
// that never ends, words in an order that defeats the sort, and a line that
// makes the UTF-8 folding replace pairs over and over. Each is counted with
// a clear result in bounded memory and time, and reading never writes to
// the input.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

namespace fs = std::filesystem;

// The listing's "rank frequency word" lines as word -> frequency.
std::map<std::string, std::string> Listed(const std::string& listing) {
    std::map<std::string, std::string> words;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string rank, count, word;
        if (fields >> rank >> count >> word && rank.find_first_not_of("0123456789") == std::string::npos) {
            words[word] = count;
        }
    }
    return words;
}

// The summary's last line: every word instance the scan cut, listed or not.
std::string TotalInstances(const std::string& err) {
    const std::string label = "Total number of instances of words:";
    const size_t at = err.find(label);
    if (at == std::string::npos) return "";
    std::istringstream rest(err.substr(at + label.size()));
    std::string value;
    rest >> value;
    return value;
}

// Writes the same piece many times without building the whole file in memory.
fs::path WriteRepeated(const TempDir& dir, const std::string& name, const std::string& piece, size_t times) {
    const fs::path path = dir.path() / name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    std::string block;
    for (int i = 0; i < 4096; ++i) block += piece;
    for (size_t done = 0; done < times; done += 4096) {
        const size_t n = std::min<size_t>(4096, times - done) * piece.size();
        EXPECT_EQ(std::fwrite(block.data(), 1, n, file), n);
    }
    std::fclose(file);
    return path;
}

// 200 MB in one line: counted whole, holding about the line once (two
// copies of it would pass 400 MB), and the input is left untouched.
TEST(HostileTexts, TwoHundredMegabytesWithoutALineEnd) {
    TempDir dir;
    const std::string piece = "alpha beta gamma delta ";  // 23 bytes
    const size_t times = (200u << 20) / piece.size() + 1;
    const fs::path input = WriteRepeated(dir, "one-line.txt", piece, times);
    struct stat before {};
    ASSERT_EQ(stat(input.c_str(), &before), 0);

    const ChildResult run = RunChild(CliPath(), {"--summary", input.string()}, std::chrono::seconds(600));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto words = Listed(run.out);
    for (const char* word : {"alpha", "beta", "gamma", "delta"}) {
        EXPECT_EQ(words.count(word) ? words.at(word) : "", std::to_string(times)) << word;
    }
    if (kChildMemoryIsMeasurable) {
        EXPECT_LT(run.maxRssKb, 400 * 1024);
    }
    std::cout << "peak memory of the count: " << run.maxRssKb / 1024 << " MB\n";

    struct stat after {};
    ASSERT_EQ(stat(input.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

struct TextCase {
    std::string name;
    std::string extension;
    std::string content;
    std::map<std::string, std::string> listed;  // words that must be listed, with their frequency
    bool onlyThese;                             // no other word may be listed
    std::string totalInstances;                 // "" when not checked
};

std::string LongWord(size_t length) {
    std::string word;
    for (size_t i = 0; i < length; ++i) word += static_cast<char>('a' + i % 26);
    return word;
}

// Every kind of broken UTF-8 between the words: lone leads, cut sequences,
// stray continuation bytes, overlong forms, surrogates, five- and six-byte
// forms, and the punctuation lead cut at the end of the line.
std::string InvalidUtf8Lines() {
    const std::vector<std::string> broken = {"\xC3",
                                             "\xC2",
                                             "\xE2\x80",
                                             "\x80\xBF\x80",
                                             "\xC0\xAF",
                                             "\xE0\x80\xAF",
                                             "\xED\xA0\x80",
                                             "\xF8\x88\x80\x80\x80",
                                             "\xFC\x84\x80\x80\x80\x80",
                                             "\xFE\xFF",
                                             "\xC2\xC2\xC2\x80\x80",
                                             "\xC3\xC3\x83",
                                             "\xE2\x80\xFF",
                                             "\xF4\x90\x80\x80"};
    std::string text;
    for (const std::string& b : broken)
        text += "alpha " + b + " beta" + b + "\n" + b + "gamma " + b + "\xE2\x80\n";
    return text;
}

TEST(HostileTexts, AreCountedWithAClearResult) {
    const std::string longWord = LongWord(70000);
    const TextCase cases[] = {
        // Invalid sequences fold to whatever Windows-1252 characters their
        // bytes are; the words around them are intact.
        // "beta" and "gamma" take on different broken bytes on each line;
        // "alpha" always stands alone.
        {"invalid UTF-8 everywhere", "txt", InvalidUtf8Lines(), {{"alpha", "14"}}, false, ""},
        // A word is cut at 65,000 characters; both pieces are longer than
        // any word may be, so only the neighbours are listed.
        {"a 70,000-character word",
         "txt",
         "alpha " + longWord + " beta gamma\n",
         {{"alpha", "1"}, {"beta", "1"}, {"gamma", "1"}},
         true,
         "5"},
        // An unterminated comment at the top hides the whole file.
        {"unterminated comment at the top",
         "c",
         "/* opened and never closed\nsecret words here\nand more secret words\n",
         {},
         true,
         ""},
        {"unterminated markup at the top",
         "html",
         "<p class=\"never closed\nsecret words here\nsecret\n",
         {},
         true,
         ""},
    };
    for (const TextCase& c : cases) {
        TempDir dir;
        const fs::path input = dir.Write("input." + c.extension, c.content);
        const ChildResult run = RunChild(CliPath(), {"--summary", input.string()}, std::chrono::seconds(60));
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
        const auto listed = Listed(run.out);
        for (const auto& [word, frequency] : c.listed) {
            EXPECT_EQ(listed.count(word) ? listed.at(word) : "", frequency) << c.name << ": " << word;
        }
        if (c.onlyThese) {
            EXPECT_EQ(listed.size(), c.listed.size()) << c.name << ": " << run.out;
        }
        if (c.listed.empty()) {
            EXPECT_NE(run.out.find("No words satisfying the conditions were found."), std::string::npos)
                << c.name;
        }
        if (!c.totalInstances.empty()) {
            EXPECT_EQ(TotalInstances(run.err), c.totalInstances) << c.name << ": " << run.err;
        }
        EXPECT_EQ(ReadFileBytes(input), c.content) << c.name;
    }
}

// 200,000 words whose ordinal order (the table's order before the sort)
// puts their collation keys in the order that drives the middle-pivot
// quicksort to n squared: a prefix of a, à, á, â, ã, å (all "a" in the key)
// fixes the ordinal place, the letters after it the key. The list comes out
// in key order, at once.
TEST(HostileTexts, WordsThatDefeatTheSort) {
    const long n = 200000;
    const std::vector<long> ranks = MiddlePivotKillerRanks(n);
    const std::string prefixLetters = "a\xE0\xE1\xE2\xE3\xE5";  // ascending code points
    auto digits = [](long value, long base, int width, const std::string& symbols) {
        std::string out(static_cast<size_t>(width), ' ');
        for (int i = width - 1; i >= 0; --i, value /= base)
            out[static_cast<size_t>(i)] = symbols[value % base];
        return out;
    };
    const std::string keyLetters = "bcdefghijklmnopqrstu";
    std::string text;
    for (long k = 0; k < n; ++k) {
        text +=
            digits(k, 6, 7, prefixLetters) + digits(ranks[k], 20, 5, keyLetters) + (k % 10 == 9 ? "\n" : " ");
    }
    TempDir dir;
    const fs::path input = dir.Write("sort.txt", text);
    const ChildResult run = RunChild(CliPath(), {input.string()}, std::chrono::seconds(60));
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    // Every word once, so the frequency order is the sort's order: the key
    // letters (the last five) ascend.
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);  // the header
    long listed = 0;
    std::string previous;
    while (std::getline(lines, line)) {
        ASSERT_GE(line.size(), 5u);
        const std::string key = line.substr(line.size() - 5);
        EXPECT_LT(previous, key) << line;
        previous = key;
        ++listed;
    }
    EXPECT_EQ(listed, n);
    EXPECT_EQ(ReadFileBytes(input), text);
}

// One 40 MB line of runs of C2 bytes, each run one longer than the last and
// ended by C2 A0, with a word after each: every C2 A0 met replaces those of
// all the runs, which leaves a new C2 A0 in each. The folding keeps to its
// definition (each run loses one C2 per C2 A0 the scan meets; the later runs
// keep some) at the cost of each replacement, not of a pass over the line.
TEST(HostileTexts, LineThatMakesTheFoldingReplaceOverAndOver) {
    const int runs = 9000;
    std::string text;
    for (int i = 1; i <= runs; ++i) {
        text.append(static_cast<size_t>(i), '\xC2');
        text += "\xC2\xA0word ";
    }
    text += "\n";
    TempDir dir;
    const fs::path input = dir.Write("fold.txt", text);
    const ChildResult run = RunChild(CliPath(), {"--summary", input.string()}, std::chrono::seconds(120));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    const auto words = Listed(run.out);
    EXPECT_EQ(words.count("word") ? words.at("word") : "", std::to_string(runs));
    EXPECT_EQ(ReadFileBytes(input), text);
}

}  // namespace
}  // namespace lexicount::test
