#pragma once

// A plain-text file of a list, checked where it is counted and read once:
// the checks of a single input file, with the encoding question answered
// beforehand, and the boxes they would show kept for the run's thread.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/checked_file.h"
#include "base/dialogs.h"
#include "base/settings_record.h"
#include "input/text_file_class.h"

namespace lexicount {

struct TextFileRules {
    bool unicodeWords = false;  // UTF-16 files are taken
    std::int16_t chkUTF8 = 0;   // the setting each file is checked against
    bool utf8Answer = false;    // the answer where the encoding question arises
};

struct TextFileCheck {
    bool ok = false;
    std::int16_t lineEndingType = kTextCrLf;
    std::int16_t utf16 = kHeaderNone;  // or the UTF-16 header of a file read as such
    bool utf8 = false;
    bool crOnly = false;            // taken, with the notice about CR-only line ends due
    std::vector<MessageBox> boxes;  // what the refusal shows
    // The bytes read: the whole file, or its first megabyte (not cleared
    // before the read: of a folder of small files, each would be twice).
    std::unique_ptr<char[]> buffer;
    size_t length = 0;
    std::string_view Leading() const { return {buffer.get(), length}; }
};

// The boxes of a single input file that is missing, or empty.
MessageBox MissingFileBox();
MessageBox EmptyFileBox();

// Opens the file and checks it from its leading bytes, which are kept for
// the count; on success `file` is left open after them.
TextFileCheck CheckTextFile(const std::string& path, const TextFileRules& rules, ReadOnlyFile& file);

}  // namespace lexicount
