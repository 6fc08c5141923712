#include "input/line_splitter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace lexicount {

bool LineSplitter::Emit() {
    if (!onLine_(line_)) stopped_ = true;
    line_.clear();
    return !stopped_;
}

bool LineSplitter::Feed(std::string_view bytes) {
    size_t i = 0;
    if (stopped_) return false;
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    while (bomChecked_ < kBom.size() && i < bytes.size()) {
        if (bytes[i] != kBom[bomChecked_]) {
            // Not a mark after all: the bytes compared so far are text.
            line_.append(kBom.substr(0, bomChecked_));
            bomChecked_ = kBom.size();
            break;
        }
        ++bomChecked_;
        ++i;
    }
    if (pendingCr_ && !bytes.empty()) {
        pendingCr_ = false;
        if (bytes[0] == '\n') i = 1;
    }
    const char* const blockEnd = bytes.data() + bytes.size();
    auto next = [blockEnd](const char* from, char c) {
        const void* hit = std::memchr(from, c, static_cast<size_t>(blockEnd - from));
        return hit != nullptr ? static_cast<const char*>(hit) : blockEnd;
    };
    nextCr_ = nextLf_ = nullptr;
    while (i < bytes.size()) {
        const char* start = bytes.data() + i;
        const size_t rest = bytes.size() - i;
        if (nextCr_ == nullptr || nextCr_ < start) nextCr_ = next(start, '\r');
        if (nextLf_ == nullptr || nextLf_ < start) nextLf_ = next(start, '\n');
        const char* end = std::min(nextCr_, nextLf_);
        if (end == blockEnd) {
            line_.append(start, rest);
            return true;
        }
        line_.append(start, static_cast<size_t>(end - start));
        i = static_cast<size_t>(end - bytes.data()) + 1;
        if (*end == '\r') {
            if (i < bytes.size()) {
                if (bytes[i] == '\n') ++i;
            } else {
                pendingCr_ = true;
            }
        }
        if (!Emit()) return false;
    }
    return true;
}

bool LineSplitter::Finish() {
    pendingCr_ = false;
    if (bomChecked_ < 3) {
        line_.append(std::string_view("\xEF\xBB\xBF").substr(0, bomChecked_));
        bomChecked_ = 3;
    }
    if (stopped_ || line_.empty()) return !stopped_;
    return Emit();
}

bool SplitStream(std::FILE* stream, LineSplitter& splitter) {
    std::vector<char> block(1 << 20);
    while (true) {
        const size_t n = std::fread(block.data(), 1, block.size(), stream);
        if (n > 0 && !splitter.Feed(std::string_view(block.data(), n))) return true;
        if (n < block.size()) {
            if (std::ferror(stream)) return false;
            break;
        }
    }
    splitter.Finish();
    return true;
}

}  // namespace lexicount
