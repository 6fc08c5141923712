// Hostile paths through lexicount-cli: inputs that are not regular files,
// outputs that cannot be written, and an output that is the input under
// another name. Each is refused at once with a message, and no file of the
// user's is changed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
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
};

// Folders (one named like a document), a FIFO nobody writes to and two
// devices: opening the FIFO or reading /dev/zero to its end would never
// return, so each must be refused from what the path is, before reading.
TEST(HostilePaths, InputsThatAreNotRegularFilesAreRefusedAtOnce) {
    TempDir dir;
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.path() / "folder");
    fs::create_directory(dir.path() / "folder.docx");
    const RefusedInput inputs[] = {{"folder", dir.path() / "folder"},
                                   {"FIFO", fifo},
                                   {"endless device", "/dev/zero"},
                                   {"empty device", "/dev/null"},
                                   {"folder named like a document", dir.path() / "folder.docx"}};
    for (const RefusedInput& c : inputs) {
        const fs::path output = dir.Write("list.txt", "previous list");
        const ChildResult run =
            RunChild(CliPath(), {"--output", output.string(), c.path.string()}, seconds(20));
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_NE(run.err.find("File " + c.path.string() + "\ncannot be opened."), std::string::npos)
            << c.name << ": " << run.err;
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
        EXPECT_EQ(run.err, "Fatal error: cannot write to " + c.path.string() + ": " + c.reason + "\n")
            << c.name;
        EXPECT_EQ(run.out, "") << c.name;  // refused before the count
    }
    EXPECT_EQ(ReadFileBytes(plainFile), "x");
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

// A full disk, provoked by a file-size limit: the write fails and says so.
TEST(HostilePaths, AWriteThatFailsIsReported) {
    TempDir dir;
    const fs::path input = dir.Write("in.txt", kText);
    const fs::path output = dir.path() / "list.txt";
    const ChildResult run =
        RunChild(CliPath(), {"--output", output.string(), input.string()}, seconds(20), 16);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Fatal error: cannot write " + output.string() + ": File too large\n");
    EXPECT_NE(run.out, "");  // the list is still shown
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
