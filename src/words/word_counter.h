#pragma once

// The admission gate of a count: every word the scanner hands on is
// counted in lngTotalNumOccurrences and, when it passes the rules and the
// two lists, in the word table.

#include <cstdint>
#include <string>
#include <string_view>

#include "words/line_scanner.h"
#include "words/word_lists.h"
#include "words/word_rules.h"
#include "words/word_table.h"

namespace lexicount {

class UnicodeWords;

// What a count reports beyond the table: yields, stop requests and new
// words (for the display of words as they are found).
class CountHooks {
public:
    virtual ~CountHooks() = default;
    virtual void Yield() {}
    virtual bool StopRequested() const { return false; }
    virtual void NewWord(std::string_view /*word*/, std::int64_t /*lngNumWords*/) {}
    bool yields = false;
    int wordsPerYield = 16;  // scan steps between two calls of Yield
    bool reportsNewWords = false;
};

// Sees every word a count finds, before the filters and lists decide on it,
// at the moment it is found (the scanner's position is then just past the
// word's candidate). A count watched has hosts of its own (below), so that
// a count without a watch pays nothing for it.
class WordWatch {
public:
    static constexpr bool kWatches = true;
    virtual ~WordWatch() = default;
    virtual void Found(std::string_view word) = 0;
};

struct NoWatch {
    static constexpr bool kWatches = false;
    void Found(std::string_view /*word*/) {}
};

class WordCounter final : public ScanHost {
public:
    WordCounter(WordTable& table, const WordRules& rules, const WordsToIgnore& wordsToIgnore,
                const CommonWords& commonWords, CountHooks* hooks = nullptr);

    void TakeWordFound(std::string_view word) override;
    // The walk yields every wordsPerYield steps of the hooks, which is
    // plenty to keep the window alive and costs the scan little.
    void Yield() override {
        CountDeferred();
        hooks_->Yield();
        stopSeen_ = hooks_->StopRequested();
    }
    // A stop can be asked for only while the window runs (in a yield or a
    // hook), so the answer is kept from the last time the hooks were asked.
    bool StopRequested() const override { return stopSeen_; }
    // Asks the hooks again (at the start of a line, after a withdrawn stop).
    void RefreshStop() { stopSeen_ = hooks_ != nullptr && hooks_->StopRequested(); }

    // The gate itself: the admission chain, then AddWordToList.
    void GetWords2(std::string_view word);
    // The Unicode model that TakeUnicodeCandidate cuts candidates with.
    void UseUnicodeWords(UnicodeWords* unicode) { unicode_ = unicode; }
    void TakeUnicodeCandidate(std::string_view candidate) {
        NoWatch none;
        TakeUnicodeCandidateWith(candidate, none);
    }
    // The same, every word cut also handed to the watch (and counted at once).
    template <typename Watch>
    void TakeUnicodeCandidateWith(std::string_view candidate, Watch& watch);
    // Counts the word the Unicode scan holds back, if any: called at the end
    // of every line and before anyone looks at the table.
    void CountDeferred() {
        if (!hasDeferred_) return;
        hasDeferred_ = false;
        CountWord(deferred_);
    }

    std::int64_t lngTotalNumOccurrences = 0;

private:
    bool IsIgnoredByLists(std::string_view word) const;
    // Counts an admitted word.
    void CountWord(std::string_view word);

    WordTable& table_;
    const WordRules& rules_;
    const WordsToIgnore& wordsToIgnore_;
    const CommonWords& commonWords_;
    CountHooks* hooks_;
    UnicodeWords* unicode_ = nullptr;
    // Each word is counted as it comes (for the words shown as found),
    // never one word late.
    bool countsAtOnce_ = false;
    // A word of simple letters is counted one word late, while the table's
    // memory for it is fetched: a large vocabulary's index does not fit the
    // cache.
    std::string deferred_;
    bool hasDeferred_ = false;
    bool checksLists_ = false;
    bool stopSeen_ = false;
};

// The scanner's host under the Unicode model: each candidate goes to the
// counter's Unicode model. A host of its own, so that the Western count
// pays nothing for the model.
class UnicodeCandidates final : public ScanHost {
public:
    explicit UnicodeCandidates(WordCounter& counter) : counter_(counter) {
        yields = counter.yields;
        stepsPerYield = stepsUntilYield = counter.stepsPerYield;
    }
    void TakeWordFound(std::string_view candidate) override { counter_.TakeUnicodeCandidate(candidate); }
    void Yield() override { counter_.Yield(); }
    bool StopRequested() const override { return counter_.StopRequested(); }

private:
    WordCounter& counter_;
};

// The scanner's hosts of a watched count, Western (words) and Unicode
// (candidates): each word goes to the counter, then to the watch.
template <bool kCandidates>
class WatchedHost final : public ScanHost {
public:
    WatchedHost(WordCounter& counter, WordWatch& watch) : counter_(counter), watch_(watch) {
        yields = counter.yields;
        stepsPerYield = stepsUntilYield = counter.stepsPerYield;
    }
    void TakeWordFound(std::string_view found) override {
        if constexpr (kCandidates) {
            counter_.TakeUnicodeCandidateWith(found, watch_);
        } else {
            counter_.TakeWordFound(found);
            watch_.Found(found);
        }
    }
    void Yield() override { counter_.Yield(); }
    bool StopRequested() const override { return counter_.StopRequested(); }

private:
    WordCounter& counter_;
    WordWatch& watch_;
};
using WatchedWords = WatchedHost<false>;
using WatchedUnicodeCandidates = WatchedHost<true>;

// Reading a common-words file: every word goes straight into the table,
// without the gate and without counting occurrences.
class CommonWordsCollector final : public ScanHost {
public:
    explicit CommonWordsCollector(WordTable& table, CountHooks* hooks = nullptr);
    void TakeWordFound(std::string_view word) override;
    void Yield() override { hooks_->Yield(); }
    bool StopRequested() const override { return hooks_ != nullptr && hooks_->StopRequested(); }

private:
    WordTable& table_;
    CountHooks* hooks_;
};

}  // namespace lexicount
