#pragma once

// Reading a common-words file: free text, C comments skipped, every extra
// character allowed inside a word, lower-cased, sorted, each word once.

#include <cstdint>
#include <string>

#include "base/dialogs.h"
#include "input/text_file_class.h"
#include "words/word_counter.h"
#include "words/word_lists.h"

namespace lexicount {

struct CommonWordsReading {
    enum class Status { Loaded, NoPath, NotFound, Refused, Stopped, ReadError };
    Status status = Status::NoPath;
    CommonWords words;  // only when Loaded
    std::string path;   // the path as read (trimmed)
    std::string error;  // description of a read error
    bool ok() const { return status == Status::Loaded; }
};

// Reads the file. A file the classification refuses has had its message
// shown through dialogs; a missing file is only reported in the status, as
// the caller decides whether to complain. hooks (optional) sees yields, stop
// requests and each new word (for the running count of words read).
CommonWordsReading ReadCommonWordsFile(const std::string& path, Dialogs& dialogs,
                                       ClassifyState& classifyState, CountHooks* hooks = nullptr);

// 57 -> "Fifty seven", 1234 -> "1,234"; German with german true.
std::string NumberInWords(std::int64_t n, bool german);

// "One common word loaded from ..." / "Fifty seven common words loaded from ...".
std::string CommonWordsLoadedMessage(std::int64_t n, const std::string& path);

inline constexpr const char* kCommonWordsLoadedTitle = "Common words loaded";
inline constexpr const char* kCommonWordsNotFoundTitle = "File not found";
inline constexpr const char* kCommonWordsNotFoundText = "File for common words not found.";

}  // namespace lexicount
