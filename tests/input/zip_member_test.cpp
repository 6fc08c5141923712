#include "input/zip_member.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "support/zip_fixture.h"

// The container-level cases that reach the user (damage, encryption, the
// size limits) are tested through the document reader; these pin down what
// the reader relies on underneath.

namespace lexicount {
namespace {

using test::MakeZip;
using test::TempDir;

constexpr std::string_view kMember = "word/document.xml";

std::string Text(std::size_t bytes) {
    std::string s;
    while (s.size() < bytes) s += "<w:t>word</w:t>";
    s.resize(bytes);
    return s;
}

TEST(ZipMemberTest, ReadsTheNamedMemberByExactNameOrIgnoringCase) {
    TempDir dir;
    const std::string xml = Text(300000);
    const auto exact =
        dir.Write("a.docx", MakeZip({{"word/styles.xml", "<s/>"}, {std::string(kMember), xml}}));
    const auto cased = dir.Write("b.docx", MakeZip({{"Word/Document.XML", "<x/>"}}));
    ZipMemberReader reader(exact, kMember);
    ASSERT_TRUE(reader.Found());
    EXPECT_EQ(reader.ClaimedSize(), xml.size());
    const ZipMemberRead read = reader.Read(20971520);
    EXPECT_EQ(read.status, ZipReadStatus::Ok);
    EXPECT_EQ(read.bytes, xml);
    EXPECT_EQ(ReadZipMember(cased, kMember, 100).bytes, "<x/>");
}

TEST(ZipMemberTest, InflatingStopsOneBytePastTheLimit) {
    TempDir dir;
    const auto path = dir.Write("a.docx", MakeZip({{std::string(kMember), Text(5000)}}));
    // Read() does not consult the directory: this is the guard while inflating.
    EXPECT_EQ(ZipMemberReader(path, kMember).Read(5000).status, ZipReadStatus::Ok);
    const ZipMemberRead over = ZipMemberReader(path, kMember).Read(4999);
    EXPECT_EQ(over.status, ZipReadStatus::TooLarge);
    EXPECT_TRUE(over.bytes.empty());
}

TEST(ZipMemberTest, UnderstatedSizeWithinTheLimitIsReadWhole) {
    TempDir dir;
    const std::string xml = Text(50000);
    std::string zip = MakeZip({{std::string(kMember), xml}});
    test::PatchZipUncompressedSize(zip, kMember, 100);
    // The checksum still vouches for the data; only the limit guards memory.
    const ZipMemberRead read = ReadZipMember(dir.Write("small.docx", zip), kMember, 1024 * 1024);
    EXPECT_EQ(read.status, ZipReadStatus::Ok);
    EXPECT_EQ(read.bytes, xml);
}

TEST(ZipMemberTest, ChecksumMismatchIsDamageButKeepsWhatWasRead) {
    TempDir dir;
    const std::string xml = Text(60000);
    std::string zip = MakeZip({{std::string(kMember), xml}});
    test::PatchZipCrc(zip, kMember, 0x12345678);
    const ZipMemberRead read = ReadZipMember(dir.Write("crc.docx", zip), kMember, 1024 * 1024);
    EXPECT_EQ(read.status, ZipReadStatus::Damaged);
    EXPECT_EQ(read.bytes, xml);
}

}  // namespace
}  // namespace lexicount
