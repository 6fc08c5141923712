#include "input/xml_text.h"

#include "words/cp1252.h"

#include <string_view>

#include "words/utf8_fold.h"

namespace lexicount {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t at = text.find(from);
    if (at == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    while (at != std::string::npos) {
        out.append(text, done, at - done);
        out.append(to);
        done = at + from.size();
        at = text.find(from, done);
    }
    out.append(text, done, std::string::npos);
    text.swap(out);
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Parses "&#...;" at text[at]; on success appends the character and returns
// the length of the reference, otherwise 0.
size_t NumericReference(std::string_view text, size_t at, std::string& out) {
    size_t i = at + 2;
    int base = 10;
    if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    }
    const size_t digitsFrom = i;
    char32_t cp = 0;
    for (; i < text.size() && DigitValue(text[i], base) >= 0; ++i) {
        cp = cp * static_cast<char32_t>(base) + static_cast<char32_t>(DigitValue(text[i], base));
        if (cp > 0x10FFFF) return 0;
    }
    if (i == digitsFrom || i >= text.size() || text[i] != ';') return 0;
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    AppendUtf8(out, cp < 0x20 ? U' ' : cp);
    return i + 1 - at;
}

void ReplaceNumericReferences(std::string& text) {
    if (text.find("&#") == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '#') {
            if (const size_t used = NumericReference(text, i, out)) {
                i += used;
                continue;
            }
        }
        out += text[i++];
    }
    text.swap(out);
}

}  // namespace

void ReplaceBasicXmlEntities(std::string& text) {
    if (text.find('&') == std::string::npos) return;
    ReplaceAll(text, "&amp;", "&");
    ReplaceAll(text, "&lt;", "<");
    ReplaceAll(text, "&gt;", ">");
}

void ReplaceOtherXmlEntities(std::string& text) {
    if (text.find('&') == std::string::npos) return;
    ReplaceAll(text, "&quot;", "\"");
    ReplaceAll(text, "&apos;", "'");
    ReplaceNumericReferences(text);
}

void FoldUtf8Text(std::string& text) {
    DecodeUtf8LatinInPlace(text);
    DecodeUtf8PunctuationInPlace(text);
}

}  // namespace lexicount
