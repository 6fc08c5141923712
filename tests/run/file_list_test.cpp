// Many files chosen in the window, counted by workers: the choice and its
// box, the questions asked once for all, refusals among good files, and a
// stop during the count.

#include <gtest/gtest.h>

#include <filesystem>

#include "input/docx_reader.h"
#include "run/main_controller.h"
#include "support/fake_view.h"

namespace lexicount::test {
namespace {

std::string FolderName(const ControllerHarness& h) {
    return h.dir.path().filename().string() + "/";
}

std::vector<std::string> Write(ControllerHarness& h,
                               const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::string> paths;
    for (const auto& [name, bytes] : files) {
        std::filesystem::create_directories((h.dir.path() / name).parent_path());
        paths.push_back(h.dir.Write(name, bytes).string());
    }
    return paths;
}

// The result box after counting the files chosen in the window.
std::string CountChosen(ControllerHarness& h, const std::vector<std::string>& files) {
    h.view.inputFilesChoice = files;
    h.controller.cmdFile_Click(0);
    h.controller.cmdListWords_Click();
    return h.view.box.Text();
}

TEST(FileList, TheChosenFilesCountAsTheirTextInOneFile) {
    const std::vector<std::pair<std::string, std::string>> files = {{"a.txt", "The cat and the dog.\r\n"},
                                                                    {"b.txt", "A cat, a bird.\r\n"},
                                                                    {"sub/c.txt", "Dogs and cats\r\n"}};
    ControllerHarness many;
    const std::vector<std::string> paths = Write(many, files);
    const std::string listed = CountChosen(many, paths);
    EXPECT_TRUE(many.view.boxes.empty()) << many.view.Titles()[0];
    EXPECT_EQ(many.settings.txbFile[0], "3 files in " + FolderName(many));
    EXPECT_EQ(many.view.fileBoxTips[0], paths[0] + "\n" + paths[1] + "\n" + paths[2]);

    ControllerHarness one;
    one.UseInput("all.txt", files[0].second + files[1].second + files[2].second);
    one.controller.cmdListWords_Click();
    EXPECT_EQ(listed, one.view.box.Text());

    // Choosing one file again counts it alone.
    many.view.inputFilesChoice = std::vector<std::string>{paths[1]};
    many.controller.cmdFile_Click(0);
    EXPECT_EQ(many.settings.txbFile[0], paths[1]);
    EXPECT_TRUE(many.controller.ChosenFiles().empty());
}

TEST(FileList, TheBoxNoLongerNamingTheFilesEndsTheChoice) {
    ControllerHarness h;
    const auto paths = Write(h, {{"a.txt", "one\r\n"}, {"b.txt", "two\r\n"}});
    h.view.inputFilesChoice = paths;
    h.controller.cmdFile_Click(0);
    EXPECT_EQ(h.controller.ChosenFiles(), paths);
    // Leaving the box as it is asks nothing about "2 files in ...".
    h.controller.txbFile_LostFocus(0);
    EXPECT_TRUE(h.view.boxes.empty()) << h.view.Titles()[0];
    h.settings.txbFile[0] = paths[0];
    EXPECT_TRUE(h.controller.ChosenFiles().empty());
    // A cleared box forgets them, even if their name comes back.
    h.settings.txbFile[0] = "2 files in " + FolderName(h);
    EXPECT_EQ(h.controller.ChosenFiles(), paths);
    h.controller.cmdClearFile_Click(0);
    h.settings.txbFile[0] = "2 files in " + FolderName(h);
    EXPECT_TRUE(h.controller.ChosenFiles().empty());
}

TEST(FileList, InputFolderTakesSubfoldersThroughTheFilter) {
    struct Case {
        std::optional<std::string> filter;  // nullopt: cancelled
        std::string box;                    // "" : the box is left as it was
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {"*.txt *.docx *.odt", "2 files in ", {}},
        {"*.txt *.md", "3 files in ", {}},
        {"*.MD", "", {}},  // one file: taken as the input file itself
        {"*.csv", "", {"Input folder"}},
        {std::nullopt, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter.value_or("cancelled"));
        ControllerHarness h;
        Write(h, {{"a.txt", "one\r\n"},
                  {"notes.md", "two\r\n"},
                  {"sub/b.txt", "three\r\n"},
                  {".hidden.txt", "x\r\n"}});
        h.settings.txbFile[0] = "before";
        h.view.inputFolderChoice = h.dir.path().string();
        h.view.inputBoxAnswers = {c.filter};
        h.controller.cmdInputFolder_Click();
        ASSERT_EQ(h.view.inputBoxes.size(), 1u);
        EXPECT_EQ(h.view.inputBoxes[0].defaultValue, "*.txt *.docx *.odt");
        if (c.filter == "*.MD") {
            EXPECT_EQ(h.settings.txbFile[0], (h.dir.path() / "notes.md").string());
            continue;  // its own checks and questions are those of "Input file"
        }
        EXPECT_EQ(h.view.Titles(), c.titles);
        if (c.box.empty()) {
            EXPECT_EQ(h.settings.txbFile[0], "before");
        } else {
            EXPECT_EQ(h.settings.txbFile[0], c.box + FolderName(h));
        }
    }
}

TEST(FileList, TheEncodingQuestionOffersAnAnswerForAll) {
    struct Case {
        std::deque<Answer> answers;
        size_t questions;
        bool asUtf8;
    };
    const std::vector<Case> cases = {
        {{Answer::YesToAll}, 1, true},
        {{Answer::NoToAll}, 1, false},
        {{Answer::Yes, Answer::Yes, Answer::Yes}, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.questions);
        ControllerHarness h;
        // Windows-1252 text, which a count of words in any script reads as
        // such only when told the file is not UTF-8.
        h.settings.chkUnicodeWords = 1;
        h.settings.chkUTF8 = 1;
        const std::string ansi = "caf\xE9 bar\r\n";
        const auto paths = Write(h, {{"a.txt", ansi}, {"b.txt", ansi}, {"c.txt", ansi}});
        h.view.answers = c.answers;
        const std::string listed = CountChosen(h, paths);
        ASSERT_EQ(h.view.boxes.size(), c.questions) << h.view.Titles()[0];
        for (const MessageBox& box : h.view.boxes) {
            EXPECT_EQ(box.title, kUtf8OrAnsiTitle);
            EXPECT_EQ(box.buttons, Buttons::YesNoToAllCancel);
        }
        EXPECT_EQ(listed.find("3  caf\xC3\xA9") == std::string::npos, c.asUtf8) << listed;
        EXPECT_EQ(h.settings.chkUTF8, 1);  // the setting is the user's again
    }
}

// The refusals among good files are the same whether the run's thread
// checks a file or a worker does: a worker checks the plain-text files
// once the encoding question has an answer for all.
TEST(FileList, RefusedFilesAreToldAndListedWhoeverChecksThem) {
    for (const Answer first : {Answer::No, Answer::NoToAll}) {
        SCOPED_TRACE(static_cast<int>(first));
        ControllerHarness h;
        const auto paths =
            Write(h, {{"u.txt", "\xEF\xBB\xBFutf eight\r\n"},
                      {"empty.txt", ""},
                      {"binary.txt", std::string("\x01\x02\x03\x04\x05\x06\x07\x08 bytes", 14)},
                      {"mac.txt", "carriage\rreturn\r"},
                      {"gone.txt", "soon gone\r\n"},
                      {"good.txt", "good words\r\n"}});
        h.view.inputFilesChoice = paths;
        h.controller.cmdFile_Click(0);
        std::filesystem::remove(paths[4]);
        h.view.answers = {first};
        h.controller.cmdListWords_Click();

        const std::vector<std::string> titles = {
            std::string(kUtf8OrAnsiTitle),   "Empty file",     "Not a text file",
            "This is a Mac-style text file", "File not found", "Files not counted"};
        ASSERT_EQ(h.view.Titles(), titles);
        EXPECT_EQ(h.view.boxes[5].text, "3 of 6 files could not be counted:\r\n" + paths[1] +
                                            " (Input file is zero-length.)\r\n" + paths[2] +
                                            " (is not an ANSI or UTF-8 encoded text file.)\r\n" + paths[4] +
                                            " (Input file does not exist.)");
        for (const char* word : {"utf", "carriage", "good"}) {
            EXPECT_NE(h.view.box.Text().find(word), std::string::npos) << word;
        }
        EXPECT_EQ(h.view.box.Text().find("bytes"), std::string::npos);
    }
}

// A damaged document among the files is left out; the choice and the
// rest of the run stay.
TEST(FileList, ARefusedDocumentLeavesTheChoiceAlone) {
    ControllerHarness h;
    const auto paths = Write(h, {{"a.txt", "cat\r\n"}, {"bad.docx", std::string("PK\x03\x04 damaged", 12)}});
    h.view.answers = {Answer::No, Answer::Ok, Answer::Ok, Answer::Ok};
    CountChosen(h, paths);
    EXPECT_EQ(h.controller.ChosenFiles(), paths);
    EXPECT_NE(h.view.box.Text().find("cat"), std::string::npos) << h.view.box.Text();
    ASSERT_FALSE(h.view.boxes.empty());
    EXPECT_EQ(h.view.boxes.back().title, "Files not counted");
    EXPECT_NE(h.view.boxes.back().text.find(paths[1]), std::string::npos) << h.view.boxes.back().text;
}

TEST(FileList, AStopDuringTheCountKeepsWhatWasCounted) {
    ControllerHarness h;
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 0; i < 200; ++i)
        files.emplace_back("f" + std::to_string(1000 + i) + ".txt", "word common\r\n");
    const auto paths = Write(h, files);
    h.view.inputFilesChoice = paths;
    h.controller.cmdFile_Click(0);
    // The first look at the window stops the count; its words are listed.
    h.view.onYield = [&h] {
        h.view.answers = {Answer::Yes, Answer::Yes};
        h.controller.cmdListWords_Click();
    };
    h.controller.cmdListWords_Click();
    EXPECT_EQ(h.view.Titles().back(), "Counting interrupted");
    EXPECT_TRUE(h.controller.State().blnPartialCount);
    ASSERT_TRUE(h.controller.State().count);
    EXPECT_LT(h.controller.State().count->lngTotalNumOccurrences(), 400);
    EXPECT_EQ(h.view.caption, T(73));
    EXPECT_TRUE(h.view.controlsEnabled);
}

TEST(FileList, FilesAndTheirColumnsInTheTableAndTheStatistics) {
    for (const bool perFile : {false, true}) {
        SCOPED_TRACE(perFile);
        ControllerHarness h;
        const auto paths = Write(h, {{"a.txt", "cat cat dog\r\n"}, {"sub/b.txt", "cat bird\r\n"}});
        h.controller.SetFileColumns(true, perFile);
        CountChosen(h, paths);
        const ExportTable& table = h.view.wordTable;
        EXPECT_TRUE(table.countsFiles);
        const std::vector<std::string> columns = {"a.txt", "sub/b.txt"};
        const std::vector<std::int64_t> counts = {2, 1};
        EXPECT_EQ(table.fileColumns, perFile ? columns : std::vector<std::string>());
        ASSERT_EQ(table.rows.size(), 3u);
        EXPECT_EQ(table.rows[0].word, "cat");
        EXPECT_EQ(table.rows[0].files, 2);
        EXPECT_EQ(table.rows[0].byFile, perFile ? counts : std::vector<std::int64_t>());
        EXPECT_NE(h.view.Label(StatusLabel::lblStatistics)
                      .find("2 files: 2 different words, 2 to 3 instances each"),
                  std::string::npos)
            << h.view.Label(StatusLabel::lblStatistics);
        EXPECT_EQ(h.view.statisticsTip,
                  "a.txt: 2 different words, 3 instances\nsub/b.txt: 2 different words, 2 instances");
    }
    // A count of one file has neither.
    ControllerHarness one;
    one.UseInput("a.txt", "cat\r\n");
    one.controller.cmdListWords_Click();
    EXPECT_FALSE(one.view.wordTable.countsFiles);
    EXPECT_EQ(one.view.statisticsTip, "");
}

TEST(FileList, NothingIsWrittenOverAChosenFileAndContextsAreOfOneFile) {
    ControllerHarness h;
    const auto paths = Write(h, {{"a.txt", "cat\r\n"}, {"b.txt", "dog\r\n"}});
    h.settings.txbFile[1] = paths[1];
    CountChosen(h, paths);
    ASSERT_EQ(h.view.Titles(), std::vector<std::string>{T(34)});
    EXPECT_EQ(h.view.boxes[0].text, "Output file cannot be the same as the input file.");
    EXPECT_EQ(ReadFileBytes(paths[1]), "dog\r\n");

    h.settings.txbFile[1].clear();
    h.controller.cmdListWords_Click();
    ASSERT_TRUE(h.controller.State().blnListShown) << h.view.Titles().back() << h.view.box.Text();
    h.controller.FindContexts("cat", 40);
    ASSERT_FALSE(h.view.contextStatuses.empty());
    EXPECT_EQ(h.view.contextStatuses.back(),
              "Contexts are found in one file or in the clipboard's text; the last count was of 2 files.");
}

}  // namespace
}  // namespace lexicount::test
