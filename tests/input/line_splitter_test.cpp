// Cutting input bytes into lines at CR, LF or CR LF, however the bytes
// arrive in blocks.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "input/line_splitter.h"

namespace lexicount {
namespace {

using Lines = std::vector<std::string>;

// Feeds the blocks one after another, then finishes.
Lines Split(const std::vector<std::string>& blocks) {
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return true;
    });
    for (const auto& b : blocks) EXPECT_TRUE(splitter.Feed(b));
    EXPECT_TRUE(splitter.Finish());
    return lines;
}

TEST(LineSplitterTest, LineEnds) {
    struct Case {
        const char* name;
        std::vector<std::string> blocks;
        Lines expected;
    };
    const Case cases[] = {
        {"CR", {"a\rb\r"}, {"a", "b"}},
        {"LF", {"a\nb\n"}, {"a", "b"}},
        {"CR LF", {"a\r\nb\r\n"}, {"a", "b"}},
        {"LF CR is two line ends", {"a\n\rb"}, {"a", "", "b"}},
        {"CR CR", {"a\r\rb"}, {"a", "", "b"}},
        {"mixed", {"a\r\nb\nc\rd"}, {"a", "b", "c", "d"}},
        {"no final line end", {"one\r\ntwo"}, {"one", "two"}},
        {"empty lines", {"\r\n\r\nx\r\n\r\n"}, {"", "", "x", ""}},
        {"only a line end", {"\n"}, {""}},
        {"nothing", {}, {}},
        {"empty block", {""}, {}},
        {"CR LF split across blocks", {"a\r", "\nb\r\n"}, {"a", "b"}},
        {"CR at a block end, then text", {"a\r", "b"}, {"a", "b"}},
        {"CR at a block end, then an empty block", {"a\r", "", "\nb"}, {"a", "b"}},
        {"CR at a block end, then CR", {"a\r", "\rb"}, {"a", "", "b"}},
        {"line across blocks", {"ab", "cd", "e\nf"}, {"abcde", "f"}},
        {"one byte at a time", {"x", "\r", "\n", "y", "\n", "\r", "z"}, {"x", "y", "", "z"}},
        {"other control bytes stay", {std::string("a\0b\tc\f\n", 7)}, {std::string("a\0b\tc\f", 6)}},
    };
    for (const auto& c : cases) EXPECT_EQ(Split(c.blocks), c.expected) << c.name;
}

TEST(LineSplitterTest, CallbackStops) {
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return line != "stop";
    });
    EXPECT_FALSE(splitter.Feed("one\nstop\nthree\n"));
    EXPECT_FALSE(splitter.Feed("four\n"));
    EXPECT_FALSE(splitter.Finish());
    EXPECT_EQ(lines, (Lines{"one", "stop"}));
}

TEST(LineSplitterTest, CallbackStopsOnTheLastLine) {
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return false;
    });
    EXPECT_TRUE(splitter.Feed("partial"));
    EXPECT_FALSE(splitter.Finish());
    EXPECT_EQ(lines, (Lines{"partial"}));
}

TEST(LineSplitterTest, CallbackMayChangeTheLine) {
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        line = "garbage that must not leak";
        return true;
    });
    splitter.Feed("a\nb");
    splitter.Finish();
    EXPECT_EQ(lines, (Lines{"a", "b"}));
}

TEST(SplitStreamTest, ReadsAWholeStream) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::string content;
    for (int i = 0; i < 200000; ++i) content += "line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    content += "last";
    std::fwrite(content.data(), 1, content.size(), f);
    std::rewind(f);
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return true;
    });
    EXPECT_TRUE(SplitStream(f, splitter));
    std::fclose(f);
    ASSERT_EQ(lines.size(), 200001u);
    EXPECT_EQ(lines[0], "line 0");
    EXPECT_EQ(lines[123457], "line 123457");
    EXPECT_EQ(lines[200000], "last");
}

TEST(SplitStreamTest, StopIsNotAFailure) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::fputs("a\nb\nc\n", f);
    std::rewind(f);
    Lines lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return lines.size() < 2;
    });
    EXPECT_TRUE(SplitStream(f, splitter));
    std::fclose(f);
    EXPECT_EQ(lines, (Lines{"a", "b"}));
}

}  // namespace
}  // namespace lexicount

namespace lexicount {
namespace {

std::vector<std::string> SplitChunks(const std::vector<std::string>& chunks) {
    std::vector<std::string> lines;
    LineSplitter splitter([&](std::string& line) {
        lines.push_back(line);
        return true;
    });
    for (const auto& c : chunks) splitter.Feed(c);
    splitter.Finish();
    return lines;
}

// The mark would otherwise be read as the letter i with diaeresis.
TEST(LineSplitterByteOrderMark, IsDroppedOnlyAtTheStart) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitChunks({"\xEF\xBB\xBFone\ntwo"}), (V{"one", "two"}));
    EXPECT_EQ(SplitChunks({"\xEF", "\xBB",
                           "\xBF"
                           "one"}),
              (V{"one"}));
    EXPECT_EQ(SplitChunks({"\xEF\xBBx"}), (V{"\xEF\xBBx"}));
    EXPECT_EQ(SplitChunks({"\xEF\xBB"}), (V{"\xEF\xBB"}));
    EXPECT_EQ(SplitChunks({"a\n\xEF\xBB\xBF"
                           "b"}),
              (V{"a",
                 "\xEF\xBB\xBF"
                 "b"}));
}

}  // namespace
}  // namespace lexicount
