// A count over the lines of a file, line by line as the file scan reads
// them: what each line goes through before the scanner, the progress count,
// and how a stop request is handled.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "run/text_count.h"
#include "support/test_support.h"
#include "words/cp1252.h"

namespace lexicount {
namespace {

using test::W;
using Counts = std::map<std::string, std::int64_t>;

class Hooks : public FileScanHooks {
public:
    Hooks() { reportsNewWords = true; }
    void LineYield() override {
        ++lineYields;
        if (lineYields == stopAtLine) stop = true;
    }
    void LineRead(std::int64_t bytesRead) override { reads.push_back(bytesRead); }
    bool ConfirmStop(std::int64_t lngNumWords) override {
        confirmations.push_back(lngNumWords);
        return confirm;
    }
    void ClearStop() override {
        stop = false;
        ++clears;
    }
    bool StopRequested() const override { return stop; }
    void Yield() override {
        if (++yieldCalls == stopAtYield) stop = true;
    }
    void NewWord(std::string_view, std::int64_t lngNumWords) override {
        if (lngNumWords == stopAtWords) stop = true;
    }

    bool stop = false;
    bool confirm = true;
    int stopAtLine = 0;
    std::int64_t stopAtWords = 0;
    int lineYields = 0;
    int yieldCalls = 0;
    int stopAtYield = 0;
    int clears = 0;
    std::vector<std::int64_t> reads;
    std::vector<std::int64_t> confirmations;
};

struct CountRun {
    explicit CountRun(const SettingsRecord& s, Hooks* hooks = nullptr, const WordsToIgnore& ignore = {},
                      const CommonWords& common = {})
        : ignore_(ignore), common_(common), count(s, BuildAllowedExtraChars(s), ignore_, common_, hooks) {}

    // Feeds the lines until the count asks to stop; returns how many were fed.
    size_t Feed(const std::vector<std::string>& lines, bool isDocument = false) {
        size_t fed = 0;
        for (const auto& l : lines) {
            std::string line = l;
            ++fed;
            if (!count.CountFileLine(line, isDocument)) break;
        }
        return fed;
    }

    Counts Table() const {
        Counts counts;
        const auto& t = count.Table();
        for (std::int64_t i = 1; i <= t.lngNumWords(); ++i)
            counts[Utf8FromCp1252(t[i].Word)] = t[i].Frequency;
        return counts;
    }

    WordsToIgnore ignore_;
    CommonWords common_;
    TextCount count;
};

SettingsRecord Settings(const std::function<void(SettingsRecord&)>& change = nullptr) {
    SettingsRecord s;
    if (change) change(s);
    return s;
}

TEST(TextCountTest, OccurrencesAreCountedBeforeTheFilters) {
    CountRun run(Settings());
    run.count.BeginFile("txt");
    run.Feed({"the cat sat on a mat", "a cat 1999 zzz"});
    // Every word cut counts, "on", "a" and "zzz" too; digits are not word characters here.
    EXPECT_EQ(run.count.lngTotalNumOccurrences(), 9);
    EXPECT_EQ(run.Table(), (Counts{{"cat", 2}, {"mat", 1}, {"sat", 1}, {"the", 1}}));
}

TEST(TextCountTest, DroppedFragmentsAreNotOccurrences) {
    CountRun run(Settings());
    run.count.BeginFile("txt");
    run.Feed({"don't couldn't"});
    EXPECT_EQ(run.count.lngTotalNumOccurrences(), 1);  // only "don"
    EXPECT_EQ(run.Table(), (Counts{{"don", 1}}));
}

TEST(TextCountTest, LinesAreLowerCasedUnlessCaseIsSignificant) {
    const std::vector<std::string> lines = {"The the THE", W("ÉTÉ été Œuvre")};
    CountRun folded(Settings());
    folded.count.BeginFile("txt");
    folded.Feed(lines);
    EXPECT_EQ(folded.Table(), (Counts{{"the", 3}, {"été", 2}, {"uvre", 1}}));

    CountRun significant(Settings([](SettingsRecord& s) { s.chkCaseSignificant = 1; }));
    significant.count.BeginFile("txt");
    significant.Feed(lines);
    EXPECT_EQ(significant.Table(),
              (Counts{{"The", 1}, {"the", 1}, {"THE", 1}, {"ÉTÉ", 1}, {"été", 1}, {"uvre", 1}}));
}

TEST(TextCountTest, FileLinesAreFoldedFromUtf8) {
    const std::vector<std::string> lines = {
        "caf\xC3\xA9 don\xE2\x80\x99t word\xE2\x80\x94next \xC3\x89T\xC3\x89"};
    CountRun plain(Settings());
    plain.count.BeginFile("txt");
    plain.Feed(lines);
    EXPECT_EQ(plain.Table(), (Counts{{"café", 1}, {"don", 1}, {"word", 1}, {"next", 1}, {"été", 1}}));

    CountRun apostrophes(Settings([](SettingsRecord& s) { s.chkAllowWordsWithApostrophes = 1; }));
    apostrophes.count.BeginFile("txt");
    apostrophes.Feed(lines);
    EXPECT_EQ(apostrophes.Table(), (Counts{{"café", 1}, {"don't", 1}, {"word", 1}, {"next", 1}, {"été", 1}}));
}

TEST(TextCountTest, DocumentLinesAreNotFoldedAgain) {
    CountRun run(Settings());
    run.count.BeginFile("docx");
    run.Feed({"caf\xC3\xA9 word"}, /*isDocument=*/true);
    // C3 stays the letter Ã (lower-cased to ã); A9 is the sign ©.
    EXPECT_EQ(run.Table(), (Counts{{"cafã", 1}, {"word", 1}}));
}

TEST(TextCountTest, LinesAreTrimmedBeforeTheScan) {
    CountRun run(Settings([](SettingsRecord& s) { s.chkIgnoreShortWords = 0; }));
    run.count.BeginFile("txt");
    // Trimmed, "--" stands at position 2 and stays inside the word.
    run.Feed({std::string("\t \x01 x--yz \r", 11)});
    EXPECT_EQ(run.Table(), (Counts{{"x--yz", 1}}));

    // A no-break space is folded after the trim, so "--" is at position 3.
    CountRun nbsp(Settings([](SettingsRecord& s) { s.chkIgnoreShortWords = 0; }));
    nbsp.count.BeginFile("txt");
    nbsp.Feed({"\xC2\xA0x--yz"});
    EXPECT_EQ(nbsp.Table(), (Counts{{"x", 1}, {"yz", 1}}));
}

TEST(TextCountTest, CommentsSpanLines) {
    CountRun run(Settings());
    run.count.BeginFile("txt");
    run.Feed({"/* alpha", "", "beta */ gamma // delta", "epsilon"});
    EXPECT_EQ(run.Table(), (Counts{{"gamma", 1}, {"epsilon", 1}}));
}

TEST(TextCountTest, EntitiesAfterCaseFolding) {
    CountRun folded(Settings());
    folded.count.BeginFile("html");
    folded.Feed({"caf&EACUTE; caf&Eacute; one&NBSP;two"});
    EXPECT_EQ(folded.Table(), (Counts{{"café", 2}, {"one", 1}, {"two", 1}}));

    CountRun significant(Settings([](SettingsRecord& s) { s.chkCaseSignificant = 1; }));
    significant.count.BeginFile("html");
    significant.Feed({"caf&Eacute; caf&EACUTE;s"});
    EXPECT_EQ(significant.Table(), (Counts{{"cafÉ", 1}, {"caf", 1}}));
}

TEST(TextCountTest, ProgressCountsLineEnds) {
    struct Case {
        int lineEndingType;
        std::vector<std::int64_t> reads;
    };
    const Case cases[] = {
        {0, {5, 7, 15}},
        {1, {5, 7, 15}},
        {2, {4, 5, 12}},
        {3, {4, 5, 12}},
    };
    for (const auto& c : cases) {
        Hooks hooks;
        CountRun run(Settings(), &hooks);
        run.count.BeginFile("txt", c.lineEndingType);
        run.Feed({"abc", "", "  de  "});
        EXPECT_EQ(hooks.reads, c.reads) << "type " << c.lineEndingType;
        EXPECT_EQ(run.count.bytesRead(), c.reads.back());
        EXPECT_EQ(hooks.lineYields, 3);  // once per line, empty lines too
    }
}

// One new word per line: "qaaa", "qaab", ...
std::vector<std::string> DistinctWordLines(int n) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
        std::string w = "q";
        w += static_cast<char>('a' + i / 676 % 26);
        w += static_cast<char>('a' + i / 26 % 26);
        w += static_cast<char>('a' + i % 26);
        lines.push_back(w);
    }
    return lines;
}

TEST(TextCountTest, StopBelow2000WordsIsTakenAtOnce) {
    Hooks hooks;
    hooks.stopAtWords = 1999;
    CountRun run(Settings(), &hooks);
    run.count.BeginFile("txt");
    EXPECT_EQ(run.Feed(DistinctWordLines(3000)), 1999u);
    EXPECT_TRUE(hooks.confirmations.empty());
    EXPECT_TRUE(run.count.Stopped());
    EXPECT_EQ(run.count.Table().lngNumWords(), 1999);
}

TEST(TextCountTest, StopFrom2000WordsIsConfirmed) {
    for (bool confirm : {true, false}) {
        Hooks hooks;
        hooks.stopAtWords = 2000;
        hooks.confirm = confirm;
        CountRun run(Settings(), &hooks);
        run.count.BeginFile("txt");
        const size_t fed = run.Feed(DistinctWordLines(3000));
        EXPECT_EQ(hooks.confirmations, (std::vector<std::int64_t>{2000})) << confirm;
        if (confirm) {
            EXPECT_EQ(fed, 2000u);
            EXPECT_TRUE(run.count.Stopped());
            EXPECT_EQ(run.count.Table().lngNumWords(), 2000);
            EXPECT_EQ(hooks.clears, 0);
        } else {
            EXPECT_EQ(fed, 3000u);
            EXPECT_FALSE(run.count.Stopped());
            EXPECT_EQ(run.count.Table().lngNumWords(), 3000);
            EXPECT_EQ(hooks.clears, 1);
        }
    }
}

TEST(TextCountTest, StopIsSeenAfterTheNextWordOfANonEmptyLine) {
    Hooks hooks;
    hooks.stopAtLine = 2;  // asked for while the empty second line is read
    CountRun run(Settings(), &hooks);
    run.count.BeginFile("txt");
    EXPECT_EQ(run.Feed({"alpha", "   ", "beta gamma", "delta"}), 3u);
    EXPECT_TRUE(run.count.Stopped());
    EXPECT_EQ(run.Table(), (Counts{{"alpha", 1}, {"beta", 1}}));
}

TEST(TextCountTest, ClipboardTextIsOneLineWithoutComments) {
    CountRun run(Settings());
    run.count.BeginFile("html");  // a previous file's markers must not apply
    run.count.BeginClipboard();
    run.count.CountClipboardText("Word word WORD\r\n/* note */ <b>caf&eacute;</b>\tnext");
    EXPECT_EQ(run.Table(), (Counts{{"word", 3}, {"note", 1}, {"caf", 1}, {"eacute", 1}, {"next", 1}}));
    EXPECT_FALSE(run.count.Stopped());
}

TEST(TextCountTest, ClipboardTextKeepsCaseWhenSignificant) {
    CountRun run(Settings([](SettingsRecord& s) { s.chkCaseSignificant = 1; }));
    run.count.BeginClipboard();
    run.count.CountClipboardText("Word word WORD");
    EXPECT_EQ(run.Table(), (Counts{{"Word", 1}, {"word", 1}, {"WORD", 1}}));
}

TEST(TextCountTest, ClipboardStopNeedsNoConfirmation) {
    Hooks hooks;
    hooks.stopAtWords = 2500;
    CountRun run(Settings(), &hooks);
    run.count.BeginClipboard();
    std::string text;
    for (const auto& w : DistinctWordLines(3000)) text += w + " ";
    run.count.CountClipboardText(text);
    EXPECT_TRUE(run.count.Stopped());
    EXPECT_TRUE(hooks.confirmations.empty());
    EXPECT_EQ(run.count.Table().lngNumWords(), 2500);
}

// The sort and the passes after the scan yield as the scan does. A stop
// in the sort is confirmed as in the scan; once taken, the sort finishes at
// once (all keys differ here, so its order is the same); a stop in the
// passes leaves them unfinished.
TEST(TextCountTest, TheSortAndThePassesYieldAndTakeAStop) {
    const std::vector<std::string> lines = DistinctWordLines(15000);
    auto sortedWords = [](const TextCount& count) {
        std::vector<std::string> words;
        for (std::int64_t i = 1; i <= count.Table().lngNumWords(); ++i)
            words.push_back(count.Table()[i].Word);
        return words;
    };
    Hooks plainHooks;
    CountRun plain(Settings(), &plainHooks);
    plain.count.BeginFile("txt");
    plain.Feed(lines);
    plainHooks.yields = true;
    plain.count.SortTable();
    const int sortYields = plainHooks.yieldCalls;
    ASSERT_GT(sortYields, 0);
    EXPECT_TRUE(plain.count.RunPasses());
    EXPECT_GT(plainHooks.yieldCalls, sortYields);
    EXPECT_FALSE(plain.count.Stopped());
    const std::vector<std::string> expected = sortedWords(plain.count);

    struct Case {
        const char* name;
        int stopAtYield;
        bool confirm;
        bool stopped;
        bool passesDone;
    };
    const Case cases[] = {
        {"stop in the sort, confirmed", 1, true, true, true},
        {"stop in the sort, withdrawn", 1, false, false, true},
        {"stop in the passes", sortYields + 2, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Hooks hooks;
        hooks.confirm = c.confirm;
        CountRun run(Settings(), &hooks);
        run.count.BeginFile("txt");
        run.Feed(lines);
        hooks.yields = true;
        hooks.stopAtYield = c.stopAtYield;
        run.count.SortTable();
        EXPECT_EQ(sortedWords(run.count), expected);
        hooks.stop = false;  // as the window does once it has handled a stop
        EXPECT_EQ(run.count.RunPasses(), c.passesDone);
        EXPECT_EQ(hooks.confirmations, (std::vector<std::int64_t>{run.count.Table().lngNumWords()}));
        EXPECT_EQ(run.count.Stopped(), c.stopped);
        EXPECT_EQ(hooks.clears, c.confirm ? 0 : 1);
    }
}

}  // namespace
}  // namespace lexicount
