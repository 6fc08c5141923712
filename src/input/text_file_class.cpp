#include "input/text_file_class.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "input/file_helpers.h"

namespace lexicount {
namespace {

constexpr std::array<std::string_view, 11> kTextExtensions = {"prn",  "csv", "xhtml", "xhtm", "shtml", "shtm",
                                                              "html", "htm", "xml",   "log",  "txt"};

constexpr std::string_view kCrLf = "\r\n";

bool IsPermissionDenied(std::error_code error) {
    return error == std::errc::permission_denied;
}

std::int16_t HeaderOpenErrorCode(std::error_code error) {
    if (IsPermissionDenied(error)) return kFilePermissionDenied;
    if (IsNotFoundError(error)) return kFileNotFound;
    return kFileCannotOpen;
}

// The first five bytes, or the code of why they cannot be had.
std::int16_t ReadHeaderBytes(const std::string& path, unsigned char (&head)[5]) {
    ReadOnlyFile file;
    if (const auto error = file.Open(path)) return HeaderOpenErrorCode(error);
    std::error_code error;
    const size_t n = file.Read(reinterpret_cast<char*>(head), sizeof head, error);
    if (error) return IsPermissionDenied(error) ? kFilePermissionDenied : kFileCannotOpen;
    if (n == 0) return kFileEmpty;
    if (n < sizeof head) return kFileTiny;
    return kHeaderNone;
}

std::int16_t MarkerCode(const unsigned char (&b)[5], const std::string& path) {
    if (std::string_view(reinterpret_cast<const char*>(b), 5) == "{\\rtf") return kHeaderRtf;
    if (b[0] == 0xFF && b[1] == 0xFE) return kHeaderUtf16Le;
    if (b[0] == 0xFE && b[1] == 0xFF) return kHeaderUtf16Be;
    if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return kHeaderUtf8;
    if (b[0] == 0x00 && b[1] == 0x00 && b[2] == 0xFE && b[3] == 0xFF) return kHeaderUtf32Be;
    if (GetFileExtension(path, true) == "xml") {
        // An XML file starts with "<"; a NUL beside it betrays UTF-16.
        if (b[0] == '<' && b[1] != 0) return kHeaderUtf8;
        if (b[0] == '<' && b[1] == 0) return kHeaderUtf16Le;
        if (b[0] == 0 && b[1] == '<') return kHeaderUtf16Be;
    }
    return kHeaderNone;
}

bool DeclaresUtf8Charset(const std::string& path) {
    const FirstLines first = ReadFirstLines(path, 10);
    if (first.error) return false;
    return first.text.find("charset=UTF-8") != std::string::npos ||
           first.text.find("charset=\"UTF-8\"") != std::string::npos;
}

bool IsNonTextChar(unsigned char c) {
    return c < 32 && c != '\t' && c != '\n' && c != '\f' && c != '\r' && c != '\b';
}

// Counts the control characters of the leading bytes and notes the line
// ends; scan.intFileType gets the result.
void ScanContent(const std::string& path, long maxBytes, double maxPercent, TextScan& scan) {
    ReadOnlyFile file;
    if (const auto error = file.Open(path)) {
        scan.intFileType = IsPermissionDenied(error) ? kFilePermissionDenied : kFileReadError;
        return;
    }
    const auto limit = static_cast<std::uint64_t>(std::max(maxBytes, 0L));
    // Some special files report no length but still have content.
    std::string bytes(file.size() > 0 ? std::min(limit, file.size()) : limit, '\0');
    std::error_code error;
    bytes.resize(file.Read(bytes.data(), bytes.size(), error));
    if (error) {
        scan.intFileType = IsPermissionDenied(error) ? kFilePermissionDenied : kFileReadError;
        return;
    }
    scan.fileLength = std::max<std::uint64_t>(file.size(), bytes.size());
    if (scan.fileLength == 0) {
        scan.intFileType = kFileEmpty;
        return;
    }

    long nonText = 0;
    bool lfSeen = false;
    bool crSeen = false;
    // Past the first fifth, a clearly binary file is given up on at once.
    // The share of control characters grows only where one is met, so it is
    // looked at there, and where the first fifth ends.
    const double earlyExitFrom = static_cast<double>(maxBytes) / 5.0;
    const auto firstPast = static_cast<size_t>(std::floor(std::max(earlyExitFrom, 0.0))) + 1;
    for (size_t i = 1; i <= bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i - 1]);
        bool counted = false;
        if (c < 32) {
            if (c == '\n') {
                lfSeen = true;
            } else if (c == '\r') {
                crSeen = true;
            } else if (IsNonTextChar(c)) {
                ++nonText;
                counted = true;
            }
        }
        if (i >= firstPast && (counted || i == firstPast)) {
            scan.dblPercent = static_cast<double>(nonText) * 100.0 / static_cast<double>(i);
            if (scan.dblPercent > 10 * maxPercent) {
                scan.intFileType = kFileNotText;
                return;
            }
        }
    }
    scan.dblPercent =
        nonText > 0 ? static_cast<double>(nonText) * 100.0 / static_cast<double>(bytes.size()) : 0;
    if (scan.dblPercent > maxPercent) {
        scan.intFileType = kFileNotText;
    } else if (crSeen == lfSeen) {
        scan.intFileType = kTextCrLf;  // both, or a single line
    } else {
        scan.intFileType = crSeen ? kTextCr : kTextLf;
    }
}

MessageBox InformationBox(std::string title, std::string text) {
    return MessageBox{std::move(title), std::move(text), Icon::Information, Buttons::Ok, 0};
}

MessageBox FatalError(std::string text) {
    return InformationBox("Fatal error", std::move(text));
}

MessageBox NotTextMessage(const std::string& path, const TextScan& scan) {
    std::string text = path;
    text.append(kCrLf).append("is not an ANSI or UTF-8 encoded text file.");
    if (scan.dblPercent > 0) text.append(kCrLf).append("It appears to be a binary file.");
    if (scan.dblPercent < 9 && scan.fileLength >= 1 && scan.fileLength < kCopyAdviceSizeLimit) {
        text.append(kCrLf).append(kCrLf);
        text.append(
            "You could try reading it using its associated application, then copying the text and pasting it "
            "into the textbox (then copy it to the clipboard and select 'Clipboard' as the source).");
    }
    return InformationBox("Not a text file", std::move(text));
}

MessageBox MacNotice(const std::string& path) {
    std::string text = "File " + path;
    text.append(kCrLf).append("has Macintosh-type line endings (CR).");
    text.append(kCrLf).append("You might wish to use a program such as Notepad++");
    text.append(kCrLf).append("to convert the line endings to Windows-type (CR+LF).");
    return InformationBox("This is a Mac-style text file", std::move(text));
}

}  // namespace

FirstLines ReadFirstLines(const std::string& strPath, int intMaxLines) {
    FirstLines result;
    ReadOnlyFile file;
    if (const auto error = file.Open(strPath)) {
        result.error = error;
        return result;
    }
    std::string line;
    int count = 0;
    auto endLine = [&] {
        if (line.empty()) return;
        if (count > 0) result.text.append(kCrLf);
        result.text += line;
        line.clear();
        ++count;
    };
    char buffer[8192];
    std::size_t total = 0;
    while (count < intMaxLines && total < kFirstLinesReadLimit) {
        std::error_code error;
        const std::size_t n = file.Read(buffer, std::min(sizeof buffer, kFirstLinesReadLimit - total), error);
        if (error) return FirstLines{"", error};
        if (n == 0) break;
        total += n;
        for (std::size_t i = 0; i < n && count < intMaxLines; ++i) {
            // CR LF ends a line and then an empty one, which is skipped.
            if (buffer[i] == '\r' || buffer[i] == '\n') {
                endLine();
            } else {
                line += buffer[i];
            }
        }
    }
    if (count < intMaxLines) endLine();
    return result;
}

bool HasTextExtension(const std::string& strPath) {
    const std::string extension = GetFileExtension(strPath, true);
    return std::find(kTextExtensions.begin(), kTextExtensions.end(), extension) != kTextExtensions.end();
}

std::int16_t CheckFileHeader(const std::string& strPath, bool blnCheckCharset) {
    if (strPath.empty()) return kFileNoPath;
    unsigned char head[5] = {};
    if (const std::int16_t code = ReadHeaderBytes(strPath, head); code != kHeaderNone) return code;
    const std::int16_t code = MarkerCode(head, strPath);
    if (code != kHeaderNone) return code;
    if (blnCheckCharset && HasTextExtension(strPath) && DeclaresUtf8Charset(strPath)) return kHeaderUtf8;
    return kHeaderNone;
}

TextScan ScanTextFile(const std::string& strPath, long lngMaxBytes, double dblMaxPercent,
                      bool blnCheckCharset) {
    TextScan scan;
    const std::int16_t header = CheckFileHeader(strPath, blnCheckCharset);
    if (header < 0 || header == kHeaderRtf) {
        scan.intFileType = header;
    } else if (header == kHeaderUtf8) {
        scan.blnIsUTF8 = true;
        scan.intFileType = kTextCrLf;
    } else if (header != kHeaderNone) {
        scan.intFileType = kFileUnicodeNotUtf8;
    } else {
        ScanContent(strPath, lngMaxBytes, dblMaxPercent, scan);
    }
    return scan;
}

std::optional<MessageBox> ClassificationMessage(const std::string& strPath, const TextScan& scan) {
    const std::string file = "File " + strPath;
    switch (scan.intFileType) {
        case kFileNotFound: return FatalError(file + " not found.");
        case kFileEmpty: return FatalError(file + " is zero-length.");
        case kFilePermissionDenied: return FatalError(file + "\r\n cannot be opened (permission denied).");
        case kFileTiny: return FatalError(file + "\r\ncontains only from 1 to 4 bytes.");
        case kFileReadError:
        case kFileCannotOpen: return FatalError(file + "\r\ncannot be opened.");
        case kFileRtf: return FatalError(file + "\r\nis an RTF file.");
        case kFileUnicodeNotUtf8: return FatalError(file + "\r\nis a Unicode file but not UTF-8 encoded.");
        case kFileNotText: return NotTextMessage(strPath, scan);
        case kTextCr: return MacNotice(strPath);
        default: return std::nullopt;
    }
}

Classification ClassifyTextFile(const std::string& strPath, bool blnSilent, ClassifyState& state,
                                Dialogs& dialogs) {
    const TextScan scan = ScanTextFile(strPath, kScanBytes, 0, true);
    Classification result{false, scan.blnIsUTF8, scan.intFileType};
    switch (scan.intFileType) {
        case kTextCrLf:
        case kTextLf: result.ok = true; break;
        case kTextCr:
            result.ok = true;
            if (!blnSilent && !state.macNoticeShown) {
                dialogs.Show(MacNotice(strPath));
                state.macNoticeShown = true;
            }
            break;
        default:
            if (const auto box = ClassificationMessage(strPath, scan)) dialogs.Show(*box);
            break;
    }
    return result;
}

}  // namespace lexicount
