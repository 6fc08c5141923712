#pragma once

// The help window's guide, its layout rules, and the report shown when a web
// page or the manual cannot be opened. Texts are UTF-8 with CR LF line
// breaks.

#include <filesystem>
#include <string>
#include <string_view>

namespace lexicount {

inline constexpr std::string_view kHelpCaption = "TLY Help";
inline constexpr std::string_view kHelpCloseCaption = "Close";

// The guide: twelve fixed paragraphs naming the online manual's address in
// the first, then two closing lines naming the authors and the rights
// holder.
std::string HelpGuideText(std::string_view onlineManualAddress);

// Placement of the help window's controls for a window size, all in twips.
struct HelpLayout {
    int textWidth;
    int textHeight;
    int closeTop;
    int closeLeft;
};
HelpLayout HelpLayoutFor(int windowWidth, int windowHeight, int closeButtonWidth);

// The help window's first placement from the main window's, in twips.
struct WindowRect {
    int left, top, width, height;
};
WindowRect HelpWindowRect(const WindowRect& mainWindow);

inline constexpr std::string_view kBrowserErrorTitle = "Cannot launch web browser";
// Failure codes of the opener, as the system's document launcher numbers them.
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchOutOfMemory = 8;
inline constexpr int kLaunchNoAssociation = 31;

// The text of the "Cannot launch web browser" box for a failure code and the
// target that could not be opened.
std::string BrowserLaunchErrorMessage(int code, std::string_view target);

// What a web link opens: an address with a scheme ("https:", "mailto:") as
// it is, anything else as a file, relative to the program's folder, so the
// manual that ships with the program opens without a network.
struct WebTarget {
    bool isUrl = false;
    std::string location;  // the address, or the file's absolute path
};
WebTarget ResolveWebTarget(std::string_view target, const std::filesystem::path& programFolder);

}  // namespace lexicount
