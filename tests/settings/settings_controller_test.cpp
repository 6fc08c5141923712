#include "settings/settings_controller.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "settings/state_file.h"
#include "support/fake_view.h"

namespace lexicount::test {
namespace {

// The settings window as the controller sees it: records what is shown and
// answers boxes, file dialogs and the language window from a script.
class FakeSettingsView : public SettingsView {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;
    int language = -1;

    std::vector<MessageBox> boxes;
    std::vector<FileDialogRequest> requests;
    std::string parametersLabel = "unset";
    std::string parametersFile = "unset";
    bool parametersFileVisible = true;
    int focusClose = 0, shown = 0, closed = 0, quits = 0, languageWindows = 0, outputControls = 0;

    Answer Show(const MessageBox& box) override {
        boxes.push_back(box);
        if (box.buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << box.text;
            return Answer::No;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (files.empty()) return std::nullopt;
        auto chosen = files.front();
        files.pop_front();
        return chosen;
    }
    int ChooseLanguage(bool /*unicodeWords*/) override {
        ++languageWindows;
        return language;
    }
    void SetParametersLabel(const std::string& text) override { parametersLabel = text; }
    void SetParametersFile(const std::string& path) override { parametersFile = path; }
    void ShowParametersFile(bool visible) override { parametersFileVisible = visible; }
    void FocusClose() override { ++focusClose; }
    void ShowWindow() override { ++shown; }
    void CloseWindow() override { ++closed; }
    void QuitProgram() override { ++quits; }
    void SettingsChanged() override {}
    void OutputFileControlsChanged() override { ++outputControls; }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& box : boxes) titles.push_back(box.title);
        return titles;
    }
    int Count(std::string_view title) const {
        int n = 0;
        for (const auto& box : boxes) n += box.title == title;
        return n;
    }
};

class SettingsControllerTest : public ::testing::Test {
protected:
    ControllerHarness harness;
    FakeSettingsView view;
    SettingsController settings{view, harness.controller};
    SettingsRecord& record = harness.settings;
    RunState& state = harness.controller.State();

    // The user clicks a box: the window flips the field, then calls the handler.
    void Click(std::string_view box) {
        const int now = GetNumber(record, box).value_or(0);
        SetNumber(record, box, now == 1 ? 0 : 1);
        settings.CheckBoxChanged(box);
    }
    int Value(std::string_view box) const { return GetNumber(record, box).value_or(-99); }
    std::string CommonWordsFile(std::string_view name, std::string_view words) {
        return harness.dir.Write(name, words).string();
    }
};

constexpr std::string_view kRereadBoxes[] = {
    "chkCaseSignificant",
    "chkAllowWordsWithHyphens",
    "chkAllowWordsWithApostrophes",
    "chkAllowWordsWithUnderscores",
    "chkAllowWordsWithColons",
    "chkAllowWordsWithBackslashes",
    "chkAllowWordsWithForwardslashes",
    "chkAllowWordsWithPeriods",
    "chkAllowWordsWithAtSigns",
    "chkAllowWordsWithNumerals",
    "chkDropFinalS",
};
constexpr std::string_view kCheckingBoxes[] = {
    "chkAllowWordsWithHyphens", "chkAllowWordsWithApostrophes", "chkAllowWordsWithUnderscores",
    "chkAllowWordsWithColons",  "chkAllowWordsWithBackslashes", "chkAllowWordsWithPeriods",
    "chkAllowWordsWithAtSigns", "chkAllowWordsWithNumerals",
};
constexpr std::string_view kFilters[] = {
    "chkIgnoreRepetitions",     "chkIgnoreRomNum40",   "chkIgnoreNoLetter",
    "chkIgnoreInfrequentWords", "chkIgnoreShortWords",
};
constexpr std::string_view kSilentBoxes[] = {
    "chkOnly7bitASCII",   "chkOutputWithCommas",    "chkWarnOnOverwrite",
    "chkSaveStateOnQuit", "chkAllowCommentMarkers",
};

bool RunsCheck(std::string_view box) {
    return std::find(std::begin(kCheckingBoxes), std::end(kCheckingBoxes), box) != std::end(kCheckingBoxes);
}

TEST_F(SettingsControllerTest, EveryBoxFollowsItsRowOfTheRereadTable) {
    // ";" is never allowed, so the check warns whenever it runs.
    record.txbWordsToIgnore = "a;b";
    for (std::string_view box : kRereadBoxes) {
        SCOPED_TRACE(std::string(box));
        view.boxes.clear();
        state.blnWordsGot = true;
        const int before = Value(box);
        view.answers = {Answer::Yes};
        Click(box);
        ASSERT_FALSE(view.boxes.empty());
        EXPECT_EQ(view.boxes[0].text, "Changing this entails reading the file anew.  Is this OK?");
        EXPECT_EQ(view.boxes[0].title, "");
        EXPECT_EQ(view.boxes[0].buttons, Buttons::YesNo);
        EXPECT_FALSE(state.blnWordsGot);
        EXPECT_NE(Value(box), before);
        EXPECT_EQ(view.Count("Character not allowed"), RunsCheck(box) ? 1 : 0);
        EXPECT_EQ(view.boxes.size(), RunsCheck(box) ? 2u : 1u);
    }
}

TEST_F(SettingsControllerTest, NoPutsTheBoxBackAndStillRunsTheCheck) {
    record.txbWordsToIgnore = "a;b";
    for (std::string_view box : kRereadBoxes) {
        SCOPED_TRACE(std::string(box));
        view.boxes.clear();
        state.blnWordsGot = true;
        const int before = Value(box);
        view.answers = {Answer::No};
        Click(box);
        EXPECT_EQ(Value(box), before);
        EXPECT_TRUE(state.blnWordsGot);
        EXPECT_FALSE(settings.blnIgnoreClicks());
        EXPECT_EQ(view.Count("Character not allowed"), RunsCheck(box) ? 1 : 0);
    }
}

TEST_F(SettingsControllerTest, ARevertedGreyedBoxBecomesTicked) {
    record.chkDropFinalS = 2;
    state.blnWordsGot = true;
    view.answers = {Answer::No};
    settings.CheckBoxChanged("chkDropFinalS");
    EXPECT_EQ(record.chkDropFinalS, 1);
}

TEST_F(SettingsControllerTest, NothingIsAskedWithoutGatheredWordsOrBeforeStartUp) {
    for (std::string_view box : kRereadBoxes) {
        state.blnWordsGot = false;
        Click(box);
    }
    state.blnStartUpCompleted = false;
    state.blnWordsGot = true;
    record.txbWordsToIgnore = "a;b";
    for (std::string_view box : kRereadBoxes) Click(box);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(state.blnWordsGot);
}

TEST_F(SettingsControllerTest, FiltersOnlyMoveTheFocus) {
    state.blnWordsGot = true;
    record.txbWordsToIgnore = "a;b";
    int focus = view.focusClose;
    for (std::string_view box : kFilters) {
        Click(box);
        EXPECT_EQ(view.focusClose, ++focus) << box;
    }
    for (std::string_view list : {"cboShortWordSize", "cboLongWordSize", "cboThresholdFrequency"}) {
        settings.ListChanged(list);
        EXPECT_EQ(view.focusClose, ++focus) << list;
    }
    for (std::string_view box : kSilentBoxes) {
        Click(box);
        EXPECT_EQ(view.focusClose, focus) << box;
    }
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(state.blnWordsGot);
}

TEST_F(SettingsControllerTest, WordsToIgnoreWarnings) {
    struct Case {
        std::string_view name;
        std::string words;
        std::string_view untick;  // "" to leave the boxes as they are
        std::string expected;     // "" for no warning
    };
    const std::vector<Case> cases = {
        {"hyphen no longer allowed", "e-mail", "chkAllowWordsWithHyphens",
         "The character - occurs in some word to ignore\r\nbut is not currently set as a character allowed "
         "in a "
         "word."},
        {"never allowed", "a;b", "",
         "The character ; occurs in some word to ignore\r\nbut is not a character allowed in a word."},
        {"comma advice", "x,y", "",
         "The character , occurs in some word to ignore\r\nbut is not currently set as a character allowed "
         "in a "
         "word.\r\n\r\nWords-to-ignore must be separated by a space, not by a comma."},
        {"only the first is named", "9b c;d", "",
         "The character 9 occurs in some word to ignore\r\nbut is not currently set as a character allowed "
         "in a "
         "word."},
        {"letters and allowed characters", W("œuvre s-o garçon"), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        record.chkAllowWordsWithHyphens = 1;
        record.txbWordsToIgnore = c.words;
        view.boxes.clear();
        if (c.untick.empty()) {
            EXPECT_EQ(settings.CheckAllowedExtraChars(), c.expected.empty());
        } else {
            Click(c.untick);
        }
        if (c.expected.empty()) {
            EXPECT_TRUE(view.boxes.empty());
        } else {
            ASSERT_EQ(view.boxes.size(), 1u);
            EXPECT_EQ(view.boxes[0].title, "Character not allowed");
            EXPECT_EQ(view.boxes[0].icon, Icon::Warning);
            EXPECT_EQ(view.boxes[0].text, c.expected);
        }
    }
}

TEST_F(SettingsControllerTest, LeavingTheWordsBoxNormalisesBeforeTheCheck) {
    record.txbWordsToIgnore = " The, AND  the of x,y";
    settings.txbWordsToIgnore_LostFocus();
    EXPECT_EQ(record.txbWordsToIgnore, "and of the x y");
    EXPECT_EQ(state.strWordsToIgnore, " and of the x y ");
    EXPECT_TRUE(view.boxes.empty());

    record.txbWordsToIgnore = "   ";
    settings.txbWordsToIgnore_LostFocus();
    EXPECT_EQ(record.txbWordsToIgnore, "   ");
    EXPECT_EQ(state.strWordsToIgnore, "");

    record.txbWordsToIgnore = "A;B";
    settings.txbWordsToIgnore_LostFocus();
    EXPECT_EQ(record.txbWordsToIgnore, "a;b");
    EXPECT_EQ(view.Count("Character not allowed"), 1);

    settings.cmdClearWordsToIgnore_Click();
    EXPECT_EQ(record.txbWordsToIgnore, "");
    EXPECT_EQ(state.strWordsToIgnore, "");
}

TEST_F(SettingsControllerTest, ASlashIsReportedOnlyByTheNextCheck) {
    record.chkAllowWordsWithForwardslashes = 1;
    record.txbWordsToIgnore = "and/or";
    Click("chkAllowWordsWithForwardslashes");
    EXPECT_TRUE(view.boxes.empty());
    Click("chkAllowWordsWithPeriods");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text.substr(0, 15), "The character /");
}

TEST_F(SettingsControllerTest, TickingCommonWordsWithoutAFileComplains) {
    state.strCommonWordsFile.clear();
    Click("chkIgnoreCommonWords");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "Ignore common words in file:");
    EXPECT_EQ(view.boxes[0].text, "Please specify the file containing common words.");
    EXPECT_EQ(record.chkIgnoreCommonWords, 0);
    EXPECT_FALSE(settings.blnIgnoreClicks());
}

TEST_F(SettingsControllerTest, ChoosingAFileReadsItAndTicksTheBox) {
    const std::string file = CommonWordsFile("Mine.txt", "zebra\r\nquokka\r\n");
    view.files = {file};
    settings.cmdSelectCommonWordsFile_Click(0);
    ASSERT_EQ(view.requests.size(), 1u);
    EXPECT_EQ(view.requests[0].title, "Specify file of common words to ignore");
    EXPECT_EQ(view.requests[0].filter, "Any file containing only text (*.*) | *.*");
    EXPECT_EQ(view.requests[0].flags, 0x1804);
    EXPECT_FALSE(view.requests[0].save);
    EXPECT_EQ(state.strCommonWordsFile, file);  // the case is kept
    EXPECT_EQ(record.txbCommonWordsFile, file);
    EXPECT_TRUE(state.blnCommonWordsLoaded);
    EXPECT_EQ(record.chkIgnoreCommonWords, 1);
    EXPECT_EQ(harness.controller.LoadedCommonWords().size(), 2u);
    EXPECT_EQ(view.shown, 1);

    // Unticking then ticking again does not read the same file twice.
    Click("chkIgnoreCommonWords");
    view.boxes.clear();
    harness.view.boxes.clear();
    Click("chkIgnoreCommonWords");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "Common words loaded");
    EXPECT_EQ(
        view.boxes[0].text,
        "This file has already been loaded.  Click on 'Clear' and re-select the file if it has been changed "
        "on disk.");
    EXPECT_TRUE(harness.view.boxes.empty());
}

TEST_F(SettingsControllerTest, ACancelledChooserChangesNothing) {
    state.strCommonWordsFile = "/somewhere/cwds.txt";
    settings.cmdSelectCommonWordsFile_Click(0);
    EXPECT_EQ(state.strCommonWordsFile, "/somewhere/cwds.txt");
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(view.focusClose, 1);
}

TEST_F(SettingsControllerTest, ChoosingALanguageReadsItsFile) {
    view.language = 1;
    settings.cmdSelectCommonWordsFile_Click(1);
    EXPECT_EQ(std::filesystem::path(state.strCommonWordsFile).filename(), "cwds_de.txt");
    EXPECT_EQ(record.txbCommonWordsFile, state.strCommonWordsFile);
    EXPECT_TRUE(state.blnCommonWordsLoaded);
    EXPECT_EQ(record.chkIgnoreCommonWords, 1);
    EXPECT_EQ(view.shown, 1);
}

TEST_F(SettingsControllerTest, CancellingTheLanguageWindowChangesNothing) {
    const std::string file = CommonWordsFile("mine.txt", "zebra\r\n");
    view.files = {file};
    settings.cmdSelectCommonWordsFile_Click(0);
    const int shown = view.shown;
    view.language = -1;
    settings.cmdSelectCommonWordsFile_Click(1);
    EXPECT_EQ(view.languageWindows, 1);
    EXPECT_EQ(state.strCommonWordsFile, file);
    EXPECT_EQ(record.chkIgnoreCommonWords, 1);
    EXPECT_TRUE(state.blnCommonWordsLoaded);
    EXPECT_EQ(harness.controller.LoadedCommonWords().size(), 1u);
    EXPECT_EQ(view.shown, shown);
}

TEST_F(SettingsControllerTest, ATypedPathIsTakenOnlyWhileTheBoxIsTicked) {
    const std::string file = CommonWordsFile("typed.txt", "zebra\r\nokapi\r\n");
    record.chkIgnoreCommonWords = 0;
    record.txbCommonWordsFile = file;
    settings.txbCommonWordsFile_LostFocus();
    EXPECT_EQ(state.strCommonWordsFile, "");
    EXPECT_FALSE(state.blnCommonWordsLoaded);

    record.chkIgnoreCommonWords = 1;
    state.blnWordsGot = true;
    record.txbCommonWordsFile = "  " + file + " ";
    settings.txbCommonWordsFile_LostFocus();
    EXPECT_EQ(record.txbCommonWordsFile, file);
    EXPECT_EQ(state.strCommonWordsFile, file);
    EXPECT_TRUE(state.blnCommonWordsLoaded);
    EXPECT_FALSE(state.blnWordsGot);
    EXPECT_EQ(harness.controller.LoadedCommonWords().size(), 2u);

    settings.cmdClearCommonWordsFile_Click();
    EXPECT_EQ(record.txbCommonWordsFile, "");
    EXPECT_EQ(state.strCommonWordsFile, "");
    EXPECT_EQ(record.chkIgnoreCommonWords, 0);
    EXPECT_FALSE(state.blnCommonWordsLoaded);
}

TEST_F(SettingsControllerTest, SetCheckboxesLeavesCommonWordsAloneAndAsksOnce) {
    record.chkIgnoreCommonWords = 0;
    record.chkAllowCommentMarkers = 0;
    record.txbWordsToIgnore = "a;b";
    state.blnWordsGot = true;
    view.answers = {Answer::Yes};
    settings.cmdSetOrClearCheckboxes_Click(1);
    EXPECT_EQ(view.Titles(), std::vector<std::string>{""});  // one question, no check warnings
    for (std::string_view box :
         {"chkAllowWordsWithHyphens", "chkAllowWordsWithNumerals", "chkCaseSignificant",
          "chkIgnoreInfrequentWords", "chkSaveStateOnQuit", "chkOnly7bitASCII"}) {
        EXPECT_EQ(Value(box), 1) << box;
    }
    EXPECT_EQ(record.chkIgnoreCommonWords, 0);
    EXPECT_EQ(record.chkAllowCommentMarkers, 0);
    EXPECT_FALSE(settings.blnSettingAllCheckboxes());

    settings.cmdSetOrClearCheckboxes_Click(0);
    for (std::string_view box :
         {"chkAllowWordsWithHyphens", "chkDropFinalS", "chkIgnoreShortWords", "chkWarnOnOverwrite"}) {
        EXPECT_EQ(Value(box), 0) << box;
    }
}

TEST_F(SettingsControllerTest, ANoDuringSetCheckboxesKeepsAskingForLaterBoxes) {
    state.blnWordsGot = true;
    record.chkAllowWordsWithHyphens = 0;
    view.answers = {Answer::No, Answer::Yes};
    settings.cmdSetOrClearCheckboxes_Click(1);
    EXPECT_EQ(view.boxes.size(), 2u);
    EXPECT_EQ(record.chkAllowWordsWithHyphens, 0);  // refused
    EXPECT_EQ(record.chkAllowWordsWithApostrophes, 1);
}

// Every field away from its default, then each reset: the fields it covers
// are back at their defaults, every other keeps its value, and nothing asks.
TEST_F(SettingsControllerTest, EachResetTouchesItsFieldsOnly) {
    const std::set<std::string> restoreDefaults = {"chkCaseSignificant",
                                                   "chkIgnoreShortWords",
                                                   "chkIgnoreInfrequentWords",
                                                   "chkIgnoreRepetitions",
                                                   "chkIgnoreRomNum40",
                                                   "chkIgnoreNoLetter",
                                                   "chkAllowWordsWithHyphens",
                                                   "chkAllowWordsWithApostrophes",
                                                   "chkAllowWordsWithUnderscores",
                                                   "chkAllowWordsWithColons",
                                                   "chkAllowWordsWithBackslashes",
                                                   "chkAllowWordsWithForwardslashes",
                                                   "chkAllowWordsWithPeriods",
                                                   "chkAllowWordsWithAtSigns",
                                                   "chkAllowWordsWithNumerals",
                                                   "chkDropFinalS",
                                                   "chkOutputWithCommas",
                                                   "chkAllowCommentMarkers",
                                                   "chkWarnOnOverwrite",
                                                   "chkSaveStateOnQuit",
                                                   "chkOnly7bitASCII",
                                                   "cboShortWordSize",
                                                   "cboLongWordSize",
                                                   "cboThresholdFrequency",
                                                   "chkUnicodeWords"};
    std::set<std::string> initialize = restoreDefaults;
    initialize.insert({"txbFile(0)", "txbFile(1)", "chkUTF8", "txbWordsToIgnore", "chkSuppressWords",
                       "txbCommonWordsFile",
                       // with no output file there is nothing to disable
                       "chkDisableOutputToFile"});
    std::set<std::string> reinitialize = initialize;
    reinitialize.insert({"chkIgnoreCommonWords", "cboWordOrder", "cboDisplayFormat"});
    std::set<std::string> failedLoad = reinitialize;
    failedLoad.insert({"optInFile", "optOnClipboard"});
    const std::string emptyFile = harness.dir.Write("empty.tly", "").string();

    struct Case {
        const char* name;
        std::function<void()> run;
        const std::set<std::string>& reset;
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {"Restore defaults", [&] { settings.cmdRestoreDefaults_Click(); }, restoreDefaults, {}},
        {"Reinitialize", [&] { settings.cmdInitialize_Click(); }, reinitialize, {}},
        {"failed load",
         [&] {
             view.files = {emptyFile};
             settings.cmdSaveLoadState_Click(1);
         },
         failedLoad,
         {"Load settings"}},
    };
    const SettingsRecord defaults;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsRecord changed;
        for (const FieldInfo& field : SettingsFields()) {
            if (field.kind == FieldKind::Text) {
                SetText(changed, field.name, "changed " + std::string(field.name));
            } else {
                const int value = *GetNumber(defaults, field.name);
                SetNumber(changed, field.name,
                          field.kind == FieldKind::List ? (value == 0 ? 1 : 0) : 1 - value);
            }
        }
        record = changed;
        state.blnWordsGot = true;
        view.boxes.clear();
        c.run();
        for (const FieldInfo& field : SettingsFields()) {
            const SettingsRecord& expected = c.reset.count(std::string(field.name)) != 0 ? defaults : changed;
            EXPECT_EQ(GetNumber(record, field.name), GetNumber(expected, field.name)) << field.name;
            EXPECT_EQ(GetText(record, field.name), GetText(expected, field.name)) << field.name;
        }
        EXPECT_FALSE(state.blnWordsGot);
        EXPECT_EQ(view.Titles(), c.titles);
    }
}

TEST_F(SettingsControllerTest, ReinitializeResetsListsAndCommonWords) {
    view.language = 0;
    settings.cmdSelectCommonWordsFile_Click(1);
    ASSERT_EQ(record.chkIgnoreCommonWords, 1);
    record.cboWordOrder = 1;
    record.cboDisplayFormat = 7;
    record.txbWordsToIgnore = "foo";
    state.strWordsToIgnore = " foo ";
    record.chkAllowWordsWithNumerals = 1;
    record.txbFile[1] = "/tmp/out.txt";
    record.txbStartComment[0] = "{";
    record.txbEndComment[1] = "#>";
    state.blnWordsGot = true;
    view.parametersFileVisible = true;
    settings.cmdInitialize_Click();
    EXPECT_EQ(record.txbStartComment[0], "{");
    EXPECT_EQ(record.txbEndComment[1], "#>");
    EXPECT_EQ(record.cboWordOrder, 0);
    EXPECT_EQ(record.cboDisplayFormat, 0);
    EXPECT_EQ(record.chkIgnoreCommonWords, 0);
    EXPECT_EQ(record.txbCommonWordsFile, "");
    EXPECT_EQ(state.strCommonWordsFile, "");
    EXPECT_FALSE(state.blnCommonWordsLoaded);
    EXPECT_EQ(record.txbWordsToIgnore, "");
    EXPECT_EQ(state.strWordsToIgnore, "");
    EXPECT_EQ(record.chkAllowWordsWithNumerals, 0);
    EXPECT_EQ(record.txbFile[1], "");
    EXPECT_FALSE(state.blnWordsGot);
    EXPECT_EQ(view.parametersLabel, "Program reinitialized.");
    EXPECT_FALSE(view.parametersFileVisible);
    EXPECT_GE(view.shown, 2);
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(SettingsControllerTest, SaveAndLoadASettingsFile) {
    const std::string file = (harness.dir.path() / "mine.tly").string();
    record.chkAllowWordsWithPeriods = 1;
    record.cboThresholdFrequency = 5;
    record.txbWordsToIgnore = "foo bar";
    view.files = {file};
    settings.cmdSaveLoadState_Click(0);
    ASSERT_EQ(view.requests.size(), 1u);
    EXPECT_EQ(view.requests[0].title, "Specify file to save settings to");
    EXPECT_EQ(view.requests[0].filter, "Settings files (*.tly) | *.tly");
    EXPECT_EQ(view.requests[0].flags, 0x8806);
    EXPECT_TRUE(view.requests[0].save);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(view.parametersLabel, "Settings saved to");
    EXPECT_EQ(view.parametersFile, file);
    EXPECT_TRUE(view.parametersFileVisible);

    record.chkAllowWordsWithPeriods = 0;
    record.cboThresholdFrequency = 0;
    record.txbWordsToIgnore = "";
    state.blnWordsGot = true;
    view.parametersFileVisible = false;
    view.files = {file};
    settings.cmdSaveLoadState_Click(1);
    EXPECT_EQ(view.requests[1].title, "Specify file to load settings from.");
    EXPECT_EQ(view.requests[1].filter, "Settings files (*.tly) | *.tly");
    EXPECT_EQ(view.requests[1].flags, 0x1804);
    EXPECT_FALSE(view.requests[1].save);
    EXPECT_EQ(record.chkAllowWordsWithPeriods, 1);
    EXPECT_EQ(record.cboThresholdFrequency, 5);
    EXPECT_EQ(record.txbWordsToIgnore, "bar foo");
    EXPECT_EQ(state.strWordsToIgnore, " bar foo ");
    EXPECT_EQ(view.parametersLabel, "Settings loaded from");
    EXPECT_TRUE(view.parametersFileVisible);
    EXPECT_TRUE(view.boxes.empty());  // no re-read question while loading
    EXPECT_FALSE(settings.blnIgnoreClicks());
    EXPECT_EQ(view.outputControls, 1);
}

TEST_F(SettingsControllerTest, ASettingsFileNamedWithoutExtensionGetsTly) {
    struct Case {
        const char* typed;
        const char* written;
        std::deque<Answer> answers;  // to the question about replacing a file
        bool saved;
    };
    const std::vector<Case> cases = {
        {"mine", "mine.tly", {}, true},
        {"dotted.", "dotted.tly", {}, true},
        {"other.cfg", "other.cfg", {}, true},
        {"kept", "kept.tly", {Answer::No}, false},
        {"replaced", "replaced.tly", {Answer::Yes}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool exists = !c.answers.empty();
        if (exists) harness.dir.Write(c.written, "old");
        view.boxes.clear();
        view.parametersLabel = "unset";
        view.answers = c.answers;
        view.files = {(harness.dir.path() / c.typed).string()};
        settings.cmdSaveLoadState_Click(0);
        const std::string written = (harness.dir.path() / c.written).string();
        ASSERT_EQ(view.boxes.size(), exists ? 1u : 0u);
        if (exists) {
            EXPECT_EQ(view.boxes[0].title, "Specify file to save settings to");
            EXPECT_EQ(view.boxes[0].text, written + " already exists.\r\nDo you want to replace it?");
            EXPECT_EQ(view.boxes[0].buttons, Buttons::YesNo);
            EXPECT_EQ(view.boxes[0].defaultButton, 1);
        }
        EXPECT_EQ(ReadFileBytes(written) != "old", c.saved);
        EXPECT_EQ(view.parametersLabel, c.saved ? "Settings saved to" : "unset");
        if (c.saved) {
            EXPECT_EQ(view.parametersFile, written);
        }
        EXPECT_EQ(std::filesystem::exists(harness.dir.path() / c.typed), std::string(c.typed) == c.written);
    }
}

TEST_F(SettingsControllerTest, AFailedSaveIsReported) {
    view.files = {(harness.dir.path() / "no-such-folder" / "x.tly").string()};
    settings.cmdSaveLoadState_Click(0);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "Save settings");
    EXPECT_EQ(view.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(view.boxes[0].text.rfind("Error when attempting to save settings: ", 0), 0u);
    EXPECT_EQ(view.parametersLabel, "Error saving to");
}

TEST_F(SettingsControllerTest, AFailedLoadResetsTheSettings) {
    // Line 8 holds 14, one past the short-word sizes: the restore stops there
    // after taking the first seven lines.
    std::string content =
        "\"/in.txt\"\r\n\"/out.txt\"\r\n\"zap\"\r\n\"{\"\r\n\"}\"\r\n\"\"\r\n\"\"\r\n14\r\n";
    const std::string file = harness.dir.Write("bad.tly", content).string();
    record.chkAllowWordsWithNumerals = 1;
    record.chkIgnoreCommonWords = 1;
    view.files = {file};
    settings.cmdSaveLoadState_Click(1);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "Load settings");
    EXPECT_EQ(view.boxes[0].text, "Error when attempting to restore settings: Invalid property value");
    EXPECT_EQ(view.parametersLabel, "Error loading from");
    EXPECT_EQ(record.txbFile[0], "");
    EXPECT_EQ(record.txbFile[1], "");
    EXPECT_EQ(record.txbWordsToIgnore, "");
    EXPECT_EQ(record.txbStartComment[0], "{");  // the reset leaves the marker texts
    EXPECT_EQ(record.chkAllowWordsWithNumerals, 0);
    EXPECT_EQ(record.chkIgnoreCommonWords, 0);
    EXPECT_EQ(state.strCommonWordsFile, "");
}

TEST_F(SettingsControllerTest, AnInvalidComboBoxIndexCountsAsAFailure) {
    const SettingsRecord defaults;
    for (std::string_view list : {"cboShortWordSize", "cboLongWordSize", "cboThresholdFrequency",
                                  "cboWordOrder", "cboDisplayFormat"}) {
        SCOPED_TRACE(std::string(list));
        SettingsRecord saved;
        saved.cboDisplayFormat = 6;
        SetNumber(saved, list, -1);
        const auto file = harness.dir.path() / "minus.tly";
        ASSERT_EQ(SaveState(saved, "", file), "");
        record.chkDropFinalS = 1;
        record.cboWordOrder = 1;
        view.boxes.clear();
        view.files = {file.string()};
        settings.cmdSaveLoadState_Click(1);
        ASSERT_EQ(view.boxes.size(), 1u);
        EXPECT_EQ(view.boxes[0].text, "Invalid combo box index");
        EXPECT_EQ(record.chkDropFinalS, 0);
        // Every list is back at its default item, none left without one.
        for (std::string_view other : {"cboShortWordSize", "cboLongWordSize", "cboThresholdFrequency",
                                       "cboWordOrder", "cboDisplayFormat"}) {
            EXPECT_EQ(GetNumber(record, other), GetNumber(defaults, other)) << other;
        }
    }
}

TEST_F(SettingsControllerTest, LoadingASettingsFileReadsTheCommonWordsItNames) {
    const std::string zebra = CommonWordsFile("zebra.txt", "zebra\r\n");
    const std::string okapi = CommonWordsFile("okapi.txt", "okapi\r\nquagga\r\n");
    struct Case {
        const char* name;
        std::string loaded;  // read before the load; its box then unticked when untick
        bool untick;
        std::string named;    // by the settings file
        std::int16_t ticked;  // by the settings file
        size_t wordsAfter;    // words in force afterwards
        bool reread;
    };
    const std::vector<Case> cases = {
        {"another file ticked", zebra, false, okapi, 1, 2, true},
        {"the same file newly ticked", okapi, true, okapi, 1, 2, true},
        {"the same file still ticked", zebra, false, zebra, 1, 1, false},
        {"another file unticked", zebra, false, okapi, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.files = {c.loaded};
        settings.cmdSelectCommonWordsFile_Click(0);
        ASSERT_TRUE(state.blnCommonWordsLoaded);
        if (c.untick) Click("chkIgnoreCommonWords");
        SettingsRecord saved;
        saved.chkIgnoreCommonWords = c.ticked;
        const auto file = harness.dir.path() / "words.tly";
        ASSERT_EQ(SaveState(saved, c.named, file), "");
        harness.view.boxes.clear();
        view.boxes.clear();
        view.files = {file.string()};
        settings.cmdSaveLoadState_Click(1);
        EXPECT_EQ(view.parametersLabel, "Settings loaded from");
        EXPECT_EQ(harness.view.Find("Common words loaded") != nullptr, c.reread);
        EXPECT_EQ(record.txbCommonWordsFile, c.named);
        EXPECT_EQ(record.chkIgnoreCommonWords, c.ticked);
        EXPECT_EQ(harness.controller.LoadedCommonWords().size(), c.wordsAfter);
        EXPECT_EQ(state.blnCommonWordsLoaded, c.named == c.loaded || c.reread);
    }
}

TEST_F(SettingsControllerTest, CancelledSettingsDialogsDoNothing) {
    settings.cmdSaveLoadState_Click(0);
    view.files = {std::string()};
    settings.cmdSaveLoadState_Click(1);
    EXPECT_EQ(view.requests.size(), 2u);
    EXPECT_EQ(view.parametersLabel, "unset");
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(SettingsControllerTest, QuitCloseAndMarkers) {
    view.answers = {Answer::No};
    settings.cmdQuit_Click();
    EXPECT_EQ(view.quits, 0);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].title, "Quit");
    EXPECT_EQ(view.boxes[0].text, "Really quit?");
    EXPECT_EQ(view.boxes[0].buttons, Buttons::YesNo);
    view.answers = {Answer::Yes};
    settings.cmdQuit_Click();
    EXPECT_EQ(view.quits, 1);

    settings.cmdClose_Click();
    EXPECT_EQ(view.closed, 1);

    state.blnWordsGot = true;
    record.txbStartComment[1] = "  # ";
    settings.txbStartComment_LostFocus(1);
    EXPECT_EQ(record.txbStartComment[1], "#");
    EXPECT_FALSE(state.blnWordsGot);
    state.blnWordsGot = true;
    record.txbEndComment[0] = " */\t";
    settings.txbEndComment_LostFocus(0);
    EXPECT_EQ(record.txbEndComment[0], "*/\t");
    EXPECT_FALSE(state.blnWordsGot);
}

TEST_F(SettingsControllerTest, LoadingTheWindowClearsTheSettingsFileControls) {
    record.chkAllowCommentMarkers = 0;
    settings.Form_Load();
    EXPECT_EQ(view.parametersLabel, "");
    EXPECT_EQ(view.parametersFile, "");
    EXPECT_FALSE(view.parametersFileVisible);
    EXPECT_EQ(record.chkAllowCommentMarkers, 1);
}

}  // namespace
}  // namespace lexicount::test
