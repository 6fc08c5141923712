#include "input/odt_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "input/xml_text.h"

namespace lexicount {
namespace {

constexpr auto npos = std::string_view::npos;

// Content that is not running text: a note's number would stick to the word
// it follows, change tracking keeps deleted text, annotations carry their
// author and date, frames their titles and embedded pictures.
constexpr std::array<std::string_view, 8> kSkippedElements = {
    "text:note-citation", "text:tracked-changes", "dc:creator", "dc:date", "meta:date-string", "svg:title",
    "svg:desc",           "office:binary-data"};

// text:c beyond this adds nothing to the words and only costs memory.
constexpr long kMaxRepeatedSpaces = 1000;

bool IsParagraph(std::string_view name) {
    return name == "text:p" || name == "text:h";
}

bool IsSkipped(std::string_view name) {
    return std::find(kSkippedElements.begin(), kSkippedElements.end(), name) != kSkippedElements.end();
}

// End of a start tag beginning at `at`: the '>' outside quoted values.
size_t TagEnd(std::string_view xml, size_t at) {
    char quote = 0;
    for (size_t i = at; i < xml.size(); ++i) {
        const char c = xml[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return npos;
}

size_t NameEnd(std::string_view tag, size_t from) {
    const size_t end = tag.find_first_of(" \t\r\n/>", from);
    return end == npos ? tag.size() : end;
}

// Finds attribute `name` in the inside of a start tag.
bool AttributeValue(std::string_view tag, std::string_view name, std::string_view& value) {
    size_t i = NameEnd(tag, 0);
    while (true) {
        i = tag.find_first_not_of(" \t\r\n", i);
        if (i == npos) return false;
        const size_t eq = tag.find('=', i);
        if (eq == npos) return false;
        std::string_view attr = tag.substr(i, eq - i);
        attr = attr.substr(0, attr.find_last_not_of(" \t\r\n") + 1);
        const size_t open = tag.find_first_of("\"'", eq);
        if (open == npos) return false;
        const size_t close = tag.find(tag[open], open + 1);
        if (close == npos) return false;
        if (attr == name) {
            value = tag.substr(open + 1, close - open - 1);
            return true;
        }
        i = close + 1;
    }
}

long SpaceCount(std::string_view tag) {
    std::string_view value;
    if (!AttributeValue(tag, "text:c", value) || value.empty()) return 1;
    long n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return 1;
        n = std::min(n * 10 + (c - '0'), kMaxRepeatedSpaces);
    }
    return n;
}

class OdtReader {
public:
    OdtReader(std::string_view xml, ExtractionProgress& progress, std::uint64_t maxText)
        : xml_(xml), progress_(progress), maxText_(maxText) {}

    void Read(DocumentText& result) {
        std::string& text = result.text;
        size_t i = 0;
        while (i < xml_.size()) {
            const size_t lt = xml_.find('<', i);
            CharacterData(xml_.substr(i, (lt == npos ? xml_.size() : lt) - i), true);
            if (lt != npos) i = Markup(lt, text);
            // Checked after every step, so the text never holds much more
            // than its maximum, however many spaces one tag asks for.
            if (TooLarge(result)) return;
            if (stopped_) {
                result.stopped = true;
                return;
            }
            if (lt == npos) break;
        }
        // A member cut short still gives the paragraphs it began.
        while (!paragraphs_.empty()) EndParagraph(text, xml_.size());
        TooLarge(result);
    }

private:
    struct Element {
        std::string_view name;
        bool paragraph;
        bool skipped;
    };

    // Handles the markup at `lt` and returns where the text after it starts.
    size_t Markup(size_t lt, std::string& text) {
        const std::string_view rest = xml_.substr(lt);
        if (rest.starts_with("<!--")) return After(lt, "-->");
        if (rest.starts_with("<![CDATA[")) {
            const size_t end = xml_.find("]]>", lt + 9);
            CharacterData(xml_.substr(lt + 9, (end == npos ? xml_.size() : end) - lt - 9), false);
            return end == npos ? xml_.size() : end + 3;
        }
        if (rest.starts_with("<?")) return After(lt, "?>");
        const size_t gt = TagEnd(xml_, lt);
        if (gt == npos) return xml_.size();
        const std::string_view tag = xml_.substr(lt + 1, gt - lt - 1);
        if (tag.starts_with('!')) return gt + 1;  // a document type declaration
        if (tag.starts_with('/')) {
            EndElement(tag.substr(1, NameEnd(tag, 1) - 1), text, gt);
        } else {
            if (!progress_.GoOn()) {
                stopped_ = true;
                return gt + 1;
            }
            StartElement(tag, tag.ends_with('/'), text, gt);
        }
        return gt + 1;
    }

    bool TooLarge(DocumentText& result) const {
        if (result.text.size() + pending_ <= maxText_) return false;
        result.text = std::string();
        result.tooLarge = true;
        return true;
    }

    size_t After(size_t at, std::string_view end) const {
        const size_t found = xml_.find(end, at);
        return found == npos ? xml_.size() : found + end.size();
    }

    void StartElement(std::string_view tag, bool empty, std::string& text, size_t position) {
        const std::string_view name = tag.substr(0, NameEnd(tag, 0));
        if (skipping_ == 0 && !paragraphs_.empty()) {
            if (name == "text:s") AppendToParagraph(std::string(static_cast<size_t>(SpaceCount(tag)), ' '));
            if (name == "text:tab" || name == "text:line-break") AppendToParagraph(" ");
        }
        const Element element{name, IsParagraph(name) && skipping_ == 0, IsSkipped(name)};
        if (element.paragraph) paragraphs_.emplace_back();
        if (element.skipped) ++skipping_;
        if (empty) {
            Close(element, text, position);
        } else {
            openByName_[name].push_back(open_.size());
            open_.push_back(element);
        }
    }

    // Closes up to the innermost open element of that name; an end tag
    // without a start is ignored. The open elements are indexed by name, so
    // a run of stray end tags costs nothing however deep the nesting.
    void EndElement(std::string_view name, std::string& text, size_t position) {
        const auto match = openByName_.find(name);
        if (match == openByName_.end() || match->second.empty()) return;
        const size_t keep = match->second.back();
        while (open_.size() > keep) {
            const Element element = open_.back();
            open_.pop_back();
            openByName_[element.name].pop_back();
            Close(element, text, position);
        }
    }

    void Close(const Element& element, std::string& text, size_t position) {
        if (element.skipped) --skipping_;
        if (element.paragraph) EndParagraph(text, position);
    }

    void EndParagraph(std::string& text, size_t position) {
        std::string line = std::move(paragraphs_.back());
        paragraphs_.pop_back();
        pending_ -= line.size();
        progress_.Encode(line);
        text.append(line);
        text.append("\r\n");
        progress_.PieceStored(line, ++count_, position);
    }

    void CharacterData(std::string_view data, bool withEntities) {
        if (data.empty() || skipping_ > 0 || paragraphs_.empty()) return;
        std::string chunk(data);
        // Line ends and tabs in the XML are white space, not line breaks.
        std::replace_if(
            chunk.begin(), chunk.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
        if (withEntities) {
            ReplaceBasicXmlEntities(chunk);
            ReplaceOtherXmlEntities(chunk);
        }
        AppendToParagraph(chunk);
    }

    void AppendToParagraph(std::string_view chunk) {
        paragraphs_.back().append(chunk);
        pending_ += chunk.size();
    }

    std::string_view xml_;
    ExtractionProgress& progress_;
    std::uint64_t maxText_;
    std::vector<Element> open_;
    std::unordered_map<std::string_view, std::vector<size_t>> openByName_;  // indexes into open_
    std::vector<std::string> paragraphs_;  // the open paragraphs, innermost last
    std::uint64_t pending_ = 0;            // the length of all open paragraphs
    int skipping_ = 0;
    std::size_t count_ = 0;
    bool stopped_ = false;
};

}  // namespace

DocumentText OdtTextFromXml(std::string_view xml, ExtractionHooks& hooks, Dialogs& dialogs,
                            std::uint64_t maxText, DocumentEncoding encoding) {
    ExtractionProgress progress(xml.size(), hooks, dialogs, encoding);
    DocumentText result;
    OdtReader(xml, progress, maxText).Read(result);
    return result;
}

DocumentText OdtTextFromXml(std::string_view xml) {
    ExtractionHooks hooks;
    DefaultAnswers dialogs;
    return OdtTextFromXml(xml, hooks, dialogs);
}

}  // namespace lexicount
