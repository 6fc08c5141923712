// The state-file location and the search for the program's folder.

#include "settings/app_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/test_support.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

void Put(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "1 0 x\n";
}

TEST(AppData, FolderFollowsTheEnvironment) {
    struct Case {
        const char* xdg;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/data/home", "/home/u", "/data/home"},
        {"relative/dir", "/home/u", "/home/u/.local/share"},
        {"", "/home/u", "/home/u/.local/share"},
        {nullptr, "/home/u", "/home/u/.local/share"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(AppDataFolder(), c.expected) << (c.xdg ? c.xdg : "(unset)");
    }
}

TEST(AppData, StateFileFolderIsCreatedOrReused) {
    TempDir dir;
    const fs::path appData = dir.path() / "share";  // created along with the data folder
    EXPECT_EQ(StateFilePathIn(appData, " Lexicount "), appData / "Lexicount" / "tly.usr");
    EXPECT_TRUE(fs::is_directory(appData / "Lexicount"));
    const auto kept = dir.Write("share/Lexicount/tly.usr", "kept");
    EXPECT_EQ(StateFilePathIn(appData, "Lexicount"), kept);
    EXPECT_EQ(ReadFileBytes(kept), "kept");

    ScopedEnv xdg("XDG_DATA_HOME", appData.c_str());
    EXPECT_EQ(StateFilePath("Lexicount"), kept);
}

TEST(AppData, UnusableDataFolderGivesNoPath) {
    TempDir dir;
    const auto plainFile = dir.Write("file", "x");
    for (std::string_view name : {"", "  ", ".", "..", "a/b", "../escape"}) {
        EXPECT_EQ(StateFilePathIn(dir.path(), name), fs::path()) << '"' << name << '"';
    }
    EXPECT_EQ(StateFilePathIn(plainFile, "Lexicount"), fs::path());
    EXPECT_EQ(StateFilePathIn(dir.path(), "file"), fs::path());  // a file where the folder should be
    EXPECT_EQ(StateFilePathIn("", "Lexicount"), fs::path());
}

TEST(AppData, ProgramFolderIsTheFirstPlaceHoldingTheTexts) {
    TempDir dir;
    const fs::path bin = dir.path() / "usr" / "bin";
    fs::create_directories(bin);
    // None holds it: the executable's folder, where the missing file is named.
    EXPECT_EQ(FindProgramFolder(bin), bin);

    Put(bin / "data" / "tly.dat");
    EXPECT_EQ(FindProgramFolder(bin), bin / "data");
    Put(dir.path() / "usr" / "share" / "lexicount" / "tly.dat");
    EXPECT_EQ(FindProgramFolder(bin), dir.path() / "usr" / "share" / "lexicount");
    Put(bin / "tly.dat");
    EXPECT_EQ(FindProgramFolder(bin), bin);
    EXPECT_EQ(FindProgramFolder(""), fs::path());
}

TEST(AppData, ExecutableFolderHoldsThisTest) {
    const fs::path folder = ExecutableFolder();
    ASSERT_TRUE(folder.is_absolute());
    EXPECT_TRUE(fs::exists(folder / "test_settings_app_data"));
}

}  // namespace
}  // namespace lexicount
