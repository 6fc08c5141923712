#include "settings/program_texts.h"

#include <algorithm>
#include <optional>

#include "base/file_replace.h"
#include "settings/state_file.h"
#include "words/cp1252.h"

namespace fs = std::filesystem;

namespace lexicount {
namespace {

constexpr std::size_t kMaxFileBytes = 4u << 20;
constexpr int kLastEncodableLine = 500;

struct TextLine {
    int number = 0;
    int language = 0;
    std::string_view text;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads a decimal 0..32767 at pos; nullopt when there is none.
std::optional<int> ReadNumber(std::string_view line, std::size_t& pos) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
        value = value * 10 + (line[pos++] - '0');
        if (value > 32767) return std::nullopt;
    }
    if (pos == start) return std::nullopt;
    return value;
}

constexpr int kTextRead = 0;
constexpr int kNoTextOnLine = 1;  // a blank or comment line

// Reads the text of one line: kTextRead, kNoTextOnLine or the load result
// for the line's fault.
int ParseLine(std::string_view line, int lineNumber, TextLine& out) {
    std::size_t pos = 0;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos == line.size() || line[pos] == '#') return kNoTextOnLine;
    const std::optional<int> number = ReadNumber(line, pos);
    if (!number || pos == line.size() || line[pos++] != ' ') return kProgramTextMalformedLine;
    const std::optional<int> language = ReadNumber(line, pos);
    if (!language) return kProgramTextMalformedLine;
    const bool encodable = lineNumber <= kLastEncodableLine;
    if (pos < line.size() && line[pos] != ' ') return kProgramTextMalformedLine;
    if (pos + 1 >= line.size())
        return encodable ? MissingProgramTextAt(lineNumber) : kProgramTextMalformedLine;
    out = {*number, *language, line.substr(pos + 1)};
    if (Utf8CharacterCount(out.text) > kMaxProgramTextLength) {
        return encodable ? ProgramTextTooLongAt(lineNumber) : kProgramTextMalformedLine;
    }
    return kTextRead;
}

// The next line at pos, without its line end (CR LF, LF or CR).
std::string_view NextLine(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    const std::string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos++] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    return line;
}

// Reads at most one byte past the cap, so a huge file costs no more.
int ReadCapped(const fs::path& file, std::string& bytes) {
    if (const std::error_code error = ReadFileCapped(file.string(), kMaxFileBytes, bytes)) {
        // Something that is there but is no file, or fails while it is read.
        const bool there = error == std::errc::is_a_directory || error == std::errc::not_supported ||
                           error == std::errc::io_error;
        return there ? kProgramTextReadError : kProgramTextCannotOpen;
    }
    if (bytes.empty()) return kProgramTextFileEmpty;
    if (bytes.size() > kMaxFileBytes) return kProgramTextTooMuch;
    return 1;
}

}  // namespace

int ProgramTexts::Parse(std::string_view utf8Content) {
    std::map<std::pair<int, int>, std::string> texts;
    std::size_t pos = 0;
    for (int lineNumber = 1; pos < utf8Content.size(); ++lineNumber) {
        TextLine line;
        const int fault = ParseLine(NextLine(utf8Content, pos), lineNumber, line);
        if (fault == kNoTextOnLine) continue;
        if (fault != kTextRead) return fault;
        if (!texts.emplace(std::pair(line.number, line.language), line.text).second) {
            return DuplicateProgramTextAt(lineNumber);
        }
        if (texts.size() > static_cast<std::size_t>(kMaxProgramTexts)) return kProgramTextTooMuch;
    }
    if (texts.empty()) return kNoProgramTextRead;
    texts_ = std::move(texts);
    return static_cast<int>(texts_.size());
}

int ProgramTexts::Load(const fs::path& file) {
    std::string bytes;
    const int result = ReadCapped(file, bytes);
    if (result < 1) return result;
    return Parse(Utf8FromTextFileBytes(bytes));
}

std::string ProgramTexts::Get(int number, int language) const {
    const auto found = texts_.find(std::pair(number, language));
    if (found == texts_.end() || found->second == "~") return {};
    return found->second;
}

ProgramTexts& SharedProgramTexts() {
    static ProgramTexts texts;
    return texts;
}

int LoadProgramTexts(const fs::path& file) {
    return SharedProgramTexts().Load(file);
}

std::string GetProgramText(int number) {
    return SharedProgramTexts().Get(number, 0);
}

std::string ProgramTextLoadMessage(int code, std::string_view fullPath) {
    switch (code) {
        case 0: return "No program text was read.";
        case -1: return "Cannot open file containing program text.\r\n" + std::string(fullPath);
        case -2: return "Particular memory allocation error.";
        case -3: return "Too much program text.";
        case -4: return "Text not recovered.";
        case -6: return "File is empty.";
        case -7: return "Error reading file.";
        case -8: return "General memory allocation error.";
        default: break;
    }
    if (code >= 1) return {};
    const auto lineOf = [&](int base) {
        return std::to_string(-(static_cast<long long>(code) + base)) + ".";
    };
    if (code < -1500) return "Duplicate in program text at line " + lineOf(1500);
    if (code <= -1001) return "String too long at line " + lineOf(1000);
    if (code <= -501) return "Missing string at line " + lineOf(500);
    return "Error " + std::to_string(code);
}

}  // namespace lexicount
