#include "input/document_language.h"

#include <optional>

#include "input/text_file_class.h"
#include "words/chars.h"

namespace lexicount {
namespace {

// The two characters after the first `key` when a double quote follows
// them: `lang="de"` gives "de".
std::optional<std::string> QuotedCode(std::string_view text, std::string_view key) {
    const size_t at = text.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    const size_t code = at + key.size();
    if (code + 2 >= text.size() || text[code + 2] != '"') return std::nullopt;
    return std::string(text.substr(code, 2));
}

// The two characters that follow the one after the first "lang=", so
// `lang="fr-ca"` gives "fr"; fewer at the end of the text.
std::optional<std::string> LooseLangCode(std::string_view text) {
    const size_t at = text.find("lang=");
    if (at == std::string_view::npos) return std::nullopt;
    const size_t code = at + 6;
    return code < text.size() ? std::string(text.substr(code, 2)) : std::string();
}

// Whole items only: a match across the "_" between two codes ("e_") would
// name no language.
bool IsListedCode(std::string_view list, std::string_view code) {
    for (size_t at = list.find(code); at != std::string_view::npos; at = list.find(code, at + 1)) {
        const size_t end = at + code.size();
        if ((at == 0 || list[at - 1] == '_') && (end == list.size() || list[end] == '_')) return true;
    }
    return false;
}

}  // namespace

std::string GetDocumentLanguage(const std::string& strPath, std::string_view allowedList,
                                std::string_view defaultCode) {
    const std::string text = LowerCaseLatin(ReadFirstLines(strPath, 10).text);
    std::optional<std::string> code = QuotedCode(text, "lang=\"");
    if (!code) code = LooseLangCode(text);
    if (!code) code = QuotedCode(text, "content=\"");
    if (!code || code->size() < 2) return std::string(defaultCode);
    if (allowedList.empty() || IsListedCode(allowedList, *code)) return *code;
    return std::string(defaultCode);
}

}  // namespace lexicount
