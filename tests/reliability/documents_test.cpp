// Hostile documents through lexicount-cli: each is refused or counted with
// a clear outcome, in bounded memory, and never damages the output file.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "input/docx_reader.h"
#include "support/child_process.h"
#include "support/test_support.h"
#include "support/zip_fixture.h"

namespace lexicount::test {
namespace {

namespace fs = std::filesystem;

const std::string kDocxMember = "word/document.xml";
const std::string kSmallDocx =
    "<w:document><w:body><w:p><w:r><w:t>Alpha beta.</w:t></w:r></w:p></w:body></w:document>";

// The CLI prints a message's CR LF breaks as LF.
std::string AsPrinted(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

// The listing holds a line "rank frequency word" for the word.
bool Lists(const std::string& listing, const std::string& frequency, const std::string& word) {
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string rank, count, text, extra;
        if (fields >> rank >> count >> text && !(fields >> extra) && count == frequency && text == word)
            return true;
    }
    return false;
}

// A member of 150 MB of zeros whose directory entry claims 1000 bytes:
// deflated it is a fraction of a megabyte.
std::string ZipBomb() {
    std::string zip = MakeZip({{kDocxMember, std::string(150u << 20, '\0')}});
    PatchZipUncompressedSize(zip, kDocxMember, 1000);
    return zip;
}

// Refused at the 20 MB limit, with nothing listed and bounded memory.
void ExpectRefusedAsTooLarge(const ChildResult& run, const fs::path& doc, std::int64_t maxMb) {
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(AsPrinted(ExtractionFailureText(kMemberTooLarge, doc))), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
    std::cout << "peak memory of the refusal: " << run.maxRssKb / 1024 << " MB\n";
    if (kChildMemoryIsMeasurable) {
        EXPECT_LT(run.maxRssKb, maxMb * 1024);
    }
}

TEST(HostileDocuments, ZipBombIsRefusedAtTheLimitInBoundedMemory) {
    TempDir dir;
    const fs::path doc = dir.Write("bomb.docx", ZipBomb());
    // Inflating stops one byte past the 20 MB limit; the whole member would
    // be 150 MB.
    ExpectRefusedAsTooLarge(RunChild(CliPath(), {doc.string()}), doc, 100);
}

struct DamagedCase {
    std::string name;
    std::string bytes;
};

std::vector<DamagedCase> DamagedContainers() {
    const std::string good = MakeZip({{kDocxMember, kSmallDocx}});
    std::vector<DamagedCase> cases = {
        {"truncated in the middle", good.substr(0, good.size() / 2)},
        {"cut before the end record", good.substr(0, good.size() - 10)},
        {"without the member", MakeZip({{"word/other.xml", kSmallDocx}})},
        {"not a zip at all", "PK\3\4 but nothing else of a zip"},
    };
    if (CanEncryptZipEntries()) cases.push_back({"encrypted", MakeZip({{kDocxMember, kSmallDocx, true}})});
    return cases;
}

// Every damaged container is refused with the damaged-document message, and
// an output file that existed keeps its content: the count failed before
// anything was listed.
TEST(HostileDocuments, DamagedContainersAreRefusedAndTheOutputFileIsKept) {
    if (!CanEncryptZipEntries()) std::cerr << "note: this libzip cannot write encrypted entries\n";
    for (const DamagedCase& c : DamagedContainers()) {
        TempDir dir;
        const fs::path doc = dir.Write("damaged.docx", c.bytes);
        const fs::path output = dir.Write("list.txt", "previous list");
        const ChildResult run = RunChild(CliPath(), {"--output", output.string(), doc.string()});
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_NE(run.err.find(AsPrinted(ExtractionFailureText(kExtractionFailed, doc))), std::string::npos)
            << c.name << ": " << run.err;
        EXPECT_EQ(ReadFileBytes(output), "previous list") << c.name;
        EXPECT_EQ(ReadFileBytes(doc), c.bytes) << c.name;
    }
}

// 100,000 paragraphs of one short element each: all counted, none lost.
TEST(HostileDocuments, EmptyDocumentIsRefusedAsEmpty) {
    TempDir dir;
    const fs::path doc = dir.Write("empty.docx", "");
    const ChildResult run = RunChild(CliPath(), {doc.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Empty file: Input file is zero-length.\n");
}

TEST(HostileDocuments, HundredThousandTinyTextElementsAreAllCounted) {
    std::string docx = "<w:document><w:body>";
    std::string odt = "<office:document-content><office:body><office:text>";
    for (int i = 0; i < 100000; ++i) {
        docx += "<w:p><w:r><w:t>word</w:t></w:r></w:p>";
        odt += "<text:p>word</text:p>";
    }
    docx += "</w:body></w:document>";
    odt += "</office:text></office:body></office:document-content>";
    TempDir dir;
    const fs::path docxPath = dir.Write("many.docx", MakeZip({{kDocxMember, docx}}));
    const fs::path odtPath = dir.Write("many.odt", MakeZip({{"content.xml", odt}}));
    for (const fs::path& doc : {docxPath, odtPath}) {
        const ChildResult run = RunChild(CliPath(), {doc.string()});
        EXPECT_FALSE(run.timedOut) << doc;
        EXPECT_EQ(run.status, 0) << doc << ": " << run.err;
        EXPECT_TRUE(Lists(run.out, "100000", "word")) << doc << ": " << run.out;
    }
}

std::string OdtContent(const std::string& paragraph) {
    return "<office:document-content><office:body><office:text><text:p>" + paragraph +
           "</text:p></office:text></office:body></office:document-content>";
}

// Start tags that are never closed, then end tags that match none of them:
// each end tag must be judged without walking the open elements. The
// watchdog's limit is a fraction of what a walk per end tag takes.
TEST(HostileDocuments, OdtEndTagsWithoutStartsAreReadInLinearTime) {
    std::string tags = "alpha ";
    for (int i = 0; i < 160000; ++i) tags += "<a>";
    for (int i = 0; i < 160000; ++i) tags += "</b>";
    TempDir dir;
    const fs::path doc = dir.Write("tags.odt", MakeZip({{"content.xml", OdtContent(tags + " omega")}}));
    const ChildResult run = RunChild(CliPath(), {doc.string()}, std::chrono::seconds(20));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Lists(run.out, "1", "alpha")) << run.out;
    EXPECT_TRUE(Lists(run.out, "1", "omega")) << run.out;
}

// 800,000 repeated-space elements would make 800 MB of text from an 18 MB
// member (45 KB zipped): the text is held to the document limit and refused
// there, as a member of that size would be.
TEST(HostileDocuments, OdtSpacesBeyondTheLimitAreRefusedInBoundedMemory) {
    std::string spaces = "alpha";
    for (int i = 0; i < 800000; ++i) spaces += "<text:s text:c=\"1000\"/>";
    TempDir dir;
    const fs::path doc = dir.Write("spaces.odt", MakeZip({{"content.xml", OdtContent(spaces + "omega")}}));
    ExpectRefusedAsTooLarge(RunChild(CliPath(), {doc.string()}, std::chrono::seconds(60)), doc, 150);
}

}  // namespace
}  // namespace lexicount::test
