#include "input/text_file_class.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
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

std::int16_t HeaderLengthCode(size_t n) {
    if (n == 0) return kFileEmpty;
    if (n < 5) return kFileTiny;
    return kHeaderNone;
}

// The first five bytes, or the code of why they cannot be had.
std::int16_t ReadHeaderBytes(const std::string& path, unsigned char (&head)[5]) {
    ReadOnlyFile file;
    if (const auto error = file.Open(path)) return HeaderOpenErrorCode(error);
    std::error_code error;
    const size_t n = file.Read(reinterpret_cast<char*>(head), sizeof head, error);
    if (error) return IsPermissionDenied(error) ? kFilePermissionDenied : kFileCannotOpen;
    return HeaderLengthCode(n);
}

std::int16_t MarkerCode(const unsigned char* b, const std::string& path) {
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

bool DeclaresUtf8Charset(const std::string& firstLines) {
    return firstLines.find("charset=UTF-8") != std::string::npos ||
           firstLines.find("charset=\"UTF-8\"") != std::string::npos;
}

constexpr int kCharsetLines = 10;

// Non-empty lines gathered as they are read; a line ends at CR, LF or CR LF.
class LineGatherer {
public:
    explicit LineGatherer(int maxLines) : maxLines_(maxLines) {}
    bool Full() const { return count_ >= maxLines_; }
    void Feed(std::string_view bytes) {
        while (!bytes.empty() && !Full()) {
            // CR LF ends a line and then an empty one, which is skipped.
            const auto found =
                std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
            const size_t end =
                found == bytes.end() ? std::string_view::npos : static_cast<size_t>(found - bytes.begin());
            line_.append(bytes.substr(0, end));
            if (end == std::string_view::npos) return;
            EndLine();
            bytes.remove_prefix(end + 1);
        }
    }
    std::string Finish() {
        if (!Full()) EndLine();
        return std::move(text_);
    }

private:
    void EndLine() {
        if (line_.empty()) return;
        if (count_ > 0) text_.append(kCrLf);
        text_ += line_;
        line_.clear();
        ++count_;
    }
    int maxLines_;
    int count_ = 0;
    std::string line_;
    std::string text_;
};

bool IsNonTextChar(unsigned char c) {
    return c < 32 && c != '\t' && c != '\n' && c != '\f' && c != '\r' && c != '\b';
}

// The line ends met on the way to a byte that text does not hold.
struct LineEndsSeen {
    bool lf = false;
    bool cr = false;
};

// Where the next byte that text does not hold is (IsNonTextChar), from
// `from` on; the end if there is none. The line ends on the way are noted,
// without a stop at each: sixteen bytes are looked at together where the
// processor allows.
size_t NextNonTextByte(std::string_view bytes, size_t from, LineEndsSeen& seen) {
    size_t i = from;
#ifdef __SSE2__
    const __m128i limit = _mm_set1_epi8(31);
    for (; i + 16 <= bytes.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
        // A byte is below 32 where the larger of it and 31 is 31.
        const auto below =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(block, limit), limit)));
        if (below == 0) continue;
        const auto equal = [&block](char c) {
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
        };
        const unsigned lf = equal('\n');
        const unsigned cr = equal('\r');
        const unsigned other = below & ~(lf | cr | equal('\t') | equal('\f') | equal('\b'));
        // Only the line ends before the byte found are passed.
        const unsigned passed = other == 0 ? ~0u : (1u << std::countr_zero(other)) - 1;
        seen.lf = seen.lf || (lf & passed) != 0;
        seen.cr = seen.cr || (cr & passed) != 0;
        if (other != 0) return i + static_cast<size_t>(std::countr_zero(other));
    }
#endif
    for (; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            seen.lf = true;
        } else if (c == '\r') {
            seen.cr = true;
        } else if (IsNonTextChar(c)) {
            return i;
        }
    }
    return bytes.size();
}

// The leading bytes of a file, or the code of why they cannot be had.
std::int16_t ReadLeadingBytes(const std::string& path, long maxBytes, std::string& bytes,
                              std::uint64_t& length) {
    ReadOnlyFile file;
    if (const auto error = file.Open(path))
        return IsPermissionDenied(error) ? kFilePermissionDenied : kFileReadError;
    const auto limit = static_cast<std::uint64_t>(std::max(maxBytes, 0L));
    // Some special files report no length but still have content.
    bytes.assign(file.size() > 0 ? std::min(limit, file.size()) : limit, '\0');
    std::error_code error;
    bytes.resize(file.Read(bytes.data(), bytes.size(), error));
    if (error) return IsPermissionDenied(error) ? kFilePermissionDenied : kFileReadError;
    length = std::max<std::uint64_t>(file.size(), bytes.size());
    return kHeaderNone;
}

// Counts the control characters of the leading bytes and notes the line
// ends; scan.intFileType gets the result.
void ScanContent(std::string_view bytes, long maxBytes, double maxPercent, TextScan& scan) {
    bytes = bytes.substr(0, static_cast<size_t>(std::max(maxBytes, 0L)));
    if (scan.fileLength == 0) {
        scan.intFileType = kFileEmpty;
        return;
    }

    long nonText = 0;
    LineEndsSeen seen;
    // Past the first fifth, a clearly binary file is given up on at once.
    // The share of control characters grows only where one is met, so it is
    // looked at there, and where the first fifth ends.
    const double earlyExitFrom = static_cast<double>(maxBytes) / 5.0;
    const auto firstPast = static_cast<size_t>(std::floor(std::max(earlyExitFrom, 0.0))) + 1;
    // Whether the share up to the byte `at` (counted from 1) is too high.
    const auto tooMuch = [&](size_t at) {
        scan.dblPercent = static_cast<double>(nonText) * 100.0 / static_cast<double>(at);
        return scan.dblPercent > 10 * maxPercent;
    };
    size_t looked = 0;
    while (true) {
        const size_t next = NextNonTextByte(bytes, looked, seen);
        if (firstPast > looked && firstPast <= next && tooMuch(firstPast)) {
            scan.intFileType = kFileNotText;
            return;
        }
        if (next == bytes.size()) break;
        looked = next + 1;
        ++nonText;
        if (looked >= firstPast && tooMuch(looked)) {
            scan.intFileType = kFileNotText;
            return;
        }
    }
    scan.dblPercent =
        nonText > 0 ? static_cast<double>(nonText) * 100.0 / static_cast<double>(bytes.size()) : 0;
    if (scan.dblPercent > maxPercent) {
        scan.intFileType = kFileNotText;
    } else if (seen.cr == seen.lf) {
        scan.intFileType = kTextCrLf;  // both, or a single line
    } else {
        scan.intFileType = seen.cr ? kTextCr : kTextLf;
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
    LineGatherer lines(intMaxLines);
    char buffer[8192];
    std::size_t total = 0;
    while (!lines.Full() && total < kFirstLinesReadLimit) {
        std::error_code error;
        const std::size_t n = file.Read(buffer, std::min(sizeof buffer, kFirstLinesReadLimit - total), error);
        if (error) return FirstLines{"", error};
        if (n == 0) break;
        total += n;
        lines.Feed(std::string_view(buffer, n));
    }
    result.text = lines.Finish();
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
    if (blnCheckCharset && HasTextExtension(strPath)) {
        const FirstLines first = ReadFirstLines(strPath, kCharsetLines);
        if (!first.error && DeclaresUtf8Charset(first.text)) return kHeaderUtf8;
    }
    return kHeaderNone;
}

std::int16_t CheckHeaderBytes(const std::string& strPath, std::string_view leading, bool blnCheckCharset) {
    if (strPath.empty()) return kFileNoPath;
    if (const std::int16_t code = HeaderLengthCode(leading.size()); code != kHeaderNone) return code;
    const std::int16_t code = MarkerCode(reinterpret_cast<const unsigned char*>(leading.data()), strPath);
    if (code != kHeaderNone) return code;
    if (blnCheckCharset && HasTextExtension(strPath)) {
        LineGatherer lines(kCharsetLines);
        lines.Feed(leading.substr(0, kFirstLinesReadLimit));
        if (DeclaresUtf8Charset(lines.Finish())) return kHeaderUtf8;
    }
    return kHeaderNone;
}

namespace {

// What the header decides, or the content scan where it decides nothing.
template <typename Content>
TextScan ScanFromHeader(std::int16_t header, Content scanContent) {
    TextScan scan;
    if (header < 0 || header == kHeaderRtf) {
        scan.intFileType = header;
    } else if (header == kHeaderUtf8) {
        scan.blnIsUTF8 = true;
        scan.intFileType = kTextCrLf;
    } else if (header != kHeaderNone) {
        scan.intFileType = kFileUnicodeNotUtf8;
    } else {
        scanContent(scan);
    }
    return scan;
}

}  // namespace

TextScan ScanTextFile(const std::string& strPath, long lngMaxBytes, double dblMaxPercent,
                      bool blnCheckCharset) {
    return ScanFromHeader(CheckFileHeader(strPath, blnCheckCharset), [&](TextScan& scan) {
        std::string bytes;
        const std::int16_t code = ReadLeadingBytes(strPath, lngMaxBytes, bytes, scan.fileLength);
        if (code != kHeaderNone) {
            scan.intFileType = code;
            return;
        }
        ScanContent(bytes, lngMaxBytes, dblMaxPercent, scan);
    });
}

TextScan ScanTextBytes(std::int16_t header, std::string_view leading, std::uint64_t fileLength,
                       long lngMaxBytes, double dblMaxPercent) {
    return ScanFromHeader(header, [&](TextScan& scan) {
        scan.fileLength = std::max<std::uint64_t>(fileLength, leading.size());
        ScanContent(leading, lngMaxBytes, dblMaxPercent, scan);
    });
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

Classification ClassifyScan(const std::string& strPath, const TextScan& scan, bool blnSilent,
                            ClassifyState& state, Dialogs& dialogs) {
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

Classification ClassifyTextFile(const std::string& strPath, bool blnSilent, ClassifyState& state,
                                Dialogs& dialogs) {
    return ClassifyScan(strPath, ScanTextFile(strPath, kScanBytes, 0, true), blnSilent, state, dialogs);
}

std::string Utf8OrAnsiQuestion(std::int16_t chkUTF8, bool isUtf8) {
    if (chkUTF8 == 0 && isUtf8) {
        return "This file seems to be UTF-8 encoded.\r\n"
               "Click 'Yes' to scan it as UTF-8 encoded or 'No' to scan it as ANSI.";
    }
    if (chkUTF8 == 1 && !isUtf8) {
        return "This file does not seem to be UTF-8 encoded.\r\n"
               "Click 'Yes' to scan it as UTF-8 encoded (not advisable)\r\n"
               "or 'No' to scan it as ANSI.";
    }
    return "";
}

}  // namespace lexicount
