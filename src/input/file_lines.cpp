#include "input/file_lines.h"

#include <vector>

#include "input/file_helpers.h"

namespace lexicount {

std::error_code SplitFile(const std::string& path, LineSplitter& splitter) {
    ReadOnlyFile file;
    if (auto error = file.Open(path)) return error;
    std::vector<char> block(1 << 20);
    while (true) {
        std::error_code error;
        const size_t n = file.Read(block.data(), block.size(), error);
        if (error) return error;
        if (n > 0 && !splitter.Feed(std::string_view(block.data(), n))) return {};
        if (n < block.size()) break;
    }
    splitter.Finish();
    return {};
}

}  // namespace lexicount
