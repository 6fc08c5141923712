// Replacing and reading whole files: only regular files are touched, a
// replacement is all or nothing, and the replaced file keeps its mode.

#include "base/file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace lexicount::test {
namespace {

namespace fs = std::filesystem;

size_t EntriesIn(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode;
}

TEST(FileReplace, ReplacesRegularFilesAndKeepsTheirMode) {
    TempDir dir;
    const fs::path old = dir.Write("private.txt", "old content");
    ASSERT_EQ(::chmod(old.c_str(), 0600), 0);
    EXPECT_FALSE(ReplaceFileContents(old, "new content"));
    EXPECT_EQ(ReadFileBytes(old), "new content");
    EXPECT_EQ(ModeOf(old) & 07777, 0600u);

    // A link stays a link: the file it points at is replaced.
    const fs::path link = dir.path() / "link.txt";
    fs::create_symlink(old, link);
    EXPECT_FALSE(ReplaceFileContents(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(old), "through the link");

    EXPECT_FALSE(ReplaceFileContents(dir.path() / "new.txt", ""));
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "new.txt"));
    // No temporary file is left behind.
    EXPECT_EQ(EntriesIn(dir.path()), 3u);
}

TEST(FileReplace, RefusesWhatIsNotARegularFileAndLeavesItAlone) {
    TempDir dir;
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.path() / "folder");
    const fs::path fifoLink = dir.path() / "fifo-link";
    fs::create_symlink(fifo, fifoLink);
    struct Case {
        fs::path path;
        std::errc error;
        fs::file_type stays;
    };
    const Case cases[] = {{fifo, std::errc::not_supported, fs::file_type::fifo},
                          {fifoLink, std::errc::not_supported, fs::file_type::fifo},
                          {"/dev/null", std::errc::not_supported, fs::file_type::character},
                          {dir.path() / "folder", std::errc::is_a_directory, fs::file_type::directory}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        EXPECT_EQ(ReplaceFileContents(c.path, "list"), std::make_error_code(c.error));
        bool created = false;
        EXPECT_EQ(ProbeWritableFile(c.path, created), std::make_error_code(c.error));
        EXPECT_FALSE(created);
        std::string bytes;
        EXPECT_TRUE(ReadFileCapped(c.path.string(), 100, bytes));
        EXPECT_EQ(fs::status(c.path).type(), c.stays);
    }
    EXPECT_EQ(EntriesIn(dir.path()), 3u);
    EXPECT_TRUE(ReplaceFileContents(dir.path() / "missing" / "x.txt", "list"));
}

TEST(FileReplace, ProbeCreatesAMissingFileAndLeavesAnExistingOneUnchanged) {
    TempDir dir;
    bool created = false;
    EXPECT_FALSE(ProbeWritableFile(dir.path() / "new.txt", created));
    EXPECT_TRUE(created);
    EXPECT_EQ(ReadFileBytes(dir.path() / "new.txt"), "");
    const fs::path old = dir.Write("old.txt", "keep me");
    EXPECT_FALSE(ProbeWritableFile(old, created));
    EXPECT_FALSE(created);
    EXPECT_EQ(ReadFileBytes(old), "keep me");
}

TEST(FileReplace, ReadsAtMostOneBytePastTheCap) {
    TempDir dir;
    const fs::path file = dir.Write("big.txt", std::string(200000, 'x'));
    std::string bytes;
    EXPECT_FALSE(ReadFileCapped(file.string(), 1000, bytes));
    EXPECT_EQ(bytes.size(), 1001u);
    EXPECT_FALSE(ReadFileCapped(file.string(), 300000, bytes));
    EXPECT_EQ(bytes.size(), 200000u);
}

}  // namespace
}  // namespace lexicount::test
