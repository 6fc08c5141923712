// End-to-end runs of lexicount-cli: whole outputs compared.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/test_support.h"

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
        OutputCase{"DefaultByFrequency", {}, kCatText,
                   "   Rank    Freq  Word (longest has 3 characters)\n"
                   "      1       4  the\n"
                   "      2       2  cat\n"
                   "      3       1  and\n"
                   "      4       1  dog\n"
                   "      5       1  mat\n"
                   "      6       1  sat\n"},
        OutputCase{"AlphabeticalRankWordFrequency", {"--order", "alphabetical", "--format", "1"}, kCatText,
                   "   Rank  Word      Freq\n"
                   "      3  and          1\n"
                   "      2  cat          2\n"
                   "      4  dog          1\n"
                   "      5  mat          1\n"
                   "      6  sat          1\n"
                   "      1  the          4\n"},
        OutputCase{"FrequencyRank", {"--format", "4"}, kCatText,
                   "   Freq    Rank\n      4       1\n      2       2\n      1       3\n      1       4\n"
                   "      1       5\n      1       6\n"},
        OutputCase{"BareWords", {"--format", "8", "--order", "alphabetical"}, kCatText,
                   "Word (longest has 3 characters)\nand\ncat\ndog\nmat\nsat\nthe\n"},
        OutputCase{"WordsOnOneLine",
                   {"--format", "9", "--set", "chkIgnoreShortWords=0"},
                   "b a c a\n",
                   "a, b, c\n"},
        OutputCase{"NothingFound", {}, "a an on\n", "No words satisfying the conditions were found.\n"},
        OutputCase{"NothingListed", {}, "xiv xiv\n", "No words with more than 2 letters\noccur at least once.\n"},
        OutputCase{"NothingListedWithThreshold",
                   {"--set", "chkIgnoreInfrequentWords=1", "--set", "cboThresholdFrequency=3"},
                   "alpha beta\n",
                   "No words with more than 2 letters\noccur at least 5 times.\n"},
        OutputCase{"Utf8FoldedAndLowerCased", {}, "Caf\xc3\xa9 CAF\xc3\x89 caf\xc3\xa9 na\xc3\xafve\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n"
                   "      1       3  caf\xc3\xa9\n"
                   "      2       1  na\xc3\xafve\n"},
        OutputCase{"CaseSignificant",
                   {"--set", "chkCaseSignificant=1", "--order", "alphabetical", "--format", "7"},
                   "Word word WORD word\n",
                   // Equal keys: the sort leaves them as WORD, Word, word.
                   "  Word     Freq\n  WORD        1\n  Word        1\n  word        2\n"},
        OutputCase{"HtmlMarkupAndEntities", {"--type", "html"},
                   "<p class=x>word</p> caf&eacute; <!-- hidden -->\n<script>var a;</script>after\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n"
                   "      1       1  after\n"
                   "      2       1  caf\xc3\xa9\n"
                   "      3       1  word\n"},
        OutputCase{"CommentSpanningLines", {}, "/* alpha\nbeta */ gamma // delta\n",
                   "   Rank    Freq  Word (longest has 5 characters)\n      1       1  gamma\n"},
        OutputCase{"CrOnlyLineEnds", {}, "one\rtwo\rone\r",
                   "   Rank    Freq  Word (longest has 3 characters)\n      1       2  one\n      2       1  two\n"},
        OutputCase{"Apostrophes", {"--set", "chkAllowWordsWithApostrophes=1", "--format", "8"},
                   "don't rock 'n' roll\n", "Word (longest has 5 characters)\ndon't\nrock\nroll\n"},
        OutputCase{"WordsToIgnore", {"--set", "txbWordsToIgnore=The, cat", "--format", "5"}, kCatText,
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
        FailureCase{"UnknownField", {"--set", "nosuch=1"}, 2, "lexicount-cli: unknown settings field 'nosuch'"},
        FailureCase{"ListIndexOutOfRange", {"--set", "cboShortWordSize=14"}, 2, "lexicount-cli: value of"},
        FailureCase{"CheckBoxNotZeroOrOne", {"--set", "chkDropFinalS=2"}, 2, "lexicount-cli: value of"},
        FailureCase{"FormatOutOfRange", {"--format", "10"}, 2, "lexicount-cli: value of cboDisplayFormat"},
        FailureCase{"BadOrder", {"--order", "random"}, 2, "lexicount-cli: --order"},
        FailureCase{"UnknownOption", {"--frobnicate"}, 2, "lexicount-cli: unknown option"},
        FailureCase{"CharacterNotAllowed", {"--set", "txbWordsToIgnore=a;b"}, 1,
                    "Character not allowed: The character ; occurs in some word to ignore\n"
                    "but is not a character allowed in a word.\n"},
        FailureCase{"CharacterNotCurrentlyAllowed", {"--set", "txbWordsToIgnore=e_mail"}, 1,
                    "Character not allowed: The character _ occurs in some word to ignore\n"
                    "but is not currently set as a character allowed in a word.\n"},
        FailureCase{"MissingFile", {"/nonexistent/file.txt"}, 1, "Fatal error: File /nonexistent/file.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, HelpDescribesTheOptions) {
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--set NAME=VALUE"), std::string::npos);
    EXPECT_NE(r.out.find("--format N"), std::string::npos);
}

}  // namespace
}  // namespace lexicount::test
