#include "input/file_helpers.h"

#include <algorithm>
#include <cmath>

#include "words/number_format.h"

namespace lexicount {
namespace {

#ifdef _WIN32
constexpr std::string_view kPathSeparators = "/\\";
#else
constexpr std::string_view kPathSeparators = "/";
#endif

constexpr std::string_view kZipSignature("PK\x03\x04", 4);

// Paths are UTF-8, so Latin-1 capitals are the two bytes C3 80 to C3 9E
// (C3 97 is the multiplication sign).
void LowerAsciiAndLatin1(std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            text[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) text[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
}

}  // namespace

bool FileExists(const std::string& strPath) {
    if (strPath.empty()) return false;
    std::error_code error;
    const auto status = std::filesystem::status(PathFromUtf8(strPath), error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::string GetFileExtension(std::string_view strPath, bool blnLowerCase) {
    const size_t separator = strPath.find_last_of(kPathSeparators);
    const std::string_view name =
        separator == std::string_view::npos ? strPath : strPath.substr(separator + 1);
    const size_t period = name.rfind('.');
    if (period == std::string_view::npos) return "";
    std::string extension(name.substr(period + 1));
    if (blnLowerCase) LowerAsciiAndLatin1(extension);
    return extension;
}

std::int16_t HasZipSignature(const std::string& strPath) {
    if (!FileExists(strPath)) return -1;
    ReadOnlyFile file;
    if (file.Open(strPath)) return 0;
    char head[16];
    std::error_code error;
    const size_t n = file.Read(head, sizeof head, error);
    return n > 9 && std::string_view(head, 4) == kZipSignature ? 1 : 0;
}

bool IsDocxFile(const std::string& strPath) {
    return GetFileExtension(strPath, true) == "docx" && HasZipSignature(strPath) == 1;
}

bool IsOdtFile(const std::string& strPath) {
    return GetFileExtension(strPath, true) == "odt" && HasZipSignature(strPath) == 1;
}

std::string FormatFileSize(std::int64_t lngBytes, int /*intDecimals*/) {
    if (lngBytes < 1024) return std::to_string(lngBytes) + " bytes";
    if (lngBytes < 1048576) return FormatGroupedDecimals(static_cast<double>(lngBytes) / 1024.0, 2) + " Kb";
    return FormatGroupedDecimals(static_cast<double>(lngBytes) / 1048576.0, 2) + " Mb";
}

std::string FileSizeText(const std::string& strPath, int intDecimals) {
    if (!FileExists(strPath)) return "";
    std::error_code error;
    const auto length = std::filesystem::file_size(PathFromUtf8(strPath), error);
    if (error) return "";
    return FormatFileSize(static_cast<std::int64_t>(length), intDecimals);
}

std::string FormatByteCount(double dblSize, bool blnCapital) {
    if (!(dblSize >= 0)) return "";  // negative or NaN
    const std::string unit = blnCapital ? "Bytes" : "bytes";
    return FormatGrouped(std::llround(std::min(dblSize, 9.0e18))) + " " + unit;
}

}  // namespace lexicount
