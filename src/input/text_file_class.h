#pragma once

// Decides whether a file is text that can be counted (ANSI or UTF-8) and
// which line ends it uses, from its first bytes and first lines only.
// CheckFileHeader looks at the first five bytes, the extension and, for
// markup files, the first lines; ScanTextFile adds a scan of the leading
// bytes for control characters and line ends; ClassifyTextFile wraps both
// and tells the user why a file is refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "base/dialogs.h"

namespace lexicount {

// File type codes: results of ScanTextFile. The negative codes other than
// -6 are shared with CheckFileHeader.
inline constexpr std::int16_t kFileCannotOpen = -9;  // open failed (not permission); folder, FIFO
inline constexpr std::int16_t kFileReadError = -6;   // failed while scanning the content
inline constexpr std::int16_t kFileNoPath = -5;
inline constexpr std::int16_t kFileTiny = -4;  // 1 to 4 bytes
inline constexpr std::int16_t kFilePermissionDenied = -3;
inline constexpr std::int16_t kFileEmpty = -2;
inline constexpr std::int16_t kFileNotFound = -1;
inline constexpr std::int16_t kFileNotText = 0;  // control characters found
inline constexpr std::int16_t kTextCrLf = 1;     // CR LF, no line end at all, or UTF-8
inline constexpr std::int16_t kTextLf = 2;
inline constexpr std::int16_t kTextCr = 3;
inline constexpr std::int16_t kFileRtf = 6;
inline constexpr std::int16_t kFileUnicodeNotUtf8 = 7;  // UTF-16 or UTF-32 byte-order mark

// Header codes: results of CheckFileHeader besides the negative codes above.
inline constexpr std::int16_t kHeaderNone = 0;
inline constexpr std::int16_t kHeaderUtf16Le = 1;
inline constexpr std::int16_t kHeaderUtf16Be = 2;
inline constexpr std::int16_t kHeaderUtf8 = 3;
inline constexpr std::int16_t kHeaderUtf32Be = 5;
inline constexpr std::int16_t kHeaderRtf = 6;

// ReadFirstLines never reads more than this, so a huge file without line
// ends costs no more than a short one.
inline constexpr std::size_t kFirstLinesReadLimit = 1 << 20;

// Bytes of content scanned, and the size below which a refused file earns
// the advice to copy its text through its own application.
inline constexpr long kScanBytes = 16384;
inline constexpr std::int64_t kCopyAdviceSizeLimit = 102400;

struct FirstLines {
    std::string text;       // non-empty lines joined by CR LF; "" on error
    std::error_code error;  // why the file could not be read
};

// Up to intMaxLines non-empty lines; a line ends at CR, LF or CR LF. A line
// cut by kFirstLinesReadLimit ends there.
FirstLines ReadFirstLines(const std::string& strPath, int intMaxLines);

// "prn", "csv", "xhtml", "xhtm", "shtml", "shtm", "html", "htm", "xml",
// "log" or "txt", ignoring case.
bool HasTextExtension(const std::string& strPath);

std::int16_t CheckFileHeader(const std::string& strPath, bool blnCheckCharset);
// The same from the file's leading bytes already read: the whole file, or
// at least its first kFirstLinesReadLimit bytes.
std::int16_t CheckHeaderBytes(const std::string& strPath, std::string_view leading, bool blnCheckCharset);

struct TextScan {
    std::int16_t intFileType = kFileNoPath;
    double dblPercent = 0;  // non-text characters among those scanned, in %
    bool blnIsUTF8 = false;
    std::uint64_t fileLength = 0;  // known once the content scan opened the file
};

// Up to 1 % of non-text characters with dblMaxPercent = 1.0; with 0 a
// single one makes the file not text.
TextScan ScanTextFile(const std::string& strPath, long lngMaxBytes, double dblMaxPercent,
                      bool blnCheckCharset);
// The same from leading bytes already read of a file of fileLength bytes,
// whose header CheckHeaderBytes gave: a file is read once where it is also
// counted, and its first lines are searched for a charset once.
TextScan ScanTextBytes(std::int16_t header, std::string_view leading, std::uint64_t fileLength,
                       long lngMaxBytes, double dblMaxPercent);

// The box that tells the user about a scan result: the refusals ("Fatal
// error", "Not a text file") and the notice for CR-only line ends. No box
// for the accepted codes 1 and 2 and for a missing path. Code -6 gets the
// box of -9 so that no refusal goes unexplained.
std::optional<MessageBox> ClassificationMessage(const std::string& strPath, const TextScan& scan);

// Kept by the caller for as long as the CR-only notice should be shown at
// most once; reset it when the main window's variables are initialised.
struct ClassifyState {
    bool macNoticeShown = false;
};

struct Classification {
    bool ok = false;  // go ahead and read the file
    bool blnIsUTF8 = false;
    std::int16_t intFileType = kFileNoPath;
};

// Scans the first 16384 bytes and shows the refusal, if any, through
// dialogs. blnSilent suppresses only the CR-only notice. LF-only files are
// accepted without a word: this reader is not slowed by them. Emptying the
// output text box before the check is the caller's job.
Classification ClassifyTextFile(const std::string& strPath, bool blnSilent, ClassifyState& state,
                                Dialogs& dialogs);
// The same for a scan already made.
Classification ClassifyScan(const std::string& strPath, const TextScan& scan, bool blnSilent,
                            ClassifyState& state, Dialogs& dialogs);

// The question asked when a file's encoding and the UTF-8 setting disagree;
// "" when they agree.
std::string Utf8OrAnsiQuestion(std::int16_t chkUTF8, bool isUtf8);

}  // namespace lexicount
