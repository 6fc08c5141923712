#include "input/odt_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace lexicount {
namespace {

using test::W;

struct OdtCase {
    const char* label;
    std::string xml;
    std::string text;
};

class OdtTextTest : public ::testing::TestWithParam<OdtCase> {};

TEST_P(OdtTextTest, GivesTheLines) {
    const DocumentText got = OdtTextFromXml(GetParam().xml);
    EXPECT_EQ(got.text, GetParam().text);
    EXPECT_FALSE(got.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, OdtTextTest,
    ::testing::Values(
        OdtCase{"HeadingsAndParagraphsAreLines",
                "<office:body><office:text><text:h text:outline-level=\"1\">Title</text:h>"
                "<text:p text:style-name=\"P1\">Body text.</text:p></office:text></office:body>",
                "Title\r\nBody text.\r\n"},
        OdtCase{"RepeatedSpaces", "<text:p>a<text:s text:c=\"3\"/>b<text:s/>c</text:p>", "a   b c\r\n"},
        OdtCase{"TabsAndLineBreaksSeparate", "<text:p>a<text:tab/>b<text:line-break/>c</text:p>",
                "a b c\r\n"},
        OdtCase{"SpansAndLinksAreDropped",
                "<text:p><text:span text:style-name=\"T1\">bo</text:span>ld <text:a "
                "xlink:href=\"x\">link</text:a>"
                "</text:p>",
                "bold link\r\n"},
        OdtCase{"FootnoteKeepsBothTexts",
                "<text:p>Word<text:note text:id=\"n1\" text:note-class=\"footnote\">"
                "<text:note-citation>1</text:note-citation><text:note-body><text:p>Note text.</text:p>"
                "</text:note-body></text:note> continues.</text:p>",
                "Note text.\r\nWord continues.\r\n"},
        OdtCase{"AnnotationTextWithoutAuthorOrDate",
                "<text:p>Text<office:annotation><dc:creator>Ann</dc:creator><dc:date>2024-01-01</dc:date>"
                "<text:p>Remark</text:p></office:annotation> more</text:p>",
                "Remark\r\nText more\r\n"},
        OdtCase{"Entities", "<text:p>&amp;lt; don&apos;t &quot;q&quot; caf&#233; &#xE9;t&#xe9;</text:p>",
                W("< don't \"q\" café été\r\n")},
        OdtCase{"Utf8IsFolded", "<text:p>caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D</text:p>",
                W("café \"q\"\r\n")},
        OdtCase{"ControlCharacterReferenceIsASpace", "<text:p>a&#10;b&#9;c</text:p>", "a b c\r\n"},
        OdtCase{"MalformedReferencesStay", "<text:p>&#; &#xZZ; &#65</text:p>", "&#; &#xZZ; &#65\r\n"},
        OdtCase{"TextOutsideParagraphsIsDropped",
                "<office:automatic-styles><style:style>junk</style:style></office:automatic-styles>"
                "<text:sequence-decls>decl</text:sequence-decls><text:p>kept</text:p>",
                "kept\r\n"},
        OdtCase{"DeletedTextIsDropped",
                "<text:tracked-changes><text:changed-region><text:deletion><text:p>deleted</text:p>"
                "</text:deletion></text:changed-region></text:tracked-changes><text:p>kept</text:p>",
                "kept\r\n"},
        OdtCase{"LineEndsInTheXmlAreSpaces", "<text:p>a\r\nb\nc</text:p>", "a  b c\r\n"},
        OdtCase{"EmptyParagraphIsAnEmptyLine", "<text:p/><text:p text:style-name=\"P2\"/>", "\r\n\r\n"},
        OdtCase{"CommentsInstructionsAndCdata",
                "<?xml version=\"1.0\"?><!-- <text:p>no</text:p> --><text:p>x<![CDATA[<y>&amp;]]></text:p>",
                "x<y>&amp;\r\n"},
        OdtCase{"GreaterThanInAnAttribute", "<text:p text:style-name=\"a>b\">x</text:p>", "x\r\n"},
        OdtCase{"TableCellsAreLines",
                "<table:table><table:table-row><table:table-cell><text:p>A</text:p></table:table-cell>"
                "<table:table-cell><text:p>B</text:p></table:table-cell></table:table-row></table:table>",
                "A\r\nB\r\n"},
        OdtCase{"FrameTextWithoutTitle",
                "<text:p>Before <draw:frame><svg:title>pic</svg:title><draw:text-box><text:p>Caption</text:p>"
                "</draw:text-box></draw:frame>after</text:p>",
                "Caption\r\nBefore after\r\n"},
        OdtCase{"MisnestedEndTagClosesInnerElements", "<text:p><text:span>a</text:p>b<text:p>c</text:p>",
                "a\r\nc\r\n"},
        OdtCase{"StrayEndTagIsIgnored", "<text:p>a</text:span>b</text:p>", "ab\r\n"},
        OdtCase{"EndTagOfAnElementClosedEarlierIsIgnored",
                "<text:p><text:span><text:a>x</text:p>y<text:p>z</text:a>w</text:p>", "x\r\nzw\r\n"},
        OdtCase{"EndTagClosesTheInnermostOfItsName",
                "<text:p>a<text:p>b</text:p>c</text:p>d<text:p>e</text:p>", "b\r\nac\r\ne\r\n"},
        OdtCase{"TruncatedMemberKeepsItsLastParagraph", "<text:p>whole</text:p><text:p>open <text:span>para",
                "whole\r\nopen para\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(OdtTextLimitTest, HugeSpaceCountIsCapped) {
    const DocumentText got = OdtTextFromXml("<text:p>a<text:s text:c=\"2000000000\"/>b</text:p>");
    ASSERT_GE(got.text.size(), 5u);
    EXPECT_EQ(got.text.front(), 'a');
    EXPECT_EQ(got.text.substr(got.text.size() - 3), "b\r\n");
    EXPECT_LT(got.text.size(), 2000u);
}

// The text, open paragraphs included, is bounded: a few bytes of markup
// can ask for thousands of spaces.
TEST(OdtTextLimitTest, TextPastItsMaximumIsGivenUp) {
    std::string spaces = "<text:p>a";
    for (int i = 0; i < 100; ++i) spaces += "<text:s text:c=\"1000\"/>";
    struct Case {
        std::string xml;
        std::uint64_t max;
        bool tooLarge;
    };
    const Case cases[] = {
        {"<text:p>abc</text:p><text:p>d</text:p>", 8, false},  // "abc\r\nd\r\n"
        {"<text:p>abc</text:p><text:p>d</text:p>", 7, true},
        {"<text:p>abc</text:p><text:p>", 7, false},  // the paragraph left open is a line
        {"<text:p>abc</text:p><text:p>", 6, true},
        {spaces, 50000, true},
    };
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml.substr(0, 60) + " max " + std::to_string(c.max));
        const DocumentText got = OdtTextFromXml(c.xml, hooks, dialogs, c.max);
        EXPECT_EQ(got.tooLarge, c.tooLarge);
        EXPECT_EQ(got.text.empty(), c.tooLarge);
        EXPECT_LE(got.text.size(), c.max);
        EXPECT_FALSE(got.stopped);
    }
}

}  // namespace
}  // namespace lexicount
