#pragma once

// Cuts a stream of bytes into lines at CR, LF or CR LF, holding only the
// line in progress, so memory grows with the longest line and never with
// the size of the input. A UTF-8 byte-order mark at the very start is
// dropped: read as Windows-1252 its first byte would pass for a letter.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace lexicount {

class LineSplitter {
public:
    // The callback gets each line without its end (it may modify the string)
    // and returns false to stop.
    using LineCallback = std::function<bool(std::string& line)>;

    explicit LineSplitter(LineCallback onLine) : onLine_(std::move(onLine)) {}

    // Feeds the next bytes; false once the callback asked to stop.
    bool Feed(std::string_view bytes);
    // Hands on the last line when the input did not end with a line end.
    bool Finish();
    // The bytes to come are the middle of a text, where a byte-order mark
    // is text like any other.
    void StartMidText() { bomChecked_ = 3; }

private:
    bool Emit();

    LineCallback onLine_;
    std::string line_;
    // Positions of the next CR and LF in the block being fed, found once and
    // reused until passed, so each byte is searched only once per kind.
    const char* nextCr_ = nullptr;
    const char* nextLf_ = nullptr;
    bool pendingCr_ = false;  // the last byte fed was a CR: a following LF belongs to it
    size_t bomChecked_ = 0;   // bytes of the input's start compared with the byte-order mark
    bool stopped_ = false;
};

// Reads a whole stream in large blocks through a splitter. Returns false
// when reading failed (errno tells why); a stop asked for by the callback
// is not a failure.
bool SplitStream(std::FILE* stream, LineSplitter& splitter);

}  // namespace lexicount
