#include "input/docx_reader.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"
#include "support/zip_fixture.h"

namespace lexicount {
namespace {

using test::MakeZip;
using test::TempDir;
using test::W;

// Answers questions from a script and keeps every box shown; a question
// beyond the script fails the test.
class ScriptedDialogs : public Dialogs {
public:
    explicit ScriptedDialogs(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}
    Answer Show(const MessageBox& box) override {
        shown.push_back(box);
        if (box.buttons == Buttons::Ok) return Answer::Ok;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << box.text;
            return Answer::No;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<MessageBox> shown;

private:
    std::deque<Answer> answers_;
};

constexpr std::string_view kDocxMember = "word/document.xml";
constexpr DocumentLimits kSmallLimits{1000, 100000};

std::string Docx(const std::string& xml) {
    return MakeZip({{std::string(kDocxMember), xml}});
}

std::string Sized(std::size_t bytes) {
    return std::string(bytes, 'x');
}

std::string Checksum(const std::filesystem::path& path) {
    return "Invalid checksum found when processing\r\n" + path.string() +
           "\r\n\r\nDo you wish to scan this file anyway?";
}

TEST(DocxReaderTest, ReadsTheMemberOfEachKind) {
    TempDir dir;
    const auto docx =
        dir.Write("a.docx", MakeZip({{"content.xml", "odt"}, {std::string(kDocxMember), "docx"}}));
    ScriptedDialogs dialogs;
    const ExtractedXml d = ExtractXMLFileFromDocXFile(docx, DocumentKind::Docx, true, true, dialogs);
    EXPECT_EQ(d.result, 4);
    EXPECT_EQ(d.xml, "docx");
    const ExtractedXml o = ExtractXMLFileFromDocXFile(docx, DocumentKind::Odt, true, true, dialogs);
    EXPECT_EQ(o.xml, "odt");
    EXPECT_TRUE(dialogs.shown.empty());
}

struct DamagedCase {
    const char* label;
    std::string (*make)();
    long sizeAfterYes;  // what a Yes goes on with
};

std::string NotAZip() {
    return "plain text";
}
std::string Empty() {
    return "";
}
std::string MissingMember() {
    return MakeZip({{"content.xml", "<x/>"}});
}
std::string Truncated() {
    const std::string zip = Docx(std::string(50000, 'q') + "<w:t>a</w:t>");
    return zip.substr(0, zip.size() - 30);
}
std::string BadChecksum() {
    std::string zip = Docx("<w:t>intact text</w:t>");
    test::PatchZipCrc(zip, kDocxMember, 1);
    return zip;
}
std::string CorruptData() {
    std::string zip = Docx(std::string(20000, 'z') + "The quick brown fox.");
    zip[test::ZipDataOffset(zip, kDocxMember) + 3] ^= 0x5A;
    return zip;
}

class DamagedDocumentTest : public ::testing::TestWithParam<DamagedCase> {
protected:
    std::filesystem::path Path() {
        // No maker: the file does not exist at all.
        return GetParam().make ? dir_.Write("damaged.docx", GetParam().make()) : dir_.path() / "absent.docx";
    }
    TempDir dir_;
};

TEST_P(DamagedDocumentTest, WithoutQuestionFails) {
    ScriptedDialogs dialogs;
    const ExtractedXml got = ExtractXMLFileFromDocXFile(Path(), DocumentKind::Docx, false, true, dialogs);
    EXPECT_EQ(got.result, kExtractionFailed);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(DamagedDocumentTest, NoDeclines) {
    const auto path = Path();
    ScriptedDialogs dialogs({Answer::No});
    EXPECT_EQ(ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, true, dialogs).result,
              kDeclinedAfterFailure);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, Checksum(path));
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
}

TEST_P(DamagedDocumentTest, YesGoesOnWithWhatWasRead) {
    ScriptedDialogs dialogs({Answer::Yes});
    const ExtractedXml got = ExtractXMLFileFromDocXFile(Path(), DocumentKind::Docx, true, true, dialogs);
    EXPECT_EQ(got.result, GetParam().sizeAfterYes);
    EXPECT_EQ(got.result, static_cast<long>(got.xml.size()));
}

INSTANTIATE_TEST_SUITE_P(Containers, DamagedDocumentTest,
                         ::testing::Values(DamagedCase{"NoFile", nullptr, 0},
                                           DamagedCase{"NotAZip", NotAZip, 0}, DamagedCase{"Empty", Empty, 0},
                                           DamagedCase{"MissingMember", MissingMember, 0},
                                           DamagedCase{"Truncated", Truncated, 0},
                                           DamagedCase{"CorruptData", CorruptData, 0},
                                           DamagedCase{"BadChecksum", BadChecksum, 22}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DocxReaderTest, EncryptedMemberTakesTheChecksumQuestion) {
    if (!test::CanEncryptZipEntries()) GTEST_SKIP() << "this libzip cannot write encrypted entries";
    TempDir dir;
    const auto path = dir.Write("locked.docx", MakeZip({{std::string(kDocxMember), "<w:t>x</w:t>", true}}));
    ScriptedDialogs dialogs({Answer::No});
    EXPECT_EQ(ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, true, dialogs).result,
              kDeclinedAfterFailure);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, Checksum(path));
}

struct LargeCase {
    const char* label;
    std::size_t size;
    bool askIfLarge;
    std::deque<Answer> answers;
    long result;
    std::size_t boxes;
};

class LargeDocumentTest : public ::testing::TestWithParam<LargeCase> {};

TEST_P(LargeDocumentTest, AsksAboveTheLargeSize) {
    const LargeCase& c = GetParam();
    TempDir dir;
    const auto path = dir.Write("big.docx", Docx(Sized(c.size)));
    ScriptedDialogs dialogs(c.answers);
    const ExtractedXml got =
        ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, c.askIfLarge, dialogs, kSmallLimits);
    EXPECT_EQ(got.result, c.result);
    ASSERT_EQ(dialogs.shown.size(), c.boxes);
    if (c.boxes == 0) return;
    const MessageBox& question = dialogs.shown[0];
    EXPECT_EQ(question.title, "Big file");
    EXPECT_EQ(
        question.text,
        path.string() + "\r\nis rather large.  It may take awhile to scan.\r\nDo you wish to continue?");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, 1);
    if (c.boxes == 2) {
        EXPECT_EQ(dialogs.shown[1].title, "Big file");
        EXPECT_EQ(dialogs.shown[1].text,
                  "You could try saving it as a text file\r\nand applying this program to that file.");
        EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LargeDocumentTest,
    ::testing::Values(LargeCase{"AtTheLargeSize", 1000, true, {}, 1000, 0},
                      LargeCase{"AboveItYes", 1001, true, {Answer::Yes}, 1001, 1},
                      LargeCase{"AboveItNo", 1001, true, {Answer::No}, kDeclinedLarge, 2},
                      LargeCase{"AboveItWithoutAsking", 1001, false, {}, 1001, 0},
                      LargeCase{"AtTheMaximum", 100000, true, {Answer::Yes}, 100000, 1},
                      LargeCase{"AboveTheMaximum", 100001, true, {}, kMemberTooLarge, 0}),
    [](const auto& info) { return std::string(info.param.label); });

// The limits hold for the extracted text as they do for the member: the
// question above the large size (once per document), the refusal above the
// maximum.
TEST(DocxReaderTest, TextLimits) {
    struct Case {
        const char* label;
        std::size_t memberSize;
        DocumentText text;
        bool askIfLarge;
        std::deque<Answer> answers;
        long result;
        std::vector<std::string> titles;
    };
    const auto text = [](std::size_t size, bool tooLarge = false) {
        return DocumentText{tooLarge ? "" : Sized(size), false, tooLarge};
    };
    const Case cases[] = {
        {"AtTheLargeSize", 10, text(1000), true, {}, 0, {}},
        {"AboveItYes", 10, text(1001), true, {Answer::Yes}, 0, {"Big file"}},
        {"AboveItNo", 10, text(1001), true, {Answer::No}, kDeclinedLarge, {"Big file", "Big file"}},
        {"AboveItWithoutAsking", 10, text(1001), false, {}, 0, {}},
        {"MemberAskedAboutAlready", 1001, text(5000), true, {}, 0, {}},
        {"AtTheMaximum", 10, text(100000), true, {Answer::Yes}, 0, {"Big file"}},
        {"GivenUpPastTheMaximum", 10, text(0, true), true, {}, kMemberTooLarge, {}},
        {"AboveTheMaximum", 10, text(100001), false, {}, kMemberTooLarge, {}},
    };
    const std::filesystem::path path = "/docs/spaces.odt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs dialogs(c.answers);
        EXPECT_EQ(CheckDocumentText(path, c.memberSize, c.text, c.askIfLarge, dialogs, kSmallLimits),
                  c.result);
        std::vector<std::string> titles;
        for (const MessageBox& box : dialogs.shown) titles.push_back(box.title);
        EXPECT_EQ(titles, c.titles);
        if (!dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.shown[0].text,
                      "/docs/spaces.odt\r\nis rather large.  It may take awhile to scan.\r\nDo you wish to "
                      "continue?");
        }
    }
}

// Both kinds stop gathering text at the maximum of the limits given.
TEST(DocxReaderTest, TextIsGatheredUpToTheMaximum) {
    const std::string docx = "<w:p><w:r><w:t>abcd.</w:t></w:r></w:p>";
    const std::string odt = "<text:p>abcd.</text:p>";
    for (const auto& [xml, kind] : {std::pair{docx, DocumentKind::Docx}, std::pair{odt, DocumentKind::Odt}}) {
        for (const std::uint64_t max : {7u, 6u}) {
            SCOPED_TRACE(xml + " " + std::to_string(max));
            ExtractionHooks hooks;
            ScriptedDialogs dialogs;
            const DocumentText got = GetLineFromXMLFile(xml, kind, hooks, dialogs, DocumentLimits{1, max});
            EXPECT_EQ(got.text, max == 7 ? "abcd.\r\n" : "");
            EXPECT_EQ(got.tooLarge, max == 6);
        }
    }
}

TEST(DocxReaderTest, DefaultLimitsAskAboveTenMegabytes) {
    TempDir dir;
    const auto exact = dir.Write("exact.docx", Docx(Sized(10485760)));
    const auto over = dir.Write("over.docx", Docx(Sized(10485761)));
    ScriptedDialogs dialogs({Answer::No});
    EXPECT_EQ(ExtractXMLFileFromDocXFile(exact, DocumentKind::Docx, true, true, dialogs).result, 10485760);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ExtractXMLFileFromDocXFile(over, DocumentKind::Docx, true, true, dialogs).result,
              kDeclinedLarge);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST(DocxReaderTest, DirectoryClaimAboveTwentyMegabytesIsRefusedUnasked) {
    TempDir dir;
    std::string zip = Docx(Sized(5000));
    test::PatchZipUncompressedSize(zip, kDocxMember, 20971521);
    // Ruin the data too: had it been inflated, the answer would be damage.
    zip[test::ZipDataOffset(zip, kDocxMember) + 1] ^= 0x5A;
    const auto path = dir.Write("claims.docx", zip);
    ScriptedDialogs dialogs;
    EXPECT_EQ(ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, true, dialogs).result,
              kMemberTooLarge);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(DocxReaderTest, BombIsRefusedWhileInflating) {
    TempDir dir;
    std::string zip = Docx(Sized(1024 * 1024));
    test::PatchZipUncompressedSize(zip, kDocxMember, 10);
    const auto path = dir.Write("bomb.docx", zip);
    ScriptedDialogs dialogs;
    EXPECT_EQ(ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, true, dialogs, kSmallLimits).result,
              kMemberTooLarge);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(DocxReaderTest, UnderstatedLargeMemberIsAskedAboutAfterReading) {
    TempDir dir;
    std::string zip = Docx(Sized(5000));
    test::PatchZipUncompressedSize(zip, kDocxMember, 10);
    const auto path = dir.Write("understated.docx", zip);
    ScriptedDialogs dialogs({Answer::No});
    EXPECT_EQ(ExtractXMLFileFromDocXFile(path, DocumentKind::Docx, true, true, dialogs, kSmallLimits).result,
              kDeclinedLarge);
    EXPECT_EQ(dialogs.shown.at(0).title, "Big file");
}

TEST(DocxReaderTest, FailureTextsForCallersThatDoNotAsk) {
    const std::filesystem::path path = "/docs/r\xC3\xA9sum\xC3\xA9.docx";
    EXPECT_EQ(ExtractionFailureText(kExtractionFailed, path),
              "Invalid checksum found when processing\r\n/docs/r\xC3\xA9sum\xC3\xA9.docx");
    EXPECT_EQ(ExtractionFailureText(kMemberTooLarge, path),
              "/docs/r\xC3\xA9sum\xC3\xA9.docx\r\nis too large to be scanned directly.\r\n\r\n"
              "Recommend saving it as a text file and\r\napplying this program to that file.");
    EXPECT_EQ(ExtractionFailureText(kDeclinedLarge, path), "");
    EXPECT_EQ(ExtractionFailureText(0, path), "");
}

// Fixtures written by an office converter, read end to end.
TEST(DocxReaderTest, SampleDocuments) {
    struct Sample {
        const char* file;
        DocumentKind kind;
        std::string text;
    };
    const Sample samples[] = {
        {"sample.docx", DocumentKind::Docx,
         W("Café notes The naïve fox doesn't jump. It sleeps \"all day\" & dreams of <tags>. \r\n"
           "Second paragraph without end continues here after a break. \r\n"
           "Name Word Ærø déjà A sentence with a note.\r\n")},
        {"sample.odt", DocumentKind::Odt,
         W("Café notes\r\nThe naïve fox doesn't jump. It sleeps \"all day\" & dreams of <tags>.\r\n"
           "Second paragraph without end continues here after a break.\r\n"
           "Name\r\nWord\r\nÆrø\r\ndéjà\r\nFootnote text here.\r\nA sentence with a note.\r\n")},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.file);
        ScriptedDialogs dialogs;
        const ExtractedXml xml =
            ExtractXMLFileFromDocXFile(test::TestDataDir() / sample.file, sample.kind, true, true, dialogs);
        ASSERT_GT(xml.result, 0);
        const DocumentText text = GetLineFromXMLFile(xml.xml, sample.kind);
        EXPECT_EQ(text.text, sample.text);
        EXPECT_FALSE(text.stopped);
    }
}

}  // namespace
}  // namespace lexicount
