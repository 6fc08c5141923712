#include "words/collation.h"

#include <array>

#include "words/chars.h"

namespace lexicount {
namespace {

constexpr std::string_view kDigraphSources = "\214\304\306\326\334\344\346\366\374\337";
constexpr std::string_view kDigraphTargets = "OeAeAeOeUeaeaeoeuess";
constexpr std::string_view kAccentSources =
    "\212\237\300\301\302\303\304\305\307\310\311\312\313\314\315\316\317\320\321\322\323\324\325\326\330"
    "\331\332\333\334\335\232\377\340\341\342\343\344\345\347\350\351\352\353\354\355\356\357\361\362\363"
    "\364\365\366\370\371\372\373\374\375";
constexpr std::string_view kAccentTargets = "SYAAAAAACEEEEIIIIDNOOOOOOUUUUYsyaaaaaaceeeeiiiinoooooouuuuy";
static_assert(kAccentSources.size() == kAccentTargets.size());

std::array<char, 256> MakeFoldTable() {
    std::array<char, 256> table{};
    for (size_t i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
    for (size_t i = 0; i < kAccentSources.size(); ++i) {
        table[static_cast<unsigned char>(kAccentSources[i])] = kAccentTargets[i];
    }
    return table;
}

const std::array<char, 256> kFold = MakeFoldTable();

}  // namespace

std::string ExpandDigraphs(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    for (char c : text) {
        const size_t p = kDigraphSources.find(c);
        if (p == std::string_view::npos) {
            out += c;
        } else {
            out.append(kDigraphTargets.substr(2 * p, 2));
        }
    }
    return out;
}

std::string FoldAccents(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = kFold[static_cast<unsigned char>(c)];
    return out;
}

std::string MakeCollationKey(std::string_view word) {
    return FoldAccents(ExpandDigraphs(word));
}

std::string SortKeyOf(std::string_view word) {
    std::string key = MakeCollationKey(word);
    LowerCaseLatinInPlace(key);
    return key;
}

void SortStringArray(std::vector<std::string>& a, long lo, long hi, long start) {
    SortByKey(a, lo, hi, start, [](const std::string& s) -> std::string_view { return s; });
}

}  // namespace lexicount
