// Saving and restoring the settings record through the 38-line state file.

#include "settings/state_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "support/test_support.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;
using test::W;

// The file the default record gives, one entry a line.
std::vector<std::string> DefaultLines() {
    std::vector<std::string> lines = {"\"\"", "\"\"", "\"\"", "\"/*\"", "\"*/\"", "\"//\"", "\"\"",
                                      "1",    "7",    "0",    "1",      "0",      "0",      "1",
                                      "1",    "1",    "0",    "0",      "1"};
    lines.insert(lines.end(), 10, "0");  // lines 20 to 29
    lines.push_back("1");
    lines.insert(lines.end(), 6, "0");  // lines 31 to 36
    lines.push_back("\"\"");
    lines.push_back("0");
    lines.push_back("0");  // line 39, added later: chkUnicodeWords
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) text += line + std::string(lineEnd);
    return text;
}

// Lines of the defaults with line n (1-based) replaced.
std::string DefaultsWithLine(int n, const std::string& value) {
    auto lines = DefaultLines();
    lines[n - 1] = value;
    return Joined(lines);
}

struct Restored {
    std::string message;
    SettingsRecord settings;
    std::string commonWordsFile = "unchanged";
    std::string wordsToIgnore = "unchanged";
};

Restored RestoreFrom(const fs::path& file, SettingsRecord start = {}) {
    Restored r;
    r.settings = start;
    r.message = RestoreSavedState(r.settings, r.commonWordsFile, r.wordsToIgnore, file);
    return r;
}

Restored RestoreBytes(const std::string& bytes, SettingsRecord start = {}) {
    TempDir dir;
    return RestoreFrom(dir.Write("s.tly", bytes), start);
}

std::string Restore(std::string_view description) {
    return std::string(kRestoreErrorPrefix) + std::string(description);
}

TEST(StateFile, DefaultsGiveTheDocumentedBytes) {
    TempDir dir;
    const auto file = dir.path() / "tly.usr";
    ASSERT_EQ(SaveState(SettingsRecord{}, "", file), "");
    EXPECT_EQ(ReadFileBytes(file), Joined(DefaultLines()));
}

struct NumberLine {
    int line;
    std::string_view field;
};

// Where each number lives in the file.
constexpr NumberLine kNumberLines[] = {{8, "cboShortWordSize"},
                                       {9, "cboLongWordSize"},
                                       {10, "cboThresholdFrequency"},
                                       {11, "chkIgnoreShortWords"},
                                       {12, "chkIgnoreInfrequentWords"},
                                       {13, "chkIgnoreCommonWords"},
                                       {14, "chkIgnoreRepetitions"},
                                       {15, "chkIgnoreRomNum40"},
                                       {16, "chkIgnoreNoLetter"},
                                       {17, "chkCaseSignificant"},
                                       {18, "chkDropFinalS"},
                                       {19, "chkAllowWordsWithHyphens"},
                                       {20, "chkAllowWordsWithApostrophes"},
                                       {21, "chkAllowWordsWithUnderscores"},
                                       {22, "chkAllowWordsWithColons"},
                                       {23, "chkAllowWordsWithBackslashes"},
                                       {24, "chkAllowWordsWithForwardslashes"},
                                       {25, "chkAllowWordsWithPeriods"},
                                       {26, "chkAllowWordsWithAtSigns"},
                                       {27, "chkAllowWordsWithNumerals"},
                                       {28, "chkOutputWithCommas"},
                                       {31, "chkWarnOnOverwrite"},
                                       {32, "chkSaveStateOnQuit"},
                                       {33, "chkSuppressWords"},
                                       {34, "chkDisableOutputToFile"},
                                       {35, "cboWordOrder"},
                                       {36, "cboDisplayFormat"},
                                       {38, "chkOnly7bitASCII"},
                                       {39, "chkUnicodeWords"}};

TEST(StateFile, EachNumberIsReadFromItsOwnLine) {
    for (const auto& [line, field] : kNumberLines) {
        const std::string value = field == "cboShortWordSize" || field == "cboWordOrder" ? "0" : "2";
        const Restored r = RestoreBytes(DefaultsWithLine(line, value));
        ASSERT_EQ(r.message, "") << field;
        for (const auto& [otherLine, other] : kNumberLines) {
            const int expected = other == field ? std::stoi(value) : *GetNumber(SettingsRecord{}, other);
            EXPECT_EQ(GetNumber(r.settings, other), expected) << "line " << line << " read into " << other;
        }
    }
}

// A record with every text and list unlike its default and unlike each other.
SettingsRecord UnusualRecord() {
    SettingsRecord s;
    s.txbFile[0] = "/home/zoë/in put.txt";
    s.txbFile[1] = "/tmp/out,file.csv";
    s.txbWordsToIgnore = W("apple café");
    s.txbStartComment[0] = W("«");
    s.txbEndComment[0] = W("»");
    s.txbStartComment[1] = "<!--";
    s.txbEndComment[1] = "-->";
    s.cboShortWordSize = 13;
    s.cboLongWordSize = 15;
    s.cboThresholdFrequency = 7;
    s.cboWordOrder = 1;
    s.cboDisplayFormat = 9;
    s.chkAllowCommentMarkers = 0;
    return s;
}

// One check box at a time takes the greyed value 2, so a value written to
// or read from the wrong line shows.
TEST(StateFile, EveryFieldSurvivesASaveAndRestore) {
    TempDir dir;
    const auto file = dir.path() / "all.tly";
    for (const auto& [line, box] : kNumberLines) {
        if (box.starts_with("cbo")) continue;
        SettingsRecord s = UnusualRecord();
        ASSERT_TRUE(SetNumber(s, box, 2));
        ASSERT_EQ(SaveState(s, "/usr/share/lexicount/cwds_fr.txt", file), "");

        SettingsRecord before;
        before.chkAllowCommentMarkers = 0;
        const Restored r = RestoreFrom(file, before);
        ASSERT_EQ(r.message, "");
        SettingsRecord expected = s;
        expected.chkAllowCommentMarkers = 1;  // never taken from the file
        expected.txbCommonWordsFile = "/usr/share/lexicount/cwds_fr.txt";
        for (const auto& field : SettingsFields()) {
            EXPECT_EQ(GetNumber(r.settings, field.name), GetNumber(expected, field.name))
                << box << field.name;
            EXPECT_EQ(GetText(r.settings, field.name), GetText(expected, field.name)) << box << field.name;
        }
        EXPECT_EQ(r.commonWordsFile, "/usr/share/lexicount/cwds_fr.txt");
        EXPECT_EQ(r.wordsToIgnore, W(" apple café "));
    }
}

// Every saved field away from its default, every text beyond ASCII: the
// exact bytes, and the same record back.
TEST(StateFile, EveryFieldAwayFromItsDefaultGivesItsBytesAndComesBack) {
    SettingsRecord s;
    s.txbFile[0] = "/home/zoë/in.txt";
    s.txbFile[1] = "/tmp/out ø.csv";
    s.txbWordsToIgnore = W("café thé");
    s.txbStartComment[0] = W("«");
    s.txbEndComment[0] = W("»");
    s.txbStartComment[1] = W("¿");
    s.txbEndComment[1] = W("¡");
    s.cboShortWordSize = 13;
    s.cboLongWordSize = 15;
    s.cboThresholdFrequency = 7;
    s.chkIgnoreShortWords = 0;
    s.chkIgnoreInfrequentWords = 1;
    s.chkIgnoreCommonWords = 1;
    s.chkIgnoreRepetitions = 0;
    s.chkIgnoreRomNum40 = 0;
    s.chkIgnoreNoLetter = 0;
    s.chkCaseSignificant = 1;
    s.chkDropFinalS = 1;
    s.chkAllowWordsWithHyphens = 0;
    s.chkAllowWordsWithApostrophes = 1;
    s.chkAllowWordsWithUnderscores = 1;
    s.chkAllowWordsWithColons = 1;
    s.chkAllowWordsWithBackslashes = 1;
    s.chkAllowWordsWithForwardslashes = 1;
    s.chkAllowWordsWithPeriods = 1;
    s.chkAllowWordsWithAtSigns = 1;
    s.chkAllowWordsWithNumerals = 1;
    s.chkOutputWithCommas = 1;
    s.chkAllowCommentMarkers = 0;
    s.chkWarnOnOverwrite = 1;
    s.chkSaveStateOnQuit = 1;
    s.chkSuppressWords = 1;
    s.chkDisableOutputToFile = 1;
    s.cboWordOrder = 1;
    s.cboDisplayFormat = 9;
    s.chkOnly7bitASCII = 1;
    s.chkUnicodeWords = 1;
    s.txbCommonWordsFile = "/typed/not/yet/taken.txt";  // the file names the path in use
    s.chkUTF8 = 1;                                      // not saved
    s.source = SourceOption::optOnClipboard;            // not saved
    TempDir dir;
    const auto file = dir.path() / "all.tly";
    ASSERT_EQ(SaveState(s, "/usr/share/lexicount/cwds_fr.txt", file), "");

    std::vector<std::string> lines = {"\"/home/zoë/in.txt\"",
                                      "\"/tmp/out ø.csv\"",
                                      "\"café thé\"",
                                      "\"«\"",
                                      "\"»\"",
                                      "\"¿\"",
                                      "\"¡\"",
                                      "13",
                                      "15",
                                      "7",
                                      "0",
                                      "1",
                                      "1",
                                      "0",
                                      "0",
                                      "0",
                                      "1",
                                      "1",
                                      "0"};
    lines.insert(lines.end(), 9, "1");  // lines 20 to 28
    lines.insert(lines.end(),
                 {"0", "0", "1", "1", "1", "1", "1", "9", "\"/usr/share/lexicount/cwds_fr.txt\"", "1", "1"});
    EXPECT_EQ(ReadFileBytes(file), Joined(lines));

    const Restored r = RestoreFrom(file);
    ASSERT_EQ(r.message, "");
    SettingsRecord expected = s;
    expected.chkAllowCommentMarkers = 1;
    expected.txbCommonWordsFile = "/usr/share/lexicount/cwds_fr.txt";
    expected.chkUTF8 = 0;
    expected.source = SourceOption::optInFile;
    for (const auto& field : SettingsFields()) {
        EXPECT_EQ(GetNumber(r.settings, field.name), GetNumber(expected, field.name)) << field.name;
        EXPECT_EQ(GetText(r.settings, field.name), GetText(expected, field.name)) << field.name;
    }
    EXPECT_EQ(r.commonWordsFile, "/usr/share/lexicount/cwds_fr.txt");
    EXPECT_EQ(r.wordsToIgnore, W(" café thé "));
}

// Files saved before line 39 existed load unchanged, with the setting of
// that line off, whatever it was before; a file cut within the first 38
// lines is still refused.
TEST(StateFile, FilesWithoutTheAddedLinesLoadWithTheirDefaults) {
    std::vector<std::string> lines = DefaultLines();
    lines[37] = "1";  // chkOnly7bitASCII
    SettingsRecord before;
    before.chkUnicodeWords = 1;
    lines.resize(38);
    std::string bytes = Joined(lines);
    bytes.erase(bytes.size() - 2);  // without its last line end
    for (const std::string_view end : {"", "\r\n", "\r\n\r\n"}) {
        const Restored r = RestoreBytes(bytes + std::string(end), before);
        EXPECT_EQ(r.message, "") << end.size();
        EXPECT_EQ(r.settings.chkOnly7bitASCII, 1) << end.size();
        EXPECT_EQ(r.settings.chkUnicodeWords, 0) << end.size();
    }
    lines.resize(37);
    EXPECT_NE(RestoreBytes(Joined(lines), before).message, "");
}

TEST(StateFile, TextsAreWrittenAsUtf8WithoutDoubleQuotes) {
    SettingsRecord s;
    s.txbFile[0] = "my \"quoted\" file";
    s.txbStartComment[0] = W("«");
    TempDir dir;
    const auto file = dir.path() / "q.tly";
    ASSERT_EQ(SaveState(s, "", file), "");
    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "\"my quoted file\"");
    EXPECT_NE(bytes.find("\r\n\"\xC2\xAB\"\r\n"), std::string::npos);
    EXPECT_EQ(RestoreFrom(file).settings.txbFile[0], "my quoted file");
}

TEST(StateFile, WordsToIgnoreAreNormalisedOnRestore) {
    const Restored r = RestoreBytes(DefaultsWithLine(3, "\"Pear, apple  pear\""));
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.settings.txbWordsToIgnore, "apple pear");
    EXPECT_EQ(r.wordsToIgnore, " apple pear ");
}

TEST(StateFile, UnselectedListRestoresEverythingAndIsReported) {
    auto lines = DefaultLines();
    lines[7] = "-1";
    lines[0] = "\"in.txt\"";
    lines[37] = "1";
    const Restored r = RestoreBytes(Joined(lines));
    EXPECT_EQ(r.message, kInvalidComboBoxIndex);
    EXPECT_EQ(r.settings.cboShortWordSize, -1);
    EXPECT_EQ(r.settings.txbFile[0], "in.txt");
    EXPECT_EQ(r.settings.chkOnly7bitASCII, 1);
}

TEST(StateFile, RefusedValueStopsTheRestoreWithEarlierValuesKept) {
    auto lines = DefaultLines();
    lines[0] = "\"in.txt\"";
    lines[6] = "\"end\"";
    lines[7] = "14";  // one past the last short-word size
    lines[8] = "3";
    SettingsRecord start;
    start.cboLongWordSize = 5;
    const Restored r = RestoreBytes(Joined(lines), start);
    EXPECT_EQ(r.message, Restore("Invalid property value"));
    EXPECT_EQ(r.settings.txbFile[0], "in.txt");
    EXPECT_EQ(r.settings.txbEndComment[1], "end");
    EXPECT_EQ(r.settings.cboLongWordSize, 5);
}

TEST(StateFile, ShortFileStopsAtItsEnd) {
    auto lines = DefaultLines();
    lines.resize(20);
    lines[18] = "0";  // line 19, hyphens
    SettingsRecord start;
    start.chkOutputWithCommas = 1;
    const Restored r = RestoreBytes(Joined(lines), start);
    EXPECT_EQ(r.message, Restore("Input past end of file"));
    EXPECT_EQ(r.settings.chkAllowWordsWithHyphens, 0);
    EXPECT_EQ(r.settings.chkOutputWithCommas, 1);
    EXPECT_EQ(r.commonWordsFile, "unchanged");
}

struct NumberCase {
    int line;
    std::string value;
    int expected;             // when no error
    std::string description;  // error, or "" for none
};

class NumberLines : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberLines, AreReadByTheirLeadingRoundedValue) {
    const NumberCase& c = GetParam();
    const Restored r = RestoreBytes(DefaultsWithLine(c.line, c.value));
    const int got = c.line == 9 ? r.settings.cboLongWordSize : r.settings.chkDropFinalS;
    if (c.description.empty()) {
        EXPECT_EQ(r.message, "") << c.value;
        EXPECT_EQ(got, c.expected) << c.value;
    } else {
        EXPECT_EQ(r.message, Restore(c.description)) << c.value;
    }
}

// Line 18 is a check box (chkDropFinalS), line 9 a list of 16 items.
INSTANTIATE_TEST_SUITE_P(
    StateFile, NumberLines,
    testing::Values(
        NumberCase{18, "1.4", 1, ""}, NumberCase{18, "0.6", 1, ""}, NumberCase{18, ".6", 1, ""},
        NumberCase{18, "abc", 0, ""}, NumberCase{18, "", 0, ""}, NumberCase{18, "2", 2, ""},
        NumberCase{18, "0.5", 0, ""}, NumberCase{18, "1.5", 2, ""}, NumberCase{18, "2.5", 2, ""},
        NumberCase{18, "  +1", 1, ""}, NumberCase{18, "-0.4", 0, ""}, NumberCase{18, "1abc", 1, ""},
        NumberCase{18, "\"1\"", 1, ""}, NumberCase{18, "3", 0, "Invalid property value"},
        NumberCase{18, "-1", 0, "Invalid property value"}, NumberCase{18, "2.6", 0, "Invalid property value"},
        NumberCase{18, "40000", 0, "Overflow"}, NumberCase{18, std::string(400, '9'), 0, "Overflow"},
        NumberCase{9, "15", 15, ""}, NumberCase{9, "6.5", 6, ""}, NumberCase{9, "7.5", 8, ""},
        NumberCase{9, "16", 0, "Invalid property value"}, NumberCase{9, "-2", 0, "Invalid property value"},
        NumberCase{9, "-32769", 0, "Overflow"}));

TEST(StateFile, FieldsAreSplitAtCommasUnlessQuoted) {
    auto lines = DefaultLines();
    lines.erase(lines.begin(), lines.begin() + 2);
    lines.insert(lines.begin(), "  \"a,b\" , c d  ");  // lines 1 and 2 on one line
    const Restored r = RestoreBytes(Joined(lines));
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.settings.txbFile[0], "a,b");
    EXPECT_EQ(r.settings.txbFile[1], "c d");
}

TEST(StateFile, AnyLineEndIsAccepted) {
    auto lines = DefaultLines();
    lines[1] = "\"out.txt\"";
    lines[37] = "1";
    for (std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
        const Restored r = RestoreBytes(Joined(lines, lineEnd));
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.settings.txbFile[1], "out.txt");
        EXPECT_EQ(r.settings.chkOnly7bitASCII, 1);
    }
}

TEST(StateFile, Windows1252FileIsReadLikeItsUtf8Twin) {
    for (std::string path : {"\"/tmp/Z\xFCrich\"", "\"/tmp/Z\xC3\xBCrich\""}) {
        const Restored r = RestoreBytes(DefaultsWithLine(1, path));
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.settings.txbFile[0], "/tmp/Z\xC3\xBCrich");
    }
    const Restored words = RestoreBytes(DefaultsWithLine(3, "\"caf\xE9\""));
    EXPECT_EQ(words.settings.txbWordsToIgnore, W("café"));
    const Restored bom = RestoreBytes("\xEF\xBB\xBF" + DefaultsWithLine(3, "\"caf\xC3\xA9\""));
    EXPECT_EQ(bom.settings.txbWordsToIgnore, W("café"));
}

TEST(StateFile, FileErrorsAreDescribed) {
    TempDir dir;
    const auto folder = dir.path() / "folder";
    fs::create_directory(folder);
    const auto plainFile = dir.Write("plain", "x");
    struct Case {
        fs::path path;
        std::string description;
    };
    const Case restores[] = {{dir.path() / "missing.tly", "File not found"},
                             {folder, "Path/File access error"},
                             {plainFile / "s.tly", "Path not found"},
                             {"", "Bad file name or number"}};
    for (const auto& c : restores) EXPECT_EQ(RestoreFrom(c.path).message, Restore(c.description)) << c.path;
    const Case saves[] = {{dir.path() / "no" / "s.tly", "Path not found"},
                          {plainFile / "s.tly", "Path not found"},
                          {folder, "Path/File access error"},
                          {"", "Bad file name or number"}};
    for (const auto& c : saves) {
        EXPECT_EQ(SaveState({}, "", c.path), std::string(kSaveErrorPrefix) + c.description) << c.path;
    }
}

TEST(StateFile, HostileFilesGiveAMessage) {
    EXPECT_EQ(RestoreBytes(std::string(10 << 20, 'x')).message, Restore("File too large"));
    EXPECT_EQ(RestoreBytes(DefaultsWithLine(2, std::string(100000, 'x'))).message, Restore("Line too long"));
    EXPECT_EQ(RestoreBytes("\"unterminated\r\n1\r\n2\r\n").message, Restore("Input past end of file"));
    EXPECT_EQ(RestoreBytes("").message, Restore("Input past end of file"));
    std::mt19937 random(12345);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(random());
    EXPECT_NE(RestoreBytes(garbage).message, "");
}

TEST(StateFile, SaveReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const auto file = dir.Write("tly.usr", std::string(5000, 'z'));
    ASSERT_EQ(SaveState({}, "", file), "");
    EXPECT_EQ(ReadFileBytes(file), Joined(DefaultLines()));
    fs::create_directory(dir.path() / "sub");
    EXPECT_NE(SaveState({}, "", dir.path() / "sub"), "");  // a folder cannot be replaced
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(dir.path())) entries.push_back(entry.path().filename());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<fs::path>{"sub", "tly.usr"}));
}

TEST(StateFile, SavingThroughALinkKeepsTheLink) {
    TempDir dir;
    const auto real = dir.Write("real.tly", "old");
    const auto link = dir.path() / "link.tly";
    fs::create_symlink(real, link);
    ASSERT_EQ(SaveState({}, "", link), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(real), Joined(DefaultLines()));
}

// A file-size limit makes the write itself fail, whoever runs the test.
TEST(StateFile, FailedSaveLeavesThePreviousFileIntact) {
    TempDir dir;
    const auto file = dir.Write("tly.usr", "previous");
    SettingsRecord s;
    s.txbFile[0] = std::string(4096, 'x');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = SaveState(s, "", file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(message.starts_with(kSaveErrorPrefix)) << message;
    EXPECT_GT(message.size(), kSaveErrorPrefix.size());
    EXPECT_EQ(ReadFileBytes(file), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace lexicount
