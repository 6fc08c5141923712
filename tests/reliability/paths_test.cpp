// Hostile paths through lexicount-cli: inputs that are not regular files,
// outputs that cannot be written, and an output that is the input under
// another name. Each is refused at once with a message, and no file of the
// user's is changed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

const std::string kText = "alpha beta gamma alpha\n";

struct RefusedInput {
    std::string name;
    fs::path path;
    std::string message;  // "" for the message of a file that cannot be opened
};

// A FIFO nobody writes to and two devices: opening the FIFO or reading
// /dev/zero to its end would never return, so each must be refused from
// what the path is, before reading. A folder is an input of its own files:
// an empty one (also one named like a document) has none to count.
TEST(HostilePaths, InputsThatAreNotRegularFilesAreRefusedAtOnce) {
    TempDir dir;
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.path() / "folder");
    fs::create_directory(dir.path() / "folder.docx");
    const RefusedInput inputs[] = {
        {"folder", dir.path() / "folder", "Lexicount: no file to count."},
        {"FIFO", fifo, ""},
        {"endless device", "/dev/zero", ""},
        {"empty device", "/dev/null", ""},
        {"folder named like a document", dir.path() / "folder.docx", "Lexicount: no file to count."}};
    for (const RefusedInput& c : inputs) {
        const fs::path output = dir.Write("list.txt", "previous list");
        const ChildResult run =
            RunChild(CliPath(), {"--output", output.string(), c.path.string()}, seconds(20));
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
        const std::string message =
            c.message.empty() ? "File " + c.path.string() + "\ncannot be opened." : c.message;
        EXPECT_NE(run.err.find(message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(ReadFileBytes(output), "previous list") << c.name;
    }
}

struct RefusedOutput {
    std::string name;
    fs::path path;
    std::string reason;  // the system's description, as printed
};

// As root no permission stops a write, so "read-only" is provoked by a path
// under a regular file and by a file-size limit of the process.
TEST(HostilePaths, OutputsThatCannotBeWrittenAreRefusedBeforeCounting) {
    TempDir dir;
    const fs::path input = dir.Write("in.txt", kText);
    const fs::path plainFile = dir.Write("plain", "x");
    fs::create_directory(dir.path() / "folder");
    const RefusedOutput outputs[] = {
        {"in a missing folder", dir.path() / "missing" / "list.txt", "No such file or directory"},
        {"under a regular file", plainFile / "list.txt", "Not a directory"},
        {"a folder", dir.path() / "folder", "Is a directory"},
    };
    for (const RefusedOutput& c : outputs) {
        const ChildResult run =
            RunChild(CliPath(), {"--output", c.path.string(), input.string()}, seconds(20));
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_NE(run.err.find("Lexicount: At DoIt error #"), std::string::npos) << c.name;
        EXPECT_NE(run.err.find("\nDescription: " + c.reason + "\n"), std::string::npos) << c.name;
        EXPECT_EQ(run.out, "") << c.name;  // refused before the count
    }
    EXPECT_EQ(ReadFileBytes(plainFile), "x");
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

// A full disk, provoked by a file-size limit: the write fails and says so,
// and the run ends there as the window's does.
TEST(HostilePaths, AWriteThatFailsIsReported) {
    TempDir dir;
    const fs::path input = dir.Write("in.txt", kText);
    const fs::path output = dir.path() / "list.txt";
    const ChildResult run =
        RunChild(CliPath(), {"--output", output.string(), input.string()}, seconds(20), 16);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Lexicount: At ListWords error #75.\nDescription: File too large\n");
    EXPECT_EQ(run.out, "");
}

// The output named through a link, "..", or a relative path is still the
// input: refused, and the input keeps its bytes.
TEST(HostilePaths, OutputThatIsTheInputUnderAnotherNameIsRefused) {
    TempDir dir;
    const fs::path input = dir.Write("in.txt", kText);
    fs::create_symlink(input, dir.path() / "link.txt");
    fs::create_directory(dir.path() / "sub");
    fs::create_directory_symlink(dir.path(), dir.path() / "same-folder");
    const std::vector<fs::path> names = {dir.path() / "link.txt", dir.path() / "sub" / ".." / "in.txt",
                                         dir.path() / "same-folder" / "in.txt"};
    for (const fs::path& name : names) {
        const ChildResult run = RunChild(CliPath(), {"--output", name.string(), input.string()}, seconds(20));
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err, "Lexicount: Output file cannot be the same as the input file.\n") << name;
        EXPECT_EQ(ReadFileBytes(input), kText) << name;
    }
    // And a document, through the link the other way round.
    const fs::path odt = dir.path() / "doc.odt";
    fs::copy_file(TestDataDir() / "sample.odt", odt);
    const std::string odtBytes = ReadFileBytes(odt);
    fs::create_symlink(odt, dir.path() / "doc-link.odt");
    const ChildResult run =
        RunChild(CliPath(), {"--output", odt.string(), (dir.path() / "doc-link.odt").string()}, seconds(20));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadFileBytes(odt), odtBytes);
}

// A file the count reads, or the settings file it saves, is never the
// output, whatever name it goes by: refused before anything is written.
TEST(HostilePaths, FilesTheCountReadsAreNeverWrittenOver) {
    TempDir dir;
    const fs::path input = dir.Write("notes.txt", kText);
    const fs::path settings = dir.path() / "mine.tly";
    ASSERT_EQ(RunChild(CliPath(), {"--save-settings", settings.string(), input.string()}).status, 0);
    const std::string settingsBytes = ReadFileBytes(settings);
    const fs::path commonWords = dir.Write("cw.txt", "alpha\n");
    const std::string cli = CliPath().string();
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{cli, "--settings", settings, "--output", settings, input},
         "Output file cannot be the same as the settings file."},
        {{cli, "--common-words", commonWords, "--output", "cw.txt", input},
         "Output file cannot be the same as the common-words file."},
        {{cli, "--save-settings", settings, "--output", settings, input},
         "Output file cannot be the same as the file the settings are saved to."},
        {{cli, "--save-settings", input, input},
         "The file the settings are saved to cannot be the same as the input file."},
        {{"sh", "-c", "exec \"$0\" --output notes.txt < notes.txt", cli},
         "Output file cannot be the same as the input file."},
    };
    const fs::path working = fs::current_path();
    fs::current_path(dir.path());  // for the relative names
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[2]);
        const ChildResult run =
            RunChild(c.args[0] == "sh" ? "/bin/sh" : CliPath(),
                     std::vector<std::string>(c.args.begin() + 1, c.args.end()), seconds(20));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "Lexicount: " + c.message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFileBytes(input), kText);
        EXPECT_EQ(ReadFileBytes(settings), settingsBytes);
        EXPECT_EQ(ReadFileBytes(commonWords), "alpha\n");
    }
    fs::current_path(working);
}

// FIFOs never block and are never replaced, whichever option names them;
// a saved settings file keeps its permission bits.
TEST(HostilePaths, SettingsAndOutputFilesMustBeRegularFiles) {
    TempDir dir;
    const fs::path input = dir.Write("in.txt", kText);
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string option;
        std::string error;
    };
    const Case cases[] = {
        {"--output", "Lexicount: At DoIt error #75.\nDescription: Path/File access error\n"},
        {"--settings", "Load settings: Error when attempting to restore settings: Path/File access error\n"},
        {"--save-settings",
         "Save settings: Error when attempting to save settings: Path/File access error\n"},
    };
    for (const Case& c : cases) {
        const ChildResult run = RunChild(CliPath(), {c.option, fifo.string(), input.string()}, seconds(20));
        EXPECT_FALSE(run.timedOut) << c.option;
        EXPECT_EQ(run.status, 1) << c.option;
        EXPECT_EQ(run.err.substr(0, c.error.size()), c.error) << c.option;
        EXPECT_TRUE(fs::is_fifo(fifo)) << c.option;
    }
    const fs::path saved = dir.Write("private.tly", "");
    ASSERT_EQ(chmod(saved.c_str(), 0600), 0);
    EXPECT_EQ(RunChild(CliPath(), {"--save-settings", saved.string(), input.string()}).status, 0);
    EXPECT_NE(ReadFileBytes(saved), "");
    EXPECT_EQ(fs::status(saved).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A finished count that lists no word empties the output file, so a script
// never reads an earlier run's list; a refused count leaves it alone.
TEST(HostilePaths, ACountThatListsNothingEmptiesTheOutputFile) {
    TempDir dir;
    const fs::path output = dir.Write("list.txt", "an earlier list");
    const fs::path numbers = dir.Write("numbers.txt", "12 34 56\n");
    EXPECT_EQ(
        RunChild(CliPath(), {"--output", output.string(), (dir.path() / "missing.txt").string()}).status, 1);
    EXPECT_EQ(ReadFileBytes(output), "an earlier list");
    EXPECT_EQ(RunChild(CliPath(), {"--output", output.string(), numbers.string()}).status, 0);
    EXPECT_EQ(ReadFileBytes(output), "");
}

// Killed while it writes, the run leaves the previous output file and no
// temporary file; left alone, the whole new one.
TEST(HostilePaths, AnInterruptedWriteLeavesTheOldFile) {
    TempDir dir;
    std::string words;
    for (int i = 0; i < 200000; ++i) words += "w" + std::to_string(i) + "x ";
    const fs::path input = dir.Write("in.txt", words);
    const fs::path output = dir.path() / "list.txt";
    const std::vector<std::string> args = {"--set", "chkAllowWordsWithNumerals=1", "--output",
                                           output.string(), input.string()};
    auto entries = [&dir] {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    };
    // The whole list, as an uninterrupted run writes it.
    EXPECT_EQ(RunChild(CliPath(), args).status, 0);
    const std::string whole = ReadFileBytes(output);
    EXPECT_GT(whole.size(), 2000000u);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        std::ofstream(output, std::ios::binary) << "old";
        // The moment the write begins, in place or beside the file.
        auto writing = [&] { return entries() != 2 || fs::file_size(output) != 3; };
        const ChildResult run = RunChildUntil(CliPath(), args, writing, signal);
        EXPECT_TRUE(run.timedOut);
        // The old file or the whole new one (a fast write may end before
        // the signal comes), never a part of it, and nothing left beside it.
        const std::string left = ReadFileBytes(output);
        EXPECT_TRUE(left == "old" || left == whole) << left.size() << " bytes left";
        EXPECT_EQ(entries(), 2);
    }
}

// Reading never writes: a count of a text file and of a document leaves
// both with their bytes and their modification times.
TEST(HostilePaths, ReadingNeverWrites) {
    TempDir dir;
    const fs::path text = dir.Write("in.txt", kText);
    const fs::path odt = dir.path() / "doc.odt";
    fs::copy_file(TestDataDir() / "sample.odt", odt);
    for (const fs::path& input : {text, odt}) {
        const std::string bytes = ReadFileBytes(input);
        struct stat before {};
        ASSERT_EQ(stat(input.c_str(), &before), 0);
        const ChildResult run = RunChild(CliPath(), {"--auto-common-words", input.string()}, seconds(20));
        EXPECT_EQ(run.status, 0) << input << ": " << run.err;
        struct stat after {};
        ASSERT_EQ(stat(input.c_str(), &after), 0);
        EXPECT_EQ(ReadFileBytes(input), bytes) << input;
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec) << input;
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << input;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace lexicount::test
