#pragma once

// The numbered program texts: messages, titles, captions and the paragraphs
// of the introduction, read at start-up from tly.dat in the program's folder
// and fetched by number.
//
// tly.dat is UTF-8 text (a file that is not valid UTF-8 is read as
// Windows-1252); lines end with CR LF, LF or CR. Each text is one line:
//
//     <number> <language> <text>        for example: 73 0 Count words
//
// number and language are decimal, 0 to 32767, each followed by exactly one
// space; language 0 is English, the language the program asks for. The text
// runs to the end of the line, taken as it is, at most 1024 characters; "~"
// alone stands for the empty text. Blank lines and lines whose first
// non-blank character is "#" are ignored. A number and language may occur
// only once.

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace lexicount {

// Load results: the count of texts read (1 or more), or one of these.
inline constexpr int kNoProgramTextRead = 0;
inline constexpr int kProgramTextCannotOpen = -1;
inline constexpr int kProgramTextTooMuch = -3;        // over kMaxProgramTexts, or a file over 4 MiB
inline constexpr int kProgramTextMalformedLine = -5;  // a line not of the form above
inline constexpr int kProgramTextFileEmpty = -6;
inline constexpr int kProgramTextReadError = -7;
// Faults of the 1-based line L. The code ranges of the last two hold lines
// 1 to 500 only; beyond that, those faults give kProgramTextMalformedLine.
constexpr int DuplicateProgramTextAt(int line) {
    return -1500 - line;
}
constexpr int ProgramTextTooLongAt(int line) {
    return -1000 - line;
}
constexpr int MissingProgramTextAt(int line) {
    return -500 - line;
}

inline constexpr int kMaxProgramTextLength = 1024;  // characters
inline constexpr int kMaxProgramTexts = 10000;

class ProgramTexts {
public:
    // Reads a program-text file and returns the load result. The table is
    // replaced only when the load succeeds.
    int Load(const std::filesystem::path& file);
    // Reads the texts of a file's content, as Load does with the file.
    int Parse(std::string_view utf8Content);

    // The text (UTF-8) of a number and language; "" when there is none, and
    // for a text stored as "~".
    std::string Get(int number, int language = 0) const;
    std::size_t size() const { return texts_.size(); }

private:
    std::map<std::pair<int, int>, std::string> texts_;
};

// The table the program reads its texts from.
ProgramTexts& SharedProgramTexts();

// Loads the shared table from the full path of tly.dat; returns the result.
int LoadProgramTexts(const std::filesystem::path& file);
// Text n of language 0 from the shared table, "" when there is none.
std::string GetProgramText(int number);

// The message for a load result below 1 ("" for a success); fullPath is
// named in the message of a file that cannot be opened.
std::string ProgramTextLoadMessage(int code, std::string_view fullPath);

}  // namespace lexicount
