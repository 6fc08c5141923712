// Counting the clipboard text through a scripted view.

#include <gtest/gtest.h>

#include "run/main_controller.h"
#include "settings/program_texts.h"
#include "support/fake_view.h"

namespace lexicount::test {
namespace {

std::u16string U(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

TEST(ClipboardScan, CountsTheClipboardAsOneLine) {
    ControllerHarness h;
    h.settings.source = SourceOption::optOnClipboard;
    h.view.clipboard = U("Word word WORD\r\nother");
    h.controller.cmdListWords_Click();
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_NE(h.view.box.Text().find("      1       3  word\r\n"), std::string::npos) << h.view.box.Text();
    EXPECT_EQ(h.view.Label(StatusLabel::lblSizeOfClipboardContents), "21 bytes on the clipboard.");
    EXPECT_TRUE(h.controller.State().blnWordsGot);
}

// Under the Unicode model the clipboard's text is counted as it is: no
// character becomes "?", and the list in the box is UTF-8.
TEST(ClipboardScan, UnicodeWordsTakeTheClipboardAsItIs) {
    ControllerHarness h;
    h.settings.source = SourceOption::optOnClipboard;
    h.settings.chkUnicodeWords = 1;
    h.settings.chkIgnoreShortWords = 0;
    h.view.clipboard = u"Мир мир \U0001D49C\xD800 中文 Ελλάδα";
    h.controller.cmdListWords_Click();
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_TRUE(h.view.box.Utf8());
    const std::string list = h.view.box.Text();
    EXPECT_NE(list.find("      1       2  \xD0\xBC\xD0\xB8\xD1\x80\r\n"), std::string::npos) << list;
    EXPECT_NE(list.find("\xCE\xB5\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1"), std::string::npos) << list;
    EXPECT_NE(list.find("\xF0\x9D\x92\x9C"), std::string::npos) << list;  // a mathematical letter
    EXPECT_EQ(list.find('?'), std::string::npos) << list;
}

TEST(ClipboardScan, TextTooLargeForTheBoxIsStillKeptForCounting) {
    for (const size_t length : {size_t{5000}, size_t{100000}}) {
        ControllerHarness h;
        h.view.box.capacity = 1000;
        h.view.clipboard = U(std::string(length - 1, 'a') + " ");
        h.controller.txbIntro_Click();
        ASSERT_EQ(h.view.boxes.size(), 1U) << length;
        std::string expected = "There is too much text on the clipboard to paste into the textbox.";
        if (length < 100000) expected += "\r\nIt may, however, still be possible to count word frequencies.";
        EXPECT_EQ(h.view.boxes[0].text, expected);
        EXPECT_EQ(h.view.boxes[0].icon, Icon::Warning);
        EXPECT_EQ(h.controller.State().strClipboardText.size(), length);
    }
}

TEST(ClipboardScan, RefusedClipboardTexts) {
    std::u16string invalid = U(std::string(2999, 'a')) + char16_t(1);
    struct Case {
        const char* name;
        std::optional<std::u16string> clipboard;
        std::string title;
        std::string text;
        Icon icon;
        bool backToFile;
    };
    const std::vector<Case> cases = {
        {"empty", U(""), "Clipboard empty", "Clipboard is empty.", Icon::None, true},
        {"unreadable", std::nullopt, "Clipboard empty", "Clipboard is empty.", Icon::None, true},
        {"too long", U(std::string(100001, 'a')), "Too much clipboard text",
         "There are 100,001 characters in the text on the clipboard.\r\nThe maximum permitted is 100,000.  "
         "If "
         "possible,\r\ncount word frequencies for this text using an input file.",
         Icon::None, true},
        {"control character", invalid, "Invalid input",
         "The text on the clipboard does not consist\r\nsolely of natural language words.", Icon::Warning,
         false},
        {"low byte of a control character", U("abc ") + char16_t(0x0101), "Invalid input",
         "The text on the clipboard does not consist\r\nsolely of natural language words.", Icon::Warning,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerHarness h;
        h.settings.source = SourceOption::optOnClipboard;
        h.view.clipboard = c.clipboard;
        h.view.labels[StatusLabel::lblSizeOfClipboardContents] = "78 bytes on the clipboard.";
        h.controller.cmdListWords_Click();
        ASSERT_EQ(h.view.boxes.size(), 1u);
        EXPECT_EQ(h.view.boxes[0].title, c.title);
        EXPECT_EQ(h.view.boxes[0].text, c.text);
        EXPECT_EQ(h.view.boxes[0].icon, c.icon);
        EXPECT_EQ(h.settings.source == SourceOption::optInFile, c.backToFile);
        // Back to "file" as a click on it goes: the clipboard's size with it.
        if (c.backToFile) {
            EXPECT_EQ(h.view.Label(StatusLabel::lblSizeOfClipboardContents), "");
        }
        EXPECT_FALSE(h.controller.State().blnWordsGot);
        EXPECT_EQ(h.view.caption, GetProgramText(73));
    }
}

TEST(ClipboardScan, AcceptedAtTheLimits) {
    for (std::u16string text : {U(std::string(99995, 'a') + " bcd "), U(std::string(3000, 'a')) + char16_t(1),
                                U("tab\tline\nfeed\fcr\r")}) {
        ControllerHarness h;
        h.settings.source = SourceOption::optOnClipboard;
        h.view.clipboard = text;
        h.controller.cmdListWords_Click();
        EXPECT_TRUE(h.view.boxes.empty()) << h.view.boxes[0].title;
        EXPECT_TRUE(h.controller.State().blnWordsGot);
    }
}

TEST(ClipboardScan, IsPlainText) {
    struct Case {
        std::u16string text;
        long maxChars;
        bool layout;
        bool expected;
    };
    const std::vector<Case> cases = {
        {U(""), 10, true, true},
        {U("a\tb\r\nc\f"), 0, true, true},
        {U("a\tb"), 0, false, false},
        {U("ab") + char16_t(8), 0, true, false},
        {U("ab") + char16_t(11), 0, true, false},
        {U("ab") + char16_t(31), 0, true, false},
        {U("ab") + char16_t(0x010A), 0, true, true},   // low byte 10
        {U("ab") + char16_t(0x0101), 0, true, false},  // low byte 1
        {U("abc") + char16_t(1), 3, true, true},       // beyond the checked part
        {U("abc") + char16_t(1), 4, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPlainText(c.text, c.maxChars, c.layout), c.expected)
            << c.text.size() << " " << c.maxChars;
    }
}

TEST(ClipboardScan, ClickOnTheIntroductionShowsTheClipboardText) {
    ControllerHarness h;
    h.view.clipboard = u"caf\u00E9 \u20AC \u4E00";
    h.controller.txbIntro_Click();
    EXPECT_EQ(h.view.box.Text(), W("café € ?"));
    EXPECT_EQ(h.controller.State().strClipboardText, W("café € ?"));
    EXPECT_FALSE(h.controller.State().blnListShown);
}

TEST(ClipboardScan, SourceOptionsClearAListAndShowTheClipboardSize) {
    ControllerHarness h;
    h.UseInput("a.txt", "alpha beta\r\n");
    h.controller.cmdListWords_Click();
    ASSERT_TRUE(h.controller.State().blnWordsGot);
    h.view.clipboard = U(std::string(12345, 'a'));
    h.settings.source = SourceOption::optOnClipboard;
    h.controller.optOnClipboard_Click();
    EXPECT_EQ(h.view.box.Text(), "");
    EXPECT_FALSE(h.controller.State().blnWordsGot);
    EXPECT_EQ(h.view.Label(StatusLabel::lblSizeOfClipboardContents), "12,345 bytes on the clipboard.");
    h.settings.source = SourceOption::optInFile;
    h.controller.optInFile_Click();
    EXPECT_EQ(h.view.Label(StatusLabel::lblSizeOfClipboardContents), "");
}

}  // namespace
}  // namespace lexicount::test
