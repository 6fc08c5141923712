#pragma once

// Reading a file line by line through a LineSplitter, in large blocks.

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "base/checked_file.h"
#include "input/line_splitter.h"

namespace lexicount {

// Opens the file read-only (never a folder, FIFO or device) and feeds it
// whole to the splitter. Returns the error that stopped it, or none.
std::error_code SplitFile(const std::string& path, LineSplitter& splitter);

// The same for a file opened and read as far as `leading`: the bytes read
// first, then the rest. A file whose size says it is all read is not read
// again.
std::error_code SplitRestOfFile(ReadOnlyFile& file, std::string_view leading, LineSplitter& splitter);

// Bytes [begin, end) of an opened file (to its end, however far, with
// end = kToEnd), fed to the splitter as a whole text (Finish included).
// Several threads may split ranges of one file at once.
inline constexpr std::uint64_t kToEnd = ~std::uint64_t{0};
std::error_code SplitFileRange(const ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end,
                               LineSplitter& splitter);

// Where the first line to begin at or after `from` begins: just past a LF,
// or past a CR that no LF follows (a CR LF is never cut). Line ends are
// looked for in text[from, limit); npos when there is none.
size_t NextLineStart(std::string_view text, size_t from, size_t limit);
// The same in an opened file, looking no further than `within` bytes
// past `from`; kToEnd when no line begins there.
std::uint64_t NextLineStart(const ReadOnlyFile& file, std::uint64_t from, std::uint64_t within,
                            std::error_code& error);

// The same for a UTF-16 file (bigEndian or little-endian), fed to the
// splitter as UTF-8 as it is read: memory stays that of one block. A
// byte-order mark becomes U+FEFF, which no word holds; unpaired surrogates
// become U+FFFD.
std::error_code SplitUtf16File(const std::string& path, bool bigEndian, LineSplitter& splitter);

// A text file as its header (kHeaderNone, kHeaderUtf16Le or kHeaderUtf16Be)
// says: one of the two above.
std::error_code SplitTextFile(const std::string& path, std::int16_t header, LineSplitter& splitter);

}  // namespace lexicount
