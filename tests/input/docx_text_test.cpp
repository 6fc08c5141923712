#include "input/docx_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace lexicount {
namespace {

using test::W;
using Pieces = std::vector<std::string>;

std::string TextRun(std::string_view text) {
    return "<w:r><w:t>" + std::string(text) + "</w:t></w:r>";
}
std::string Para(std::string_view runs) {
    return "<w:p>" + std::string(runs) + "</w:p>";
}
// A text box as Word writes it: a drawing for current readers and the same
// text as a VML shape for older ones.
std::string TextBox(std::string_view paragraphs) {
    const std::string content = "<w:txbxContent>" + std::string(paragraphs) + "</w:txbxContent>";
    return "<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wp:anchor><a:graphic>"
           "<wps:txbx>" +
           content +
           "</wps:txbx></a:graphic></wp:anchor></w:drawing></mc:Choice><mc:Fallback><w:pict><v:shape>"
           "<v:textbox>" +
           content + "</v:textbox></v:shape></w:pict></mc:Fallback></mc:AlternateContent></w:r>";
}

struct CutCase {
    const char* label;
    std::string xml;
    Pieces pieces;
};

class PieceCuttingTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(PieceCuttingTest, GivesThePieces) {
    const XmlPieces got = ExtractDelimitedSubstringsXML(GetParam().xml);
    EXPECT_EQ(got.pieces, GetParam().pieces);
    std::int64_t size = 0;
    for (const auto& piece : got.pieces) size += static_cast<std::int64_t>(piece.size());
    EXPECT_EQ(got.size, size);
    EXPECT_FALSE(got.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, PieceCuttingTest,
    ::testing::Values(
        CutCase{"ParagraphEndAddsASpace",
                Para(TextRun("Hello world.")) + Para(TextRun("Next")),
                {"Hello world. ", "Next"}},
        CutCase{"RunsOfOneParagraphJoinDirectly", Para(TextRun("Hel") + TextRun("lo")), {"Hel", "lo"}},
        CutCase{"LineBreakAddsASpace",
                Para(TextRun("one") + "<w:r><w:br/></w:r>" + TextRun("two")),
                {"one ", "two"}},
        CutCase{"LineBreakWithAttributesOrBlank",
                TextRun("page") + "<w:br w:type=\"page\"/>" + TextRun("next") + "<w:br />" + TextRun("last"),
                {"page ", "next ", "last"}},
        CutCase{
            "OtherElementsStartingLikeABreakAreNot", TextRun("a") + "<w:bref/>" + TextRun("b"), {"a", "b"}},
        CutCase{"NoSpaceAfterTheLastPiece", Para(TextRun("end")) + "</w:body>", {"end"}},
        CutCase{"PreservedSingleSpace",
                Para(TextRun("a") + "<w:r><w:t xml:space=\"preserve\"> </w:t></w:r>" + TextRun("b")),
                {"a", " ", "b"}},
        CutCase{"AttributesAreDropped", "<w:t xml:space=\"preserve\">  lead</w:t>", {"  lead"}},
        CutCase{"OnlySpacesBecomeOneSpace", "<w:t xml:space=\"preserve\">    </w:t><w:t>x</w:t>", {" ", "x"}},
        CutCase{"EmptyElementIsASpace", "<w:t></w:t><w:t>x</w:t>", {" ", "x"}},
        CutCase{
            "TabSeparates", Para(TextRun("one") + "<w:r><w:tab/></w:r>" + TextRun("two")), {"one ", "two"}},
        CutCase{"TabEndingAParagraphDoesNotHideItsEnd",
                Para(TextRun("one") + "<w:r><w:tab/></w:r>") + Para(TextRun("two")),
                {"one ", "two"}},
        CutCase{"EmptyTextElementDoesNotHideAParagraphEnd",
                Para(TextRun("one") + "<w:r><w:t xml:space=\"preserve\"/></w:r>") + Para(TextRun("two")),
                {"one ", "two"}},
        CutCase{"LastTextBeforeAnEmptyTableKeepsItsSpace",
                Para(TextRun("end")) + "<w:tbl><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl>",
                {"end "}},
        CutCase{"TextBoxIsReadOnceAndSeparated",
                Para(TextRun("outside") + TextBox(Para(TextRun("box"))) + TextRun("word")),
                {"outside ", "box ", "word"}},
        CutCase{"NestedFallbacksAreSkippedWhole",
                Para(TextRun("a") +
                     "<mc:AlternateContent><mc:Choice/><mc:Fallback><mc:AlternateContent>"
                     "<mc:Fallback>" +
                     TextRun("x") + "</mc:Fallback>" + TextRun("y") +
                     "</mc:AlternateContent></mc:Fallback></mc:AlternateContent>" + TextRun("b")),
                {"a", "b"}},
        CutCase{
            "EmptyFallbackHidesNothing", Para(TextRun("a") + "<mc:Fallback/>" + TextRun("b")), {"a", "b"}},
        CutCase{
            "UnclosedFallbackHidesTheRest", Para(TextRun("a")) + "<mc:Fallback>" + Para(TextRun("b")), {"a"}},
        CutCase{"TableElementsAreNotText",
                "<w:tbl><w:tblPr/><w:tr><w:tc><w:tcPr/>" + Para(TextRun("cell")) + "</w:tc></w:tr></w:tbl>",
                {"cell"}},
        CutCase{
            "SelfClosingTextElementsAreEmpty",
            Para(TextRun("a") + "<w:r><w:t/></w:r><w:r><w:t xml:space=\"preserve\"/></w:r>" + TextRun("b")),
            {"a", "b"}},
        CutCase{"AmpersandDecodedBeforeLessThan", "<w:t>&amp;lt;</w:t>", {"<"}},
        CutCase{"BasicEntities", "<w:t>a &amp; b &lt;c&gt;</w:t>", {"a & b <c>"}},
        CutCase{"QuotesApostrophesAndCharacterReferences",
                "<w:t>&quot;x&quot; don&apos;t caf&#233; &#xE9;t&#xe9; a&#9;b</w:t>",
                {W("\"x\" don't café été a b")}},
        CutCase{"Utf8Latin", "<w:t>caf\xC3\xA9 na\xC3\xAFve</w:t>", {W("café naïve")}},
        CutCase{
            "Utf8Punctuation", "<w:t>don\xE2\x80\x99t \xE2\x80\x9Cgo\xE2\x80\x9D</w:t>", {"don't \"go\""}},
        CutCase{"UnclosedElementEndsTheCutting", TextRun("kept") + "<w:t>lost", {"kept"}},
        CutCase{"NoTextElements", "<w:document><w:body/></w:document>", {}}),
    [](const auto& info) { return std::string(info.param.label); });

struct JoinCase {
    const char* label;
    Pieces pieces;
    std::string text;
};

class PieceJoiningTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(PieceJoiningTest, EndsLinesAfterPeriods) {
    EXPECT_EQ(JoinPiecesIntoLines(GetParam().pieces), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, PieceJoiningTest,
    ::testing::Values(JoinCase{"SentenceThenFragment", {"Hello world. ", "Next"}, "Hello world. \r\nNext"},
                      JoinCase{"FragmentsContinueTheLine", {"Hel", "lo ", "there"}, "Hello there"},
                      JoinCase{"PeriodBeforeSpaces", {"a.   ", "b."}, "a.   \r\nb.\r\n"},
                      JoinCase{"PeriodInsideIsNotAnEnd", {"e.g. so", "x"}, "e.g. sox"},
                      JoinCase{"LoneSpace", {" ", "."}, " .\r\n"}, JoinCase{"Nothing", {}, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DocxTextTest, OnePassTextEqualsCutAndJoin) {
    const std::string xml = Para(TextRun("First sentence.") + TextRun(" More")) +
                            Para(TextRun("caf\xC3\xA9.")) + Para(TextRun("x"));
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    const DocumentText text = DocxTextFromXml(xml, hooks, dialogs);
    EXPECT_EQ(text.text, JoinPiecesIntoLines(ExtractDelimitedSubstringsXML(xml).pieces));
    EXPECT_EQ(text.text, W("First sentence.\r\n More café. \r\nx"));
}

// A naive look-ahead would search to the end of the document for every
// piece; these sizes only finish promptly when the cutting stays linear.
TEST(DocxTextTest, ManyTinyElementsInOneParagraph) {
    std::string xml = "<w:body><w:p>";
    for (int i = 0; i < 100000; ++i) xml += TextRun(i % 2 == 0 ? "ab" : "c.");
    xml += "</w:p></w:body>";
    const XmlPieces got = ExtractDelimitedSubstringsXML(xml);
    ASSERT_EQ(got.pieces.size(), 100000u);
    EXPECT_EQ(got.pieces.front(), "ab");
    EXPECT_EQ(got.pieces.back(), "c.");
    EXPECT_EQ(got.size, 200000);
}

// The text grows past its maximum: the extraction gives up and keeps nothing.
TEST(DocxTextTest, TextIsBounded) {
    const std::string xml = Para(TextRun("abcd.")) + Para(TextRun("efgh."));  // "abcd. \r\nefgh.\r\n"
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    for (const std::uint64_t max : {15u, 14u, 6u}) {
        SCOPED_TRACE(max);
        const DocumentText got = DocxTextFromXml(xml, hooks, dialogs, max);
        EXPECT_EQ(got.tooLarge, max < 15);
        EXPECT_EQ(got.text, max < 15 ? "" : "abcd. \r\nefgh.\r\n");
        EXPECT_FALSE(got.stopped);
    }
}

TEST(DocxTextTest, ManyTableCellsWithoutText) {
    std::string xml = "<w:tbl>";
    for (int i = 0; i < 100000; ++i) xml += "<w:tr><w:tc><w:tcPr/></w:tc></w:tr>";
    xml += "</w:tbl>" + Para(TextRun("after"));
    EXPECT_EQ(ExtractDelimitedSubstringsXML(xml).pieces, Pieces{"after"});
}

}  // namespace
}  // namespace lexicount
