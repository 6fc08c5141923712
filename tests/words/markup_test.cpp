// Comments, markup tags and character entities: the routines on their own,
// and what the scanner makes of marked-up lines of each file style.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/settings_record.h"
#include "support/scan_recorder.h"
#include "support/test_support.h"
#include "words/cp1252.h"
#include "words/line_scanner.h"
#include "words/markup.h"

namespace lexicount {
namespace {

using test::W;
using Words = std::vector<std::string>;

using Recorder = test::ScanRecorder;

WordRules RulesFor(bool apostrophes) {
    SettingsRecord s;
    s.chkAllowWordsWithApostrophes = apostrophes ? 1 : 0;
    return WordRules::ForCount(s, BuildAllowedExtraChars(s));
}

// Scans Windows-1252 lines of a file with the given extension, one after
// another as the file scan does (the caller's lower-casing is left out).
Words ScanFile(std::string_view extension, const std::vector<std::string>& lines, bool apostrophes = false) {
    ScanState state;
    SetCommentMarkersForFile(state, extension);
    state.intWithinComment = -1;
    const WordRules rules = RulesFor(apostrophes);
    Recorder host;
    for (const auto& line : lines) {
        state.strLine = line + " ";
        ScanLine(state, rules, host);
    }
    return host.words;
}

struct ScanCase {
    const char* extension;
    std::vector<std::string> lines;
    Words expected;
};

void ExpectScans(const std::vector<ScanCase>& cases, bool apostrophes = false) {
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& l : c.lines) shown += "[" + Utf8FromCp1252(l) + "]";
        EXPECT_EQ(ScanFile(c.extension, c.lines, apostrophes), c.expected) << c.extension << " " << shown;
    }
}

TEST(MarkupScanTest, CStyleComments) {
    ExpectScans({
        {"txt", {"one two // three"}, {"one", "two"}},
        {"txt", {"/* a", "b */ c"}, {"c"}},
        {"txt", {"a /*/ b"}, {"a", "b"}},
        {"txt", {"abc/*def*/ghi"}, {"abc", "ghi"}},
        {"txt", {"x /* never closed", "still inside", "", "end */ out"}, {"x", "out"}},
        {"txt", {"/* one */ /* two */ three"}, {"three"}},
        {"txt", {"/* c */", "next"}, {"next"}},
        {"docx", {"a // b", "c"}, {"a", "c"}},  // a line comment ends with its line
        {"php3", {"<b>bold</b> // x"}, {"b", "bold", "b"}},
    });
}

TEST(MarkupScanTest, HtmlTagsAndBlocks) {
    ExpectScans({
        {"html", {"<p class=x>word</p>"}, {"word"}},
        {"html", {"<script>var a;</script>after"}, {"after"}},
        {"html", {"<style>p { color: red; }</style>after"}, {"after"}},
        {"html", {"<!-- hidden -->"}, {}},
        {"html", {"a <!--> b"}, {"a", "b"}},
        {"html", {"<!-- spans", "lines --> shown"}, {"shown"}},
        {"html", {"<SCRIPT>x</SCRIPT>after"}, {"after"}},  // markers ignore case
        {"html", {"<script>", "var hidden;", "</script>", "visible"}, {"visible"}},
        {"shtml", {"<b>bold</b>"}, {"bold"}},
        {"xhtml", {"<b>bold</b>"}, {"bold"}},
        {"htm", {"a & b"}, {"a", "b"}},
    });
}

TEST(MarkupScanTest, HtmlEntities) {
    ExpectScans({
        {"html", {"caf&eacute;"}, {W("café")}},
        {"html", {"at&amp;t"}, {"at"}},  // "t" is an apostrophe fragment
        {"html", {"wait&hellip;more"}, {"wait", "more"}},
        {"html", {"caf&#233;s"}, {"caf"}},
        {"html", {"a&nbsp;b&#160;c"}, {"a", "b", "c"}},
        {"html", {"&quot;hello&quot;"}, {"hello"}},
        {"html", {"a&#8212;b"}, {"a", "b"}},
        {"html", {"caf&EACUTE;s"}, {"caf"}},                                 // well-formed, not in the table
        {"html", {"&abcdefghijklmnopqr;x"}, {"x"}},                          // ";" at position 20
        {"html", {"&abcdefghijklmnopqrs;x"}, {"abcdefghijklmnopqrs", "x"}},  // ";" at position 21
        {"html", {"& x;"}, {"x"}},
        {"php", {"caf&eacute;"}, {W("café")}},
    });
    ExpectScans({{"html", {"at&amp;t"}, {"at", "t"}}}, /*apostrophes=*/true);
}

TEST(MarkupScanTest, XmlAndPhp) {
    ExpectScans({
        {"xml", {"<?xml version=\"1.0\"?>", "<a>text &amp; more</a>"}, {"text", "amp", "more"}},
        {"xml", {"<!-- c --> <t>v</t>"}, {"v"}},
        {"xml", {"caf&eacute;"}, {"caf", "eacute"}},
        {"php", {"<?php echo $name; // note", "/* block */ print"}, {"echo", "name", "print"}},
        {"php", {"<?php"}, {}},
        {"php", {"<p>para</p> <?php x"}, {"para", "x"}},
    });
}

TEST(MarkupScanTest, DoubleHyphensSeparateExceptAtTheLineStart) {
    ExpectScans({
        {"txt", {"a--b"}, {"a--b"}},
        {"txt", {"see a--b"}, {"see", "a", "b"}},
        {"txt", {"one--two"}, {"one", "two"}},
        {"txt", {"x--y and x--y"}, {"x--y", "and", "x", "y"}},
        {"txt", {"ab---cd"}, {"ab", "-cd"}},
        {"html", {"<!-- c -->word"}, {"word"}},
    });
}

TEST(IsCharacterEntityTest, Cases) {
    struct Case {
        std::string text;
        long expected;
    };
    const Case cases[] = {
        {"&a;", 0},  // too short
        {"&ab;", 4},
        {"&ab; rest", 4},
        {"&#1", 0},  // too short
        {"&#12", 1},
        {"&#x;", 1},
        {"x&ab;", 0},
        {"&ab", 0},    // no ";"
        {"&a b;", 0},  // a blank before the ";"
        {"& ab;", 0},
        {"&1ab;", 0},  // second character not a letter
        {W("&éa;"), 4},
        {W("&×a;"), 0},
        {W("&Šx;"), 0},  // Š is not a letter of the word test
        {"&abcdefghijklmnopqr;", 20},
        {"&abcdefghijklmnopqrs;", 0},
        {"&amp;t rest;", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(IsCharacterEntity(c.text), c.expected) << Utf8FromCp1252(c.text);
}

TEST(EntityTableTest, IsTheExactText) {
    const std::string expected = W(
        "&copy;© &amp;& &nbsp; &#160; &#8212;— &AElig;Æ &Aacute;Á &Acirc;Â &Agrave;À &Aring;Å &Atilde;Ã "
        "&Auml;Ä &Ccedil;Ç &ETH;Ð &Eacute;É &Ecirc;Ê &Egrave;È &Euml;Ë &Iacute;Í &Icirc;Î &Igrave;Ì &Iuml;Ï "
        "&Ntilde;Ñ &Oacute;Ó &Ocirc;Ô &Ograve;Ò &Oslash;Ø &Otilde;Õ &Ouml;Ö &THORN;Þ &Uacute;Ú &Ucirc;Û "
        "&Ugrave;Ù &Uuml;Ü &Yacute;Ý &aacute;á &acirc;â &aelig;æ &agrave;à &aring;å &atilde;ã &auml;ä "
        "&ccedil;ç &eacute;é &ecirc;ê &egrave;è &eth;ð &euml;ë &iacute;í &icirc;î &igrave;ì &iuml;ï "
        "&ntilde;ñ &oacute;ó &ocirc;ô &ograve;ò &oslash;ø &otilde;õ &ouml;ö &szlig;ß &thorn;þ &uacute;ú "
        "&ucirc;û &ugrave;ù &uuml;ü &yacute;ý &yuml;ÿ");
    EXPECT_EQ(kEntityTable.size(), 612u);
    EXPECT_EQ(kEntityTable, expected);
}

TEST(DecodeNamedEntitiesTest, Cases) {
    struct Case {
        std::string in;
        std::string expected;
    };
    const Case cases[] = {
        {"caf&eacute;", W("café")},
        {"&copy; &yuml;", W("© ÿ")},
        {"&AElig;&aelig;&ETH;&eth;&THORN;&thorn;&szlig;", W("ÆæÐðÞþß")},
        {"&Oslash;&Yacute;&Ntilde;&uuml;", W("ØÝÑü")},
        {"a&nbsp;b", "a b"},
        {"a&#160;b", "a b"},
        {"a&#8212;b", W("a—b")},
        {"&quot;x&quot;", "\"x\""},
        {"at&amp;t", "at&t"},
        {"&amp;amp;", "&amp;"},  // the search goes on after the decoded "&"
        {"&amp;nbsp;", "&nbsp;"},
        {"&#233;", "&#233;"},  // other numeric entities stay
        {"&hellip;", "&hellip;"},
        {"&EACUTE;", "&EACUTE;"},  // the lookup is case-sensitive
        {"&Eacute;", W("É")},
        {"&foo &amp;", "&foo &amp;"},  // "&foo &amp;" is looked up whole and not found
        {"x& &nbsp;y", "x y"},         // found in the table as a substring
        {"a;b&c", "a;b&c"},
        {"no entities", "no entities"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeNamedEntities(c.in), c.expected) << Utf8FromCp1252(c.in);
        std::string inPlace = c.in;
        DecodeNamedEntitiesInPlace(inPlace);
        EXPECT_EQ(inPlace, c.expected) << Utf8FromCp1252(c.in);
    }
}

TEST(ReplaceDoubleHyphensTest, Cases) {
    struct Case {
        std::string in;
        std::string expected;
    };
    const Case cases[] = {
        {"a--b", "a--b"},
        {"--ab", "--ab"},
        {" --a", " --a"},
        {"see a--b", "see a  b"},
        {"ab---cd", "ab  -cd"},
        {"ab----cd", "ab    cd"},
        {"x <!-- y --> z", "x <!-- y --> z"},
        {"<!---->", "<!---->"},
        {"xx-->", "xx-->"},
        {"aa--", "aa  "},
        {"no hyphens - here", "no hyphens - here"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceDoubleHyphens(c.in), c.expected) << c.in;
        std::string inPlace = c.in;
        ReplaceDoubleHyphensInPlace(inPlace);
        EXPECT_EQ(inPlace, c.expected) << c.in;
    }
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs InForce(const CommentMarkers& m) {
    Pairs pairs;
    for (int i = 0; i < m.intNumCommentMarkers; ++i) {
        pairs.emplace_back(m.strStartCommentMarker[i], m.strEndCommentMarker[i]);
    }
    return pairs;
}

const Pairs kC = {{"/*", "*/"}, {"//", ""}};
const Pairs kXml = {{"<?xml", "?>"}, {"<!--", "-->"}, {"<", ">"}};
const Pairs kHtml = {{"&", ";"}, {"<script", "/script>"}, {"<style", "/style>"}, {"<!--", "-->"}, {"<", ">"}};
const Pairs kPhp = {{"&", ";"},
                    {"<script", "/script>"},
                    {"<style", "/style>"},
                    {"<!--", "-->"},
                    {"<?php", "php"},
                    {"<", ">"},
                    {"/*", "*/"},
                    {"//", ""}};

TEST(CommentMarkersTest, StyleByExtension) {
    struct Case {
        const char* extension;
        const Pairs* pairs;
        bool entities;
    };
    const Case cases[] = {
        {"php", &kPhp, true},    {"xml", &kXml, false},   {"htm", &kHtml, true}, {"html", &kHtml, true},
        {"shtml", &kHtml, true}, {"xhtml", &kHtml, true}, {"txt", &kC, false},   {"docx", &kC, false},
        {"odt", &kC, false},     {"", &kC, false},        {"php3", &kC, false},  {"c", &kC, false},
    };
    for (const auto& c : cases) {
        ScanState state;
        state.blnCharacterEntitiesPossible = !c.entities;  // must be set either way
        SetCommentMarkersForFile(state, c.extension);
        EXPECT_EQ(InForce(state.markers), *c.pairs) << c.extension;
        EXPECT_EQ(state.blnCharacterEntitiesPossible, c.entities) << c.extension;
    }
}

TEST(CommentMarkersTest, SelectingAStyleKeepsHigherEntries) {
    CommentMarkers m;
    SetCommentMarkerStyle(m, "PHP");
    SetCommentMarkerStyle(m, "C");
    EXPECT_EQ(InForce(m), kC);
    EXPECT_EQ(m.strStartCommentMarker[4], "<?php");
    EXPECT_EQ(m.strEndCommentMarker[2], "/style>");

    SetCommentMarkerStyle(m, "c");  // not a style name: nothing changes
    SetCommentMarkerStyle(m, "");
    EXPECT_EQ(InForce(m), kC);

    ClearCommentMarkers(m);
    EXPECT_EQ(m.intNumCommentMarkers, 0);
    EXPECT_EQ(m.strStartCommentMarker[0], "");
    EXPECT_EQ(m.strEndCommentMarker[0], "");
    EXPECT_EQ(m.strStartCommentMarker[1], "");
}

TEST(CommentMarkersTest, FindCommentStart) {
    struct Case {
        const char* style;
        bool entities;
        std::string line;
        long lngLP;
        int expected;
    };
    const Case cases[] = {
        {"HTML", true, "<!-- x --> ", 1, 3},  // "<!--" wins over "<"
        {"HTML", true, "<Script> ", 1, 1},
        {"HTML", true, "<b> ", 1, 4},
        {"HTML", true, "a <b> ", 3, 4},
        {"HTML", true, "a <b> ", 2, -1},
        {"HTML", true, "&amp; ", 1, 0},
        {"HTML", true, "& x ", 1, -1},  // not an entity: no later pair is tried
        {"HTML", false, "& x ", 1, 0},  // entities off: "&" opens the pair
        {"PHP", true, "<?PHP ", 1, 4},
        {"C", false, "// x ", 1, 1},
        {"C", false, "/* x ", 1, 0},
        {"C", false, "/ * x ", 1, -1},
    };
    for (const auto& c : cases) {
        ScanState state;
        SetCommentMarkerStyle(state.markers, c.style);
        state.blnCharacterEntitiesPossible = c.entities;
        state.strLine = c.line;
        state.lngLP = c.lngLP;
        EXPECT_EQ(FindCommentStart(state), c.expected) << c.style << " [" << c.line << "] @" << c.lngLP;
    }
    ScanState none;
    none.strLine = "/* x ";
    EXPECT_EQ(FindCommentStart(none), -1);
}

TEST(CommentMarkersTest, SkipComment) {
    struct Case {
        const char* style;
        bool entities;
        std::string line;
        long lngLP;
        int open;
        long expectedLP;
        int expectedOpen;
    };
    const Case cases[] = {
        {"C", false, "abc */ d ", 1, 0, 7, -1},  // continuation line: found from position 1
        {"C", false, "abc d ", 1, 0, 7, 0},      // not closed: past the end, still open
        {"C", false, "x // y ", 3, 1, 8, -1},    // a line comment ends with the line
        {"C", false, "/*/ x ", 1, 0, 4, -1},     // start and end overlap
        {"PHP", true, "<?php x ", 1, 4, 6, -1},  // closed by its own "php"
        {"HTML", true, "<!--> x ", 1, 3, 6, -1},
        {"HTML", true, "<A HREF=x>y ", 1, 4, 11, -1},
        {"HTML", true, "&#233;s x ", 1, 0, 8, 0},  // numeric entity and glued letters
        {"HTML", true, "&#12;34 x ", 1, 0, 8, 0},
        {"HTML", false, "&#233;s x ", 1, 0, 7, -1},  // entities off: up to the ";"
    };
    for (const auto& c : cases) {
        ScanState state;
        SetCommentMarkerStyle(state.markers, c.style);
        state.blnCharacterEntitiesPossible = c.entities;
        state.strLine = c.line;
        state.lngLP = c.lngLP;
        state.intWithinComment = c.open;
        SkipComment(state);
        EXPECT_EQ(state.lngLP, c.expectedLP) << c.style << " [" << c.line << "]";
        EXPECT_EQ(state.intWithinComment, c.expectedOpen) << c.style << " [" << c.line << "]";
    }
}

}  // namespace
}  // namespace lexicount
