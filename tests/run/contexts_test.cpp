// The contexts of a word: the counted text read again under the count's
// rules, each place of the word with its line and the text around it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/main_controller.h"
#include "run/word_contexts.h"
#include "support/fake_view.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

// "line|left|word|right" for each context, to compare at a glance.
std::vector<std::string> Rows(const std::vector<WordContext>& contexts) {
    std::vector<std::string> rows;
    for (const WordContext& c : contexts)
        rows.push_back(std::to_string(c.line) + "|" + c.left + "|" + c.word + "|" + c.right);
    return rows;
}

using Strings = std::vector<std::string>;

struct Case {
    const char* name;
    const char* file;  // "" for the clipboard
    std::string text;
    bool unicode;
    const char* word;
    int width;
    Strings expected;
};

TEST(Contexts, FindEachPlaceOfTheWordUnderTheCountsRules) {
    const std::string mixed =
        "The cat sat.\r\nA CAT and cats; cat-like\r\n<!-- cat --> <b>cat</b> &eacute;t&eacute;\r\n";
    const std::vector<Case> cases = {
        {"text: case folded, hyphenated and plural words are others",
         "a.txt",
         mixed,
         false,
         "Cat",
         6,
         {"1|The |cat| sat.", "2|A |CAT| and c", "3|<!-- |cat| --> <", "3|-> <b>|cat|</b> &"}},
        {"markup: the comment and the tags are skipped, entities decoded",
         "a.html",
         mixed,
         false,
         "cat",
         8,
         {"1|The |cat| sat.", "2|A |CAT| and cat", "3| --> <b>|cat|</b> été"}},
        {"UTF-8 in the Western model",
         "u.txt",
         "caf\xC3\xA9 Caf\xC3\xA9!\n",
         false,
         "CAF\xC3\x89",
         3,
         {"1||caf\xC3\xA9| Ca", "1|f\xC3\xA9 |Caf\xC3\xA9|!"}},
        {"the clipboard, a line at a time",
         "",
         "one two\r\nthree two four",
         false,
         "two",
         5,
         {"1|one |two|", "2|hree |two| four"}},
        {"Unicode: full case folding and NFC",
         "s.txt",
         "Stra\xC3\x9F"
         "e STRASSE stra"
         "\xC3\x9F"
         "e\n",
         true,
         "strasse",
         4,
         {"1||Stra\xC3\x9F"
          "e| STR",
          "1|a\xC3\x9F"
          "e |STRASSE| str",
          "1|SSE |stra\xC3\x9F"
          "e|"}},
        {"Unicode: words inside runs of Chinese",
         "z.txt",
         "我在图书馆看书。我喜欢图书馆\n",
         true,
         "图书",
         2,
         {"1|我在|图书|馆看", "1|喜欢|图书|馆"}},
    };
    for (const Case& c : cases) {
        ControllerHarness h;
        h.settings.chkUnicodeWords = c.unicode ? 1 : 0;
        h.settings.cboShortWordSize = 0;  // words of two characters too
        if (*c.file == '\0') {
            h.settings.source = SourceOption::optOnClipboard;
            h.view.clipboard = std::u16string(c.text.begin(), c.text.end());
        } else {
            h.UseInput(c.file, c.text);
        }
        h.view.answers = {Answer::Yes};  // UTF-8 rather than ANSI
        h.controller.cmdListWords_Click();
        h.controller.FindContexts(c.word, c.width);
        EXPECT_EQ(Rows(h.view.contexts), c.expected) << c.name;
        ASSERT_EQ(h.view.contextStatuses.size(), 1u) << c.name;
        EXPECT_EQ(h.view.contextStatuses[0].rfind(std::to_string(c.expected.size()) + " context", 0), 0u)
            << c.name << ": " << h.view.contextStatuses[0];
        EXPECT_TRUE(h.view.countButtonEnabled) << c.name;
    }
}

TEST(Contexts, SaySoWhenThereIsNothingToSearch) {
    ControllerHarness h;
    h.UseInput("a.txt", "one two three\n");
    h.controller.FindContexts("two", 10);
    h.controller.cmdListWords_Click();
    h.controller.FindContexts("two three", 10);
    h.controller.FindContexts("a", 10);  // too short to be counted
    h.controller.FindContexts("four", 10);
    EXPECT_EQ(h.view.contextStatuses,
              (Strings{"Count the words first: contexts are of the words of the last count.",
                       "\"two three\" is not one word that the last count would count.",
                       "\"a\" is not one word that the last count would count.", "0 contexts of \"four\"."}));
    EXPECT_TRUE(h.view.contexts.empty());
}

TEST(Contexts, StopEndsTheSearchWithWhatWasFound) {
    ControllerHarness h;
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "cat dog\n";
    h.UseInput("big.txt", text);
    h.controller.cmdListWords_Click();
    h.view.onYield = [&h] { h.controller.StopContexts(); };
    h.view.yieldCallsBeforeAction = h.view.yields + 1;
    h.controller.FindContexts("dog", 10);
    EXPECT_GE(h.view.contexts.size(), 1u);
    EXPECT_LT(h.view.contexts.size(), 20000u);
    ASSERT_EQ(h.view.contextStatuses.size(), 1u);
    EXPECT_NE(h.view.contextStatuses[0].find(" until stopped."), std::string::npos)
        << h.view.contextStatuses[0];
    EXPECT_EQ(h.view.contexts.back().sequence, static_cast<std::int64_t>(h.view.contexts.size()));
}

TEST(Contexts, ExportWritesTabSeparatedRowsButNeverOverTheInput) {
    ControllerHarness h;
    const std::string input = h.UseInput("a.txt", "a\tcat here\nthe cat\n");
    h.controller.cmdListWords_Click();
    h.controller.FindContexts("cat", 20);
    h.view.contextsFileChoice = h.Path("contexts.tsv");
    h.controller.ExportContexts(h.view.contexts);
    EXPECT_EQ(ReadFileBytes(h.dir.path() / "contexts.tsv"),
              "Line\tLeft\tWord\tRight\n1\ta \tcat\t here\n2\tthe \tcat\t\n");
    h.view.contextsFileChoice = input;
    h.view.answers = {Answer::Ok};
    h.controller.ExportContexts(h.view.contexts);
    EXPECT_EQ(ReadFileBytes(input), "a\tcat here\nthe cat\n");
    EXPECT_EQ(h.view.Titles().back(), "Export");
}

TEST(Contexts, SortByTheLeftContextReadLeftwardsOrByTheRight) {
    std::vector<WordContext> contexts = {{1, "a big ", "cat", " zoo", 1},
                                         {2, "one small ", "cat", " Ate", 2},
                                         {3, "the BIG ", "cat", " ate", 3}};
    const auto sequences = [&] {
        std::vector<std::int64_t> out;
        for (const WordContext& c : contexts) out.push_back(c.sequence);
        return out;
    };
    SortContexts(contexts, ContextOrder::Left);
    EXPECT_EQ(sequences(), (std::vector<std::int64_t>{1, 3, 2}));
    SortContexts(contexts, ContextOrder::Right);
    EXPECT_EQ(sequences(), (std::vector<std::int64_t>{2, 3, 1}));
    SortContexts(contexts, ContextOrder::Text);
    EXPECT_EQ(sequences(), (std::vector<std::int64_t>{1, 2, 3}));
}

}  // namespace
}  // namespace lexicount::test
