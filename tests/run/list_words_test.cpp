// Listing and relisting after a count: the output file with its overwrite
// question, and the full text box with each piece of advice.

#include <gtest/gtest.h>

#include <algorithm>

#include "run/main_controller.h"
#include "settings/program_texts.h"
#include "support/fake_view.h"

namespace lexicount::test {
namespace {

TEST(ListWords, RelistsAfterACompleteCountOnly) {
    ControllerHarness h;
    h.UseInput("a.txt", "bravo alpha bravo\r\n");
    h.controller.cmdListWords_Click();
    h.settings.cboDisplayFormat = 8;
    h.controller.cboDisplayFormat_Click();
    EXPECT_EQ(h.view.box.Text(), "Word (longest has 5 characters)\r\nbravo\r\nalpha\r\n");
    h.settings.cboWordOrder = 1;
    h.controller.cboWordOrder_Click();
    EXPECT_EQ(h.view.box.Text(), "Word (longest has 5 characters)\r\nalpha\r\nbravo\r\n");
    EXPECT_TRUE(h.view.controlsEnabled);
    EXPECT_TRUE(h.view.countButtonEnabled);

    // After "Clear textbox" nothing is relisted.
    h.controller.cmdClearOutput_Click();
    h.settings.cboDisplayFormat = 9;
    h.controller.cboDisplayFormat_Click();
    EXPECT_EQ(h.view.box.Text(), "");
}

TEST(ListWords, AStopDuringTheListingDoesNotEndLaterRelistings) {
    ControllerHarness h;
    h.UseInput("a.txt", DistinctWords(500, " "));
    h.settings.chkSuppressWords = 1;
    // Stopped once the listing runs: the busy button asks, Yes stops.
    h.view.onYieldWhen = [&h] { return h.controller.State().blnListShown; };
    h.view.onYield = [&h] {
        h.view.answers = {Answer::Yes};
        h.controller.cmdListWords_Click();
    };
    h.controller.cmdListWords_Click();
    ASSERT_NE(h.view.box.Text().find("Listing stopped."), std::string::npos);

    h.settings.cboDisplayFormat = 8;
    h.controller.cboDisplayFormat_Click();
    const std::string listed = h.view.box.Text();
    EXPECT_EQ(listed.find("terminated"), std::string::npos);
    EXPECT_EQ(listed.find("Listing stopped."), std::string::npos);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 501);
}

TEST(ListWords, WritesTheOutputFileAndRewritesItOnRelisting) {
    ControllerHarness h;
    h.UseInput("a.txt", "bravo alpha bravo\r\n");
    h.settings.txbFile[1] = h.Path("out.txt");
    h.settings.chkWarnOnOverwrite = 1;
    h.controller.cmdListWords_Click();
    // Created by this run: not asked about.
    EXPECT_TRUE(h.view.inputBoxes.empty());
    EXPECT_NE(ReadFileBytes(h.Path("out.txt")).find("bravo"), std::string::npos);
    EXPECT_TRUE(h.controller.State().blnOutputFileWritten);

    // Relisting overwrites an existing file only after the question.
    h.settings.cboDisplayFormat = 9;
    h.controller.cboDisplayFormat_Click();
    ASSERT_EQ(h.view.inputBoxes.size(), 1u);
    EXPECT_EQ(h.view.inputBoxes[0].title, "The output file exists.");
    EXPECT_EQ(
        h.view.inputBoxes[0].prompt,
        "To overwrite the current output file click on 'OK'.\r\nTo write to a different file edit the "
        "filepath "
        "below.\r\nTo disable output to file click on 'Cancel'.\r\n\r\n(This 'warn on overwrite' can be "
        "disabled\r\nin the 'Settings' window.)");
    EXPECT_EQ(h.view.inputBoxes[0].defaultValue, h.Path("out.txt"));
    EXPECT_NE(ReadFileBytes(h.Path("out.txt")).find("bravo, alpha"), std::string::npos);
    EXPECT_EQ(h.view.box.Text(), "bravo, alpha\r\n");
}

TEST(ListWords, OverwriteQuestionOutcomes) {
    struct Case {
        const char* name;
        std::function<std::optional<std::string>(ControllerHarness&)> answer;
        std::string message;  // "" for none
        bool written;         // out.txt replaced
        std::int16_t disabled;
    };
    const std::vector<Case> cases = {
        {"OK", [](ControllerHarness& h) { return h.Path("out.txt"); }, "", true, 0},
        {"Cancel", [](ControllerHarness&) { return std::nullopt; }, "", false, 1},
        {"empty", [](ControllerHarness&) { return std::string("  "); }, "", false, 1},
        {"no folder", [](ControllerHarness&) { return std::string("bare.txt"); }, "Folder does not exist.",
         false, 0},
        {"missing folder", [](ControllerHarness& h) { return h.Path("nowhere/x.txt"); },
         "Folder does not exist.", false, 0},
        {"the input file", [](ControllerHarness& h) { return h.Path("sub/../a.txt"); },
         "Output file cannot be the same as the input file.", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        std::filesystem::create_directory(h.dir.path() / "sub");
        h.UseInput("a.txt", "bravo alpha bravo\r\n");
        h.dir.Write("out.txt", "old");
        h.settings.txbFile[1] = h.Path("out.txt");
        h.settings.chkWarnOnOverwrite = 1;
        h.view.inputBoxAnswers = {c.answer(h)};
        h.controller.cmdListWords_Click();
        ASSERT_EQ(h.view.inputBoxes.size(), 1u);
        if (c.message.empty()) {
            EXPECT_TRUE(h.view.boxes.empty());
            EXPECT_NE(h.view.box.Text().find("bravo"), std::string::npos);
        } else {
            ASSERT_EQ(h.view.boxes.size(), 1u);
            EXPECT_EQ(h.view.boxes[0].title, T(34));
            EXPECT_EQ(h.view.boxes[0].text, c.message);
            EXPECT_EQ(h.view.box.Text().find("bravo"), std::string::npos);
        }
        EXPECT_EQ(ReadFileBytes(h.Path("out.txt")) != "old", c.written);
        EXPECT_EQ(ReadFileBytes(h.Path("a.txt")), "bravo alpha bravo\r\n");
        EXPECT_EQ(h.settings.chkDisableOutputToFile, c.disabled);
    }
}

// However the output path comes to name the counted file, the list is
// never written over it.
TEST(ListWords, NeverWritesOverTheCountedFile) {
    struct Case {
        const char* name;
        std::function<void(ControllerHarness&, const std::string& input)> act;
    };
    const std::vector<Case> cases = {
        {"large-input chooser",
         [](ControllerHarness& h, const std::string& input) {
             h.view.answers = {Answer::Yes};
             h.view.outputFileChoice = input;
             h.controller.cmdListWords_Click();
         }},
        {"typed before relisting",
         [](ControllerHarness& h, const std::string&) {
             h.controller.cmdListWords_Click();
             h.settings.txbFile[1] = h.Path("sub/../big.txt");
             h.settings.cboDisplayFormat = 3;
             h.controller.cboDisplayFormat_Click();
         }},
        {"set while the input box names another file",
         [](ControllerHarness& h, const std::string& input) {
             h.controller.cmdListWords_Click();
             h.settings.txbFile[0] = h.Path("other.txt");
             h.settings.txbFile[1] = input;
             h.controller.cboWordOrder_Click();
         }},
    };
    const std::string text = DistinctWords(30000, " ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        std::filesystem::create_directory(h.dir.path() / "sub");
        const std::string input = h.UseInput("big.txt", text);
        c.act(h, input);
        EXPECT_EQ(ReadFileBytes(input), text);
        const MessageBox* warning = h.view.Find(T(34));
        ASSERT_NE(warning, nullptr);
        EXPECT_EQ(warning->text, "Output file cannot be the same as the input file.");
    }
}

// A count that lists nothing leaves an empty file, not the last list;
// asked about first as any overwrite is.
TEST(ListWords, ACountThatListsNothingEmptiesTheOutputFile) {
    for (const bool warn : {false, true}) {
        SCOPED_TRACE(warn);
        ControllerHarness h;
        h.UseInput("a.txt", "12 34\r\n");
        h.dir.Write("out.txt", "an earlier list");
        h.settings.txbFile[1] = h.Path("out.txt");
        h.settings.chkWarnOnOverwrite = warn ? 1 : 0;
        h.controller.cmdListWords_Click();
        EXPECT_EQ(h.view.inputBoxes.size(), warn ? 1u : 0u);
        EXPECT_EQ(ReadFileBytes(h.Path("out.txt")), "");
        EXPECT_NE(h.view.box.Text().find("No words"), std::string::npos);
    }
}

TEST(ListWords, FullTextBoxAdvice) {
    // T() reads the table a harness loads; the expected texts are built first.
    const ControllerHarness loaded;
    const std::string words = DistinctWords(3000, " ");
    struct Case {
        const char* name;
        bool outputFile;
        std::int16_t disabled;
        std::string advice;
    };
    const std::vector<Case> cases = {
        {"no output file", false, 0, "  " + T(31)},
        {"output disabled", true, 1, "  " + T(32)},
        {"output written", true, 0, "  \r\n" + T(33)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        h.UseInput("many.txt", words);
        h.settings.chkSuppressWords = 1;
        if (c.outputFile) {
            h.settings.txbFile[1] = h.Path("out.txt");
            h.settings.chkDisableOutputToFile = c.disabled;
        }
        h.controller.cmdListWords_Click();
        ASSERT_EQ(h.view.boxes.size(), 1u);
        EXPECT_EQ(h.view.boxes[0].title, T(27));
        EXPECT_EQ(h.view.boxes[0].text, T(27) + c.advice);
        EXPECT_EQ(h.view.boxes[0].icon, Icon::Warning);
        EXPECT_LE(h.view.box.Length(), 65000u);
        EXPECT_GT(h.view.box.Length(), 60000u);
        if (c.outputFile && c.disabled == 0) {
            EXPECT_NE(ReadFileBytes(h.Path("out.txt")).find("zqaaaa"), std::string::npos);
        }
    }
}

TEST(ListWords, ReportErrorTexts) {
    ControllerHarness h;
    h.controller.ReportError(57, "Device I/O error", "DoItFromFile");
    ASSERT_EQ(h.view.boxes.size(), 1u);
    EXPECT_EQ(h.view.boxes[0].title, T(34));
    EXPECT_EQ(h.view.boxes[0].text, "At DoItFromFile error #57.\r\nDescription: Device I/O error");
    EXPECT_FALSE(h.view.timerRunning);
    EXPECT_FALSE(h.controller.State().blnElapsedTimeRunning);
}

TEST(ListWords, NoWordsMessage) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta alpha\r\n");
    h.settings.chkIgnoreInfrequentWords = 1;
    h.settings.cboThresholdFrequency = 1;
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.box.Text(), "No words with more than 2 letters\r\noccur at least 3 times.");
    EXPECT_TRUE(h.controller.State().blnWordsGot);
}

}  // namespace
}  // namespace lexicount::test
