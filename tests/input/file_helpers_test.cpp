#include "input/file_helpers.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

using test::NumberLocaleGuard;

using test::TempDir;

const std::string kZip("PK\x03\x04", 4);

TEST(GetFileExtension, NamePartAfterTheLastPeriod) {
    struct Case {
        const char* path;
        bool lowerCase;
        const char* extension;
    };
    const Case cases[] = {
        {"dir/report.TXT", true, "txt"},
        {"dir/report.TXT", false, "TXT"},
        {"archive.tar.gz", false, "gz"},
        {"/home/me/.bashrc", false, "bashrc"},
        {"/home/my.folder/README", true, ""},
        {"name.", true, ""},
        {"", true, ""},
        {"plain", true, ""},
        {"x/Caf\xC3\x89.\xC3\x89T\xC3\x89", true, "\xC3\xA9t\xC3\xA9"},  // "été"
        {"x/a.D\xC3\x97X", true, "d\xC3\x97x"},                          // the sign × has no small form
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetFileExtension(c.path, c.lowerCase), c.extension) << c.path;
    }
}

TEST(FileExists, SomethingThatIsNotAFolder) {
    TempDir dir;
    const std::string file = dir.Write("a.txt", "x").string();
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(dir.Write("empty.txt", "").string()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.path().string()));
    EXPECT_FALSE(FileExists((dir.path() / "missing.txt").string()));
    EXPECT_FALSE(FileExists(file + "/below-a-file"));
}

TEST(HasZipSignature, NeedsTheSignatureAndTenBytes) {
    TempDir dir;
    struct Case {
        std::string content;
        std::int16_t result;
    };
    const Case cases[] = {
        {kZip + "12345", 0},   // 9 bytes
        {kZip + "123456", 1},  // 10 bytes
        {kZip + std::string(100, 'z'), 1},
        {"PK\x03\x05" + std::string(20, 'z'), 0},
        {"plain text, long enough", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write("f.docx", c.content).string();
        EXPECT_EQ(HasZipSignature(path), c.result) << c.content.size();
    }
    EXPECT_EQ(HasZipSignature((dir.path() / "missing.docx").string()), -1);
    EXPECT_EQ(HasZipSignature(dir.path().string()), -1);
}

TEST(IsDocxFileAndIsOdtFile, ExtensionAndSignature) {
    TempDir dir;
    const std::string zip = kZip + std::string(30, 'z');
    struct Case {
        const char* name;
        std::string content;
        bool docx;
        bool odt;
    };
    const Case cases[] = {
        {"a.docx", zip, true, false},
        {"b.DOCX", zip, true, false},
        {"c.odt", zip, false, true},
        {"d.Odt", zip, false, true},
        {"e.docx", "not a zip at all", false, false},
        {"f.zip", zip, false, false},
        {"g.docx.txt", zip, false, false},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write(c.name, c.content).string();
        EXPECT_EQ(IsDocxFile(path), c.docx) << c.name;
        EXPECT_EQ(IsOdtFile(path), c.odt) << c.name;
    }
    EXPECT_FALSE(IsDocxFile((dir.path() / "missing.docx").string()));
}

TEST(FormatFileSize, BytesKilobytesMegabytes) {
    struct Case {
        std::int64_t bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 bytes"},       {1000, "1000 bytes"},        {1023, "1023 bytes"},     {1024, "1.00 Kb"},
        {1536, "1.50 Kb"},    {12800, "12.50 Kb"},         {1048575, "1,024.00 Kb"}, {1048576, "1.00 Mb"},
        {3145728, "3.00 Mb"}, {1288490189, "1,228.80 Mb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFileSize(c.bytes, 0), c.text) << c.bytes;
    }
}

TEST(FormatFileSize, UsesTheLocaleSeparators) {
    NumberLocaleGuard guard(NumberLocale{".", ","});
    EXPECT_EQ(FormatFileSize(1536), "1,50 Kb");
    EXPECT_EQ(FormatFileSize(1048575), "1.024,00 Kb");
    EXPECT_EQ(FormatFileSize(1000), "1000 bytes");
}

TEST(FileSizeText, SizeOfAnExistingFile) {
    TempDir dir;
    EXPECT_EQ(FileSizeText(dir.Write("a.txt", std::string(1536, 'a')).string(), 2), "1.50 Kb");
    EXPECT_EQ(FileSizeText(dir.Write("b.txt", "").string(), 2), "0 bytes");
    EXPECT_EQ(FileSizeText("", 2), "");
    EXPECT_EQ(FileSizeText((dir.path() / "missing.txt").string(), 2), "");
    EXPECT_EQ(FileSizeText(dir.path().string(), 2), "");
}

TEST(FormatByteCount, GroupedWholeNumbers) {
    struct Case {
        double size;
        bool capital;
        const char* text;
    };
    const Case cases[] = {
        {-1, false, ""},
        {0, false, "0 bytes"},
        {0, true, "0 Bytes"},
        {1, false, "1 bytes"},
        {999, false, "999 bytes"},
        {99999, false, "99,999 bytes"},
        {12345, false, "12,345 bytes"},
        {1234567, true, "1,234,567 Bytes"},
        {1536.6, false, "1,537 bytes"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatByteCount(c.size, c.capital), c.text) << c.size;
    }
    NumberLocaleGuard guard(NumberLocale{".", ","});
    EXPECT_EQ(FormatByteCount(12345, false), "12.345 bytes");
}

TEST(ReadOnlyFile, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    ReadOnlyFile file;
    EXPECT_EQ(file.Open((dir.path() / "missing").string()), std::errc::no_such_file_or_directory);
    EXPECT_EQ(file.Open(dir.path().string()), std::errc::is_a_directory);
    EXPECT_EQ(file.Open("/dev/null"), std::errc::not_supported);

    ASSERT_FALSE(file.Open(dir.Write("a.txt", "hello world").string()));
    EXPECT_EQ(file.size(), 11u);
    char buffer[32];
    std::error_code error;
    EXPECT_EQ(file.Read(buffer, 5, error), 5u);
    EXPECT_EQ(std::string(buffer, 5), "hello");
    EXPECT_EQ(file.Read(buffer, sizeof buffer, error), 6u);
    EXPECT_EQ(file.Read(buffer, sizeof buffer, error), 0u);
    EXPECT_FALSE(error);
}

}  // namespace
}  // namespace lexicount
