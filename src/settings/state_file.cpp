#include "settings/state_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "base/file_errors.h"
#include "base/file_replace.h"
#include "base/settings_record.h"
#include "settings/words_to_ignore.h"
#include "words/cp1252.h"

namespace fs = std::filesystem;

namespace lexicount {
namespace {

constexpr std::size_t kMaxFileBytes = 4u << 20;
constexpr std::size_t kMaxValueBytes = 65535;

// A failure with its user-facing description; never leaves this file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The field saved on each line of the file, from the settings table; null for
// a line that no field claims (written 0, read and dropped).
const std::vector<const FieldInfo*>& FieldsByLine() {
    static const std::vector<const FieldInfo*> byLine = [] {
        std::vector<const FieldInfo*> lines;
        for (const FieldInfo& field : SettingsFields()) {
            if (field.stateLine == 0) continue;
            const auto line = static_cast<std::size_t>(field.stateLine);
            if (lines.size() < line) lines.resize(line);
            lines[line - 1] = &field;
        }
        return lines;
    }();
    return byLine;
}

void ThrowIfError(std::error_code ec, bool reading) {
    if (ec) throw FileError(DescribeError(ec, reading));
}

// ---- Writing ----

class LineWriter {
public:
    void Text(std::string_view value) {
        text_ += '"';
        for (char c : value) {
            if (c != '"') text_ += c;
        }
        text_ += "\"\r\n";
    }
    void Number(int value) { text_ += std::to_string(value) + "\r\n"; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

std::string StateFileText(const SettingsRecord& settings, std::string_view commonWordsFile) {
    // The file names the common-words file the reader uses, which the box
    // may not show yet.
    SettingsRecord s = settings;
    s.txbCommonWordsFile = commonWordsFile;
    LineWriter out;
    for (const FieldInfo* field : FieldsByLine()) {
        if (field == nullptr) {
            out.Number(0);
        } else if (field->kind == FieldKind::Text) {
            const std::string& text = *field->text(s);
            out.Text(field->wordText ? Utf8FromCp1252(text) : text);
        } else {
            out.Number(*field->number(s));
        }
    }
    return out.text();
}

void ReplaceFile(const fs::path& path, std::string_view bytes) {
    if (path.empty()) throw FileError("Bad file name or number");
    ThrowIfError(ReplaceFileContents(path, bytes), false);
}

// ---- Reading ----

std::string ReadSettingsFile(const fs::path& path) {
    if (path.empty()) throw FileError("Bad file name or number");
    std::string bytes;
    ThrowIfError(ReadFileCapped(path.string(), kMaxFileBytes, bytes), true);
    if (bytes.size() > kMaxFileBytes) throw FileError("File too large");
    return bytes;
}

// Successive fields of comma-and-line delimited text.
class FieldReader {
public:
    explicit FieldReader(std::string text) : text_(std::move(text)) {}

    // Nothing but line ends and blanks is left.
    bool AtEnd() const { return text_.find_first_not_of(" \t\r\n", pos_) == std::string::npos; }

    std::string Next() {
        if (pos_ >= text_.size()) throw FileError("Input past end of file");
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        return pos_ < text_.size() && text_[pos_] == '"' ? Quoted() : Plain();
    }

private:
    std::string Quoted() {
        const std::size_t start = pos_ + 1;
        std::size_t end = text_.find('"', start);
        if (end == std::string::npos) end = text_.size();
        std::string value = Take(start, end);
        pos_ = end;
        SkipPastDelimiter();
        return value;
    }

    std::string Plain() {
        std::size_t end = text_.find_first_of(",\r\n", pos_);
        if (end == std::string::npos) end = text_.size();
        std::size_t last = end;
        while (last > pos_ && (text_[last - 1] == ' ' || text_[last - 1] == '\t')) --last;
        std::string value = Take(pos_, last);
        pos_ = end;
        SkipPastDelimiter();
        return value;
    }

    std::string Take(std::size_t start, std::size_t end) const {
        if (end - start > kMaxValueBytes) throw FileError("Line too long");
        return text_.substr(start, end - start);
    }

    // Drops the rest of the field and its delimiter: a comma, or a line end
    // (CR LF counts once).
    void SkipPastDelimiter() {
        pos_ = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
        if (pos_ == text_.size()) return;
        const char c = text_[pos_++];
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

// The leading decimal value of a text: optional sign, digits, optional
// fraction; 0 when there is none.
double LeadingValue(std::string_view text) {
    const auto digitsFrom = [&](std::size_t& i) {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return std::string(text.substr(start, i - start));
    };
    std::size_t i = std::min(text.find_first_not_of(" \t"), text.size());
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::string whole = digitsFrom(i);
    std::string fraction;
    if (i < text.size() && text[i] == '.') fraction = digitsFrom(++i);
    if (whole.empty() && fraction.empty()) return 0;
    const std::string number = (negative ? "-" : "") + (whole.empty() ? "0" : whole) + "." + fraction + "0";
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) throw FileError("Overflow");
    return value;
}

// Rounds halves to even, as the 16-bit conversion does.
std::int16_t RoundedInt16(std::string_view text) {
    const double rounded = std::nearbyint(LeadingValue(text));
    if (!(rounded >= -32768 && rounded <= 32767)) throw FileError("Overflow");
    return static_cast<std::int16_t>(rounded);
}

std::int16_t CheckBoxValue(std::string_view text) {
    const std::int16_t value = RoundedInt16(text);
    if (value < 0 || value > 2) throw FileError("Invalid property value");
    return value;
}

std::int16_t ListIndex(std::string_view text, std::size_t itemCount) {
    const std::int16_t value = RoundedInt16(text);
    if (value < -1 || value >= static_cast<int>(itemCount)) throw FileError("Invalid property value");
    return value;
}

void RestoreFields(FieldReader& in, SettingsRecord& s, std::string& commonWordsFile,
                   std::string& wordsToIgnore) {
    for (const FieldInfo* field : FieldsByLine()) {
        // Files written before a line was added load with its default.
        if (field != nullptr && field->stateLine >= kFirstAddedLine && in.AtEnd()) {
            ResetField(s, *field);
            continue;
        }
        const std::string value = in.Next();
        if (field == nullptr) continue;
        if (field->restoredAsDefault) {
            ResetField(s, *field);
        } else if (field->kind == FieldKind::Text) {
            *field->text(s) = field->wordText ? Cp1252FromUtf8(value) : value;
        } else if (field->kind == FieldKind::List) {
            *field->number(s) = ListIndex(value, field->items.size());
        } else {
            *field->number(s) = CheckBoxValue(value);
        }
        // The mirrors follow their boxes at once, so a later error leaves the two equal.
        if (field->text == nullptr) continue;
        if (field->text(s) == &s.txbWordsToIgnore) wordsToIgnore = ApplyWordsToIgnore(s);
        if (field->text(s) == &s.txbCommonWordsFile) commonWordsFile = s.txbCommonWordsFile;
    }
}

bool AnyListUnselected(const SettingsRecord& s) {
    return s.cboShortWordSize == -1 || s.cboLongWordSize == -1 || s.cboThresholdFrequency == -1 ||
           s.cboWordOrder == -1 || s.cboDisplayFormat == -1;
}

}  // namespace

std::string Utf8FromTextFileBytes(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return IsValidUtf8(bytes) ? std::string(bytes) : Utf8FromCp1252(bytes);
}

std::string SaveState(const SettingsRecord& settings, std::string_view strCommonWordsFile,
                      const fs::path& strParameterFile) {
    try {
        ReplaceFile(strParameterFile, StateFileText(settings, strCommonWordsFile));
    } catch (const std::exception& e) {
        return std::string(kSaveErrorPrefix) + e.what();
    }
    return {};
}

std::string RestoreSavedState(SettingsRecord& settings, std::string& strCommonWordsFile,
                              std::string& strWordsToIgnore, const fs::path& strParameterFile) {
    try {
        FieldReader in(Utf8FromTextFileBytes(ReadSettingsFile(strParameterFile)));
        RestoreFields(in, settings, strCommonWordsFile, strWordsToIgnore);
    } catch (const std::exception& e) {
        return std::string(kRestoreErrorPrefix) + e.what();
    }
    return AnyListUnselected(settings) ? std::string(kInvalidComboBoxIndex) : std::string();
}

}  // namespace lexicount
