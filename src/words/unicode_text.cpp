#include "words/unicode_text.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <charconv>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "words/chars.h"
#include "words/cp1252.h"
#include "words/simple_letters.h"

namespace lexicount {
namespace {

std::string ToUtf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

icu::UnicodeString FromUtf8(std::string_view text) {
    // Invalid sequences become U+FFFD.
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

const icu::Normalizer2& Nfc() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || nfc == nullptr) throw std::runtime_error("ICU has no NFC data");
    return *nfc;
}

}  // namespace

void MakeLineUtf8(std::string& line, bool utf8File) {
    if (IsValidUtf8(line)) return;
    line = utf8File ? ToUtf8(FromUtf8(line)) : Utf8FromCp1252(line);
}

std::string LineAsUtf8(std::string_view line, bool utf8File) {
    std::string out(line);
    MakeLineUtf8(out, utf8File);
    return out;
}

std::int64_t LettersOutsideCp1252(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return 0;
    std::int64_t letters = 0;
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        i += DecodeUtf8At(utf8, i, c);
        if (c >= 0x80 && Cp1252FromCodePoint(c) < 0 && u_isalpha(static_cast<UChar32>(c))) ++letters;
    }
    return letters;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    return ToUtf8(
        icu::UnicodeString(reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size())));
}

std::string ToNfc(std::string_view text) {
    if (IsSevenBitAscii(text)) return std::string(text);
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString nfc = Nfc().normalize(FromUtf8(text), status);
    return U_SUCCESS(status) ? ToUtf8(nfc) : std::string(text);
}

std::string FoldCase(std::string_view text, bool turkic) {
    if (IsSevenBitAscii(text) && !turkic) return LowerCaseLatin(text);
    icu::UnicodeString folded = FromUtf8(text);
    folded.foldCase(turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT);
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString nfc = Nfc().normalize(folded, status);
    return ToUtf8(U_SUCCESS(status) ? nfc : folded);
}

int GraphemeCount(std::string_view text) {
    if (IsSevenBitAscii(text)) return static_cast<int>(text.size());
    // Letters of the alphabets that need no ICU are one character each.
    if (const int letters = SimpleLetterCount(text); letters >= 0) return letters;
    UErrorCode status = U_ZERO_ERROR;
    // One iterator per thread: creating one costs far more than using it.
    thread_local std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (!characters) return static_cast<int>(FromUtf8(text).countChar32());
    const icu::UnicodeString u = FromUtf8(text);
    characters->setText(u);
    int count = 0;
    for (int32_t at = characters->next(); at != icu::BreakIterator::DONE; at = characters->next()) ++count;
    return count;
}

int DisplayWidth(std::string_view text) {
    if (IsSevenBitAscii(text)) return static_cast<int>(text.size());
    const icu::UnicodeString u = FromUtf8(text);
    int width = 0;
    for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1)) {
        const UChar32 c = u.char32At(i);
        const auto category = static_cast<UCharCategory>(u_charType(c));
        if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR ||
            u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
            continue;
        }
        const int eaw = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
        width += eaw == U_EA_WIDE || eaw == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

void DecodeNumericEntitiesInPlace(std::string& line) {
    size_t at = line.find("&#");
    if (at == std::string::npos) return;
    std::string out(line, 0, at);
    while (at != std::string::npos) {
        const bool hex = at + 2 < line.size() && (line[at + 2] == 'x' || line[at + 2] == 'X');
        const size_t digits = at + (hex ? 3 : 2);
        const size_t semi = line.find(';', digits);
        const std::string_view number = semi == std::string::npos
                                            ? std::string_view()
                                            : std::string_view(line).substr(digits, semi - digits);
        std::uint32_t value = 0;
        const auto parsed =
            std::from_chars(number.data(), number.data() + number.size(), value, hex ? 16 : 10);
        const size_t next = line.find("&#", at + 2);
        if (number.empty() || number.size() > 8 || parsed.ptr != number.data() + number.size()) {
            out.append(line, at, (next == std::string::npos ? line.size() : next) - at);
        } else {
            const bool valid = value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF) && value != 0;
            AppendUtf8(out, valid ? value : 0xFFFD);
            out.append(line, semi + 1, (next == std::string::npos ? line.size() : next) - semi - 1);
        }
        at = next;
    }
    line.swap(out);
}

}  // namespace lexicount
