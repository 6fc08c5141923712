#include "input/text_file_class.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>
#include <vector>

#include "support/test_support.h"

namespace lexicount {
namespace {

using test::RecordingDialogs;
using test::TempDir;

// Keeps opening a writer on the FIFO from a while on, so that a reader
// wrongly blocked on it sees end-of-file: the test fails instead of hanging.
class FifoUnblocker {
public:
    explicit FifoUnblocker(std::string path)
        : thread_([path = std::move(path)](std::stop_token stop) {
              for (int tick = 0; !stop.stop_requested(); ++tick) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (tick < 200) continue;
                  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) ::close(fd);
              }
          }) {}

private:
    std::jthread thread_;
};

std::string MakeFifo(const TempDir& dir) {
    const std::string path = (dir.path() / "pipe.txt").string();
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
}

std::string WithByteAt(size_t size, size_t at, char byte) {
    std::string text(size, 'a');
    text[at] = byte;
    return text;
}

std::string Lines(int count, std::string_view line, std::string_view end = "\r\n") {
    std::string text;
    for (int i = 0; i < count; ++i) text.append(line).append(end);
    return text;
}

const std::string kBinaryAdvice =
    "\r\n\r\nYou could try reading it using its associated application, then copying the text and pasting it "
    "into the textbox (then copy it to the clipboard and select 'Clipboard' as the source).";

// ---------------------------------------------------------------------------

struct ScanCase {
    const char* name;
    const char* fileName;
    std::string content;
    std::int16_t fileType;
    bool isUtf8;
};

class ScanTextFileTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanTextFileTest, ClassifiesTheContent) {
    TempDir dir;
    const ScanCase& c = GetParam();
    const std::string path = dir.Write(c.fileName, c.content).string();
    const TextScan scan = ScanTextFile(path, kScanBytes, 0, true);
    EXPECT_EQ(scan.intFileType, c.fileType);
    EXPECT_EQ(scan.blnIsUTF8, c.isUtf8);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ScanTextFileTest,
    testing::Values(
        ScanCase{"Empty", "e.txt", "", kFileEmpty, false},
        ScanCase{"ThreeBytes", "t.txt", "abc", kFileTiny, false},
        ScanCase{"FourBytes", "t.txt", "ab\r\n", kFileTiny, false},
        ScanCase{"FiveBytes", "t.txt", "abcde", kTextCrLf, false},
        ScanCase{"RtfWithTextExtension", "doc.txt", "{\\rtf1\\ansi hello}", kFileRtf, false},
        ScanCase{"RtfMarkerIsCaseSensitive", "doc.txt", "{\\RTF1 hello}", kTextCrLf, false},
        ScanCase{"Utf16LeBom", "u.txt", std::string("\xFF\xFEh\0i\0", 6), kFileUnicodeNotUtf8, false},
        ScanCase{"Utf16BeBom", "u.txt", std::string("\xFE\xFF\0h\0i", 6), kFileUnicodeNotUtf8, false},
        ScanCase{"Utf32BeBom", "u.txt", std::string("\0\0\xFE\xFF\0\0\0h", 8), kFileUnicodeNotUtf8, false},
        ScanCase{"Utf8BomWithLfOnly", "u.txt", "\xEF\xBB\xBFhello\nworld\n", kTextCrLf, true},
        ScanCase{"HtmCharset", "p.htm", "<html>\r\n<meta charset=UTF-8>\r\n", kTextCrLf, true},
        ScanCase{"HtmQuotedCharset", "p.html", "<meta http-equiv=x content=\"text/html; charset=\"UTF-8\">",
                 kTextCrLf, true},
        ScanCase{"LowerCaseCharsetNotSeen", "p.htm", "<html>\r\n<meta charset=utf-8>\r\n", kTextCrLf, false},
        ScanCase{"CharsetInTxt", "p.TXT", "charset=UTF-8\r\n", kTextCrLf, true},
        ScanCase{"CharsetWithoutTextExtension", "p.md", "charset=UTF-8\r\n", kTextCrLf, false},
        ScanCase{"CharsetOnTenthNonEmptyLine", "p.htm", "\r\n\r\n" + Lines(9, "<p>") + "\n\ncharset=UTF-8\n",
                 kTextCrLf, true},
        ScanCase{"CharsetOnEleventhLine", "p.htm", Lines(10, "<p>") + "charset=UTF-8\r\n", kTextCrLf, false},
        ScanCase{"XmlUtf16Le", "d.xml", std::string("<\0?\0x\0m\0l\0", 10), kFileUnicodeNotUtf8, false},
        ScanCase{"XmlUtf16Be", "d.XML", std::string("\0<\0?\0x\0m\0l", 10), kFileUnicodeNotUtf8, false},
        ScanCase{"XmlStartingWithTag", "d.xml", "<?xml version=\"1.0\"?>\n<a/>\n", kTextCrLf, true},
        ScanCase{"XmlRuleNeedsXmlExtension", "d.txt", std::string("<\0?\0x\0", 6), kFileNotText, false},
        ScanCase{"NulEarly", "n.txt", WithByteAt(1000, 10, '\0'), kFileNotText, false},
        ScanCase{"NulAtLastScannedByte", "n.txt", WithByteAt(20000, 16383, '\0'), kFileNotText, false},
        ScanCase{"NulPastScannedBytes", "n.txt", WithByteAt(20000, 16384, '\0'), kTextCrLf, false},
        ScanCase{"Escape", "n.txt", "hello\x1b[0m\r\n", kFileNotText, false},
        ScanCase{"UnitSeparator", "n.txt",
                 "field\x1f"
                 "field\r\n",
                 kFileNotText, false},
        ScanCase{"VerticalTab", "n.txt", "line\x0bline\r\n", kFileNotText, false},
        ScanCase{"LayoutControls", "n.txt", "a\tb\fc\bd\x7f\r\n", kTextCrLf, false},
        ScanCase{"HighBytes", "n.txt", "caf\xe9 \x80\x81\x8d\xff\r\n", kTextCrLf, false},
        ScanCase{"CrLf", "l.txt", "one\r\ntwo\r\n", kTextCrLf, false},
        ScanCase{"LfOnly", "l.txt", "one\ntwo\n", kTextLf, false},
        ScanCase{"CrOnly", "l.txt", "one\rtwo\r", kTextCr, false},
        ScanCase{"NoLineEnd", "l.txt", "one two three", kTextCrLf, false},
        ScanCase{"SeparateCrAndLf", "l.txt", "one\ntwo\rthree", kTextCrLf, false}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(ScanTextFile, PathsThatAreNotFiles) {
    TempDir dir;
    const std::string fifo = MakeFifo(dir);
    FifoUnblocker unblocker(fifo);
    const std::pair<std::string, std::int16_t> cases[] = {
        {"", kFileNoPath},
        {(dir.path() / "missing.txt").string(), kFileNotFound},
        {(dir.path() / "missing" / "x.txt").string(), kFileNotFound},
        {dir.path().string(), kFileCannotOpen},
        {fifo, kFileCannotOpen},
    };
    for (const auto& [path, fileType] : cases) {
        EXPECT_EQ(ScanTextFile(path, kScanBytes, 0, true).intFileType, fileType) << path;
    }
}

TEST(ScanTextFile, PercentageOfNonTextCharacters) {
    TempDir dir;
    struct Case {
        std::string content;
        double maxPercent;
        std::int16_t fileType;
        double percent;
    };
    std::string nulBlock(4000, '\0');
    const Case cases[] = {
        {WithByteAt(20000, 500, '\0'), 1.0, kTextCrLf, 100.0 / 16384},  // within 1 %
        {WithByteAt(1000, 500, '\x01'), 0.0, kFileNotText, 0.1},
        {std::string(980, 'a') + std::string(20, '\0'), 1.0, kFileNotText, 2.0},
        // Given up at byte 3277: all of them so far are NULs.
        {nulBlock + std::string(6000, 'a'), 1.0, kFileNotText, 100.0},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write("p.bin", c.content).string();
        const TextScan scan = ScanTextFile(path, kScanBytes, c.maxPercent, true);
        EXPECT_EQ(scan.intFileType, c.fileType);
        EXPECT_DOUBLE_EQ(scan.dblPercent, c.percent);
        EXPECT_EQ(scan.fileLength, c.content.size());
    }
}

// ---------------------------------------------------------------------------

TEST(CheckFileHeader, MarkersTheFileTypeDoesNotTellApart) {
    TempDir dir;
    struct Case {
        const char* fileName;
        std::string content;
        bool checkCharset;
        std::int16_t header;
    };
    const Case cases[] = {
        {"a.txt", std::string("\xFF\xFE\x41\0\x42\0", 6), true, kHeaderUtf16Le},
        {"a.txt", std::string("\xFE\xFF\0\x41\0\x42", 6), true, kHeaderUtf16Be},
        {"a.txt", std::string("\0\0\xFE\xFF\0", 5), true, kHeaderUtf32Be},
        {"a.xml", std::string("<\0a\0>\0", 6), true, kHeaderUtf16Le},
        {"a.xml", std::string("\0<\0a\0>", 6), true, kHeaderUtf16Be},
        {"a.htm", "<meta charset=UTF-8>", false, kHeaderNone},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write(c.fileName, c.content).string();
        EXPECT_EQ(CheckFileHeader(path, c.checkCharset), c.header) << c.fileName << " " << c.content;
    }
}

TEST(HasTextExtension, KnownExtensionsInAnyCase) {
    for (const char* path : {"a.prn", "a.csv", "a.xhtml", "a.xhtm", "a.shtml", "a.shtm", "a.html", "a.htm",
                             "a.xml", "a.log", "a.txt", "dir/A.TXT", "x.y.Htm"}) {
        EXPECT_TRUE(HasTextExtension(path)) << path;
    }
    for (const char* path : {"a.md", "a.docx", "txt", "a.txt/readme", "a.text", "a.ht"}) {
        EXPECT_FALSE(HasTextExtension(path)) << path;
    }
}

// ---------------------------------------------------------------------------

TEST(ReadFirstLines, SkipsEmptyLinesAndStopsAtTheLimit) {
    TempDir dir;
    struct Case {
        std::string content;
        int maxLines;
        std::string text;
    };
    const Case cases[] = {
        {"a\r\nb\nc\rd", 10, "a\r\nb\r\nc\r\nd"}, {"\r\n\n\r  \n\r\nx\n\n", 10, "  \r\nx"},
        {"no line end", 10, "no line end"},       {Lines(12, "line"), 10, Lines(9, "line") + "line"},
        {"one\r\ntwo\r\nthree", 2, "one\r\ntwo"}, {"", 10, ""},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write("f.txt", c.content).string();
        const FirstLines lines = ReadFirstLines(path, c.maxLines);
        EXPECT_FALSE(lines.error);
        EXPECT_EQ(lines.text, c.text);
    }
}

TEST(ReadFirstLines, ReadsNoFurtherThanItsLimit) {
    TempDir dir;
    const std::string huge(2 * kFirstLinesReadLimit, 'x');
    FirstLines lines = ReadFirstLines(dir.Write("huge.txt", huge).string(), 10);
    EXPECT_EQ(lines.text, huge.substr(0, kFirstLinesReadLimit));

    const std::string late = std::string(kFirstLinesReadLimit - 1, 'x') + "\nlate line\n";
    lines = ReadFirstLines(dir.Write("late.txt", late).string(), 10);
    EXPECT_EQ(lines.text, late.substr(0, kFirstLinesReadLimit - 1));
}

TEST(ReadFirstLines, ReportsFilesThatCannotBeRead) {
    TempDir dir;
    const std::string fifo = MakeFifo(dir);
    FifoUnblocker unblocker(fifo);
    FirstLines lines = ReadFirstLines((dir.path() / "missing.txt").string(), 10);
    EXPECT_EQ(lines.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(lines.text, "");
    EXPECT_TRUE(ReadFirstLines(dir.path().string(), 10).error);
    EXPECT_TRUE(ReadFirstLines(fifo, 10).error);
}

// ---------------------------------------------------------------------------

struct MessageCase {
    const char* name;
    const char* fileName;  // nullptr: no file is written
    std::string content;
    bool ok;
    std::int16_t fileType;
    bool isUtf8;
    const char* title;  // nullptr: no box
    std::function<std::string(const std::string& path)> text;
};

class ClassifyTextFileTest : public testing::TestWithParam<MessageCase> {};

TEST_P(ClassifyTextFileTest, AnswersAndExplains) {
    TempDir dir;
    const MessageCase& c = GetParam();
    const std::string path = c.fileName != nullptr ? dir.Write(c.fileName, c.content).string()
                                                   : (dir.path() / "missing.txt").string();
    RecordingDialogs dialogs;
    ClassifyState state;
    const Classification result = ClassifyTextFile(path, false, state, dialogs);
    EXPECT_EQ(result.ok, c.ok);
    EXPECT_EQ(result.intFileType, c.fileType);
    EXPECT_EQ(result.blnIsUTF8, c.isUtf8);
    if (c.title == nullptr) {
        EXPECT_TRUE(dialogs.shown.empty());
        return;
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const MessageBox& box = dialogs.shown[0];
    EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(box.text, c.text(path));
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(box.buttons, Buttons::Ok);
}

std::string NotText(const std::string& path) {
    return path + "\r\nis not an ANSI or UTF-8 encoded text file.\r\nIt appears to be a binary file.";
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ClassifyTextFileTest,
    testing::Values(
        MessageCase{"Missing", nullptr, "", false, kFileNotFound, false, "Fatal error",
                    [](const std::string& p) { return "File " + p + " not found."; }},
        MessageCase{"Empty", "e.txt", "", false, kFileEmpty, false, "Fatal error",
                    [](const std::string& p) { return "File " + p + " is zero-length."; }},
        MessageCase{
            "Tiny", "t.txt", "abc", false, kFileTiny, false, "Fatal error",
            [](const std::string& p) { return "File " + p + "\r\ncontains only from 1 to 4 bytes."; }},
        MessageCase{"Rtf", "r.txt", "{\\rtf1 x}", false, kFileRtf, false, "Fatal error",
                    [](const std::string& p) { return "File " + p + "\r\nis an RTF file."; }},
        MessageCase{"Utf16", "u.txt", std::string("\xFF\xFEh\0i\0", 6), false, kFileUnicodeNotUtf8, false,
                    "Fatal error",
                    [](const std::string& p) {
                        return "File " + p + "\r\nis a Unicode file but not UTF-8 encoded.";
                    }},
        MessageCase{"SmallBinary", "b.dat", WithByteAt(100, 3, '\0'), false, kFileNotText, false,
                    "Not a text file", [](const std::string& p) { return NotText(p) + kBinaryAdvice; }},
        MessageCase{"BinaryJustBelowAdviceLimit", "b.dat", WithByteAt(102399, 3, '\0'), false, kFileNotText,
                    false, "Not a text file",
                    [](const std::string& p) { return NotText(p) + kBinaryAdvice; }},
        MessageCase{"BinaryAtAdviceLimit", "b.dat", WithByteAt(102400, 3, '\0'), false, kFileNotText, false,
                    "Not a text file", NotText},
        MessageCase{"MostlyControlCharacters", "b.dat", "a\x01\x02\x03\x04\x05", false, kFileNotText, false,
                    "Not a text file", NotText},
        MessageCase{"CrOnly", "mac.txt", "one\rtwo\r", true, kTextCr, false, "This is a Mac-style text file",
                    [](const std::string& p) {
                        return "File " + p +
                               "\r\nhas Macintosh-type line endings (CR)."
                               "\r\nYou might wish to use a program such as Notepad++"
                               "\r\nto convert the line endings to Windows-type (CR+LF).";
                    }},
        MessageCase{
            "LfOnlyLarge", "unix.txt", Lines(40000, "unix line", "\n"), true, kTextLf, false, nullptr, {}},
        MessageCase{"CrLf", "dos.txt", "one\r\ntwo\r\n", true, kTextCrLf, false, nullptr, {}},
        MessageCase{"Utf8", "u8.htm", "<meta charset=UTF-8>\r\n", true, kTextCrLf, true, nullptr, {}}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

TEST(ClassifyTextFile, EmptyPathIsRefusedWithoutABox) {
    RecordingDialogs dialogs;
    ClassifyState state;
    const Classification result = ClassifyTextFile("", false, state, dialogs);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.intFileType, kFileNoPath);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ClassifyTextFile, FoldersAndFifosCannotBeOpened) {
    TempDir dir;
    const std::string fifo = MakeFifo(dir);
    FifoUnblocker unblocker(fifo);
    for (const std::string& path : {dir.path().string(), fifo}) {
        RecordingDialogs dialogs;
        ClassifyState state;
        const Classification result = ClassifyTextFile(path, false, state, dialogs);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.intFileType, kFileCannotOpen);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Fatal error");
        EXPECT_EQ(dialogs.shown[0].text, "File " + path + "\r\ncannot be opened.");
    }
}

TEST(ClassifyTextFile, PermissionDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TempDir dir;
    const std::string path = dir.Write("locked.txt", "some text\r\n").string();
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    RecordingDialogs dialogs;
    ClassifyState state;
    const Classification result = ClassifyTextFile(path, false, state, dialogs);
    EXPECT_EQ(result.intFileType, kFilePermissionDenied);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "File " + path + "\r\n cannot be opened (permission denied).");
}

TEST(ClassifyTextFile, MacNoticeOncePerStateAndNeverWhenSilent) {
    TempDir dir;
    const std::string mac = dir.Write("mac.txt", "one\rtwo\r").string();
    RecordingDialogs dialogs;
    ClassifyState state;

    EXPECT_TRUE(ClassifyTextFile(mac, true, state, dialogs).ok);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(state.macNoticeShown);

    EXPECT_TRUE(ClassifyTextFile(mac, false, state, dialogs).ok);
    EXPECT_TRUE(ClassifyTextFile(mac, false, state, dialogs).ok);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(state.macNoticeShown);

    // Errors are shown whatever the state and blnSilent.
    ClassifyTextFile((dir.path() / "missing.txt").string(), true, state, dialogs);
    EXPECT_EQ(dialogs.shown.size(), 2u);

    ClassifyState fresh;
    ClassifyTextFile(mac, false, fresh, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].title, "This is a Mac-style text file");
}

// ---------------------------------------------------------------------------

TEST(ClassificationMessage, CodesWithoutFixtures) {
    const std::string path = "/home/me/Bücher/x.txt";
    const std::pair<std::int16_t, std::string> boxes[] = {
        {kFilePermissionDenied, "File " + path + "\r\n cannot be opened (permission denied)."},
        {kFileReadError, "File " + path + "\r\ncannot be opened."},
    };
    for (const auto& [code, text] : boxes) {
        const auto box = ClassificationMessage(path, TextScan{code});
        ASSERT_TRUE(box.has_value()) << code;
        EXPECT_EQ(box->title, "Fatal error");
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->icon, Icon::Information);
    }
    for (std::int16_t code : {kFileNoPath, kTextCrLf, kTextLf}) {
        EXPECT_FALSE(ClassificationMessage(path, TextScan{code}).has_value()) << code;
    }
}

}  // namespace
}  // namespace lexicount

namespace lexicount {
namespace {

// A file read once for its count is classified from its bytes exactly as
// from its path: random text with control characters here and there, at
// sizes around the scan's limit and its first fifth, and the headers.
TEST(ScanTextBytes, AgreesWithTheScanOfThePath) {
    test::TempDir dir;
    std::mt19937 random(7);
    std::vector<std::pair<std::string, std::string>> files = {
        {"bom.txt", "\xEF\xBB\xBFtext\r\n"},
        {"le.txt", std::string("\xFF\xFEt\0e\0", 6)},
        {"tiny.txt", "abc"},
        {"rtf.txt", "{\\rtf1 x}"},
        {"page.html", "<html>\n<meta charset=\"UTF-8\">\nwords</html>"},
        {"x.xml", std::string("<\0x\0", 4)},
    };
    const std::string alphabet = "abc de\r\n\t\x01\x1F\x7F\xE9";
    for (int i = 0; i < 60; ++i) {
        const size_t size = std::uniform_int_distribution<size_t>(5, kScanBytes * 3 / 2)(random);
        const double controls = i % 3 == 0 ? 0.0 : std::uniform_real_distribution<double>(0, 0.05)(random);
        std::string text;
        for (size_t j = 0; j < size; ++j) {
            const bool control = std::uniform_real_distribution<double>(0, 1)(random) < controls;
            text +=
                control ? alphabet[9 + j % 2] : alphabet[std::uniform_int_distribution<size_t>(0, 8)(random)];
        }
        files.emplace_back("r" + std::to_string(i) + (i % 2 == 0 ? ".txt" : ".dat"), text);
    }
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = dir.Write(name, bytes).string();
        for (const double maxPercent : {0.0, 1.0}) {
            const TextScan fromPath = ScanTextFile(path, kScanBytes, maxPercent, true);
            const std::int16_t header = CheckHeaderBytes(path, bytes, true);
            const TextScan fromBytes = ScanTextBytes(header, bytes, bytes.size(), kScanBytes, maxPercent);
            EXPECT_EQ(fromBytes.intFileType, fromPath.intFileType);
            EXPECT_EQ(fromBytes.blnIsUTF8, fromPath.blnIsUTF8);
            EXPECT_DOUBLE_EQ(fromBytes.dblPercent, fromPath.dblPercent);
            EXPECT_EQ(header, CheckFileHeader(path, true));
        }
    }
}

}  // namespace
}  // namespace lexicount
