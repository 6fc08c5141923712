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

// A word's occurrences in one file of a count of many.
struct FileCount {
    std::uint32_t file = 0;  // the file's place in the list of files
    std::int64_t count = 0;
};

struct WordRecord {
    std::string Word;
    std::string SortKey;
    std::int64_t Frequency = 0;
    std::int64_t FreqRank = 0;
    std::int64_t NextByFreq = 0;
    bool Included = true;
    // The record's place when it was made, which keys what the table knows
    // of it beside the record (kept out of it: a record is read for every
    // long word counted, and stays small).
    std::uint32_t Id = 0;
};

// Of a count of many files that tells them apart: in how many a word occurs
// and, when asked for, its count in each (by file, ascending).
struct WordFiles {
    std::int64_t files = 0;
    std::vector<FileCount> byFile;
};

class WordTable {
public:
    // Words longer than this are never stored or counted.
    static constexpr size_t intMaxWordLength = 80;
    // The same limit in bytes of UTF-8, under the Unicode text model: its
    // filters count characters a reader sees, of which a word of 80 may
    // take up to 16 bytes each (a letter with its marks).
    static constexpr size_t kMaxUtf8WordBytes = 16 * intMaxWordLength;

    // The index hash is seeded from a random source, so that no text can be
    // made to collide in it; a given seed is for tests.
    WordTable();
    explicit WordTable(std::uint64_t seed);

    // The longest walk from a word's home slot in the index: past it the
    // index is rebuilt with a new seed.
    static constexpr size_t kMaxProbeRun = 128;

    // Empties the table for a new scan.
    void Clear();
    // Words of UTF-8 rather than single-byte characters: the longest word
    // kept is kMaxUtf8WordBytes bytes.
    void HoldUtf8Words() { maxWordBytes_ = kMaxUtf8WordBytes; }

    // Counts one occurrence; returns true when the word is new.
    bool AddWordToList(std::string_view word);
    // Counts `count` occurrences at once (counts merged from elsewhere);
    // returns the word's record, 0 when it is not kept.
    std::int64_t AddWordCount(std::string_view word, std::int64_t count);

    // Tells the files of a count apart from now on: what is counted between
    // BeginFile and EndFile is that file's, which adds to the files of its
    // words and, with byFile, to their counts by file.
    void TellFilesApart(bool byFile);
    void BeginFile(std::uint32_t file);
    // Returns the number of different words the file holds.
    std::int64_t EndFile();
    // The table knows its words' files (it told them apart, or was given them).
    bool KnowsFiles() const { return knowsFiles_; }
    void KeepFiles() { knowsFiles_ = true; }
    // A record's files (nothing unless files are told apart).
    const WordFiles& FilesOf(const WordRecord& record) const;
    // Adds another table's files of a word to its record here.
    void AddFiles(std::int64_t record, const WordFiles& files);
    // Puts each word's counts by file in the order of the files.
    void SortByFile();
    // Starts loading the index slot where the word's search begins, so that
    // counting it a little later need not wait for memory.
    void Prefetch(std::string_view word) const;

    // Number of records in use.
    std::int64_t lngNumWords() const { return static_cast<std::int64_t>(records_.size()) - 1; }

    // Puts records 1..n into ascending ordinal order of their words.
    void PutInOrdinalOrder();

    // The records, counts up to date. The caller may reorder them, so the
    // index is rebuilt when it is next needed.
    std::vector<WordRecord>& Records() {
        InvalidateIndex();
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

    // The index hash's seed now, and the longest walk from a word's home
    // slot to its slot in the index.
    std::uint64_t Seed() const { return seed_; }
    size_t LongestProbeRun() const;

private:
    // The index holds a key of each word (a word of up to seven bytes is
    // its key entirely, so most lookups never touch the records) and the
    // occurrences counted since the counts were last moved to the records:
    // a scan's memory traffic stays in one small array.
    struct IndexSlot {
        std::uint64_t key = 0;
        std::uint32_t record = 0;   // record index | kLongWord, 0 = empty
        std::uint32_t pending = 0;  // occurrences not yet in the record
    };
    static constexpr std::uint32_t kLongWord = 0x80000000u;

    // The bytes of the long words (eight bytes or more) one after another,
    // and where each record's are, by record index: a long word is told
    // from another that shares its first eight bytes here, without a read
    // of its record nor of the record's string. Made again with the index
    // after the records are reordered.
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;  // 0 for a short word
    };
    void KeepLongWord(std::string_view word) const;
    void RebuildLongWords() const;
    bool SameLongWord(std::uint32_t record, std::string_view word) const;
    mutable std::string longWords_;
    mutable std::vector<Span> longSpans_;

    // Makes the record of a word not found, whose slot `at` is free.
    bool AddNewWord(size_t at, std::string_view word, std::uint64_t key, std::uint64_t hash);
    void RebuildIndex() const;
    // Fills the index at its present size; false when a walk passed the bound.
    bool FillIndex() const;
    void Reseed() const;
    void InvalidateIndex() const;
    std::uint64_t Hash(std::string_view word, std::uint64_t key) const;
    size_t Slot(std::string_view word, std::uint64_t key, std::uint64_t hash) const;
    // Moves the pending counts into the records, before anyone reads them.
    void SyncCounts() const;
    // Moves the counts of the slots touched since the last move.
    void MoveTouched() const;
    void MoveToRecord(IndexSlot& slot) const;
    void Touched(size_t slot) const;

    mutable std::vector<WordRecord> records_;
    mutable std::vector<IndexSlot> slots_;
    mutable std::uint64_t seed_;
    mutable std::uint64_t multiplier_;
    size_t maxWordBytes_ = intMaxWordLength;
    mutable bool indexValid_ = true;
    // The slots whose pending count has grown from 0 since the counts were
    // last moved: moving them costs no walk over the whole index.
    mutable std::vector<std::uint32_t> touched_;

    // While files are told apart, the counts go from the index to a small
    // tally for each record (by record index: records keep their places
    // during a count), which is read far more often than the records are;
    // they reach the records when these are read.
    struct Tally {
        std::int64_t count = 0;
        std::uint32_t files = 0;
        std::uint32_t lastFile = 0;  // the file that last counted the word, from 1
    };
    void MoveToTally(size_t record, std::uint32_t count) const;
    void FoldTallies() const;
    mutable std::vector<Tally> tallies_;
    mutable std::vector<std::vector<FileCount>> byFileCounts_;  // by record index, with byFile
    mutable std::vector<WordFiles> files_;                      // by record Id
    mutable std::int64_t fileWords_ = 0;                        // different words of the open file
    std::uint32_t openFile_ = 0;                                // from 1; 0 while none is open
    bool tellsFiles_ = false;
    bool byFile_ = false;
    bool knowsFiles_ = false;
    mutable bool talliesPending_ = false;
};

// Puts records in the order of their places (each place once): each
// record moves once, where moving it in a sort would move two strings at
// every step.
void ArrangeRecords(std::vector<WordRecord>& records, const std::vector<std::uint32_t>& places);

// The index hash of a word under a seed.
std::uint64_t HashWord(std::string_view word, std::uint64_t seed);

}  // namespace lexicount
