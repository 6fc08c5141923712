#pragma once

// The table of different words with their counts. While a scan runs, words
// are found through a hash index; the table's order (ordinal order of the
// words, which decides how the later sort orders equal keys) is produced
// once, when the scan is over. Records are 1-based: record 0 stays empty.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexicount {

struct WordRecord {
    std::string Word;
    std::string SortKey;
    std::int64_t Frequency = 0;
    std::int64_t FreqRank = 0;
    std::int64_t NextByFreq = 0;
    bool Included = true;
};

class WordTable {
public:
    // Words longer than this are never stored or counted.
    static constexpr size_t intMaxWordLength = 80;

    WordTable();

    // Empties the table for a new scan.
    void Clear();

    // Counts one occurrence; returns true when the word is new.
    bool AddWordToList(std::string_view word);

    // Number of records in use.
    std::int64_t lngNumWords() const { return static_cast<std::int64_t>(records_.size()) - 1; }

    // Puts records 1..n into ascending ordinal order of their words.
    void PutInOrdinalOrder();

    std::vector<WordRecord>& Records() {
        SyncCounts();
        return records_;
    }
    const std::vector<WordRecord>& Records() const {
        SyncCounts();
        return records_;
    }
    const WordRecord& operator[](std::int64_t i) const { return Records()[static_cast<size_t>(i)]; }

    // Record index of a word, or 0 (uses the hash index; valid until the
    // records are reordered, after which it is rebuilt on demand).
    std::int64_t Find(std::string_view word) const;

private:
    // The index holds the first eight bytes and the length of each word, so
    // that most lookups are decided without touching the records, and the
    // counts of a running scan live in their own small array: the scan's
    // memory traffic stays in the cache.
    struct IndexSlot {
        std::uint64_t prefix = 0;
        std::uint32_t record = 0;  // record index, 0 = empty
        std::uint32_t length = 0;
    };

    void RebuildIndex() const;
    size_t Slot(std::string_view word, std::uint64_t prefix, std::uint64_t hash) const;
    // Moves the live counts into the records (before anyone reads them) and
    // back (before the scan counts again).
    void SyncCounts() const;
    void LoadCounts();

    mutable std::vector<WordRecord> records_;
    mutable std::vector<IndexSlot> slots_;
    mutable bool indexValid_ = true;
    std::vector<std::int64_t> counts_;  // by record index, while countsLive_
    mutable bool countsLive_ = false;
};

std::uint64_t HashWord(std::string_view word);

}  // namespace lexicount
