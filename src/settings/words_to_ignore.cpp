#include "settings/words_to_ignore.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "base/settings_record.h"
#include "words/chars.h"
#include "words/collation.h"
#include "words/cp1252.h"

namespace lexicount {
namespace {

std::vector<std::string> WithoutLaterDuplicates(const std::vector<std::string_view>& words) {
    std::vector<std::string> unique;
    std::unordered_set<std::string_view> seen;
    for (const auto w : words) {
        if (seen.insert(w).second) unique.emplace_back(w);
    }
    return unique;
}

}  // namespace

std::string NormaliseWordsToIgnore(std::string_view text) {
    std::string s = Trim(text);
    if (s.empty()) return {};
    LowerCaseLatinInPlace(s);
    std::replace(s.begin(), s.end(), ',', ' ');
    std::vector<std::string> words = WithoutLaterDuplicates(SplitAtBlanks(s));
    if (words.size() > 1) SortStringArray(words, 0, static_cast<long>(words.size()) - 1, 1);
    std::string joined;
    for (const auto& w : words) {
        if (!joined.empty()) joined += ' ';
        joined += w;
    }
    return joined;
}

std::string FramedWordsToIgnore(std::string_view normalisedList) {
    if (normalisedList.empty()) return {};
    std::string framed(" ");
    framed.append(normalisedList).append(" ");
    return framed;
}

std::string ApplyWordsToIgnore(SettingsRecord& settings) {
    // An all-blank box is left as it is; anything else becomes the
    // normalised list, even when nothing of it remains (" , ,").
    if (Trim(settings.txbWordsToIgnore).empty()) return {};
    settings.txbWordsToIgnore = NormaliseWordsToIgnore(settings.txbWordsToIgnore);
    return FramedWordsToIgnore(settings.txbWordsToIgnore);
}

std::string CheckAllowedExtraCharsMessage(std::string_view wordsToIgnore,
                                          std::string_view allowedExtraChars) {
    for (char c : wordsToIgnore) {
        if (c == ' ' || IsLetter(c) || allowedExtraChars.find(c) != std::string_view::npos) continue;
        const bool never = kNeverAllowedChars.find(c) != std::string_view::npos;
        std::string message("The character ");
        message.append(Utf8FromCp1252(std::string(1, c)))
            .append(" occurs in some word to ignore\r\nbut is not ")
            .append(never ? "" : "currently set as ")
            .append("a character allowed in a word.");
        if (c == ',') message += "\r\n\r\nWords-to-ignore must be separated by a space, not by a comma.";
        return message;
    }
    return {};
}

}  // namespace lexicount
