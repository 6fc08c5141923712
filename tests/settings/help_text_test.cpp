#include "settings/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/language_selection.h"

namespace lexicount::test {
namespace {

std::vector<std::string> Paragraphs(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n\r\n", start)) != std::string::npos; start = end + 4) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(HelpText, ParagraphsComeInOrderWithTheManualsAddress) {
    const std::string text = HelpGuideText("https://example.org/manual.html");
    const std::vector<std::string> parts = Paragraphs(text);
    // Paragraphs 11 and 12 share one; the closing lines are the last part.
    ASSERT_EQ(parts.size(), 12u);
    EXPECT_EQ(parts[0],
              "An illustrated verson of this documentation (with a lot more information) can be found at "
              "https://example.org/manual.html.  This help window may be resized for easier reading.");
    const std::vector<std::string> starts = {
        "This software scans a docx file",
        "The input file can have any extension, ",
        "Text written in binary files",
        "If the input file has one of the file extensions",
        "There is no limit on the size",
        "You can specify that the output",
        "When working with large files",
        "Text may be composed in the textbox.",
        "This program allows you to customize",
        "You can tell the program to ignore common words in a particular language (see the 'Settings' "
        "panel). "
        "Six files contain common words",
    };
    for (size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(parts[i + 1].rfind(starts[i], 0), 0u) << "paragraph " << i + 2 << ": " << parts[i + 1];
    }
    EXPECT_EQ(
        parts[3],
        "Text written in binary files such as pdf files (except docx files) cannot be processed by reading "
        "it directly from a file. In such a case open the document (with the appropriate application "
        "program), select all the text and copy it to the clipboard, then click on 'Count words' with "
        "'clipboard' selected as the source.");
    EXPECT_EQ(parts[6],
              "You can specify that the output be written to a file.  This can then be loaded into Excel "
              "for further processing.");
}

TEST(HelpText, ClosingLinesNameTheAuthorsAndEndWithOneLineBreak) {
    const std::string text = HelpGuideText("x");
    const std::string closing = Paragraphs(text).back();
    EXPECT_NE(closing.find("The Lexicount developers"), std::string::npos);
    EXPECT_NE(closing.find("Copyright"), std::string::npos);
    EXPECT_EQ(std::count(closing.begin(), closing.end(), '\n'), 2);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(HelpText, LayoutFollowsTheWindowSize) {
    const HelpLayout layout = HelpLayoutFor(9000, 6000, 1200);
    EXPECT_EQ(layout.textWidth, 8650);
    EXPECT_EQ(layout.textHeight, 4720);
    EXPECT_EQ(layout.closeTop, 5000);
    EXPECT_EQ(layout.closeLeft, 3900);
    const WindowRect rect = HelpWindowRect({1000, 2000, 12000, 9000});
    EXPECT_EQ(rect.left, 1200);
    EXPECT_EQ(rect.top, 2480);
    EXPECT_EQ(rect.width, 11600);
    EXPECT_EQ(rect.height, 8320);
}

TEST(BrowserLaunchError, MessagesByCode) {
    struct Case {
        int code;
        std::string target;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {31, "docs/README",
         "Error launching web browser, error code =31.\r\n\r\nFile extension '' is not "
         "associated with any application program."},
        {31, "/opt/Manual.HTML",
         "Error launching web browser, error code =31.\r\n\r\nFile extension 'html' is "
         "not associated with any application program."},
        {8, "x.html", "Error launching web browser, error code =8.\r\n\r\nOut of memory."},
        {2, "x.html", "Error launching web browser, error code =2.\r\n\r\nPlease try once more."},
        {5, "x.html", "Error launching web browser, error code =5."},
        {0, "x.html", "Error launching web browser, error code =0."},
    };
    for (const Case& c : cases) EXPECT_EQ(BrowserLaunchErrorMessage(c.code, c.target), c.expected) << c.code;
    EXPECT_EQ(kBrowserErrorTitle, "Cannot launch web browser");
}

TEST(WebTarget, AddressesStayAndFilesAreFoundInTheProgramFolder) {
    struct Case {
        std::string target;
        bool isUrl;
        std::string location;
    };
    const std::vector<Case> cases = {
        {"https://example.org/a?b=1", true, "https://example.org/a?b=1"},
        {"mailto:someone@example.org", true, "mailto:someone@example.org"},
        {"docs/manual.html", false, "/opt/lexicount/docs/manual.html"},
        {"./docs/../docs/index.html", false, "/opt/lexicount/docs/index.html"},
        {"/usr/share/doc/x.html", false, "/usr/share/doc/x.html"},
        {"c:manual.html", false, "/opt/lexicount/c:manual.html"},
    };
    for (const Case& c : cases) {
        const WebTarget target = ResolveWebTarget(c.target, "/opt/lexicount");
        EXPECT_EQ(target.isUrl, c.isUrl) << c.target;
        EXPECT_EQ(target.location, c.location) << c.target;
    }
}

TEST(LanguageSelection, AcceptCaptionAndAnswer) {
    LanguageSelection window;
    window.Activate();
    EXPECT_FALSE(window.AcceptEnabled());
    EXPECT_EQ(window.intLanguageSelected(), -1);
    for (int index = 0; index < 8; ++index) {
        window.SelectionChanged(index);
        EXPECT_TRUE(window.AcceptEnabled());
        EXPECT_EQ(window.AcceptCaption(), index < 6 ? "Load common words file for this language"
                                                    : "Load common words file for these languages")
            << index;
    }
    window.SelectionChanged(6);
    window.Accept();
    EXPECT_EQ(window.intLanguageSelected(), 6);

    // A new showing starts afresh; cancelling chooses nothing.
    window.Activate();
    EXPECT_EQ(window.intLanguageSelected(), -1);
    EXPECT_EQ(window.Selected(), -1);
    window.SelectionChanged(2);
    window.Cancel();
    EXPECT_EQ(window.intLanguageSelected(), -1);
    window.SelectionChanged(-1);
    EXPECT_FALSE(window.AcceptEnabled());
    window.Accept();
    EXPECT_EQ(window.intLanguageSelected(), -1);
}

}  // namespace
}  // namespace lexicount::test
