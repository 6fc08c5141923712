#include "input/docx_text.h"

#include <string>
#include <utility>

#include "input/xml_text.h"

namespace lexicount {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kTextOpen = "<w:t";
constexpr std::string_view kTextClose = "</w:t>";
constexpr std::string_view kLineBreak = "<w:br";
constexpr std::string_view kTab = "<w:tab";
constexpr std::string_view kParagraphStart = "<w:p";
constexpr std::string_view kParagraphEnd = "</w:p>";
constexpr std::string_view kFallbackOpen = "<mc:Fallback";
constexpr std::string_view kFallbackClose = "</mc:Fallback";

bool OnlySpaces(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

// Opening tag, text and look-ahead space of one element made into a piece.
std::string MakePiece(std::string_view tagRestAndText, bool spaceAfter, const ExtractionProgress& progress) {
    std::string piece(tagRestAndText);
    if (spaceAfter) piece += ' ';
    const size_t tagEnd = piece.find('>');
    if (tagEnd != std::string::npos) piece.erase(0, tagEnd + 1);
    if (OnlySpaces(piece)) return " ";
    ReplaceBasicXmlEntities(piece);
    ReplaceOtherXmlEntities(piece);
    progress.Encode(piece);
    return piece;
}

// The next start (or end) tag of exactly that element at or after `from`:
// "<w:br" finds "<w:br/>", "<w:br />" and "<w:br w:type="page"/>", but not
// "<w:bref/>".
size_t FindElement(std::string_view xml, std::string_view tagStart, size_t from) {
    for (size_t at = xml.find(tagStart, from); at != npos; at = xml.find(tagStart, at + 1)) {
        const size_t after = at + tagStart.size();
        if (after < xml.size() && std::string_view(" \t\r\n/>").find(xml[after]) != npos) return at;
    }
    return npos;
}

// Whether a word break lies in xml[from, to): a line break (page and column
// breaks too), a tab, or a paragraph's end or start (a text box's paragraphs
// sit inside the paragraph that anchors the box).
bool BreakBetween(std::string_view xml, size_t from, size_t to) {
    const std::string_view gap = xml.substr(from, to - from);
    return FindElement(gap, kLineBreak, 0) != npos || FindElement(gap, kTab, 0) != npos ||
           FindElement(gap, kParagraphStart, 0) != npos || gap.find(kParagraphEnd) != npos;
}

// The next text element with content at or after `from`, passing over the
// other elements whose names begin with "w:t" (tabs, tables) and over empty
// text elements, which hold no text to continue a word.
size_t NextTextElement(std::string_view xml, size_t from) {
    for (size_t at = xml.find(kTextOpen, from); at != npos; at = xml.find(kTextOpen, from)) {
        const size_t after = at + kTextOpen.size();
        from = after;
        if (after >= xml.size() || (xml[after] != ' ' && xml[after] != '>')) continue;
        const size_t tagEnd = xml.find('>', after);
        if (tagEnd == npos || xml[tagEnd - 1] != '/') return at;
        from = tagEnd + 1;
    }
    return npos;
}

// End of the fallback branch whose start tag begins at `at`: just after
// its matching end tag (nested branches counted), or the end of the XML.
size_t FallbackEnd(std::string_view xml, size_t at) {
    size_t tagEnd = xml.find('>', at);
    if (tagEnd == npos) return xml.size();
    if (xml[tagEnd - 1] == '/') return tagEnd + 1;
    int depth = 1;
    size_t p = tagEnd + 1;
    size_t open = FindElement(xml, kFallbackOpen, p);
    size_t close = FindElement(xml, kFallbackClose, p);
    while (close != npos) {
        const bool opening = open != npos && open < close;
        tagEnd = xml.find('>', opening ? open : close);
        if (tagEnd == npos) return xml.size();
        p = tagEnd + 1;
        if (!opening && --depth == 0) return p;
        if (opening && xml[tagEnd - 1] != '/') ++depth;
        if (open != npos && open < p) open = FindElement(xml, kFallbackOpen, p);
        if (close < p) close = FindElement(xml, kFallbackClose, p);
    }
    return xml.size();
}

// The XML without the fallback branches of its alternate content. Word
// writes a text box twice, as a drawing in mc:Choice and as a VML shape in
// mc:Fallback; only the first is read, so the box is counted once.
class ChoiceOnly {
public:
    explicit ChoiceOnly(std::string_view xml) : view_(xml) {
        size_t at = FindElement(xml, kFallbackOpen, 0);
        if (at == npos) return;
        size_t done = 0;
        while (at != npos) {
            kept_.append(xml, done, at - done);
            done = FallbackEnd(xml, at);
            at = FindElement(xml, kFallbackOpen, done);
        }
        kept_.append(xml, done, npos);
        view_ = kept_;
    }
    ChoiceOnly(const ChoiceOnly&) = delete;
    ChoiceOnly& operator=(const ChoiceOnly&) = delete;
    std::string_view Xml() const { return view_; }

private:
    std::string kept_;
    std::string_view view_;
};

// Hands every piece to sink in document order; false when the user stopped.
// Each search starts where the last one left off or reuses its answer, so
// the work stays linear in the length of the XML.
template <typename Sink>
bool CutPieces(std::string_view xml, ExtractionProgress& progress, Sink&& sink) {
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
        // The break is looked for up to the next text, past any tab or table
        // between. When no text follows, the space cannot change a word and
        // the look-ahead stops at the next element as it always has.
        const size_t nextText = NextTextElement(xml, nextOpen);
        const bool spaceAfter =
            nextOpen != npos && BreakBetween(xml, next, nextText == npos ? nextOpen : nextText);
        std::string piece = MakePiece(xml.substr(after, close - after), spaceAfter, progress);
        ++count;
        progress.PieceStored(piece, count, p);
        if (!sink(std::move(piece))) return false;
        p = next;
        open = nextOpen;
    }
}

}  // namespace

XmlPieces ExtractDelimitedSubstringsXML(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs) {
    const ChoiceOnly choice(xml);
    ExtractionProgress progress(choice.Xml().size(), hooks, dialogs);
    XmlPieces result;
    result.stopped = !CutPieces(choice.Xml(), progress, [&result](std::string&& piece) {
        result.size += static_cast<std::int64_t>(piece.size());
        result.pieces.push_back(std::move(piece));
        return true;
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

DocumentText DocxTextFromXml(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs,
                             std::uint64_t maxText, DocumentEncoding encoding) {
    const ChoiceOnly choice(xml);
    ExtractionProgress progress(choice.Xml().size(), hooks, dialogs, encoding);
    DocumentText result;
    const bool finished = CutPieces(choice.Xml(), progress, [&result, maxText](std::string&& piece) {
        AppendPieceToLines(result.text, piece);
        if (result.text.size() <= maxText) return true;
        result.tooLarge = true;
        return false;
    });
    if (result.tooLarge) {
        result.text = std::string();
    } else {
        result.stopped = !finished;
    }
    return result;
}

}  // namespace lexicount
