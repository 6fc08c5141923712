// Hostile settings files through lexicount-cli and hostile copies of the
// shipped program-text file: each gives its message, changes nothing it
// should not, and never crashes.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/program_texts.h"
#include "settings/state_file.h"
#include "support/child_process.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

// The 39 lines of a settings file as the tool saves them.
std::vector<std::string> SavedLines(const TempDir& dir) {
    const fs::path file = dir.path() / "saved.tly";
    const ChildResult run = RunChild(CliPath(), {"--save-settings", file.string()}, seconds(20));
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(file));
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    EXPECT_EQ(lines.size(), 39u);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l;
    return text;
}

struct SettingsCase {
    std::string name;
    std::string bytes;
    std::string refusal;  // how the message begins
};

const std::string kRestore = "Load settings: " + std::string(kRestoreErrorPrefix);

// A settings file the tool cannot restore stops it before the count: the
// message names the fault and an existing output file keeps its content.
TEST(HostileDataFiles, SettingsFilesThatCannotBeRestoredStopTheCount) {
    TempDir dir;
    std::vector<std::string> lines = SavedLines(dir);
    std::vector<std::string> tenMegabyteLine = lines;
    tenMegabyteLine[2] = "\"" + std::string(10 << 20, 'w') + "\"\r\n";
    // Line 39 came later and may be missing; line 38 may not.
    std::vector<std::string> missingLine = lines;
    missingLine.resize(37);
    std::mt19937 random(20240601);
    std::string garbage;
    for (int i = 0; i < 65536; ++i) garbage += static_cast<char>(random());
    const SettingsCase cases[] = {
        {"a 10 MB line", Joined(tenMegabyteLine), kRestore + "File too large"},
        {"a missing line", Joined(missingLine), kRestore + "Input past end of file"},
        // Read by the file's rules, garbage gives 38 fields whose numbers
        // are 0 (valid for every box and list); the words to ignore it
        // leaves hold characters no word may have, which stops the count.
        {"binary garbage", garbage, "Character not allowed: The character "},
    };
    const fs::path input = dir.Write("in.txt", "alpha beta gamma\n");
    for (const SettingsCase& c : cases) {
        const fs::path settings = dir.Write("hostile.tly", c.bytes);
        const fs::path output = dir.Write("list.txt", "previous list");
        const ChildResult run = RunChild(
            CliPath(), {"--settings", settings.string(), "--output", output.string(), input.string()},
            seconds(30));
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_TRUE(run.err.starts_with(c.refusal)) << c.name << ": " << run.err.substr(0, 200);
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_EQ(ReadFileBytes(output), "previous list") << c.name;
        EXPECT_EQ(ReadFileBytes(settings), c.bytes) << c.name;  // reading never writes
    }
}

// A save that fails half-way (the disk full, provoked by a file-size limit,
// which holds even for root) leaves the previous settings file whole.
TEST(HostileDataFiles, FailedSettingsSaveKeepsThePreviousFile) {
    TempDir dir;
    const fs::path file = dir.Write("kept.tly", "previous settings");
    const ChildResult run = RunChild(
        CliPath(), {"--set", "txbWordsToIgnore=" + std::string(2000, 'w'), "--save-settings", file.string()},
        seconds(20), 512);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("Save settings: " + std::string(kSaveErrorPrefix))) << run.err;
    EXPECT_EQ(ReadFileBytes(file), "previous settings");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// The shipped tly.dat with one fault added: the load names the fault and
// its line, and the table in use keeps the texts it had.
TEST(HostileDataFiles, DamagedProgramTextFiles) {
    const std::string shipped = ReadFileBytes(ProgramDataDir() / "tly.dat");
    ASSERT_FALSE(shipped.empty());
    std::vector<std::string> lines;
    std::istringstream in(shipped);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const int next = static_cast<int>(lines.size()) + 1;  // the line an appended text lands on
    size_t firstText = 0;
    while (lines[firstText].empty() || lines[firstText][0] == '#') ++firstText;
    const std::string duplicate = lines[firstText];

    struct Case {
        std::string name;
        std::string bytes;
        int result;
        std::string message;
    };
    const Case cases[] = {
        {"a duplicate", shipped + duplicate + "\n", DuplicateProgramTextAt(next),
         "Duplicate in program text at line " + std::to_string(next) + "."},
        {"an over-long text", shipped + "9999 0 " + std::string(5000, 'x') + "\n", ProgramTextTooLongAt(next),
         "String too long at line " + std::to_string(next) + "."},
        {"a missing text", shipped + "9999 0\n", MissingProgramTextAt(next),
         "Missing string at line " + std::to_string(next) + "."},
        {"a line of garbage", shipped + "\x01\xFF garbage\n", kProgramTextMalformedLine, "Error -5"},
    };
    TempDir dir;
    ProgramTexts texts;
    ASSERT_GT(texts.Load(ProgramDataDir() / "tly.dat"), 0);
    const std::string firstNumber = duplicate.substr(0, duplicate.find(' '));
    const std::string before = texts.Get(std::stoi(firstNumber));
    ASSERT_FALSE(before.empty());
    for (const Case& c : cases) {
        const int result = texts.Load(dir.Write("tly.dat", c.bytes));
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(ProgramTextLoadMessage(result, "tly.dat"), c.message) << c.name;
        EXPECT_EQ(texts.Get(std::stoi(firstNumber)), before) << c.name;
    }
    // A text left out of the file is simply not there: asking for it gives "".
    std::string withoutFirst = shipped;
    withoutFirst.erase(withoutFirst.find(duplicate), duplicate.size() + 1);
    ASSERT_GT(texts.Load(dir.Write("tly.dat", withoutFirst)), 0);
    EXPECT_EQ(texts.Get(std::stoi(firstNumber)), "");
}

}  // namespace
}  // namespace lexicount::test
