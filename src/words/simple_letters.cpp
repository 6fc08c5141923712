#include "words/simple_letters.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <array>

namespace lexicount {
namespace {

constexpr char32_t kTwoByteEnd = 0x800;

// Folded letter of each code point below kTwoByteEnd; 0 for one that is not
// a simple letter.
using FoldTable = std::array<char16_t, kTwoByteEnd>;

bool StableInNfc(const icu::Normalizer2& nfc, char32_t c) {
    const auto cp = static_cast<UChar32>(c);
    return u_getIntPropertyValue(cp, UCHAR_NFC_QUICK_CHECK) == UNORM_YES && nfc.getCombiningClass(cp) == 0;
}

bool IsLetter(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_L_MASK) != 0;
}

FoldTable MakeFoldTable(bool turkic) {
    FoldTable table{};
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || nfc == nullptr) return table;  // nothing simple: ICU does it all
    for (char32_t c = 0; c < kTwoByteEnd; ++c) {
        if (!IsLetter(c) || !StableInNfc(*nfc, c)) continue;
        icu::UnicodeString folded(static_cast<UChar32>(c));
        folded.foldCase(turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT);
        if (folded.countChar32() != 1) continue;  // "ß" folds to "ss"
        const auto f = static_cast<char32_t>(folded.char32At(0));
        // The fold must stay in its byte class: ASCII to ASCII, two bytes
        // to two bytes ("ſ" folds to "s" and is left to ICU).
        if (f >= kTwoByteEnd || (f < 0x80) != (c < 0x80) || !IsLetter(f) || !StableInNfc(*nfc, f)) continue;
        table[c] = static_cast<char16_t>(f);
    }
    return table;
}

const FoldTable& Table(bool turkic) {
    static const FoldTable plain = MakeFoldTable(false);
    static const FoldTable turkish = MakeFoldTable(true);
    return turkic ? turkish : plain;
}

}  // namespace

namespace {

// Walks the text's simple letters, handing each one's byte offset, byte
// count and folded letter to visit; the number of letters, or -1 at the
// first character that is not one.
template <typename Visit>
int WalkSimpleLetters(std::string_view text, const FoldTable& table, Visit visit) {
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t size = 1;
        char32_t c = lead;
        if (lead >= 0x80) {
            if (lead < 0xC2 || lead > 0xDF || i + 1 == text.size()) return -1;
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((next & 0xC0) != 0x80) return -1;
            c = (static_cast<char32_t>(lead & 0x1F) << 6) | (next & 0x3F);
            size = 2;
        }
        const char16_t folded = table[c];
        if (folded == 0) return -1;
        visit(i, size, folded);
        i += size;
    }
    return characters;
}

}  // namespace

int SimpleLetterCount(std::string_view text) {
    return WalkSimpleLetters(text, Table(false), [](size_t, size_t, char16_t) {});
}

int FoldSimpleLetters(std::string_view text, bool turkic, std::string& folded) {
    // A fold keeps each letter's byte count, so the text keeps its size.
    folded.resize(text.size());
    char* out = folded.data();
    return WalkSimpleLetters(text, Table(turkic), [out](size_t at, size_t size, char16_t f) {
        if (size == 1) {
            out[at] = static_cast<char>(f);
        } else {
            out[at] = static_cast<char>(0xC0 | (f >> 6));
            out[at + 1] = static_cast<char>(0x80 | (f & 0x3F));
        }
    });
}

}  // namespace lexicount
