#include "settings/help_text.h"

#include <cctype>

#include "input/file_helpers.h"

namespace lexicount {
namespace {

constexpr std::string_view kParagraphEnd = "\r\n\r\n";

// A URL scheme: a letter, then letters, digits, "+", "-" or ".", then ":".
// One letter before the colon is a drive, not a scheme.
bool HasScheme(std::string_view target) {
    const size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(target[0]))) return false;
    for (size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(target[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

}  // namespace

std::string HelpGuideText(std::string_view onlineManualAddress) {
    std::string text;
    auto paragraph = [&text](std::initializer_list<std::string_view> phrases) {
        for (std::string_view phrase : phrases) text.append(phrase);
        text.append(kParagraphEnd);
    };
    paragraph({"An illustrated verson of this documentation (with a lot more information) can be found at ",
               onlineManualAddress, ".  This help window may be resized ", "for easier reading."});
    paragraph(
        {"This software scans a docx file or a text file, or text on the clipboard, and counts the number ",
         "of occurrences of the different words. Text in most European languages is supported. ",
         "The words which are found and displayed can be ordered alphabetically or by frequency."});
    paragraph(
        {"The input file can have any extension, ",
         "but it must either be a docx file or consist only of text which is encoded via ANSI or UTF-8. ",
         "If not a docx file then it cannot contain any bytes with ASCII values less than 32 except for ",
         "bytes representing tabs, line feeds, etc."});
    paragraph({"Text written in binary files such as pdf files (except docx files) cannot be processed ",
               "by reading it directly from a file. In such a case open the document (with the appropriate "
               "application program), select all the text and copy it to the clipboard, then click on 'Count "
               "words' with 'clipboard' ",
               "selected as the source."});
    paragraph({"If the input file has one of the file extensions 'htm', 'html', 'shtml', 'xml' and 'php' ",
               "then text within HTML, XML and PHP tags in the file is ignored."});
    paragraph(
        {"There is no limit on the size of an input text file, but there is a limit on the amount of text "
         "which ",
         "can be held in the textbox, either by pasting from the clipboard or as a result of listing words "
         "found. This limit is ",
         "normally something beyond 30,000 characters, so (in the case of a large file) only about 1000 to "
         "2000 words can appear ",
         "in the list.  There is a limit on the amount of text in a docx file, but this program can handle "
         "docx files ",
         "with over 1 MB of text."});
    paragraph(
        {"You can specify that the output be written to a file.  This can then be loaded into Excel for "
         "further processing."});
    paragraph(
        {"When working with large files containing many different words it is best to define an output "
         "file. ",
         "Then the results will be written to this file before being displayed in the output window.  Thus "
         "the results will be ",
         "available in the file even if the text box cannot contain them."});
    paragraph({"Text may be composed in the textbox. To do a word count on this ",
               "text you must first copy it to the clipboard."});
    paragraph(
        {"This program allows you to customize its operation so that just the words are counted ",
         "in which you are interested.  Do this by clicking on 'Settings'.  Values set using this screen "
         "are saved on quitting and restored when the program is next run."});
    // The common-words advice runs straight on into the list of languages.
    text.append(
        "You can tell the program to ignore common words in a particular language (see the 'Settings' "
        "panel). ");
    paragraph(
        {"Six files contain common words in English, German, French, Italian, Spanish and Portuguese. ",
         "You can add or remove words as you wish, and words do not have to be in alphabetical order or "
         "on separate lines."});
    text.append("Lexicount is written and maintained by The Lexicount developers.\r\n");
    text.append("Copyright \u00A9 The Lexicount developers.\r\n");
    return text;
}

HelpLayout HelpLayoutFor(int windowWidth, int windowHeight, int closeButtonWidth) {
    return {windowWidth - 350, windowHeight - 1280, windowHeight - 1000,
            (windowWidth - closeButtonWidth) / 2};
}

WindowRect HelpWindowRect(const WindowRect& mainWindow) {
    return {mainWindow.left + 200, mainWindow.top + 480, mainWindow.width - 400, mainWindow.height - 680};
}

std::string BrowserLaunchErrorMessage(int code, std::string_view target) {
    std::string text = "Error launching web browser, error code =" + std::to_string(code) + ".";
    switch (code) {
        case kLaunchNoAssociation:
            text += "\r\n\r\nFile extension '" + GetFileExtension(target, true) +
                    "' is not associated with any application program.";
            break;
        case kLaunchOutOfMemory: text += "\r\n\r\nOut of memory."; break;
        case kLaunchFileNotFound: text += "\r\n\r\nPlease try once more."; break;
        default: break;
    }
    return text;
}

WebTarget ResolveWebTarget(std::string_view target, const std::filesystem::path& programFolder) {
    if (HasScheme(target)) return {true, std::string(target)};
    std::filesystem::path path = PathFromUtf8(target);
    if (path.is_relative()) path = programFolder / path;
    return {false, path.lexically_normal().string()};
}

}  // namespace lexicount
