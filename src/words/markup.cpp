#include "words/markup.h"

#include <cstring>
#include <unordered_map>

#include "words/chars.h"
#include "words/cp1252.h"

namespace lexicount {

const std::string_view kEntityTable =
    "&copy;\251 &amp;& &nbsp; &#160; &#8212;\227 &AElig;\306 &Aacute;\301 &Acirc;\302 &Agr"
    "ave;\300 &Aring;\305 &Atilde;\303 &Auml;\304 &Ccedil;\307 &ETH;\320 &Eacute;\311 &Eci"
    "rc;\312 &Egrave;\310 &Euml;\313 &Iacute;\315 &Icirc;\316 &Igrave;\314 &Iuml;\317 &Nti"
    "lde;\321 &Oacute;\323 &Ocirc;\324 &Ograve;\322 &Oslash;\330 &Otilde;\325 &Ouml;\326 &"
    "THORN;\336 &Uacute;\332 &Ucirc;\333 &Ugrave;\331 &Uuml;\334 &Yacute;\335 &aacute;\341"
    " &acirc;\342 &aelig;\346 &agrave;\340 &aring;\345 &atilde;\343 &auml;\344 &ccedil;\347"
    " &eacute;\351 &ecirc;\352 &egrave;\350 &eth;\360 &euml;\353 &iacute;\355 &icirc;\356 "
    "&igrave;\354 &iuml;\357 &ntilde;\361 &oacute;\363 &ocirc;\364 &ograve;\362 &oslash;\370"
    " &otilde;\365 &ouml;\366 &szlig;\337 &thorn;\376 &uacute;\372 &ucirc;\373 &ugrave;\371"
    " &uuml;\374 &yacute;\375 &yuml;\377";

namespace {

struct MarkerPair {
    const char* start;
    const char* end;
};

constexpr MarkerPair kStyleC[] = {{"/*", "*/"}, {"//", ""}};
constexpr MarkerPair kStyleXml[] = {{"<?xml", "?>"}, {"<!--", "-->"}, {"<", ">"}};
constexpr MarkerPair kStyleHtml[] = {
    {"&", ";"}, {"<script", "/script>"}, {"<style", "/style>"}, {"<!--", "-->"}, {"<", ">"}};
constexpr MarkerPair kStylePhp[] = {{"&", ";"},
                                    {"<script", "/script>"},
                                    {"<style", "/style>"},
                                    {"<!--", "-->"},
                                    {"<?php", "php"},
                                    {"<", ">"},
                                    {"/*", "*/"},
                                    {"//", ""}};

template <size_t N>
void Fill(CommentMarkers& markers, const MarkerPair (&pairs)[N]) {
    for (size_t i = 0; i < N; ++i) {
        markers.strStartCommentMarker[i] = pairs[i].start;
        markers.strEndCommentMarker[i] = pairs[i].end;
    }
    markers.intNumCommentMarkers = static_cast<int>(N);
    CharSet startChars;
    for (size_t i = 0; i < N; ++i) {
        const char c = pairs[i].start[0];
        startChars.Add(std::string_view(&c, 1));
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        startChars.Add(std::string_view(&upper, 1));
    }
    markers.startChars = ByteMaskSet(startChars);
}

bool IsEntityPair(const CommentMarkers& m, int i) {
    const auto k = static_cast<size_t>(i);
    return m.strStartCommentMarker[k] == "&" && m.strEndCommentMarker[k] == ";";
}

// Case-insensitive match of a marker (ASCII) at a 0-based offset. Every
// marker character is ASCII, and lower-casing never maps a non-ASCII
// character into ASCII, so ASCII folding is all that is needed.
bool MarkerAt(std::string_view line, size_t at, std::string_view marker) {
    if (at + marker.size() > line.size()) return false;
    for (size_t k = 0; k < marker.size(); ++k) {
        if (LowerCaseLatinChar(line[at + k]) != LowerCaseLatinChar(marker[k])) return false;
    }
    return true;
}

// 0-based position of a marker at or after from, or npos.
size_t FindMarker(std::string_view line, size_t from, std::string_view marker) {
    if (marker.empty()) return from <= line.size() ? from : std::string_view::npos;
    const char first = LowerCaseLatinChar(marker[0]);
    const char upper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 32) : first;
    for (size_t i = from; i + marker.size() <= line.size(); ++i) {
        if ((line[i] == first || line[i] == upper) && MarkerAt(line, i, marker)) return i;
    }
    return std::string_view::npos;
}

// Every "&...;" of the table that a line's entity text can match as a
// substring, with the character that follows it there. Only texts from an
// "&" to the next ";" can match, since an entity text contains no other ";".
std::unordered_map<std::string, char> MakeEntityMap() {
    std::unordered_map<std::string, char> map;
    for (size_t i = 0; i < kEntityTable.size(); ++i) {
        if (kEntityTable[i] != '&') continue;
        const size_t semi = kEntityTable.find(';', i);
        if (semi == std::string_view::npos || semi + 1 >= kEntityTable.size()) continue;
        map.emplace(std::string(kEntityTable.substr(i, semi - i + 1)), kEntityTable[semi + 1]);
    }
    return map;
}

const std::unordered_map<std::string, char>& EntityMap() {
    static const auto map = MakeEntityMap();
    return map;
}

const CharSet& NumericEntityChars() {
    static const CharSet set = [] {
        CharSet s(kLetterTable);
        s.Add("0123456789;");
        return s;
    }();
    return set;
}

}  // namespace

void SetCommentMarkerStyle(CommentMarkers& markers, std::string_view style) {
    if (style == "C") Fill(markers, kStyleC);
    if (style == "XML") Fill(markers, kStyleXml);
    if (style == "HTML") Fill(markers, kStyleHtml);
    if (style == "PHP") Fill(markers, kStylePhp);
}

void SetCommentMarkersForFile(ScanState& state, std::string_view extension) {
    state.blnCharacterEntitiesPossible = false;
    if (extension == "php") {
        SetCommentMarkerStyle(state.markers, "PHP");
        state.blnCharacterEntitiesPossible = true;
    } else if (extension == "xml") {
        SetCommentMarkerStyle(state.markers, "XML");
    } else if (extension.find("htm") != std::string_view::npos) {
        SetCommentMarkerStyle(state.markers, "HTML");
        state.blnCharacterEntitiesPossible = true;
    } else {
        SetCommentMarkerStyle(state.markers, "C");
    }
}

void ClearCommentMarkers(CommentMarkers& markers) {
    for (size_t i = 0; i < 2; ++i) {
        markers.strStartCommentMarker[i].clear();
        markers.strEndCommentMarker[i].clear();
    }
    markers.intNumCommentMarkers = 0;
    markers.startChars = ByteMaskSet();
}

int FindCommentStart(const ScanState& state) {
    const auto& m = state.markers;
    const std::string_view line = state.strLine;
    const size_t at = static_cast<size_t>(state.lngLP - 1);
    if (at >= line.size() || !m.startChars.Has(line[at])) return -1;
    for (int i = 0; i < m.intNumCommentMarkers && i < 10; ++i) {
        const std::string& start = m.strStartCommentMarker[static_cast<size_t>(i)];
        if (start.empty() || !MarkerAt(line, at, start)) continue;
        if (!IsEntityPair(m, i) || !state.blnCharacterEntitiesPossible) return i;
        return IsCharacterEntity(line.substr(at)) > 0 ? i : -1;
    }
    return -1;
}

void SkipComment(ScanState& state) {
    const int i = state.intWithinComment;
    const std::string_view line = state.strLine;
    const long lineEnd = static_cast<long>(line.size()) + 1;
    const std::string& end = state.markers.strEndCommentMarker[static_cast<size_t>(i)];
    if (end.empty()) {
        state.lngLP = lineEnd;
        state.intWithinComment = -1;
        return;
    }
    const size_t at = static_cast<size_t>(state.lngLP - 1);
    if (state.blnCharacterEntitiesPossible && line.substr(at, 2) == "&#") {
        // A numeric entity and the word characters glued to it are skipped.
        const auto& skip = NumericEntityChars();
        size_t p = at + 2;
        while (p < line.size() && skip.Has(line[p])) ++p;
        state.lngLP = static_cast<long>(p) + 1;
        return;
    }
    const size_t found = FindMarker(line, at, end);
    if (found == std::string_view::npos) {
        state.lngLP = lineEnd;
        return;
    }
    state.lngLP = static_cast<long>(found + end.size()) + 1;
    state.intWithinComment = -1;
}

long IsCharacterEntity(std::string_view text) {
    if (text.size() <= 3) return 0;
    if (text[0] == '&' && text[1] == '#') return 1;
    if (text[0] != '&') return 0;
    // A ";" beyond position 20 disqualifies the text, so no further look.
    const std::string_view head = text.substr(0, 20);
    const size_t semi = head.find(';');
    if (semi == std::string_view::npos) return 0;
    if (head.substr(0, semi).find(' ') != std::string_view::npos) return 0;
    return IsWordLetter(text[1]) ? static_cast<long>(semi) + 1 : 0;
}

void DecodeNamedEntitiesInPlace(std::string& line, bool utf8) {
    const size_t firstAmp = line.find('&');
    if (firstAmp == std::string::npos || line.find(';', firstAmp) == std::string::npos) return;
    const auto& map = EntityMap();
    std::string out;
    out.reserve(line.size());
    out.append(line, 0, firstAmp);
    size_t pos = firstAmp;  // next input position to examine
    size_t semi = line.find(';', pos);
    while (true) {
        const size_t b = line.find('&', pos);
        if (b == std::string::npos) break;
        if (semi != std::string::npos && semi < b) semi = line.find(';', b);
        if (semi == std::string::npos) break;
        out.append(line, pos, b - pos);
        const std::string_view e(line.data() + b, semi - b + 1);
        char replacement = 0;
        bool found = false;
        if (e == "&quot;") {
            replacement = '"';
            found = true;
        } else if (e.size() <= kEntityTable.size()) {
            const auto it = map.find(std::string(e));
            if (it != map.end()) {
                replacement = it->second;
                found = true;
            }
        }
        if (found && utf8) {
            out += Utf8FromCp1252(std::string_view(&replacement, 1));
        } else if (found) {
            out += replacement;
        } else {
            out.append(e);
        }
        pos = semi + 1;
        semi = line.find(';', pos);
    }
    out.append(line, pos, std::string::npos);
    line.swap(out);
}

std::string DecodeNamedEntities(std::string_view line) {
    std::string out(line);
    DecodeNamedEntitiesInPlace(out);
    return out;
}

void ReplaceDoubleHyphensInPlace(std::string& line) {
    size_t b = line.find("--");
    while (b != std::string::npos) {
        // 1-based positions 1 and 2 keep their hyphens.
        const bool nearStart = b + 1 <= 2;
        const bool commentOpen = b >= 2 && line.compare(b - 2, 4, "<!--") == 0;
        const bool commentClose = line.compare(b, 3, "-->") == 0;
        if (!nearStart && !commentOpen && !commentClose) {
            line[b] = ' ';
            line[b + 1] = ' ';
        }
        b = line.find("--", b + 2);
    }
}

std::string ReplaceDoubleHyphens(std::string_view line) {
    std::string out(line);
    ReplaceDoubleHyphensInPlace(out);
    return out;
}

}  // namespace lexicount
