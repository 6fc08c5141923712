// A text counted in pieces on several cores lists exactly what one scan of
// it lists: random texts whose comments, tags and scripts cross the cuts,
// under several settings, as files and as documents' text.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "input/file_lines.h"
#include "output/export.h"
#include "run/piece_count.h"
#include "run/text_count.h"
#include "support/test_support.h"

namespace lexicount {
namespace {

// Words, markers of every comment style, entities and line ends, so that
// random texts open comments in one piece and close them in another.
const std::vector<std::string> kTokens = {"word",
                                          "Words",
                                          "the",
                                          "cats",
                                          "isn't",
                                          "o'clock",
                                          "well-known",
                                          "XIV",
                                          "1:2",
                                          "caf\xC3\xA9",
                                          "\xD0\xB6\xD1\x83\xD0\xBA",
                                          "na\xEF\xBF\xBD",
                                          "\xE9t\xE9",
                                          "/*",
                                          "*/",
                                          "//",
                                          "<!--",
                                          "-->",
                                          "<script>",
                                          "</script>",
                                          "<b>",
                                          "<",
                                          ">",
                                          "&amp;",
                                          "&eacute;",
                                          "&#233;",
                                          "<?php",
                                          "?>",
                                          "#",
                                          "\r\n",
                                          "\n",
                                          "\r",
                                          "\n\n",
                                          "\xEF\xBB\xBF"};

std::string RandomText(std::mt19937& random, size_t tokens) {
    std::uniform_int_distribution<size_t> pick(0, kTokens.size() - 1);
    std::string text;
    for (size_t i = 0; i < tokens; ++i) {
        text += kTokens[pick(random)];
        text += (random() % 3 == 0) ? "" : " ";
    }
    return text;
}

struct Case {
    const char* name;
    const char* extension;
    std::function<void(SettingsRecord&)> change;
};

const std::vector<Case> kCases = {
    {"plain text", "txt", nullptr},
    {"html", "htm", nullptr},
    {"php", "php", [](SettingsRecord& s) { s.chkCaseSignificant = 1; }},
    {"xml", "xml", [](SettingsRecord& s) { s.chkDropFinalS = 1; }},
    {"utf-8", "htm", [](SettingsRecord& s) { s.chkUTF8 = 1; }},
    {"any script", "php", [](SettingsRecord& s) { s.chkUnicodeWords = 1; }},
    {"any script, case", "txt",
     [](SettingsRecord& s) {
         s.chkUnicodeWords = 1;
         s.chkCaseSignificant = 1;
         s.chkAllowWordsWithApostrophes = 1;
     }},
};

class Counting {
public:
    explicit Counting(const Case& c) : settings_(Settings(c)), extension_(c.extension) {}

    std::unique_ptr<TextCount> NewCount() const {
        return std::make_unique<TextCount>(settings_, BuildAllowedExtraChars(settings_), ignore_, common_);
    }
    std::unique_ptr<TextCount> Begun() const {
        auto count = NewCount();
        count->BeginFile(extension_, 1, IsOn(settings_.chkUTF8));
        return count;
    }
    // What the count lists, in every column, with its totals.
    static std::string Listing(TextCount& count) {
        count.SortTable();
        count.RunPasses();
        return DelimitedText(count.ListedRows(0), ExportFormat::Tsv) + "\n" +
               std::to_string(count.lngTotalNumOccurrences()) + " " +
               std::to_string(count.LettersOutsideCp1252()) + " " + std::to_string(count.LinesRead());
    }

private:
    static SettingsRecord Settings(const Case& c) {
        SettingsRecord s;
        if (c.change) c.change(s);
        return s;
    }
    SettingsRecord settings_;
    std::string extension_;
    WordsToIgnore ignore_;
    CommonWords common_;
};

TEST(PieceCount, ListsWhatOneScanLists) {
    std::mt19937 random(20261209);
    test::TempDir dir;
    int rescans = 0;
    for (const Case& c : kCases) {
        for (int round = 0; round < 12; ++round) {
            SCOPED_TRACE(std::string(c.name) + ", round " + std::to_string(round));
            const std::string text = RandomText(random, 60 + random() % 400);
            const auto path = dir.Write(std::string("t.") + c.extension, text).string();
            const Counting run(c);
            const bool isDocument = round % 3 == 2;
            auto whole = run.Begun();
            if (isDocument) {
                whole->CountText(text, true);
            } else {
                LineSplitter splitter(
                    [&whole](std::string& line) { return whole->CountFileLine(line, false); });
                ASSERT_FALSE(SplitFile(path, splitter));
            }
            const std::string expected = Counting::Listing(*whole);
            const int workers = 1 + round % 3;
            auto pieces = run.Begun();
            PieceCount counter(
                workers, [&run] { return run.NewCount(); }, 16 + random() % 64);
            if (isDocument) {
                counter.CountText(text, true, *pieces);
            } else {
                ASSERT_FALSE(counter.CountFile(path, *pieces));
            }
            rescans += counter.Rescanned();
            EXPECT_EQ(Counting::Listing(*pieces), expected);
        }
    }
    // The texts did cross the cuts with comments open.
    EXPECT_GT(rescans, 0);
}

TEST(PieceCount, AStopKeepsOnlyPiecesWhoseStartIsKnown) {
    // An unclosed comment in the first piece: the later pieces, scanned as
    // if none were open, are counted only after they are scanned again, and
    // a stop before that leaves them out.
    const Case c{"c", "txt", nullptr};
    const Counting run(c);
    std::string text = "first words /* open\n";
    for (int i = 0; i < 200; ++i) text += "hidden text here\n";
    auto into = run.Begun();
    // The stop comes as the first piece is to be scanned again: the counts
    // of all pieces are made before any is scanned.
    PieceCount* counting = nullptr;
    size_t made = 0;
    PieceCount counter(
        2,
        [&] {
            if (++made == counting->Pieces() + 2) counting->Stop();
            return run.NewCount();
        },
        64, 8);
    counting = &counter;
    counter.CountText(text, false, *into);
    EXPECT_GT(counter.Pieces(), 2u);
    EXPECT_EQ(counter.Rescanned(), 2);
    const std::string listed = Counting::Listing(*into);
    EXPECT_NE(listed.find("first"), std::string::npos) << listed;
    EXPECT_EQ(listed.find("hidden"), std::string::npos) << listed;

    auto whole = run.Begun();
    whole->CountText(text, false);
    auto again = run.Begun();
    PieceCount all(
        2, [&run] { return run.NewCount(); }, 64);
    all.CountText(text, false, *again);
    EXPECT_EQ(Counting::Listing(*again), Counting::Listing(*whole));
    EXPECT_GT(all.Rescanned(), 0);
}

TEST(PieceCount, APauseHoldsTheWorkersWhileTheWordsAreCounted) {
    const Case c{"c", "txt", nullptr};
    const Counting run(c);
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "alpha beta w" + std::to_string(i % 3000) + "\n";
    auto into = run.Begun();
    PieceCount counter(
        2, [&run] { return run.NewCount(); }, 1024);
    std::vector<std::int64_t> seen;
    counter.CountText(text, false, *into, [&] {
        counter.Pause();
        seen.push_back(counter.WordsSoFar(*into));
        counter.Resume();
    });
    auto whole = run.Begun();
    whole->CountText(text, false);
    EXPECT_EQ(Counting::Listing(*into), Counting::Listing(*whole));
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_LE(seen[i - 1], seen[i]);
}

TEST(PieceCount, TextsWithoutManyLinesAreCutWhereTheyCanBe) {
    const Case c{"c", "txt", nullptr};
    const Counting run(c);
    const std::vector<std::string> texts = {
        std::string(5000, 'a') + " words without a line end " + std::string(3000, 'b'),
        std::string(4000, '\r') + "after the carriage returns\r",
        "first line\n\xEF\xBB\xBFmarked second line\n" + std::string(3000, ' ') + "more\r\n",
        "",
    };
    for (const std::string& text : texts) {
        auto whole = run.Begun();
        whole->CountText(text, false);
        auto pieces = run.Begun();
        PieceCount counter(
            3, [&run] { return run.NewCount(); }, 16, 8);
        counter.CountText(text, false, *pieces);
        EXPECT_EQ(Counting::Listing(*pieces), Counting::Listing(*whole)) << text.substr(0, 40);
    }
}

TEST(PieceCount, AFailureOfTheWindowEndsTheWorkersFirst) {
    const Case c{"c", "txt", nullptr};
    const Counting run(c);
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "alpha beta gamma\n";
    auto into = run.Begun();
    PieceCount counter(
        2, [&run] { return run.NewCount(); }, 1024, 8);
    // Held at a pause when the window fails: the workers are let go and
    // waited for before the failure goes on.
    EXPECT_THROW(counter.CountText(text, false, *into,
                                   [&] {
                                       counter.Pause();
                                       throw std::runtime_error("window");
                                   }),
                 std::runtime_error);
    EXPECT_TRUE(counter.Stopped());
    EXPECT_FALSE(counter.Pause());
}

TEST(NextLineStart, NeverCutsACrLf) {
    struct Row {
        std::string text;
        size_t from;
        size_t expected;
    };
    const std::vector<Row> rows = {
        {"ab\ncd", 0, 3}, {"ab\r\ncd", 0, 4}, {"ab\r\ncd", 3, 4},
        {"ab\rcd", 1, 3}, {"ab\r", 0, 3},     {"abcd", 0, std::string_view::npos},
        {"\n", 0, 1},     {"ab\ncd\n", 3, 6},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NextLineStart(row.text, row.from, row.text.size()), row.expected)
            << row.text << " " << row.from;
    }
    // In a file, across the blocks it is read in.
    test::TempDir dir;
    std::string big(70000, 'x');
    big[65535] = '\r';
    big[65536] = '\n';
    ReadOnlyFile file;
    ASSERT_FALSE(file.Open(dir.Write("big.txt", big).string()));
    std::error_code error;
    EXPECT_EQ(NextLineStart(file, 100, 1 << 20, error), 65537u);
    EXPECT_EQ(NextLineStart(file, 65537, 1 << 20, error), kToEnd);
    // A search that may not go that far finds nothing.
    EXPECT_EQ(NextLineStart(file, 100, 1000, error), kToEnd);
    EXPECT_FALSE(error);
}

}  // namespace
}  // namespace lexicount
