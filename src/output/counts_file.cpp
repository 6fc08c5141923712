#include "output/counts_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>

namespace lexicount {
namespace {

// The settings that only shape the listing (which a merge makes under its
// own) or belong to the session, and chkUTF8, which each file's own
// classification decides. Every other setting decides which words a
// text holds, so a setting added later is checked without a word here.
constexpr std::string_view kListingSettings[] = {
    "chkIgnoreInfrequentWords",
    "cboThresholdFrequency",
    "chkOutputWithCommas",
    "chkWarnOnOverwrite",
    "chkSaveStateOnQuit",
    "txbCommonWordsFile",
    "chkSuppressWords",
    "chkDisableOutputToFile",
    "cboWordOrder",
    "cboDisplayFormat",
    "optInFile",
    "optOnClipboard",
    "txbFile(0)",
    "txbFile(1)",
    "chkUTF8",
};

bool DecidesWords(std::string_view name) {
    return !name.empty() && std::find(std::begin(kListingSettings), std::end(kListingSettings), name) ==
                                std::end(kListingSettings);
}

constexpr std::string_view kMagic = "lexicount counts ";

// A setting's value on one line: backslash, CR and LF escaped.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::string SettingValue(const SettingsRecord& settings, std::string_view name) {
    if (const std::optional<std::string> text = GetText(settings, name)) return Escaped(*text);
    return std::to_string(GetNumber(settings, name).value_or(0));
}

std::uint64_t Fnv1a(const std::vector<std::string>& words) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const std::string& word : words) {
        for (const char c : word + '\n') {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ULL;
        }
    }
    return hash;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base = 10) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Reads "KEY VALUE" where VALUE is a number; false when the line is another.
template <typename T>
bool KeyedNumber(std::string_view line, std::string_view key, T& value) {
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
        return false;
    return ParseNumber(line.substr(key.size() + 1), value);
}

// The lines of a counts file, one at a time, with the number of the last.
class Lines {
public:
    explicit Lines(std::istream& in) : in_(in) {}
    bool Next(std::string& line) {
        if (!std::getline(in_, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a file passed through Windows
        ++number_;
        return true;
    }
    int Number() const { return number_; }

private:
    std::istream& in_;
    int number_ = 0;
};

// No count of a real text comes near this; sums of many stay far from the
// limits of the counters.
constexpr std::int64_t kMaxCount = std::int64_t{1} << 53;

bool Plausible(std::int64_t n) {
    return n >= 0 && n <= kMaxCount;
}

std::string ReadHeader(Lines& lines, CountsFile& counts) {
    std::string line;
    int version = 0;
    if (!lines.Next(line) || line.rfind(kMagic, 0) != 0) return "not a counts file of Lexicount";
    if (!ParseNumber(std::string_view(line).substr(kMagic.size()), version) || version != kCountsVersion) {
        return "counts file version " + line.substr(kMagic.size()) + " cannot be read (this is version " +
               std::to_string(kCountsVersion) + ")";
    }
    if (!lines.Next(line) || (line != "encoding utf-8" && line != "encoding windows-1252")) return "damaged";
    counts.utf8 = line == "encoding utf-8";
    while (lines.Next(line) && line.rfind("setting ", 0) == 0) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) return "damaged";
        counts.settings.emplace_back(line.substr(8, eq - 8), line.substr(eq + 1));
    }
    const size_t space = line.rfind(' ');
    if (space == std::string::npos ||
        !KeyedNumber(std::string_view(line).substr(0, space), "common-words", counts.commonWords) ||
        !ParseNumber(std::string_view(line).substr(space + 1), counts.commonWordsHash, 16)) {
        return "damaged";
    }
    if (!lines.Next(line) || !KeyedNumber(line, "instances", counts.instances) ||
        !Plausible(counts.instances)) {
        return "damaged";
    }
    if (!lines.Next(line) || !KeyedNumber(line, "outside-cp1252", counts.outsideCp1252) ||
        !Plausible(counts.outsideCp1252)) {
        return "damaged";
    }
    return "";
}

}  // namespace

CountsFile CountsHeader(const SettingsRecord& settings, const CommonWords& commonWords) {
    CountsFile header;
    header.utf8 = IsOn(settings.chkUnicodeWords);
    for (const FieldInfo& field : SettingsFields()) {
        if (DecidesWords(field.name))
            header.settings.emplace_back(std::string(field.name), SettingValue(settings, field.name));
    }
    if (IsOn(settings.chkIgnoreCommonWords)) {
        const std::vector<std::string>& words =
            header.utf8 ? commonWords.WordsInAnyScript() : commonWords.Words();
        header.commonWords = static_cast<std::int64_t>(words.size());
        header.commonWordsHash = header.commonWords == 0 ? 0 : Fnv1a(words);
    }
    return header;
}

std::string CountsText(const CountsFile& header, const WordTable& table, std::int64_t instances,
                       std::int64_t outsideCp1252) {
    std::string text = std::string(kMagic) + std::to_string(kCountsVersion) + "\n";
    text += header.utf8 ? "encoding utf-8\n" : "encoding windows-1252\n";
    for (const auto& [name, value] : header.settings) text += "setting " + name + "=" + value + "\n";
    char hash[17];
    const auto end = std::to_chars(hash, hash + 16, header.commonWordsHash, 16).ptr;
    text += "common-words " + std::to_string(header.commonWords) + " " + std::string(hash, end) + "\n";
    text += "instances " + std::to_string(instances) + "\n";
    text += "outside-cp1252 " + std::to_string(outsideCp1252) + "\n";
    const std::vector<WordRecord>& records = table.Records();
    text += "words " + std::to_string(records.size() - 1) + "\n";
    for (size_t i = 1; i < records.size(); ++i)
        text += std::to_string(records[i].Frequency) + "\t" + records[i].Word + "\n";
    text += "end\n";
    return text;
}

std::string ReadCountsFile(const std::filesystem::path& path, CountsFile& counts) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot be opened";
    counts = {};
    Lines lines(in);
    const std::string header = ReadHeader(lines, counts);
    const auto damaged = [&lines] { return "damaged at line " + std::to_string(lines.Number()); };
    if (!header.empty()) return header == "damaged" ? damaged() : header;
    std::string line;
    std::int64_t n = 0;
    if (!lines.Next(line) || !KeyedNumber(line, "words", n) || n < 0) return damaged();
    counts.words.reserve(static_cast<size_t>(std::min<std::int64_t>(n, 1 << 16)));
    std::int64_t sum = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        if (!lines.Next(line)) return "cut short after line " + std::to_string(lines.Number());
        const size_t tab = line.find('\t');
        std::int64_t frequency = 0;
        if (tab == std::string::npos || tab + 1 == line.size() ||
            !ParseNumber(std::string_view(line).substr(0, tab), frequency) || frequency <= 0 ||
            frequency > counts.instances - sum) {
            return damaged();
        }
        sum += frequency;
        counts.words.emplace_back(line.substr(tab + 1), frequency);
    }
    if (!lines.Next(line)) return "cut short after line " + std::to_string(lines.Number());
    if (line != "end") return damaged();
    return "";
}

std::string CountsMismatch(const CountsFile& counts, const CountsFile& header) {
    for (const auto& [name, value] : header.settings) {
        std::string theirs = "(none)";
        for (const auto& [otherName, otherValue] : counts.settings) {
            if (otherName == name) theirs = otherValue;
        }
        if (theirs != value) return name + " is " + theirs + " there, " + value + " here";
    }
    if (counts.commonWords != header.commonWords || counts.commonWordsHash != header.commonWordsHash) {
        return "the common words differ (" + std::to_string(counts.commonWords) + " words there, " +
               std::to_string(header.commonWords) + " here)";
    }
    return "";
}

}  // namespace lexicount
