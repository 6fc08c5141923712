#include "input/file_lines.h"

#include "input/text_file_class.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include <unicode/ucnv.h>

#include <vector>

#include "input/file_helpers.h"

namespace lexicount {

namespace {

struct Converter {
    explicit Converter(const char* name) {
        UErrorCode status = U_ZERO_ERROR;
        handle = ucnv_open(name, &status);
        if (U_FAILURE(status)) handle = nullptr;
    }
    ~Converter() {
        if (handle != nullptr) ucnv_close(handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    UConverter* handle = nullptr;
};

}  // namespace

std::error_code SplitUtf16File(const std::string& path, bool bigEndian, LineSplitter& splitter) {
    ReadOnlyFile file;
    if (auto error = file.Open(path)) return error;
    Converter utf16(bigEndian ? "UTF-16BE" : "UTF-16LE");
    Converter utf8("UTF-8");
    if (utf16.handle == nullptr || utf8.handle == nullptr)
        return std::make_error_code(std::errc::not_supported);
    std::vector<char> block(1 << 20);
    std::vector<char> converted(block.size() * 2);
    std::vector<UChar> pivot(1 << 14);
    UChar* pivotSource = pivot.data();
    UChar* pivotTarget = pivot.data();
    bool reset = true;
    while (true) {
        std::error_code error;
        const size_t n = file.Read(block.data(), block.size(), error);
        if (error) return error;
        const bool last = n < block.size();
        const char* source = block.data();
        const char* const sourceEnd = block.data() + n;
        // Converts the whole block, the output a buffer at a time.
        UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
        while (status == U_BUFFER_OVERFLOW_ERROR) {
            status = U_ZERO_ERROR;
            char* target = converted.data();
            ucnv_convertEx(utf8.handle, utf16.handle, &target, converted.data() + converted.size(), &source,
                           sourceEnd, pivot.data(), &pivotSource, &pivotTarget, pivot.data() + pivot.size(),
                           reset, last, &status);
            reset = false;
            const auto produced = static_cast<size_t>(target - converted.data());
            if (produced > 0 && !splitter.Feed(std::string_view(converted.data(), produced))) return {};
        }
        if (U_FAILURE(status)) return std::make_error_code(std::errc::illegal_byte_sequence);
        if (last) break;
    }
    splitter.Finish();
    return {};
}

std::error_code SplitFile(const std::string& path, LineSplitter& splitter) {
    ReadOnlyFile file;
    if (auto error = file.Open(path)) return error;
    return SplitRestOfFile(file, {}, splitter);
}

std::error_code SplitRestOfFile(ReadOnlyFile& file, std::string_view leading, LineSplitter& splitter) {
    if (!leading.empty() && !splitter.Feed(leading)) return {};
    if (file.size() > 0 && leading.size() >= file.size()) {
        splitter.Finish();
        return {};
    }
    return SplitFileRange(file, leading.size(), kToEnd, splitter);
}

std::error_code SplitFileRange(const ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end,
                               LineSplitter& splitter) {
    // A block no larger than the range needs, and not cleared: of a folder's
    // thousands of small files, each would otherwise map, clear and unmap a
    // megabyte. Read to its end, a file gets one byte more, so that the
    // first short read ends it. (Special files report no size: they get the
    // largest block.)
    constexpr std::uint64_t kLargest = 1 << 20;
    std::uint64_t span = kLargest;
    if (end != kToEnd) {
        span = end - std::min(begin, end);
    } else if (file.size() > 0) {
        span = file.size() - std::min(file.size(), begin) + 1;
    }
    const auto blockSize = static_cast<size_t>(std::min(kLargest, span));
    const auto block = std::make_unique_for_overwrite<char[]>(blockSize);
    for (std::uint64_t at = begin; at < end;) {
        std::error_code error;
        const auto want = static_cast<size_t>(std::min<std::uint64_t>(blockSize, end - at));
        const size_t n = file.ReadAt(at, block.get(), want, error);
        if (error) return error;
        if (n > 0 && !splitter.Feed(std::string_view(block.get(), n))) return {};
        if (n < want) break;  // the end of the file
        at += n;
    }
    splitter.Finish();
    return {};
}

size_t NextLineStart(std::string_view text, size_t from, size_t limit) {
    const size_t end = text.substr(0, std::min(limit, text.size())).find_first_of("\r\n", from);
    if (end == std::string_view::npos) return end;
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}

std::uint64_t NextLineStart(const ReadOnlyFile& file, std::uint64_t from, std::uint64_t within,
                            std::error_code& error) {
    // One byte more than is searched: a CR at a block's end needs the next.
    constexpr size_t kBlock = 1 << 16;
    std::string block(kBlock + 1, '\0');
    for (std::uint64_t at = from; at - from < within; at += kBlock) {
        const size_t n = file.ReadAt(at, block.data(), block.size(), error);
        if (error) return kToEnd;
        const auto limit = static_cast<size_t>(std::min<std::uint64_t>(kBlock, within - (at - from)));
        const size_t start = NextLineStart(std::string_view(block.data(), n), 0, limit);
        if (start != std::string_view::npos) return at + start;
        if (n < block.size()) break;
    }
    return kToEnd;
}

std::error_code SplitTextFile(const std::string& path, std::int16_t header, LineSplitter& splitter) {
    if (header == kHeaderNone) return SplitFile(path, splitter);
    return SplitUtf16File(path, header == kHeaderUtf16Be, splitter);
}

}  // namespace lexicount
