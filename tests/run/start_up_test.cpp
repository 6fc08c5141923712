// Start-up, saving and quitting, and the choice of the input and output
// files, through a scripted view.

#include <gtest/gtest.h>

#include <functional>

#include "run/main_controller.h"
#include "settings/program_texts.h"
#include "settings/state_file.h"
#include "support/fake_view.h"

namespace lexicount::test {
namespace {

TEST(StartUp, ProgramTextsAreReadOnlyFromTheProgramFolder) {
    TempDir empty;
    FakeView view;
    SettingsRecord settings;
    MainController controller(view, settings);
    EXPECT_EQ(controller.LoadForm(empty.path(), empty.path() / "tly.usr"),
              "Cannot open file containing program text.\r\n" + (empty.path() / "tly.dat").string());

    // An unknown program folder is not the folder the program was started from.
    TempDir started;
    std::filesystem::copy_file(ProgramDataDir() / "tly.dat", started.path() / "tly.dat");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(started.path());
    const std::string message = controller.LoadForm({}, empty.path() / "tly.usr");
    std::filesystem::current_path(saved);
    EXPECT_EQ(message.rfind("Cannot open file containing program text.", 0), 0u) << message;
}

TEST(StartUp, WithoutAStateFileEverythingIsDefault) {
    ControllerHarness h;
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_TRUE(h.controller.State().blnStartUpCompleted);
    EXPECT_EQ(h.controller.State().strCommonWordsFile, "");
    EXPECT_EQ(h.settings.chkIgnoreCommonWords, 0);
    EXPECT_EQ(h.settings.txbFile[0], "");
    EXPECT_EQ(h.view.caption, T(73));
    EXPECT_FALSE(h.view.disableOutputBoxEnabled);
    const SettingsRecord defaults;
    EXPECT_EQ(h.settings.cboShortWordSize, defaults.cboShortWordSize);
    EXPECT_EQ(h.controller.IntroText().substr(0, T(19).size() + 4), T(19) + "\r\n\r\n");
}

TEST(StartUp, RestoresTheStateFileAndOffersTheCommonWordsOfTheInput) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(static_cast<int>(answer));
        TempDir dir;
        const std::string input =
            dir.Write("page.html", "<html lang=\"de\">\r\n<p>und der Hund</p>\r\n").string();
        {
            SettingsRecord saved;
            saved.txbFile[0] = input;
            saved.cboDisplayFormat = 5;
            ASSERT_EQ(SaveState(saved, "", dir.path() / "tly.usr"), "");
        }
        FakeView view;
        SettingsRecord settings;
        MainController controller(view, settings);
        ASSERT_EQ(controller.LoadForm(ProgramDataDir(), dir.path() / "tly.usr"), "");
        EXPECT_EQ(settings.cboDisplayFormat, 5);
        view.answers = {answer};
        controller.StartUp();
        ASSERT_GE(view.boxes.size(), 1u);
        EXPECT_EQ(view.boxes[0].title, T(42));
        const std::string german = (ProgramDataDir() / "cwds_de.txt").string();
        EXPECT_EQ(view.boxes[0].text, T(40) + "\r\n" + german);
        EXPECT_EQ(settings.txbFile[0], input);
        if (answer == Answer::Yes) {
            ASSERT_EQ(view.boxes.size(), 2u);
            EXPECT_EQ(view.boxes[1].title, "Common words loaded");
            EXPECT_EQ(view.boxes[1].icon, Icon::Information);
            EXPECT_NE(view.boxes[1].text.find(" common words loaded from " + german), std::string::npos);
            EXPECT_EQ(settings.chkIgnoreCommonWords, 1);
            EXPECT_TRUE(controller.State().blnCommonWordsLoaded);
            EXPECT_GT(controller.LoadedCommonWords().size(), 10);
        } else {
            EXPECT_EQ(view.boxes.size(), 1u);
            EXPECT_EQ(settings.chkIgnoreCommonWords, 0);
        }
    }
}

TEST(StartUp, ADamagedStateFileLeavesTheDefaultsSilently) {
    struct Case {
        const char* name;
        std::function<void(SettingsRecord&)> change;  // of a saved record; none for content
        std::string content;
        std::string startComment;  // the reset keeps what the restore set
    };
    const std::vector<Case> cases = {
        {"cut short", nullptr, "\"x\"\r\n\"\"\r\n", "/*"},
        {"garbage", nullptr, "garbage", "/*"},
        {"stopped at line 8", nullptr,
         "\"/in.txt\"\r\n\"\"\r\n\"\"\r\n\"{\"\r\n\"}\"\r\n\"\"\r\n\"\"\r\n14\r\n", "{"},
        {"no word order", [](SettingsRecord& s) { s.cboWordOrder = -1; }, "", "/*"},
        {"no display format", [](SettingsRecord& s) { s.cboDisplayFormat = -1; }, "", "/*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.change) {
            SettingsRecord saved;
            saved.txbFile[0] = dir.Write("in.txt", "bravo alpha bravo\r\n").string();
            c.change(saved);
            ASSERT_EQ(SaveState(saved, "", dir.path() / "tly.usr"), "");
        } else {
            dir.Write("tly.usr", c.content);
        }
        FakeView view;
        SettingsRecord settings;
        settings.cboDisplayFormat = 3;
        MainController controller(view, settings);
        ASSERT_EQ(controller.LoadForm(ProgramDataDir(), dir.path() / "tly.usr"), "");
        controller.StartUp();
        EXPECT_TRUE(view.boxes.empty());
        EXPECT_EQ(settings.txbFile[0], "");
        EXPECT_EQ(settings.cboWordOrder, 0);
        EXPECT_EQ(settings.cboDisplayFormat, 0);
        EXPECT_EQ(settings.txbStartComment[0], c.startComment);
    }
}

TEST(StartUp, ARestoredInputThatIsGoneIsForgotten) {
    TempDir dir;
    SettingsRecord saved;
    saved.txbFile[0] = (dir.path() / "gone.txt").string();
    ASSERT_EQ(SaveState(saved, "", dir.path() / "tly.usr"), "");
    FakeView view;
    SettingsRecord settings;
    MainController controller(view, settings);
    ASSERT_EQ(controller.LoadForm(ProgramDataDir(), dir.path() / "tly.usr"), "");
    controller.StartUp();
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(settings.txbFile[0], "");
}

TEST(SaveAndQuit, SaveSettingsConfirmsByPopUpOrWarns) {
    ControllerHarness h;
    h.settings.cboWordOrder = 1;
    h.controller.cmdSaveState_Click();
    EXPECT_EQ(h.view.popUps, std::vector<std::string>{T(50)});
    EXPECT_TRUE(std::filesystem::exists(h.dir.path() / "tly.usr"));

    // A state file path inside a missing folder cannot be written.
    FakeView view;
    SettingsRecord settings;
    MainController controller(view, settings);
    ASSERT_EQ(controller.LoadForm(ProgramDataDir(), h.dir.path() / "missing" / "tly.usr"), "");
    controller.cmdSaveState_Click();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, T(34));
    EXPECT_EQ(view.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(view.boxes[0].text.rfind("Error when attempting to save settings: ", 0), 0u);
    EXPECT_TRUE(view.popUps.empty());
}

TEST(SaveAndQuit, QuitSavesOnlyWhenAsked) {
    for (std::int16_t saveOnQuit : {0, 1}) {
        ControllerHarness h;
        h.settings.chkSaveStateOnQuit = saveOnQuit;
        h.settings.cboDisplayFormat = 7;
        EXPECT_TRUE(h.controller.cmdQuit_Click());
        EXPECT_EQ(std::filesystem::exists(h.dir.path() / "tly.usr"), saveOnQuit == 1);
        EXPECT_EQ(h.view.popUps.size(), static_cast<size_t>(saveOnQuit));
    }
}

TEST(SaveAndQuit, QuitDuringACountEndsItWithoutQuestions) {
    ControllerHarness h;
    h.UseInput("many.txt", DistinctWords(3000));
    h.settings.chkSuppressWords = 1;
    h.view.yieldCallsBeforeAction = 1000;  // well inside the scan of 3000 lines
    h.view.onYield = [&h] { EXPECT_TRUE(h.controller.cmdQuit_Click()); };
    h.controller.cmdListWords_Click();
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_FALSE(h.controller.State().blnWordsGot);
    EXPECT_EQ(h.view.caption, T(73));
}

TEST(FileSelection, BrowsingForTheInputFile) {
    ControllerHarness h;
    const std::string fake = h.dir.Write("fake.docx", "just some plain text here").string();
    h.view.inputFileChoice = fake;
    h.controller.cmdFile_Click(0);
    ASSERT_EQ(h.view.boxes.size(), 1u);
    EXPECT_EQ(
        h.view.boxes[0].text,
        "The file " + fake + "\r\nhas a 'docx' extension but does not appear to be an MS Word 'docx' file.");
    EXPECT_EQ(h.view.boxes[0].title, T(34));
    EXPECT_EQ(h.settings.txbFile[0], "");

    h.view.boxes.clear();
    h.view.answers = {Answer::No};  // do not read the common words
    h.view.inputFileChoice = h.dir
                                 .Write("u.txt",
                                        "\xEF\xBB\xBF"
                                        "caf\xC3\xA9 au lait\r\n")
                                 .string();
    h.controller.cmdFile_Click(0);
    EXPECT_EQ(h.settings.chkUTF8, 1);
    EXPECT_EQ(h.view.Label(StatusLabel::lblFilesize), "Filesize: 18 bytes");
    EXPECT_EQ(h.view.browseFolder, h.dir.path().string());
    EXPECT_EQ(h.view.Titles(), std::vector<std::string>{T(42)});

    h.view.boxes.clear();
    h.view.inputFileChoice = h.dir.Write("z.txt", "").string();
    h.controller.cmdFile_Click(0);
    EXPECT_EQ(h.view.Titles(), std::vector<std::string>{"Empty file"});
    EXPECT_EQ(h.view.Label(StatusLabel::lblFilesize), "Filesize: 0 bytes");
}

TEST(FileSelection, AFileIsClassifiedInAnEmptyResultBox) {
    const std::string mac = "This is a Mac-style text file";
    const std::vector<std::pair<const char*, std::function<void(ControllerHarness&)>>> cases = {
        {"browsed", [](ControllerHarness& h) { h.controller.cmdFile_Click(0); }},
        {"typed", [](ControllerHarness& h) { h.controller.txbFile_LostFocus(0); }},
        {"counted", [](ControllerHarness& h) { h.controller.cmdListWords_Click(); }},
    };
    for (const auto& [name, act] : cases) {
        SCOPED_TRACE(name);
        ControllerHarness h;
        h.view.inputFileChoice = h.UseInput("mac.txt", "bravo alpha\rbravo\r");
        h.view.box.SetText("an earlier list");
        h.view.answers = {Answer::No};  // do not read the common words
        act(h);
        ASSERT_NE(h.view.Find(mac), nullptr);
        EXPECT_EQ(h.view.resultWhenShown[mac], "");
        if (std::string(name) != "counted") {
            EXPECT_EQ(h.view.box.Text(), "");
        }
    }
}

TEST(FileSelection, ToolTipsOfLongPaths) {
    ControllerHarness h;
    h.view.outputFileChoice = "/" + std::string(74, 'a');  // 75 characters
    h.controller.cmdFile_Click(1);
    EXPECT_EQ(h.view.fileBoxTips[1], "");
    EXPECT_EQ(h.view.fileButtonTips.count(1), 0u);
    h.view.outputFileChoice = "/" + std::string(75, 'a');
    h.controller.cmdFile_Click(1);
    EXPECT_EQ(h.view.fileButtonTips[1], *h.view.outputFileChoice);
    EXPECT_TRUE(h.view.disableOutputBoxEnabled);
}

TEST(FileSelection, ClearingTheOutputPathUnticksAndDisablesDisable) {
    ControllerHarness h;
    h.settings.txbFile[1] = h.Path("out.txt");
    h.settings.chkDisableOutputToFile = 1;
    h.controller.cmdClearFile_Click(1);
    EXPECT_EQ(h.settings.txbFile[1], "");
    EXPECT_EQ(h.settings.chkDisableOutputToFile, 0);
    EXPECT_FALSE(h.view.disableOutputBoxEnabled);

    h.settings.txbFile[0] = h.UseInput("a.txt", "x");
    h.settings.chkUTF8 = 1;
    h.controller.cmdClearFile_Click(0);
    EXPECT_EQ(h.settings.txbFile[0], "");
    EXPECT_EQ(h.settings.chkUTF8, 0);
}

TEST(FileSelection, TypedInputPath) {
    ControllerHarness h;
    h.settings.txbFile[0] = "  " + h.Path("missing.txt") + " ";
    h.controller.txbFile_LostFocus(0);
    EXPECT_EQ(h.settings.txbFile[0], h.Path("missing.txt"));
    EXPECT_EQ(h.view.Titles(), std::vector<std::string>{"File not found"});
    EXPECT_EQ(h.view.boxes[0].text, "Input file does not exist.");

    // With a docx document named, leaving the box changes nothing.
    h.view.boxes.clear();
    const std::string docx = h.dir.Write("d.docx", ReadFileBytes(TestDataDir() / "sample.docx")).string();
    h.settings.txbFile[0] = docx;
    h.settings.txbFile[1] = "  out.txt ";
    h.controller.txbFile_LostFocus(1);
    EXPECT_EQ(h.settings.txbFile[1], "  out.txt ");
    EXPECT_TRUE(h.view.boxes.empty());
}

TEST(FileSelection, CountsADocxDocument) {
    ControllerHarness h;
    h.settings.txbFile[0] = (TestDataDir() / "sample.docx").string();
    h.controller.cmdListWords_Click();
    EXPECT_TRUE(h.view.boxes.empty()) << h.view.Titles()[0];
    EXPECT_TRUE(h.controller.State().blnWordsGot);
    EXPECT_GT(h.controller.State().count->Table().lngNumWords(), 0);
    EXPECT_EQ(h.view.Label(StatusLabel::lblXMLsize).rfind("Text: ", 0), 0u);
    EXPECT_TRUE(h.view.suppressWordsBoxVisible);
}

}  // namespace
}  // namespace lexicount::test
