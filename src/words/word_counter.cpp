#include "words/word_counter.h"

#include <algorithm>

#include "words/chars.h"
#include "words/unicode_words.h"

namespace lexicount {

WordCounter::WordCounter(WordTable& table, const WordRules& rules, const WordsToIgnore& wordsToIgnore,
                         const CommonWords& commonWords, CountHooks* hooks)
    : table_(table), rules_(rules), wordsToIgnore_(wordsToIgnore), commonWords_(commonWords), hooks_(hooks) {
    yields = hooks != nullptr && hooks->yields;
    if (hooks != nullptr) stepsPerYield = stepsUntilYield = std::max(1, hooks->wordsPerYield);
    countsAtOnce_ = hooks != nullptr && hooks->reportsNewWords;
    checksLists_ = !wordsToIgnore.empty() || (rules.ignoreCommonWords && commonWords.size() > 0);
}

void WordCounter::TakeWordFound(std::string_view word) {
    ++lngTotalNumOccurrences;
    GetWords2(word);
}

template <typename Watch>
void WordCounter::TakeUnicodeCandidateWith(std::string_view candidate, Watch& watch) {
    // A folded line's candidates are all ASCII that folds plainly: most
    // lines are, and then no candidate need be looked at for it.
    if (unicode_->LineFolded() || (IsSevenBitAscii(candidate) && unicode_->FoldsPlainly(candidate))) {
        const std::string_view word = unicode_->CutAscii(candidate);
        if (word.empty()) return;
        ++lngTotalNumOccurrences;
        if (unicode_->Admits(word)) CountWord(word);
        watch.Found(word);
        return;
    }
    if (const std::optional<std::string_view> word = unicode_->CutSimple(candidate)) {
        if (word->empty()) return;
        ++lngTotalNumOccurrences;
        if (!unicode_->AdmitsSimple(*word)) {
            watch.Found(*word);
            return;
        }
        if (Watch::kWatches || countsAtOnce_) {
            CountWord(*word);
            watch.Found(*word);
            return;
        }
        table_.Prefetch(*word);
        CountDeferred();
        deferred_.assign(*word);
        hasDeferred_ = true;
        return;
    }
    for (const UnicodeWords::CutWord& cut : unicode_->CutRemembered(candidate)) {
        ++lngTotalNumOccurrences;
        if (cut.admitted) CountWord(cut.word);
        watch.Found(cut.word);
    }
}

template void WordCounter::TakeUnicodeCandidateWith<NoWatch>(std::string_view, NoWatch&);
template void WordCounter::TakeUnicodeCandidateWith<WordWatch>(std::string_view, WordWatch&);

// Only with lists in force: kept out of the word loop.
__attribute__((noinline)) bool WordCounter::IsIgnoredByLists(std::string_view word) const {
    const bool checkCommon = rules_.ignoreCommonWords && commonWords_.size() > 0;
    const std::string lower = LowerCaseLatin(word);
    if (wordsToIgnore_.Contains(lower)) return true;
    return checkCommon && commonWords_.Contains(lower);
}

void WordCounter::GetWords2(std::string_view word) {
    if (rules_.only7bitAscii && !IsSevenBitAscii(word)) return;
    if (!ApplyWordFilters(word, rules_)) return;
    if (checksLists_ && IsIgnoredByLists(word)) return;
    CountWord(word);
}

void WordCounter::CountWord(std::string_view word) {
    const bool isNew = table_.AddWordToList(word);
    if (isNew && hooks_ != nullptr && hooks_->reportsNewWords) {
        hooks_->NewWord(word, table_.lngNumWords());
        RefreshStop();
    }
}

CommonWordsCollector::CommonWordsCollector(WordTable& table, CountHooks* hooks)
    : table_(table), hooks_(hooks) {
    yields = hooks != nullptr && hooks->yields;
}

void CommonWordsCollector::TakeWordFound(std::string_view word) {
    const bool isNew = table_.AddWordToList(word);
    if (isNew && hooks_ != nullptr && hooks_->reportsNewWords) hooks_->NewWord(word, table_.lngNumWords());
}

}  // namespace lexicount
