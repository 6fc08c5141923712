// Many inputs at once: the files of the folders named, as the patterns and
// the recursive choice say, each file once, in a fixed order.

#include "input/file_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lexicount {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using Names = std::vector<std::string>;

struct Tree {
    TempDir dir;
    Tree() {
        for (const char* name : {"a.txt", "B.TXT", "c.docx", "d.odt", "e.md", ".hidden.txt", "sub/f.txt",
                                 "sub/deep/g.txt", "sub/h.html"}) {
            fs::create_directories((dir.path() / name).parent_path());
            dir.Write(name, "words\n");
        }
        fs::create_directory_symlink(dir.path() / "sub", dir.path() / "link-to-sub");
        fs::create_symlink(dir.path() / "a.txt", dir.path() / "link-a.txt");
    }
    std::string operator()(const std::string& name) const { return (dir.path() / name).string(); }
    std::string Root() const { return dir.path().string(); }
    // The files found, relative to the tree.
    Names Relative(const InputFiles& found) const {
        Names names;
        for (const std::string& file : found.files)
            names.push_back(fs::path(file).lexically_relative(dir.path()).string());
        return names;
    }
};

TEST(FileSet, TakesTheFoldersFilesAsTheChoiceSays) {
    const Tree tree;
    struct Case {
        const char* name;
        Names operands;
        FileSelection choice;
        Names expected;
    };
    const std::vector<Case> cases = {
        {"a folder: text and documents, a link to a file taken once",
         {tree.Root()},
         {},
         {"B.TXT", "a.txt", "c.docx", "d.odt"}},
        {"subfolders, files first, the link to a folder not followed",
         {tree.Root()},
         {true, {}},
         {"B.TXT", "a.txt", "c.docx", "d.odt", "sub/f.txt", "sub/deep/g.txt"}},
        {"patterns of the user's", {tree.Root()}, {true, {"*.md", "*.HTML"}}, {"e.md", "sub/h.html"}},
        {"a file named is taken whatever its name, and only once",
         {tree("e.md"), tree("sub"), tree("e.md")},
         {},
         {"e.md", "sub/f.txt"}},
    };
    for (const Case& c : cases) {
        const InputFiles found = ExpandInputs(c.operands, c.choice);
        EXPECT_EQ(tree.Relative(found), c.expected) << c.name;
        EXPECT_TRUE(found.refused.empty()) << c.name;
    }
}

TEST(FileSet, SaysWhatItCouldNotTake) {
    const Tree tree;
    const InputFiles found = ExpandInputs({tree("missing.txt"), tree("a.txt")}, {});
    EXPECT_EQ(tree.Relative(found), Names{"a.txt"});
    ASSERT_EQ(found.refused.size(), 1u);
    EXPECT_EQ(found.refused[0], std::make_pair(tree("missing.txt"), std::string("cannot be found")));
}

}  // namespace
}  // namespace lexicount
