// The counting run behind "Count words", driven through a scripted view:
// the questions before a count, stopping, the error paths and the labels.

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include <gtest/gtest.h>

#include "run/main_controller.h"
#include "settings/program_texts.h"
#include "support/fake_view.h"
#include "support/zip_fixture.h"

namespace lexicount::test {
namespace {

TEST(CountRun, CountsAFileAndListsItWithTheSummary) {
    ControllerHarness h;
    h.UseInput("a.txt", "The cat and the dog.\r\nThe end.\r\n");
    h.controller.cmdListWords_Click();

    EXPECT_TRUE(h.view.boxes.empty()) << h.view.Titles()[0];
    const std::string text = h.view.box.Text();
    EXPECT_NE(text.find("   Rank    Freq  Word"), std::string::npos) << text;
    EXPECT_NE(text.find("      1       3  the\r\n"), std::string::npos) << text;
    EXPECT_TRUE(h.controller.State().blnWordsGot);
    EXPECT_TRUE(h.controller.State().blnListShown);
    EXPECT_EQ(h.view.caption, T(73));
    EXPECT_TRUE(h.view.controlsEnabled);
    EXPECT_FALSE(h.view.timerRunning);
    EXPECT_EQ(h.view.Label(StatusLabel::lblNumberOfWords), "Number of words in this list: 5");
    EXPECT_EQ(h.view.Label(StatusLabel::lblTotalNumOccurrences), "Total number of instances of words: 7");
    // Under four seconds: no time is left showing.
    EXPECT_EQ(h.view.Label(StatusLabel::lblTimeElapsed), "");
    // The busy caption was shown while counting.
    EXPECT_NE(std::find(h.view.captions.begin(), h.view.captions.end(), T(74)), h.view.captions.end());
}

TEST(CountRun, EachPassIsAnnouncedAndTheChainLeavesDots) {
    ControllerHarness h;
    h.UseInput("many.txt", DistinctWords(2100));
    h.controller.cmdListWords_Click();
    const auto& seen = h.view.box.repainted;
    auto shown = [&](const std::string& t) { return std::find(seen.begin(), seen.end(), t) != seen.end(); };
    EXPECT_TRUE(shown(T(77) + " ...")) << T(77);
    EXPECT_TRUE(shown(T(78) + " ..."));
    EXPECT_TRUE(shown(T(79) + " ... . ."));
    EXPECT_FALSE(shown(T(79) + " ... . . ."));
}

TEST(CountRun, RefusesBeforeCounting) {
    // T() reads the table a harness loads; the expected texts are built first.
    const ControllerHarness loaded;
    struct Case {
        const char* name;
        std::function<void(ControllerHarness&)> arrange;
        std::string title;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"7-bit with UTF-8",
         [](ControllerHarness& h) {
             h.UseInput("a.txt", "words here\r\n");
             h.settings.chkUTF8 = 1;
             h.settings.chkOnly7bitASCII = 1;
         },
         "Incompatible setting",
         "Scanning as UTF-8 is not compatible with\r\nallowing only 7-bit ASCII characters."},
        {"7-bit with docx",
         [](ControllerHarness& h) {
             h.settings.txbFile[0] = (TestDataDir() / "sample.docx").string();
             h.settings.chkUTF8 = 1;
             h.settings.chkOnly7bitASCII = 1;
         },
         "Incompatible setting",
         "Scanning a 'docx' file is not compatible with\r\nallowing only 7-bit ASCII characters."},
        {"empty input path", [](ControllerHarness& h) { h.settings.txbFile[0] = "   "; }, T(34),
         "Input file not specified."},
        {"same file by another spelling",
         [](ControllerHarness& h) {
             const std::string input = h.UseInput("a.txt", "words here\r\n");
             std::filesystem::create_directory(h.dir.path() / "sub");
             h.settings.txbFile[1] = (h.dir.path() / "sub" / ".." / "a.txt").string();
         },
         T(34), "Output file cannot be the same as the input file."},
        {"same file, document input",
         [](ControllerHarness& h) {
             const std::string docx =
                 h.dir.Write("d.docx", ReadFileBytes(TestDataDir() / "sample.docx")).string();
             h.settings.txbFile[0] = docx;
             h.settings.txbFile[1] = docx;
         },
         T(34), "Output file cannot be the same as the input file."},
        {"missing input", [](ControllerHarness& h) { h.settings.txbFile[0] = h.Path("none.txt"); },
         "File not found", "Input file does not exist."},
        {"zero-length input", [](ControllerHarness& h) { h.UseInput("e.txt", ""); }, "Empty file",
         "Input file is zero-length."},
        {"word to ignore with a character not allowed",
         [](ControllerHarness& h) {
             h.UseInput("a.txt", "words here\r\n");
             h.settings.txbWordsToIgnore = "it's";
         },
         "Character not allowed", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        c.arrange(h);
        const std::string docxBefore =
            h.settings.txbFile[1].empty() ? "" : ReadFileBytes(h.settings.txbFile[1]);
        h.controller.cmdListWords_Click();
        ASSERT_EQ(h.view.boxes.size(), 1u);
        EXPECT_EQ(h.view.boxes[0].title, c.title);
        if (!c.text.empty()) {
            EXPECT_EQ(h.view.boxes[0].text, c.text);
        }
        EXPECT_EQ(h.view.boxes[0].icon, Icon::Warning);
        EXPECT_FALSE(h.controller.State().blnWordsGot);
        EXPECT_EQ(h.view.caption, T(73));
        EXPECT_TRUE(h.view.controlsEnabled);
        // The output file, when it is the input, is left as it was.
        if (!docxBefore.empty()) {
            EXPECT_EQ(ReadFileBytes(h.settings.txbFile[1]), docxBefore);
        }
    }
}

TEST(CountRun, TheWordToIgnoreRefusalOpensTheSettings) {
    ControllerHarness h;
    h.UseInput("a.txt", "words here\r\n");
    h.settings.txbWordsToIgnore = "a+b";
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.settingsWindowShown, 1);
    EXPECT_EQ(h.view.box.Text(), "");
}

TEST(CountRun, EncodingQuestionAnswers) {
    struct Case {
        std::int16_t chkUTF8;
        std::string bytes;
        Answer answer;
        std::string text;
        bool counted;
        std::int16_t utf8After;
    };
    const std::string seemsUtf8 =
        "This file seems to be UTF-8 encoded.\r\nClick 'Yes' to scan it as UTF-8 encoded or 'No' to scan it "
        "as ANSI.";
    const std::string notUtf8 =
        "This file does not seem to be UTF-8 encoded.\r\nClick 'Yes' to scan it as UTF-8 encoded (not "
        "advisable)\r\nor 'No' to scan it as ANSI.";
    const std::vector<Case> cases = {
        {0,
         "\xEF\xBB\xBF"
         "caf\xC3\xA9 caf\xC3\xA9 bar\r\n",
         Answer::Yes, seemsUtf8, true, 1},
        {0,
         "\xEF\xBB\xBF"
         "caf\xC3\xA9 caf\xC3\xA9 bar\r\n",
         Answer::No, seemsUtf8, true, 0},
        {0,
         "\xEF\xBB\xBF"
         "caf\xC3\xA9 caf\xC3\xA9 bar\r\n",
         Answer::Cancel, seemsUtf8, false, 0},
        {1, "caf\xE9 caf\xE9 bar\r\n", Answer::Yes, notUtf8, true, 1},
        {1, "caf\xE9 caf\xE9 bar\r\n", Answer::No, notUtf8, true, 0},
        {1, "caf\xE9 caf\xE9 bar\r\n", Answer::Cancel, notUtf8, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20) + " " + std::to_string(static_cast<int>(c.answer)));
        ControllerHarness h;
        h.UseInput("a.txt", c.bytes);
        h.settings.chkUTF8 = c.chkUTF8;
        h.settings.chkOnly7bitASCII = 0;
        h.view.answers = {c.answer};
        h.controller.cmdListWords_Click();
        ASSERT_GE(h.view.boxes.size(), 1u);
        EXPECT_EQ(h.view.boxes[0].title, "UTF-8 or ANSI file?");
        EXPECT_EQ(h.view.boxes[0].text, c.text);
        EXPECT_EQ(h.view.boxes[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(h.view.boxes[0].icon, Icon::None);
        EXPECT_EQ(h.controller.State().blnWordsGot, c.counted);
        EXPECT_EQ(h.settings.chkUTF8, c.utf8After);
        if (c.counted) {
            EXPECT_NE(h.view.box.Text().find(W("café")), std::string::npos);
        } else {
            EXPECT_EQ(h.view.box.Text(), "");
            EXPECT_EQ(h.view.caption, T(73));
        }
    }
}

TEST(CountRun, LargeInputQuestionAnswers) {
    const std::string big = DistinctWords(40000, " ");  // about 280,000 bytes
    struct Case {
        Answer answer;
        bool counted;
        int chooserCalls;
    };
    for (const Case c :
         {Case{Answer::Yes, true, 1}, Case{Answer::No, true, 0}, Case{Answer::Cancel, false, 0}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        ControllerHarness h;
        h.UseInput("big.txt", big);
        h.settings.chkSuppressWords = 1;
        h.view.answers = {c.answer};
        h.view.outputFileChoice = h.Path("out.txt");
        h.controller.cmdListWords_Click();
        ASSERT_GE(h.view.boxes.size(), 1u);
        EXPECT_EQ(h.view.boxes[0].title, "Large input file");
        EXPECT_EQ(
            h.view.boxes[0].text,
            "The input file is quite large.  It is advisable to specify an output file before continuing, in "
            "case the text window will not hold the result. Do you wish to specify an output file?");
        EXPECT_EQ(h.view.outputChooserCalls, c.chooserCalls);
        EXPECT_EQ(h.controller.State().blnWordsGot, c.counted);
        // A chosen output file receives the whole list.
        if (c.chooserCalls == 1) {
            EXPECT_NE(ReadFileBytes(h.Path("out.txt")).find("zqaaaa"), std::string::npos);
        }
    }
}

TEST(CountRun, NoLargeInputQuestionWithAnOutputFileOrAtTheLimit) {
    ControllerHarness h;
    std::string exact = DistinctWords(40000, " ").substr(0, 204800);
    exact.back() = ' ';
    h.UseInput("limit.txt", exact);
    h.settings.chkSuppressWords = 1;
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.Find("Large input file"), nullptr);
    EXPECT_TRUE(h.controller.State().blnWordsGot);
}

// The document limits hold for the text as well as for the member: half a
// megabyte of repeated spaces that unfolds past 20 MB is refused as too
// big, and past 10 MB it is asked about.
TEST(CountRun, DocumentTextLimits) {
    const auto spacesOdt = [](int thousands) {
        std::string xml = "<office:document-content><office:body><office:text><text:p>alpha";
        for (int i = 0; i < thousands; ++i) xml += "<text:s text:c=\"1000\"/>";
        xml += "beta</text:p></office:text></office:body></office:document-content>";
        return MakeZip({{"content.xml", xml}});
    };
    struct Case {
        const char* name;
        int thousands;
        std::deque<Answer> answers;  // the first one declines the output file for a large input
        std::vector<std::string> titles;
        bool counted;
    };
    const Case cases[] = {
        {"above 20 MB", 21000, {Answer::No}, {"Large input file", "File too big"}, false},
        {"above 10 MB, No",
         11000,
         {Answer::No, Answer::No},
         {"Large input file", "Big file", "Big file"},
         false},
        {"above 10 MB, Yes", 11000, {Answer::No, Answer::Yes}, {"Large input file", "Big file"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        const std::string path = h.UseInput("spaces.odt", spacesOdt(c.thousands));
        h.settings.chkSuppressWords = 1;
        h.view.answers = c.answers;
        h.controller.cmdListWords_Click();
        EXPECT_EQ(h.view.Titles(), c.titles);
        EXPECT_EQ(h.controller.State().blnWordsGot, c.counted);
        EXPECT_EQ(h.view.caption, T(73));
        EXPECT_TRUE(h.view.controlsEnabled);
        EXPECT_FALSE(h.view.progressBarLook);
        if (c.counted) {
            EXPECT_NE(h.view.box.Text().find("beta"), std::string::npos);
            continue;
        }
        EXPECT_EQ(h.view.box.Text(), "");
        // As for a refused member, the input has to be chosen again.
        EXPECT_EQ(h.settings.txbFile[0], "");
        if (c.titles.back() == "File too big") {
            EXPECT_EQ(h.view.boxes.back().text, path +
                                                    "\r\nis too large to be scanned directly.\r\n\r\n"
                                                    "Recommend saving it as a text file and\r\n"
                                                    "applying this program to that file.");
            EXPECT_EQ(h.view.boxes.back().icon, Icon::Information);
        }
    }
}

// Stops the run at the yield-th yield by clicking "Count words" and
// answering the stop question.
void ClickDuringRun(ControllerHarness& h, int yield, Answer stopAnswer) {
    h.view.yieldCallsBeforeAction = yield;
    h.view.onYield = [&h, stopAnswer] {
        h.view.answers.push_front(stopAnswer);
        h.controller.cmdListWords_Click();
    };
}

TEST(CountRun, StopBelowTwoThousandWordsAsksOnlyWhetherToList) {
    for (Answer listAnswer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(static_cast<int>(listAnswer));
        ControllerHarness h;
        h.UseInput("a.txt", "alpha beta gamma\r\ndelta epsilon\r\n");
        h.settings.chkSuppressWords = 1;
        h.view.answers = {listAnswer};
        ClickDuringRun(h, 0, Answer::Yes);
        h.controller.cmdListWords_Click();

        ASSERT_EQ(h.view.Titles(), (std::vector<std::string>{T(74), "Counting interrupted"}));
        EXPECT_EQ(h.view.boxes[0].text, T(75));
        EXPECT_EQ(h.view.boxes[0].buttons, Buttons::YesNo);
        EXPECT_EQ(h.view.boxes[0].defaultButton, 1);
        EXPECT_EQ(
            h.view.boxes[1].text,
            "The operation was stopped before all words were counted.\r\nDo you wish to list the words which "
            "were found?");
        EXPECT_FALSE(h.controller.State().blnWordsGot);
        EXPECT_FALSE(h.controller.State().blnStop);
        EXPECT_EQ(h.view.caption, T(73));
        EXPECT_TRUE(h.view.controlsEnabled);
        if (listAnswer == Answer::No) {
            EXPECT_EQ(h.view.box.Text(), "Stopped with 1 word found.");
        } else {
            EXPECT_TRUE(h.controller.State().blnPartialCount);
            EXPECT_NE(h.view.box.Text().find("alpha"), std::string::npos);
            EXPECT_EQ(h.view.box.Text().find("gamma"), std::string::npos);
            EXPECT_EQ(h.view.Label(StatusLabel::lblTotalNumOccurrences), "");
            EXPECT_EQ(h.view.Label(StatusLabel::lblNumOccurrences), "");
            // A partial count is not relisted.
            const std::string listed = h.view.box.Text();
            h.settings.cboDisplayFormat = 8;
            h.controller.cboDisplayFormat_Click();
            EXPECT_EQ(h.view.box.Text(), listed);
        }
    }
}

TEST(CountRun, StopFromTwoThousandWordsMustBeConfirmed) {
    for (Answer confirm : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(static_cast<int>(confirm));
        ControllerHarness h;
        // Few enough that the list fits the text box.
        h.UseInput("many.txt", DistinctWords(2500));
        h.settings.chkSuppressWords = 1;
        h.view.answers = {confirm, Answer::No};
        ClickDuringRun(h, 0, Answer::Yes);
        h.view.onYieldWhen = [&h] { return h.controller.State().count->Table().lngNumWords() >= 2100; };
        h.controller.cmdListWords_Click();

        ASSERT_GE(h.view.boxes.size(), 2u);
        EXPECT_EQ(h.view.boxes[1].title, T(74));
        EXPECT_EQ(h.view.boxes[1].buttons, Buttons::YesNo);
        const std::string& text = h.view.boxes[1].text;
        EXPECT_EQ(text.substr(0, 1), " ");
        EXPECT_NE(text.find(" different words have been found.\r\nDo you really wish to stop?"),
                  std::string::npos);
        EXPECT_GE(std::stol(text), 2000);
        if (confirm == Answer::Yes) {
            EXPECT_EQ(h.view.Titles().back(), "Counting interrupted");
            EXPECT_FALSE(h.controller.State().blnWordsGot);
        } else {
            EXPECT_EQ(h.view.boxes.size(), 2u);
            EXPECT_TRUE(h.controller.State().blnWordsGot);
            EXPECT_EQ(h.view.Label(StatusLabel::lblNumberOfWords), "Number of words in this list: 2,500");
        }
    }
}

// A file large enough to be counted in pieces on every core, with a
// comment that runs across the cuts.
std::string LargeText() {
    std::string text = "opening /* a comment\r\n";
    const std::string hidden = DistinctWords(3000);
    while (text.size() < (5 << 19)) text += hidden;
    text += "*/ closed\r\n";
    std::string shown = hidden;
    for (size_t at = shown.find("zq"); at != std::string::npos; at = shown.find("zq", at))
        shown[at + 1] = 'x';
    while (text.size() < (5 << 20)) text += shown;
    return text;
}

TEST(CountRun, ALargeFileCountedInPiecesListsWhatOneScanLists) {
    std::vector<std::string> lists;
    for (const std::int16_t suppress : {0, 1}) {
        ControllerHarness h;
        h.UseInput("big.txt", LargeText());
        h.settings.chkSuppressWords = suppress;  // words shown as found: one scan
        h.view.answers = {Answer::No};           // no output file for the large input
        h.controller.cmdListWords_Click();
        EXPECT_TRUE(h.controller.State().blnWordsGot);
        lists.push_back(h.view.box.Text() + "\n" + h.view.Label(StatusLabel::lblNumberOfWords));
    }
    // The words after the comment, with "opening" and "closed".
    EXPECT_NE(lists[0].find("Number of words in this list:   3,002"), std::string::npos);
    EXPECT_NE(lists[0].find("zxaaaa"), std::string::npos);
    EXPECT_EQ(lists[0].find("zqaaaa"), std::string::npos);  // inside the comment
    EXPECT_EQ(lists[1], lists[0]);
}

TEST(CountRun, AStopDuringACountInPiecesListsWhatWasFound) {
    ControllerHarness h;
    h.UseInput("big.txt", LargeText());
    h.settings.chkSuppressWords = 1;
    // No output file; then, after the stop: yes, stop (when asked, from
    // 2,000 words), and list what was found.
    h.view.answers = {Answer::No, Answer::Yes, Answer::Yes};
    ClickDuringRun(h, 0, Answer::Yes);
    h.controller.cmdListWords_Click();
    const std::vector<std::string> titles = h.view.Titles();
    ASSERT_GE(titles.size(), 3u);
    EXPECT_EQ(titles[1], T(74));
    EXPECT_EQ(titles.back(), "Counting interrupted");
    EXPECT_TRUE(h.controller.State().blnPartialCount);
    EXPECT_FALSE(h.controller.State().blnStop);
    EXPECT_EQ(h.view.caption, T(73));
    EXPECT_TRUE(h.view.controlsEnabled);
}

TEST(CountRun, AnsweringNoToTheStopQuestionLetsTheRunGoOn) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta gamma\r\ndelta epsilon\r\n");
    ClickDuringRun(h, 0, Answer::No);
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.Titles(), std::vector<std::string>{T(74)});
    EXPECT_TRUE(h.controller.State().blnWordsGot);
    EXPECT_NE(h.view.box.Text().find("epsilon"), std::string::npos);
}

// Closing the window while the passes run (the button is disabled then)
// ends the run without a listing, and the table is not kept for relisting.
TEST(CountRun, QuittingDuringThePassesEndsTheRunUnlisted) {
    ControllerHarness h;
    h.UseInput("many.txt", DistinctWords(2100));
    h.settings.chkSuppressWords = 1;
    h.view.onYieldWhen = [&h] { return h.view.box.Text() == T(77) + " ..."; };
    h.view.onYield = [&h] { h.controller.cmdQuit_Click(); };
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.box.Text(), T(77) + " ...");
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_FALSE(h.controller.State().blnWordsGot);
    EXPECT_FALSE(h.controller.State().blnListShown);
    EXPECT_EQ(h.view.caption, T(73));
    EXPECT_TRUE(h.view.controlsEnabled);
    EXPECT_TRUE(h.view.countButtonEnabled);
}

TEST(CountRun, StoppedWithMessage) {
    EXPECT_EQ(StoppedWithMessage(0), "Stopped with 0 words found.");
    EXPECT_EQ(StoppedWithMessage(1), "Stopped with 1 word found.");
    EXPECT_EQ(StoppedWithMessage(25), "Stopped with 25 words found.");
}

// A path the early open of the output file cannot write to.
std::string UnwritablePath(const ControllerHarness& h) {
    if (::geteuid() != 0) {
        const std::string path = h.dir.Write("locked.txt", "keep").string();
        ::chmod(path.c_str(), 0444);
        return path;
    }
    const int fd = ::open("/sys/kernel/notes", O_WRONLY | O_APPEND | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
    return fd < 0 && errno == EACCES ? "/sys/kernel/notes" : "";
}

TEST(CountRun, PermissionDeniedOnTheOutputFileEndsTheRunWithAdvice) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta\r\n");
    h.settings.txbFile[1] = UnwritablePath(h);
    if (h.settings.txbFile[1].empty()) GTEST_SKIP() << "no path here refuses writing";
    h.controller.cmdListWords_Click();
    ASSERT_EQ(h.view.boxes.size(), 1u);
    EXPECT_EQ(h.view.boxes[0].title, T(34));
    EXPECT_EQ(h.view.boxes[0].text, "At DoIt error #70.\r\nDescription: Permission denied");
    EXPECT_EQ(
        h.view.box.Text(),
        "Error: Permission denied\r\n\r\nIf the output file is open in Excel then it must first be closed\r\n"
        "or a different file should be specified as the output file.");
    EXPECT_FALSE(h.controller.State().blnWordsGot);
    EXPECT_TRUE(h.view.controlsEnabled);
    EXPECT_EQ(h.view.caption, T(73));
}

TEST(CountRun, EarlyOpenNeverTruncatesTheOutputFile) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta\r\n");
    const std::string output = h.dir.Write("out.txt", "the user's own data").string();
    h.settings.txbFile[1] = output;
    h.settings.chkWarnOnOverwrite = 1;
    h.view.inputBoxAnswers = {std::nullopt};  // Cancel: do not write
    h.controller.cmdListWords_Click();
    ASSERT_EQ(h.view.inputBoxes.size(), 1u);
    EXPECT_EQ(ReadFileBytes(output), "the user's own data");
    EXPECT_EQ(h.settings.chkDisableOutputToFile, 1);
    EXPECT_NE(h.view.box.Text().find("alpha"), std::string::npos);
}

TEST(CountRun, TimerShowsElapsedTimeAndWordsFoundWhileRunning) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta gamma\r\n");
    h.view.onYield = [&h] {
        for (int i = 0; i < 61; ++i) h.controller.Timer2_Timer();
    };
    h.view.yieldCallsBeforeAction = 0;
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.controller.State().lngSecondsElapsed, 61);
    // Four seconds or more: the last tick's time stays.
    EXPECT_EQ(h.view.Label(StatusLabel::lblTimeElapsed), "Time elapsed: 1m 1s");
    // Idle: the tick changes nothing.
    h.controller.Timer2_Timer();
    EXPECT_EQ(h.controller.State().lngSecondsElapsed, 61);
}

TEST(CountRun, WordsAsFoundReplaceTheBoxAndStopBeforeItIsFull) {
    ControllerHarness h;
    h.UseInput("a.txt", DistinctWords(12000, " "));
    std::string shown;
    h.view.onYield = [&h, &shown] { shown = h.view.box.Text(); };
    h.view.onYieldWhen = [&h] { return h.controller.State().blnDisplaySuppressed; };
    h.controller.cmdListWords_Click();
    // The run restored the user's choice after suppressing the display.
    EXPECT_EQ(h.settings.chkSuppressWords, 0);
    EXPECT_TRUE(h.controller.State().blnDisplaySuppressed);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.substr(0, 7), "zqaaaa ");
    const std::string notice = "\r\n\r\n[Suppressing display of words to avoid buffer overflow.]";
    ASSERT_GE(shown.size(), notice.size());
    EXPECT_EQ(shown.substr(shown.size() - notice.size()), notice);
    EXPECT_LE(shown.size(), 64900 + 7 + notice.size());
    EXPECT_GT(shown.size(), 64900u - 7);
}

}  // namespace
}  // namespace lexicount::test
