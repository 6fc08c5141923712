// End-to-end runs of lexicount-cli: whole outputs compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/settings_record.h"
#include "run/main_controller.h"
#include "support/child_process.h"
#include "support/cli_run.h"
#include "support/fake_view.h"
#include "support/test_support.h"
#include "support/zip_fixture.h"

namespace lexicount::test {
namespace {

const std::string kCatText = "The cat sat on the mat.\nThe dog -- and the cat!\n";

struct OutputCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string expected;
};

class CliOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CliOutput, PrintsTheListOfTheTextBox) {
    const auto& c = GetParam();
    const CliResult r = RunCli(c.args, c.input);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliOutput,
    ::testing::Values(
        OutputCase{"DefaultByFrequency",
                   {},
                   kCatText,
                   "   Rank    Freq  Word (longest has 3 characters)\n"
                   "      1       4  the\n"
                   "      2       2  cat\n"
                   "      3       1  and\n"
                   "      4       1  dog\n"
                   "      5       1  mat\n"
                   "      6       1  sat\n"},
        OutputCase{"AlphabeticalRankWordFrequency",
                   {"--order", "alphabetical", "--format", "1"},
                   kCatText,
                   "   Rank  Word      Freq\n"
                   "      3  and          1\n"
                   "      2  cat          2\n"
                   "      4  dog          1\n"
                   "      5  mat          1\n"
                   "      6  sat          1\n"
                   "      1  the          4\n"},
        OutputCase{"FrequencyRank",
                   {"--format", "4"},
                   kCatText,
                   "   Freq    Rank\n      4       1\n      2       2\n      1       3\n      1       4\n"
                   "      1       5\n      1       6\n"},
        OutputCase{"BareWords",
                   {"--format", "8", "--order", "alphabetical"},
                   kCatText,
                   "Word (longest has 3 characters)\nand\ncat\ndog\nmat\nsat\nthe\n"},
        OutputCase{
            "WordsOnOneLine", {"--format", "9", "--set", "chkIgnoreShortWords=0"}, "b a c a\n", "a, b, c\n"},
        OutputCase{"NothingFound", {}, "a an on\n", "No words satisfying the conditions were found.\n"},
        OutputCase{
            "NothingListed", {}, "xiv xiv\n", "No words with more than 2 letters\noccur at least once.\n"},
        OutputCase{"NothingListedWithThreshold",
                   {"--set", "chkIgnoreInfrequentWords=1", "--set", "cboThresholdFrequency=3"},
                   "alpha beta\n",
                   "No words with more than 2 letters\noccur at least 5 times.\n"},
        OutputCase{"Utf8FoldedAndLowerCased",
                   {},
                   "Caf\xc3\xa9 CAF\xc3\x89 caf\xc3\xa9 na\xc3\xafve\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n"
                   "      1       3  caf\xc3\xa9\n"
                   "      2       1  na\xc3\xafve\n"},
        OutputCase{"CaseSignificant",
                   {"--set", "chkCaseSignificant=1", "--order", "alphabetical", "--format", "7"},
                   "Word word WORD word\n",
                   // Equal keys: the sort leaves them as WORD, Word, word.
                   "  Word     Freq\n  WORD        1\n  Word        1\n  word        2\n"},
        OutputCase{"HtmlMarkupAndEntities",
                   {"--type", "html"},
                   "<p class=x>word</p> caf&eacute; <!-- hidden -->\n<script>var a;</script>after\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n"
                   "      1       1  after\n"
                   "      2       1  caf\xc3\xa9\n"
                   "      3       1  word\n"},
        OutputCase{"CommentSpanningLines",
                   {},
                   "/* alpha\nbeta */ gamma // delta\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n      1       1  gamma\n"},
        OutputCase{
            "CrOnlyLineEnds",
            {},
            "one\rtwo\rone\r",
            "   Rank    Freq  Word (longest has 3 characters)\n      1       2  one\n      2       1  two\n"},
        OutputCase{"Apostrophes",
                   {"--set", "chkAllowWordsWithApostrophes=1", "--format", "8"},
                   "don't rock 'n' roll\n",
                   "Word (longest has 5 characters)\ndon't\nrock\nroll\n"},
        // Columns by display width: Cyrillic letters take one, Chinese two.
        OutputCase{
            "UnicodeWords",
            {"--unicode", "-f", "7", "-s", "cboShortWordSize=0"},
            "\xD0\x9C\xD0\xB8\xD1\x80 \xD0\xBC\xD0\xB8\xD1\x80 \xE4\xB8\xAD\xE6\x96\x87\n",
            "  Word     Freq\n  \xD0\xBC\xD0\xB8\xD1\x80         2\n  \xE4\xB8\xAD\xE6\x96\x87        1\n"},
        // Turkish common words bring Turkish folding: "I" is dotless "ı".
        OutputCase{"TurkishCommonWords",
                   {"--unicode", "--common-words", "tr", "-f", "8"},
                   "IRMAK ırmak Irmak ve İSTANBUL\n",
                   "Word (longest has 8 characters)\nırmak\nistanbul\n"},
        // 45 Cyrillic letters take 90 bytes: a word all the same.
        OutputCase{
            "LongUnicodeWord",
            {"--unicode", "-f", "8"},
            "\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1"
            "\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1"
            "\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1"
            "\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB2\n",
            "Word (longest has 45 "
            "characters)"
            "\n\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0"
            "\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0"
            "\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0"
            "\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xB1\xD0\xB2\n"},
        OutputCase{"WordsToIgnore",
                   {"--set", "txbWordsToIgnore=The, cat", "--format", "5"},
                   kCatText,
                   "    Freq  Word (longest has 3 characters)\n"
                   "       1  and\n       1  dog\n       1  mat\n       1  sat\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, ReadsAFileNamedOnTheCommandLine) {
    TempDir dir;
    const auto file = dir.Write("text.txt", "alpha beta alpha\r\n");
    const CliResult r = RunCli({"--format", "7", file.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "  Word     Freq\n  alpha       2\n  beta        1\n");
}

TEST(Cli, ExtensionChoosesTheMarkupStyle) {
    TempDir dir;
    const auto file = dir.Write("page.HTML", "<b>bold</b> text\n");
    const CliResult r = RunCli({"--format", "8", file.string()});
    EXPECT_EQ(r.out, "Word (longest has 4 characters)\nbold\ntext\n");
}

TEST(Cli, SummaryGoesToStandardError) {
    const CliResult r = RunCli({"--summary", "--set", "txbWordsToIgnore=The, cat"}, kCatText);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "Number of words in this list:  4\n"
              "No. of words ignored (other than common words):  0\n"
              "Number of instances of words in this list:  4\n"
              "Total number of instances of words: 11\n");
}

TEST(Cli, TimeGoesToStandardErrorAndLeavesTheListAlone) {
    const CliResult plain = RunCli({}, kCatText);
    const CliResult timed = RunCli({"--time"}, kCatText);
    EXPECT_EQ(timed.status, 0);
    EXPECT_EQ(timed.out, plain.out);
    EXPECT_TRUE(std::regex_match(timed.err, std::regex("Scan time: [0-9]+\\.[0-9]{3} s\n"))) << timed.err;
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string errorStart;
};

class CliFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailure, ExitsWithItsStatusAndMessage) {
    const auto& c = GetParam();
    const CliResult r = RunCli(c.args, kCatText);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err.substr(0, c.errorStart.size()), c.errorStart);
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailure,
    ::testing::Values(
        FailureCase{
            "UnknownField", {"--set", "nosuch=1"}, 2, "lexicount-cli: unknown settings field 'nosuch'"},
        FailureCase{"ListIndexOutOfRange", {"--set", "cboShortWordSize=14"}, 2, "lexicount-cli: value of"},
        FailureCase{"CheckBoxNotZeroOrOne", {"--set", "chkDropFinalS=2"}, 2, "lexicount-cli: value of"},
        FailureCase{"FormatOutOfRange", {"--format", "10"}, 2, "lexicount-cli: value of cboDisplayFormat"},
        FailureCase{"BadOrder", {"--order", "random"}, 2, "lexicount-cli: --order"},
        FailureCase{"UnknownOption", {"--frobnicate"}, 2, "lexicount-cli: unknown option"},
        FailureCase{"CharacterNotAllowed",
                    {"--set", "txbWordsToIgnore=a;b"},
                    1,
                    "Character not allowed: The character ; occurs in some word to ignore\n"
                    "but is not a character allowed in a word.\n"},
        FailureCase{"CharacterNotCurrentlyAllowed",
                    {"--set", "txbWordsToIgnore=e_mail"},
                    1,
                    "Character not allowed: The character _ occurs in some word to ignore\n"
                    "but is not currently set as a character allowed in a word.\n"},
        FailureCase{
            "MissingFile", {"/nonexistent/file.txt"}, 1, "File not found: Input file does not exist.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The run is the window's: its questions are printed with the answer the
// usage text promises, and its refusals end the run with status 1.
TEST(Cli, AnswersTheRunsQuestionsAsItsHelpSays) {
    TempDir dir;
    // UTF-8 is recognised by its byte-order mark.
    const auto utf8 = dir.Write("utf8.txt",
                                "\xEF\xBB\xBF"
                                "caf\xC3\xA9 caf\xC3\xA9 th\xC3\xA9\n");
    const auto ansi = dir.Write("ansi.txt", "caf\xE9 caf\xE9 th\xE9\n");
    const std::string asAnsi = "UTF-8 or ANSI file?: This file seems to be UTF-8 encoded.\n";
    const std::string asUtf8 = "UTF-8 or ANSI file?: This file does not seem to be UTF-8 encoded.\n";
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;
        std::string errEnd;
        std::string firstWord;  // "" when nothing is listed
    };
    const Case cases[] = {
        {"UTF-8 file read as ANSI", {utf8.string()}, 0, asAnsi, "[No]\n", "caf\xC3\xA9"},
        {"UTF-8 file read as UTF-8", {"--set", "chkUTF8=1", utf8.string()}, 0, "", "", "caf\xC3\xA9"},
        {"ANSI file read as UTF-8",
         {"--set", "chkUTF8=1", ansi.string()},
         0,
         asUtf8,
         "[Yes]\n",
         "caf\xC3\xA9"},
        {"Incompatible settings",
         {"--set", "chkUTF8=1", "--set", "chkOnly7bitASCII=1", utf8.string()},
         1,
         "Incompatible setting: Scanning as UTF-8 is not compatible with\n",
         "allowing only 7-bit ASCII characters.\n",
         ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--format", "8"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0U) << c.name << ": " << r.err;
        EXPECT_TRUE(r.err.ends_with(c.errEnd)) << c.name << ": " << r.err;
        const size_t firstLine = r.out.find('\n');
        EXPECT_EQ(firstLine == std::string::npos ? "" : r.out.substr(firstLine + 1, c.firstWord.size()),
                  c.firstWord)
            << c.name << ": " << r.out;
    }
}

// The window's box holds 65,000 characters and asks for an output file
// beforehand; the tool prints everything and asks nothing.
TEST(Cli, ListsALargeInputWholeWithoutAskingForAnOutputFile) {
    TempDir dir;
    const auto big = dir.Write("big.txt", DistinctWords(40000, " "));
    const CliResult r = RunCli({"--format", "8", big.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 40001);
}

// Under --unicode the output file is UTF-8 and says so, with a byte-order
// mark for spreadsheets; the same text in UTF-8 and in Windows-1252 gives
// the same list.
TEST(Cli, UnicodeWordsGoToAUtf8OutputFile) {
    TempDir dir;
    const auto utf8 = dir.Write("utf8.txt", "Caf\xC3\xA9 caf\xC3\xA9 na\xC3\xAFve\n");
    const auto ansi = dir.Write("ansi.txt", "Caf\xE9 caf\xE9 na\xEFve\n");
    const auto output = dir.path() / "list.txt";
    const CliResult fromUtf8 = RunCli({"--unicode", "-o", output.string(), "-f", "8", utf8.string()});
    ASSERT_EQ(fromUtf8.status, 0) << fromUtf8.err;
    EXPECT_EQ(fromUtf8.out, "Word (longest has 5 characters)\ncaf\xC3\xA9\nna\xC3\xAFve\n");
    const std::string file = ReadFileBytes(output);
    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF\"To open this file")) << file;
    EXPECT_NE(file.find("Set File Origin: Unicode (UTF-8)"), std::string::npos);
    EXPECT_NE(file.find("caf\xC3\xA9"), std::string::npos);
    const CliResult fromAnsi = RunCli({"--unicode", "-f", "8", ansi.string()});
    EXPECT_EQ(fromAnsi.out, fromUtf8.out);
}

// UTF-16 of either byte order is taken by --unicode, which counts it as the
// same text in UTF-8; the Western model still refuses it, and says what it
// could not count in UTF-8.
TEST(Cli, UnicodeWordsReadUtf16AndTheWesternModelSaysWhatItMisses) {
    TempDir dir;
    const std::string text = "\xD0\x9C\xD0\xB8\xD1\x80 \xD0\xBC\xD0\xB8\xD1\x80 caf\xC3\xA9\n";
    using namespace std::string_literals;
    const std::string le =
        "\xFF\xFE\x1C\x04\x38\x04\x40\x04 \x00\x3C\x04\x38\x04\x40\x04 \x00"
        "c\x00"
        "a\x00"
        "f\x00\xE9\x00\n\x00"s;
    std::string be;
    for (size_t i = 0; i < le.size(); i += 2) be += std::string{le[i + 1], le[i]};
    const auto utf8 = dir.Write("utf8.txt", text);
    const CliResult expected = RunCli({"--unicode", "-f", "7", utf8.string()});
    ASSERT_EQ(expected.status, 0) << expected.err;
    EXPECT_EQ(expected.out,
              "  Word     Freq\n  \xD0\xBC\xD0\xB8\xD1\x80         2\n  caf\xC3\xA9        1\n");
    for (const auto& [name, bytes] : {std::pair{"le.txt", le}, std::pair{"be.txt", be}}) {
        const auto file = dir.Write(name, bytes);
        const CliResult r = RunCli({"--unicode", "-f", "7", file.string()});
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.out, expected.out) << name;
        EXPECT_EQ(RunCli({file.string()}).status, 1) << name;
    }
    const CliResult western = RunCli({"-f", "7", utf8.string()});
    EXPECT_EQ(western.err, UnicodeNotice(6) + "\n");
    EXPECT_EQ(RunCli({"-f", "7", dir.Write("latin.txt", "caf\xC3\xA9 na\xC3\xAFve\n").string()}).err, "");
    EXPECT_EQ(expected.err, "");
}

// GNU forms: "=" values, short options, options after the file, "--".
TEST(Cli, AcceptsTheGnuFormsOfItsOptions) {
    TempDir dir;
    const auto file = dir.Write("text.txt", "alpha beta alpha\n");
    const std::string expected = "  Word     Freq\n  alpha       2\n  beta        1\n";
    const std::vector<std::vector<std::string>> forms = {
        {"--format", "7", file.string()},
        {"--format=7", file.string()},
        {"-f", "7", file.string()},
        {"-f7", file.string()},
        {file.string(), "--format=7"},
        {"-s", "cboDisplayFormat=7", file.string()},
        {"--set=cboDisplayFormat=7", file.string()},
        {"-f7", "--", "-"},
    };
    for (const auto& args : forms) {
        const CliResult r = RunCli(args, "alpha beta alpha\n");
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_EQ(r.out, expected) << args[0];
    }
    const auto output = dir.path() / "list.txt";
    EXPECT_EQ(RunCli({"-o", output.string(), "-f7", file.string()}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(output));
}

TEST(Cli, NamesTheOptionThatIsWrong) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--output"}, "lexicount-cli: --output needs a value\n"},
        {{"-o"}, "lexicount-cli: -o needs a value\n"},
        {{"--format=11"},
         "lexicount-cli: value of cboDisplayFormat must be a whole number from 0 to 9, got '11'\n"},
        {{"-x"}, "lexicount-cli: unknown option '-x'\n"},
        {{"--colour=red"}, "lexicount-cli: unknown option '--colour'\n"},
        {{"-", "b.txt"}, "lexicount-cli: standard input cannot be one of several inputs\n"},
        {{"--merge-counts"}, "lexicount-cli: --merge-counts needs one or more counts files\n"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), message);
    }
}

TEST(Cli, HelpDescribesTheOptions) {
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--set NAME=VALUE"), std::string::npos);
    EXPECT_NE(r.out.find("--format N"), std::string::npos);
    const CliResult version = RunCli({"-V"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("lexicount-cli [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << version.out;
}

}  // namespace
}  // namespace lexicount::test

namespace lexicount::test {
namespace {

std::filesystem::path Fixture(const char* name) {
    return TestDataDir() / name;
}

TEST(CliFiles, CountsTheTextOfDocuments) {
    const CliResult docx =
        RunCli({"--format", "8", "--order", "alphabetical", Fixture("sample.docx").string()});
    ASSERT_EQ(docx.status, 0) << docx.err;
    EXPECT_EQ(docx.out.rfind("Word (longest has 9 characters)\n", 0), 0U);
    EXPECT_NE(docx.out.find("\ncaf\xc3\xa9\n"), std::string::npos);
    EXPECT_NE(docx.out.find("\nna\xc3\xafve\n"), std::string::npos);
    const CliResult odt =
        RunCli({"--format", "8", "--order", "alphabetical", Fixture("sample.odt").string()});
    ASSERT_EQ(odt.status, 0) << odt.err;
    EXPECT_NE(odt.out.find("\ncaf\xc3\xa9\n"), std::string::npos);
}

// Under Unicode words the text of a document is the Unicode it is written
// in, character references included; the Western model still folds it.
TEST(CliFiles, DocumentsInAnyScriptUnderUnicodeWords) {
    const std::string text = "Łódź żółw &#x41C;ир мир";
    TempDir dir;
    const auto docx = dir.Write(
        "ru.docx", MakeZip({{"word/document.xml", "<w:document><w:body><w:p><w:r><w:t>" + text +
                                                      "</w:t></w:r></w:p></w:body></w:document>"}}));
    const auto odt = dir.Write("ru.odt", MakeZip({{"content.xml",
                                                   "<office:document-content><office:body><office:text>"
                                                   "<text:p>" +
                                                       text +
                                                       "</text:p></office:text></office:body>"
                                                       "</office:document-content>"}}));
    for (const auto& file : {docx, odt}) {
        const CliResult r = RunCli({"--unicode", "-f", "7", "--order", "alphabetical", file.string()});
        ASSERT_EQ(r.status, 0) << file << ": " << r.err;
        EXPECT_EQ(r.out, "  Word     Freq\n  łódź        1\n  żółw        1\n  мир         2\n") << file;
        EXPECT_EQ(RunCli({"-f", "8", file.string()}).out.find("мир"), std::string::npos) << file;
    }
}

// The exports of one run read back by Python's own CSV and JSON parsers and
// by openpyxl: the same rows in each, words of several scripts intact,
// numbers stored as numbers, the header row frozen.
TEST(CliFiles, ExportsReadBackByRealParsers) {
    TempDir dir;
    const auto text = dir.Write("text.txt", "мир мир мир café café żółw, мир\n");
    const std::vector<std::string> files = {"w.csv", "w.tsv", "w.json", "w.xlsx"};
    std::vector<std::string> args = {"--unicode", "-f", "8"};
    for (const std::string& file : files) args.insert(args.end(), {"--export", (dir.path() / file).string()});
    args.push_back(text.string());
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto reader = dir.Write("read.py", R"(import csv, json, sys, openpyxl
d = sys.argv[1]
def line(fmt, r):
    print(fmt, int(float(r[0])), r[1], int(float(r[2])), "%.4f" % float(r[3]), "%.4f" % float(r[5]))
with open(d + "/w.csv", newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f))
print("csv", ",".join(rows[0]))
for r in rows[1:]: line("csv", r)
with open(d + "/w.tsv", encoding="utf-8") as f:
    for r in [l.rstrip("\n").split("\t") for l in f][1:]: line("tsv", r)
j = json.load(open(d + "/w.json", encoding="utf-8"))
s = j["summary"]
print("json", s["different_words"], s["listed_instances"], s["total_instances"])
for w in j["words"]:
    line("json", [w["rank"], w["word"], w["frequency"], w["percent"], w["per_million"], w["cumulative_percent"]])
ws = openpyxl.load_workbook(d + "/w.xlsx").active
print("xlsx", ws.freeze_panes, [c.value for c in ws[1]] == rows[0])
for r in ws.iter_rows(min_row=2):
    assert all(c.data_type == "n" for c in (r[0], r[2], r[3], r[4], r[5]))
    line("xlsx", [c.value for c in r])
)");
    const ChildResult read = RunChild("/usr/bin/python3", {reader.string(), dir.path().string()});
    ASSERT_EQ(read.status, 0) << read.err;
    std::string expected = "csv rank,word,frequency,percent,per_million,cumulative_percent\n";
    for (const char* format : {"csv", "tsv", "json", "xlsx"}) {
        if (std::string(format) == "json") expected += "json 3 7 7\n";
        if (std::string(format) == "xlsx") expected += "xlsx A2 True\n";
        expected += std::string(format) + " 1 мир 4 57.1429 57.1429\n";
        expected += std::string(format) + " 2 café 2 28.5714 85.7143\n";
        expected += std::string(format) + " 3 żółw 1 14.2857 100.0000\n";
    }
    EXPECT_EQ(read.out, expected);

    // An export never overwrites the input; an unknown extension is a usage error.
    const auto input = dir.Write("in.csv", "alpha beta\n");
    const CliResult same = RunCli({"--export", input.string(), input.string()});
    EXPECT_EQ(same.status, 1);
    EXPECT_NE(same.err.find("An export file cannot be the same as the input file."), std::string::npos);
    EXPECT_EQ(ReadFileBytes(input), "alpha beta\n");
    EXPECT_EQ(RunCli({"--export", (dir.path() / "w.txt").string(), input.string()}).status, 2);
}

TEST(CliFiles, RefusesFilesThatAreNotText) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"nul.txt", std::string("some text\0more text", 19), "Not a text file: "},
        {"tiny.txt", "abc", "Fatal error: File "},
        {"doc.rtf", "{\\rtf1 hello}", "Fatal error: File "},
        {"broken.docx", "PK\x03\x04 not really a zip at all",
         "Lexicount: Invalid checksum found when processing"},
    };
    for (const auto& c : cases) {
        const auto path = dir.Write(c.name, c.bytes);
        const CliResult r = RunCli({path.string()});
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0U) << c.name << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.name;
    }
    const CliResult folder = RunCli({dir.path().string()});
    EXPECT_EQ(folder.status, 1);
}

TEST(CliFiles, WritesTheOutputFileWithHintLines) {
    TempDir dir;
    const auto input = dir.Write("in.txt", "beta alpha beta\n");
    const auto output = dir.path() / "list.csv";
    dir.Write("list.csv", "old content that must go");
    const CliResult r =
        RunCli({"--output", output.string(), "--set", "chkOutputWithCommas=1", input.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(output),
              "\"To open this file in Excel state that it is delimited by commas.\r\n"
              "\"Set File Origin: Windows (ANSI) & Text qualifier: double-quote.\r\n"
              "\r\n"
              "    Rank,    Freq,  Word (longest has 5 characters)\r\n"
              "       1,       2,  beta\r\n"
              "       2,       1,  alpha\r\n");
    const CliResult oneLine = RunCli({"--output", output.string(), "--format", "9", input.string()});
    ASSERT_EQ(oneLine.status, 0);
    EXPECT_EQ(ReadFileBytes(output),
              "\"To open this file in Excel state that it is delimited by spaces.\r\n"
              "\"Set File Origin: Windows (ANSI) & Text qualifier: double-quote.\r\n"
              "\r\n"
              "beta, alpha");
}

TEST(CliFiles, OutputFileMayNotBeTheInputFile) {
    TempDir dir;
    const auto input = dir.Write("in.txt", "alpha beta\n");
    std::filesystem::create_directory(dir.path() / "sub");
    const std::string sameByOtherName = (dir.path() / "sub" / ".." / "in.txt").string();
    const CliResult r = RunCli({"--output", sameByOtherName, input.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Output file cannot be the same as the input file."), std::string::npos);
    EXPECT_EQ(ReadFileBytes(input), "alpha beta\n");
}

TEST(CliFiles, CommonWordsByLanguageAndByDeclaredLanguage) {
    const CliResult en = RunCli({"--common-words", "en", "--format", "8"}, kCatText);
    ASSERT_EQ(en.status, 0) << en.err;
    EXPECT_EQ(en.out, "Word (longest has 3 characters)\ncat\ndog\nmat\nsat\n");
    TempDir dir;
    const auto page =
        dir.Write("page.html", "<html lang=\"de\"><body>Der Hund und die Katze</body></html>\n");
    const CliResult de =
        RunCli({"--auto-common-words", "--format", "8", "--order", "alphabetical", page.string()});
    ASSERT_EQ(de.status, 0) << de.err;
    EXPECT_EQ(de.out, "Word (longest has 5 characters)\nhund\nkatze\n");
    // Under Unicode words a Russian page picks the Russian list; the
    // Western model keeps to its six languages and so to English.
    const auto russian =
        dir.Write("ru.html", "<html lang=\"ru\"><body>Он и она читали книгу</body></html>\n");
    const std::vector<std::string> autoArgs = {"--auto-common-words", "-f", "8", "--order", "alphabetical"};
    std::vector<std::string> unicodeArgs = autoArgs;
    unicodeArgs.insert(unicodeArgs.end(), {"--unicode", russian.string()});
    EXPECT_EQ(RunCli(unicodeArgs).out, "Word (longest has 6 characters)\nкнигу\nчитали\n");
    std::vector<std::string> westernArgs = autoArgs;
    westernArgs.push_back(russian.string());
    EXPECT_NE(RunCli(westernArgs).err.find("cwds_en.txt"), std::string::npos);
    const CliResult missing = RunCli({"--common-words", (dir.path() / "none.txt").string()}, kCatText);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("File for common words not found."), std::string::npos);
}

TEST(CliFiles, SettingsFilesRoundTrip) {
    TempDir dir;
    const auto saved = dir.path() / "mine.tly";
    const CliResult save = RunCli({"--save-settings", saved.string(), "--set", "chkIgnoreShortWords=0",
                                   "--format", "8", "--order", "alphabetical"},
                                  "b a\n");
    ASSERT_EQ(save.status, 0) << save.err;
    const CliResult load = RunCli({"--settings", saved.string()}, "b a\n");
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(load.out, "Word (longest has 1 characters)\na\nb\n");
    const auto broken = dir.Write("broken.tly", "\"\"\n\"\"\n");
    const CliResult bad = RunCli({"--settings", broken.string()}, "b a\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.rfind("Load settings: Error when attempting to restore settings: ", 0), 0U) << bad.err;
}

// Words to ignore are held as Windows-1252 text, paths as given: both keep
// their characters in the saved file, and the words are ignored.
TEST(CliFiles, SetTextsKeepTheirCharacters) {
    TempDir dir;
    const auto saved = dir.path() / "texts.tly";
    const std::string path = (dir.path() / "zoë.txt").string();
    const CliResult r = RunCli({"--save-settings", saved.string(), "--set", "txbWordsToIgnore=Café", "--set",
                                "txbCommonWordsFile=" + path, "--format", "8"},
                               "café thé\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Word (longest has 3 characters)\nthé\n");
    const std::string bytes = ReadFileBytes(saved);
    EXPECT_NE(bytes.find("\r\n\"café\"\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\n\"" + path + "\"\r\n"), std::string::npos) << bytes;
}

}  // namespace
}  // namespace lexicount::test

namespace lexicount::test {
namespace {

// The bash completion lists the fields --set accepts: the same names as the
// settings table, so that a field added to one is not missing from the other.
TEST(CliCompletion, OffersEverySettingsField) {
    std::ifstream file(TestDataDir() / ".." / ".." / "data" / "desktop" / "lexicount-cli.bash-completion");
    ASSERT_TRUE(file) << "completion file not found";
    std::set<std::string> offered;
    bool inList = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("_lexicount_cli_fields=(", 0) == 0) {
            inList = true;
            continue;
        }
        if (!inList) continue;
        if (line == ")") break;
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            std::erase(word, '\'');
            offered.insert(word);
        }
    }
    std::set<std::string> fields;
    for (const FieldInfo& field : SettingsFields()) fields.insert(std::string(field.name));
    EXPECT_EQ(offered, fields);
}

// Saved counts merge into the list of one run; a counts file is never
// written over one being read, and a damaged one is refused with its line.
TEST(Cli, SavedCountsMergeAndAreNeverOverwritten) {
    const TempDir dir;
    const auto a = dir.Write("a.txt", "alpha beta\nbeta\n");
    const auto b = dir.Write("b.txt", "beta gamma\n");
    const std::string countsA = (dir.path() / "a.counts").string();
    const std::string countsB = (dir.path() / "b.counts").string();
    ASSERT_EQ(RunCli({"--save-counts", countsA, a.string()}).status, 0);
    ASSERT_EQ(RunCli({"--save-counts", countsB, b.string()}).status, 0);
    const CliResult merged = RunCli({"--format", "7", "--merge-counts", countsA, countsB});
    EXPECT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, RunCli({"--format", "7"}, "alpha beta\nbeta\nbeta gamma\n").out);

    const std::string before = ReadFileBytes(countsA);
    const CliResult over = RunCli({"--save-counts", countsA, "--merge-counts", countsA, countsB});
    EXPECT_EQ(over.status, 1);
    EXPECT_NE(over.err.find("The file the counts are saved to cannot be the same as a counts file."),
              std::string::npos)
        << over.err;
    EXPECT_EQ(ReadFileBytes(countsA), before);

    const auto damaged = dir.Write("d.counts", before.substr(0, before.size() / 2));
    const CliResult refused = RunCli({"--merge-counts", countsB, damaged.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(damaged.string() + ": "), std::string::npos) << refused.err;
}

// A folder of mixed files: its text and document files, with the
// subfolders under -r, each file with its own comment state; a file that
// cannot be counted is named at the end and ends nothing.
TEST(Cli, CountsAFolderOfMixedFilesAndNamesThoseItCannot) {
    const TempDir dir;
    std::filesystem::create_directories(dir.path() / "book" / "part");
    dir.Write("book/one.txt", "alpha beta\n");
    dir.Write("book/part/a-open.txt", "beta /* gamma\n");  // the comment ends with its file
    dir.Write("book/part/b-close.txt", "gamma */ delta\n");
    dir.Write("book/notes.md", "omega\n");
    dir.Write("book/bad.txt", std::string("\0\0\1\2binary\0", 11));
    std::filesystem::copy_file(Fixture("sample.docx"), dir.path() / "book" / "sample.docx");
    const std::string book = (dir.path() / "book").string();

    const CliResult all = RunCli({"-r", "--format", "7", book});
    EXPECT_EQ(all.status, 1);  // one file was refused
    for (const char* line : {"  beta           2\n", "  alpha          1\n", "  gamma          1\n",
                             "  delta          1\n", "  fox            1\n"}) {
        EXPECT_NE(all.out.find(line), std::string::npos) << line << all.out;
    }
    EXPECT_EQ(all.out.find("omega"), std::string::npos);
    EXPECT_NE(all.err.find("Files not counted: 1 of 5 files could not be counted:\n" + book + "/bad.txt"),
              std::string::npos)
        << all.err;

    const CliResult top = RunCli({"--include", "*.MD", "--include", "one.*", "--format", "8", book});
    EXPECT_EQ(top.status, 0) << top.err;
    EXPECT_EQ(top.out, "Word (longest has 5 characters)\nalpha\nbeta\nomega\n");
    // An output file kept in the folder is not counted on the next run.
    for (int run = 0; run < 2; ++run) {
        const CliResult kept =
            RunCli({"-o", book + "/list.txt", "--include", "*.txt", "--format", "8", book});
        EXPECT_EQ(kept.out.find("\nlongest\n"), std::string::npos) << run;  // from the output file's header
    }
    const CliResult missing = RunCli({book + "/one.txt", book + "/none.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(book + "/none.txt cannot be found."), std::string::npos) << missing.err;
}

// Files counted by several workers list exactly what one worker lists,
// over random files (comments left open at a file's end, markup, UTF-8,
// a document) and several settings.
TEST(Cli, SeveralWorkersListWhatOneLists) {
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / "in");
    std::mt19937 random(20261208);
    const std::vector<std::string> pieces = {
        "alpha", "Beta",  "gamma's", "cats", "caf\xC3\xA9", "\xC5\xBC\xC3\xB3\xC5\x82w",
        "/*",    "*/",    "<b>",     "</b>", "&amp;",       "\r\n",
        "\n",    "x-ray", "42"};
    for (int file = 0; file < 12; ++file) {
        std::string text;
        for (int i = 0; i < 400; ++i) text += pieces[random() % pieces.size()] + " ";
        dir.Write("in/" + std::to_string(file) + (file % 3 == 0 ? ".html" : ".txt"), text);
    }
    std::filesystem::copy_file(Fixture("sample.docx"), dir.path() / "in" / "sample.docx");
    const std::string folder = (dir.path() / "in").string();
    const std::vector<std::vector<std::string>> settings = {
        {},
        {"--unicode"},
        {"--set", "chkDropFinalS=1", "--set", "chkCaseSignificant=1"},
        {"--include", "*.txt"}};
    const std::string exportOne = (dir.path() / "one.tsv").string();
    const std::string exportThree = (dir.path() / "three.tsv").string();
    for (const std::vector<std::string>& options : settings) {
        std::vector<std::string> one = options;
        one.insert(one.end(), {"--summary", "--per-file", "--export", exportOne, "--jobs", "1", folder});
        std::vector<std::string> three = options;
        three.insert(three.end(),
                     {"--summary", "--per-file", "--export", exportThree, "--jobs", "3", folder});
        const CliResult a = RunCli(one);
        const CliResult b = RunCli(three);
        EXPECT_EQ(a.status, 0) << a.err;
        EXPECT_GT(a.out.size(), 100u);
        EXPECT_EQ(a.out, b.out) << (options.empty() ? "defaults" : options[0]);
        EXPECT_EQ(a.err, b.err) << (options.empty() ? "defaults" : options[0]);
        EXPECT_EQ(ReadFileBytes(exportOne), ReadFileBytes(exportThree));
    }
    // Each word's counts by file add up to its frequency, and "files" is
    // the number of files that hold it.
    std::istringstream rows(ReadFileBytes(exportOne));
    std::string line;
    std::getline(rows, line);
    EXPECT_NE(line.find("\tfiles\t1.txt\t10.txt\t"), std::string::npos) << line;  // *.txt only
    int checked = 0;
    while (std::getline(rows, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        ASSERT_GT(cells.size(), 8u) << line;
        long long sum = 0;
        long long holding = 0;
        for (size_t c = 7; c < cells.size(); ++c) {
            sum += std::stoll(cells[c]);
            holding += cells[c] != "0" ? 1 : 0;
        }
        EXPECT_EQ(sum, std::stoll(cells[2])) << line;
        EXPECT_EQ(holding, std::stoll(cells[6])) << line;
        ++checked;
    }
    EXPECT_GT(checked, 5);
}

// One large file counted in pieces by two workers lists what one worker
// lists, with comments left open across the cuts.
TEST(Cli, ALargeFileInPiecesListsWhatOneScanLists) {
    const TempDir dir;
    std::mt19937 random(20261209);
    const std::vector<std::string> pieces = {"alpha", "Beta",  "cats", "caf\xC3\xA9", "<!--", "-->",
                                             "<b>",   "&amp;", "\r\n", "\n",          "x-ray"};
    std::string text;
    const std::string letters = "abcdefghij";
    while (text.size() < (5 << 20)) {
        text += pieces[random() % pieces.size()] + " w";
        for (int i = 0; i < 4; ++i) text += letters[random() % letters.size()];
        text += ' ';
    }
    const std::string path = dir.Write("big.html", text).string();
    const std::string exportOne = (dir.path() / "one.tsv").string();
    const std::string exportTwo = (dir.path() / "two.tsv").string();
    const CliResult a = RunCli({"--summary", "--export", exportOne, "--jobs", "1", path});
    const CliResult b = RunCli({"--summary", "--export", exportTwo, "--jobs", "2", path});
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_GT(ReadFileBytes(exportOne).size(), 100000u);
    EXPECT_EQ(ReadFileBytes(exportOne), ReadFileBytes(exportTwo));
}

}  // namespace
}  // namespace lexicount::test
