#include "words/word_table.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstring>
#include <numeric>
#include <random>
#include <stdexcept>

#include "words/collation.h"
#include "words/cp1252.h"
#include "words/short_word_key.h"

namespace lexicount {

namespace {

// Eight bytes as a little-endian number on any machine, so that the last
// bytes of a word are the high ones (the hash's tail relies on it).
std::uint64_t Load64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i) swapped |= (v >> (8 * i) & 0xFF) << (8 * (7 - i));
        v = swapped;
    }
    return v;
}

// The index key: a short word in full, else the first eight bytes.
std::uint64_t KeyOf(std::string_view word) {
    return word.size() >= 8 ? Load64(word.data()) : ShortWordKey(word);
}

// The two halves of the full product, folded: every bit of the result
// depends on every bit of both factors, so the low bits that pick a slot
// cannot be steered by the bytes a text chooses.
std::uint64_t Fold(std::uint64_t a, std::uint64_t b) {
#ifdef __SIZEOF_INT128__
    const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return static_cast<std::uint64_t>(p) ^ static_cast<std::uint64_t>(p >> 64);
#else
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    const std::uint64_t low = (middle << 32) | (p00 & 0xFFFFFFFFu);
    const std::uint64_t high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    return low ^ high;
#endif
}

// An odd multiplier with its bits spread, drawn from the seed (splitmix64).
std::uint64_t MultiplierFor(std::uint64_t seed) {
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return (z ^ (z >> 31)) | 1;
}

std::uint64_t HashWithKey(std::string_view word, std::uint64_t key, std::uint64_t seed,
                          std::uint64_t multiplier) {
    if (word.size() < 8) return Fold(key ^ seed, multiplier);
    std::uint64_t h = Fold(key ^ seed ^ word.size(), multiplier);
    size_t i = 8;
    for (; i + 8 <= word.size(); i += 8) h = Fold(h ^ Load64(word.data() + i), multiplier);
    const size_t rest = word.size() - i;
    // The last bytes, overlapping those already hashed when fewer than eight.
    if (rest > 0) h = Fold(h ^ (Load64(word.data() + word.size() - 8) >> (8 * (8 - rest))), multiplier);
    return h;
}

// A new seed for each table and each rebuild: the random device where there
// is one, always mixed with the clock and a counter.
std::uint64_t RandomSeed() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    seed ^= MultiplierFor(counter.fetch_add(1, std::memory_order_relaxed));
    try {
        std::random_device device;
        seed ^= static_cast<std::uint64_t>(device()) << 32 ^ device();
    } catch (const std::exception&) {
        // No random device: the clock and the counter alone.
    }
    return seed;
}

}  // namespace

std::uint64_t HashWord(std::string_view word, std::uint64_t seed) {
    return HashWithKey(word, KeyOf(word), seed, MultiplierFor(seed));
}

WordTable::WordTable() : WordTable(RandomSeed()) {}

WordTable::WordTable(std::uint64_t seed) : seed_(seed), multiplier_(MultiplierFor(seed)) {
    Clear();
}

void WordTable::Reseed() const {
    seed_ = RandomSeed();
    multiplier_ = MultiplierFor(seed_);
}

std::uint64_t WordTable::Hash(std::string_view word, std::uint64_t key) const {
    return HashWithKey(word, key, seed_, multiplier_);
}

void WordTable::Clear() {
    records_.clear();
    records_.emplace_back();  // record 0 is never used
    longWords_.clear();
    longSpans_.assign(1, Span{});
    slots_.assign(1024, IndexSlot{});
    indexValid_ = true;
    touched_.clear();
    tallies_.clear();
    byFileCounts_.clear();
    files_.clear();
    fileWords_ = 0;
    openFile_ = 0;
    tellsFiles_ = false;
    byFile_ = false;
    knowsFiles_ = false;
    talliesPending_ = false;
}

size_t WordTable::Slot(std::string_view word, std::uint64_t key, std::uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    const bool isLong = word.size() >= 8;
    size_t s = static_cast<size_t>(hash) & mask;
    while (slots_[s].record != 0) {
        const IndexSlot& slot = slots_[s];
        if (slot.key == key) {
            const bool slotLong = (slot.record & kLongWord) != 0;
            if (!isLong && !slotLong) break;
            if (isLong && slotLong && SameLongWord(slot.record & ~kLongWord, word)) break;
        }
        s = (s + 1) & mask;
    }
    return s;
}

void WordTable::SyncCounts() const {
    MoveTouched();
    FoldTallies();
}

void WordTable::MoveTouched() const {
    for (const std::uint32_t slot : touched_) MoveToRecord(slots_[slot]);
    touched_.clear();
}

void WordTable::MoveToRecord(IndexSlot& slot) const {
    if (slot.pending == 0) return;
    const size_t r = slot.record & ~kLongWord;
    if (tellsFiles_) {
        MoveToTally(r, slot.pending);
    } else {
        records_[r].Frequency += slot.pending;
    }
    slot.pending = 0;
}

void WordTable::MoveToTally(size_t record, std::uint32_t count) const {
    Tally& tally = tallies_[record];
    tally.count += count;
    talliesPending_ = true;
    if (openFile_ == 0) return;  // counted outside the files
    // A word's counts of one file may come in parts, when the index is
    // rebuilt during the file.
    if (tally.lastFile == openFile_) {
        if (byFile_) byFileCounts_[record].back().count += count;
        return;
    }
    tally.lastFile = openFile_;
    ++tally.files;
    ++fileWords_;
    if (byFile_) byFileCounts_[record].push_back(FileCount{openFile_ - 1, count});
}

void WordTable::FoldTallies() const {
    if (!talliesPending_) return;
    for (size_t r = 1; r < records_.size(); ++r) {
        Tally& tally = tallies_[r];
        WordRecord& record = records_[r];
        record.Frequency += tally.count;
        WordFiles& files = files_[record.Id];
        files.files += tally.files;
        tally.count = 0;
        tally.files = 0;
        if (byFile_) {
            files.byFile.insert(files.byFile.end(), byFileCounts_[r].begin(), byFileCounts_[r].end());
            byFileCounts_[r].clear();
        }
    }
    talliesPending_ = false;
}

void WordTable::TellFilesApart(bool byFile) {
    SyncCounts();
    tellsFiles_ = true;
    knowsFiles_ = true;
    byFile_ = byFile;
    tallies_.assign(records_.size(), Tally{});
    if (byFile) byFileCounts_.assign(records_.size(), {});
    files_.resize(records_.size());
}

void WordTable::BeginFile(std::uint32_t file) {
    openFile_ = file + 1;
    fileWords_ = 0;
}

std::int64_t WordTable::EndFile() {
    if (!tellsFiles_) return 0;
    // Only the slots this file touched: no walk over the whole index.
    MoveTouched();
    openFile_ = 0;
    return fileWords_;
}

const WordFiles& WordTable::FilesOf(const WordRecord& record) const {
    static const WordFiles kNone;
    return record.Id < files_.size() ? files_[record.Id] : kNone;
}

void WordTable::AddFiles(std::int64_t record, const WordFiles& files) {
    const std::uint32_t id = records_[static_cast<size_t>(record)].Id;
    knowsFiles_ = true;
    if (files_.size() <= id) files_.resize(records_.size());
    WordFiles& into = files_[id];
    into.files += files.files;
    into.byFile.insert(into.byFile.end(), files.byFile.begin(), files.byFile.end());
}

void WordTable::SortByFile() {
    for (WordFiles& files : files_) {
        std::sort(files.byFile.begin(), files.byFile.end(),
                  [](const FileCount& a, const FileCount& b) { return a.file < b.file; });
    }
}

// Out of the counting loop: it is reached once for each word between two
// moves of the counts.
__attribute__((noinline)) void WordTable::Touched(size_t slot) const {
    touched_.push_back(static_cast<std::uint32_t>(slot));
}

void WordTable::InvalidateIndex() const {
    SyncCounts();
    indexValid_ = false;
}

void WordTable::KeepLongWord(std::string_view word) const {
    Span span;
    if (word.size() >= 8) {
        if (longWords_.size() > UINT32_MAX - word.size()) throw std::length_error("too many different words");
        span = Span{static_cast<std::uint32_t>(longWords_.size()), static_cast<std::uint32_t>(word.size())};
        longWords_.append(word);
    }
    longSpans_.push_back(span);
}

void WordTable::RebuildLongWords() const {
    longWords_.clear();
    longSpans_.assign(1, Span{});
    longSpans_.reserve(records_.size());
    for (size_t r = 1; r < records_.size(); ++r) KeepLongWord(records_[r].Word);
}

// Words are short, so a plain loop beats a call to memcmp.
bool WordTable::SameLongWord(std::uint32_t record, std::string_view word) const {
    const Span span = longSpans_[record];
    if (span.size != word.size()) return false;
    const char* stored = longWords_.data() + span.offset;
    for (size_t i = 8; i < word.size(); ++i) {
        if (stored[i] != word[i]) return false;
    }
    return true;
}

__attribute__((noinline)) void WordTable::RebuildIndex() const {
    SyncCounts();
    // An index made invalid means records that may have moved; one that
    // only grows keeps them where they were.
    if (!indexValid_) RebuildLongWords();
    size_t size = 1024;
    while (size * 3 < records_.size() * 4) size *= 2;
    slots_.assign(size, IndexSlot{});
    for (int attempt = 1; !FillIndex(); ++attempt) {
        Reseed();
        // A new seed all but always ends a long walk; should it not, a
        // sparser index shortens every walk.
        if (attempt % 4 == 0) size *= 2;
        slots_.assign(size, IndexSlot{});
    }
    indexValid_ = true;
}

bool WordTable::FillIndex() const {
    const size_t mask = slots_.size() - 1;
    for (size_t r = 1; r < records_.size(); ++r) {
        const std::string& word = records_[r].Word;
        const std::uint64_t key = KeyOf(word);
        const size_t home = static_cast<size_t>(Hash(word, key)) & mask;
        size_t s = home;
        while (slots_[s].record != 0) s = (s + 1) & mask;
        if (((s - home) & mask) > kMaxProbeRun) return false;
        slots_[s] = IndexSlot{key, static_cast<std::uint32_t>(r) | (word.size() >= 8 ? kLongWord : 0), 0};
    }
    return true;
}

size_t WordTable::LongestProbeRun() const {
    if (!indexValid_) RebuildIndex();
    const size_t mask = slots_.size() - 1;
    size_t longest = 0;
    for (size_t s = 0; s < slots_.size(); ++s) {
        if (slots_[s].record == 0) continue;
        const std::string& word = records_[slots_[s].record & ~kLongWord].Word;
        const size_t home = static_cast<size_t>(Hash(word, slots_[s].key)) & mask;
        longest = std::max(longest, (s - home) & mask);
    }
    return longest;
}

bool WordTable::AddWordToList(std::string_view word) {
    if (word.size() > maxWordBytes_) return false;
    if (!indexValid_) RebuildIndex();
    const std::uint64_t key = KeyOf(word);
    const std::uint64_t hash = Hash(word, key);
    const size_t at = Slot(word, key, hash);
    IndexSlot& slot = slots_[at];
    if (slot.record != 0) {
        const std::uint32_t pending = ++slot.pending;
        if (pending == 1) [[unlikely]] {
            Touched(at);
        } else if (pending == UINT32_MAX) [[unlikely]] {
            MoveToRecord(slot);  // a count too large for the slot
        }
        return false;
    }
    return AddNewWord(at, word, key, hash);
}

// Out of the counting loop: a word is new once, and what is done for it
// would crowd the loop's registers and code.
__attribute__((noinline)) bool WordTable::AddNewWord(size_t at, std::string_view word, std::uint64_t key,
                                                     std::uint64_t hash) {
    IndexSlot& slot = slots_[at];
    if (records_.size() >= kLongWord) throw std::length_error("too many different words");
    WordRecord& r = records_.emplace_back();
    r.Word.assign(word);
    r.SortKey = SortKeyOf(word);
    r.Frequency = 0;
    r.Included = true;
    r.Id = static_cast<std::uint32_t>(records_.size() - 1);
    KeepLongWord(word);
    if (tellsFiles_) {
        tallies_.emplace_back();
        files_.emplace_back();
        if (byFile_) byFileCounts_.emplace_back();
    }
    slot = IndexSlot{key,
                     static_cast<std::uint32_t>(records_.size() - 1) | (word.size() >= 8 ? kLongWord : 0), 1};
    Touched(at);
    // A walk past the bound means colliding words, by chance or by design:
    // a new seed scatters them.
    if (((at - static_cast<size_t>(hash)) & (slots_.size() - 1)) > kMaxProbeRun) {
        Reseed();
        RebuildIndex();
    } else if (records_.size() * 4 > slots_.size() * 3) {
        RebuildIndex();
    }
    return true;
}

std::int64_t WordTable::AddWordCount(std::string_view word, std::int64_t count) {
    if (count <= 0 || word.size() > maxWordBytes_) return 0;
    AddWordToList(word);
    // The one occurrence waits in the index; the rest go to the record.
    const std::int64_t r = Find(word);
    records_[static_cast<size_t>(r)].Frequency += count - 1;
    return r;
}

void WordTable::PutInOrdinalOrder() {
    InvalidateIndex();
    // Most words differ in their first eight bytes, which are compared as
    // one number.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    order.reserve(records_.size() - 1);
    for (size_t r = 1; r < records_.size(); ++r) {
        order.emplace_back(OrdinalPrefix(records_[r].Word), static_cast<std::uint32_t>(r));
    }
    std::sort(order.begin(), order.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return LessOrdinal(records_[a.second].Word, records_[b.second].Word);
    });
    std::vector<std::uint32_t> places{0};
    places.reserve(records_.size());
    for (const auto& [prefix, r] : order) places.push_back(r);
    ArrangeRecords(records_, places);
}

void ArrangeRecords(std::vector<WordRecord>& records, const std::vector<std::uint32_t>& places) {
    std::vector<WordRecord> arranged;
    arranged.reserve(records.size());
    for (const std::uint32_t r : places) arranged.push_back(std::move(records[r]));
    records.swap(arranged);
}

void WordTable::Prefetch(std::string_view word) const {
    if (!indexValid_ || word.size() > maxWordBytes_) return;
    const size_t slot = static_cast<size_t>(Hash(word, KeyOf(word))) & (slots_.size() - 1);
    __builtin_prefetch(&slots_[slot]);
}

std::int64_t WordTable::Find(std::string_view word) const {
    if (!indexValid_) RebuildIndex();
    const std::uint64_t key = KeyOf(word);
    return slots_[Slot(word, key, Hash(word, key))].record & ~kLongWord;
}

}  // namespace lexicount
