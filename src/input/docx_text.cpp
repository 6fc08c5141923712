#include "input/docx_text.h"

#include <string>
#include <utility>

#include "input/xml_text.h"

namespace lexicount {
namespace {

constexpr std::string_view kTextOpen = "<w:t";
constexpr std::string_view kTextClose = "</w:t>";
constexpr std::string_view kLineBreak = "<w:br";
constexpr std::string_view kParagraphEnd = "</w:p>";

bool OnlySpaces(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

// Opening tag, text and look-ahead space of one element made into a piece.
std::string MakePiece(std::string_view tagRestAndText, bool spaceAfter) {
    std::string piece(tagRestAndText);
    if (spaceAfter) piece += ' ';
    const size_t tagEnd = piece.find('>');
    if (tagEnd != std::string::npos) piece.erase(0, tagEnd + 1);
    if (OnlySpaces(piece)) return " ";
    ReplaceBasicXmlEntities(piece);
    FoldUtf8Text(piece);
    return piece;
}

// A line break in any of its spellings: "<w:br/>", "<w:br />" and page or
// column breaks ("<w:br w:type="page"/>") all end a line of text.
bool HasLineBreak(std::string_view gap) {
    for (size_t at = gap.find(kLineBreak); at != std::string_view::npos; at = gap.find(kLineBreak, at + 1)) {
        const size_t after = at + kLineBreak.size();
        if (after < gap.size() && std::string_view(" \t\r\n/>").find(gap[after]) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Whether a line break or a paragraph end lies in xml[from, to).
bool BreakBetween(std::string_view xml, size_t from, size_t to) {
    const std::string_view gap = xml.substr(from, to - from);
    return HasLineBreak(gap) || gap.find(kParagraphEnd) != std::string_view::npos;
}

// Hands every piece to sink in document order; false when the user stopped.
// Each search starts where the last one left off or reuses its answer, so
// the work stays linear in the length of the XML.
template <typename Sink>
bool CutPieces(std::string_view xml, ExtractionProgress& progress, Sink&& sink) {
    constexpr auto npos = std::string_view::npos;
    size_t p = 0;
    size_t open = xml.find(kTextOpen);
    size_t close = xml.find(kTextClose);
    std::size_t count = 0;
    while (true) {
        if (open == npos) return true;
        if (!progress.GoOn()) return false;
        if (close != npos && close < p) close = xml.find(kTextClose, p);
        if (close == npos || close < open) return true;
        const size_t after = open + kTextOpen.size();
        if (xml[after] != ' ' && xml[after] != '>') {  // w:tab, w:tbl, w:tc, ...
            p = after;
            open = xml.find(kTextOpen, p);
            continue;
        }
        const size_t tagEnd = xml.find('>', after);
        if (tagEnd < close && xml[tagEnd - 1] == '/') {  // an empty element written as <w:t .../>
            p = tagEnd + 1;
            open = xml.find(kTextOpen, p);
            continue;
        }
        const size_t next = close + kTextClose.size();
        const size_t nextOpen = xml.find(kTextOpen, next);
        const bool spaceAfter = nextOpen != npos && BreakBetween(xml, next, nextOpen);
        std::string piece = MakePiece(xml.substr(after, close - after), spaceAfter);
        ++count;
        progress.PieceStored(piece, count, p);
        sink(std::move(piece));
        p = next;
        open = nextOpen;
    }
}

}  // namespace

XmlPieces ExtractDelimitedSubstringsXML(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs) {
    ExtractionProgress progress(xml.size(), hooks, dialogs);
    XmlPieces result;
    result.stopped = !CutPieces(xml, progress, [&result](std::string&& piece) {
        result.size += static_cast<std::int64_t>(piece.size());
        result.pieces.push_back(std::move(piece));
    });
    return result;
}

XmlPieces ExtractDelimitedSubstringsXML(std::string_view xml) {
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    return ExtractDelimitedSubstringsXML(xml, hooks, dialogs);
}

void AppendPieceToLines(std::string& text, std::string_view piece) {
    text.append(piece);
    const size_t last = piece.find_last_not_of(' ');
    if (last != std::string_view::npos && piece[last] == '.') text.append("\r\n");
}

std::string JoinPiecesIntoLines(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces) AppendPieceToLines(text, piece);
    return text;
}

DocumentText DocxTextFromXml(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs) {
    ExtractionProgress progress(xml.size(), hooks, dialogs);
    DocumentText result;
    result.stopped =
        !CutPieces(xml, progress, [&result](std::string&& piece) { AppendPieceToLines(result.text, piece); });
    return result;
}

}  // namespace lexicount
