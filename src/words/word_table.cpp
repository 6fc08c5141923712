#include "words/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

#include "output/collation.h"
#include "words/cp1252.h"
#include "words/short_word_key.h"

namespace lexicount {

namespace {

std::uint64_t Load64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// The index key: a short word in full, else the first eight bytes.
std::uint64_t KeyOf(std::string_view word) {
    return word.size() >= 8 ? Load64(word.data()) : ShortWordKey(word);
}

std::uint64_t Mix(std::uint64_t h) {
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 29);
}

std::uint64_t HashWithKey(std::string_view word, std::uint64_t key) {
    if (word.size() < 8) return Mix(key ^ 0x9E3779B97F4A7C15ULL);
    std::uint64_t h = (0x9E3779B97F4A7C15ULL ^ word.size() ^ key) * 0xFF51AFD7ED558CCDULL;
    h ^= h >> 32;
    size_t i = 8;
    for (; i + 8 <= word.size(); i += 8) {
        h = (h ^ Load64(word.data() + i)) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
    }
    const size_t rest = word.size() - i;
    // The last bytes, overlapping those already hashed when fewer than eight.
    if (rest > 0) h ^= Load64(word.data() + word.size() - 8) >> (8 * (8 - rest));
    return Mix(h);
}

// A long word's bytes after the key; words are short, so a plain loop
// beats a call to memcmp.
bool SameLongWord(const std::string& stored, std::string_view word) {
    if (stored.size() != word.size()) return false;
    for (size_t i = 8; i < word.size(); ++i) {
        if (stored[i] != word[i]) return false;
    }
    return true;
}

}  // namespace

std::uint64_t HashWord(std::string_view word) {
    return HashWithKey(word, KeyOf(word));
}

WordTable::WordTable() {
    Clear();
}

void WordTable::Clear() {
    records_.clear();
    records_.emplace_back();  // record 0 is never used
    slots_.assign(1024, IndexSlot{});
    indexValid_ = true;
    countsPending_ = false;
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
            if (isLong && slotLong && SameLongWord(records_[slot.record & ~kLongWord].Word, word)) break;
        }
        s = (s + 1) & mask;
    }
    return s;
}

void WordTable::SyncCounts() const {
    if (!countsPending_) return;
    for (IndexSlot& slot : slots_) {
        if (slot.pending == 0) continue;
        records_[slot.record & ~kLongWord].Frequency += slot.pending;
        slot.pending = 0;
    }
    countsPending_ = false;
}

void WordTable::InvalidateIndex() const {
    SyncCounts();
    indexValid_ = false;
}

void WordTable::RebuildIndex() const {
    SyncCounts();
    size_t size = 1024;
    while (size < records_.size() * 2) size *= 2;
    slots_.assign(size, IndexSlot{});
    const size_t mask = size - 1;
    for (size_t r = 1; r < records_.size(); ++r) {
        const std::string& word = records_[r].Word;
        const std::uint64_t key = KeyOf(word);
        size_t s = static_cast<size_t>(HashWithKey(word, key)) & mask;
        while (slots_[s].record != 0) s = (s + 1) & mask;
        slots_[s] = IndexSlot{key, static_cast<std::uint32_t>(r) | (word.size() >= 8 ? kLongWord : 0), 0};
    }
    indexValid_ = true;
}

bool WordTable::AddWordToList(std::string_view word) {
    if (word.size() > intMaxWordLength) return false;
    if (!indexValid_) RebuildIndex();
    const std::uint64_t key = KeyOf(word);
    IndexSlot& slot = slots_[Slot(word, key, HashWithKey(word, key))];
    countsPending_ = true;
    if (slot.record != 0) {
        // A count too large for the slot moves on to the record.
        if (++slot.pending == UINT32_MAX) {
            records_[slot.record & ~kLongWord].Frequency += slot.pending;
            slot.pending = 0;
        }
        return false;
    }
    if (records_.size() >= kLongWord) throw std::length_error("too many different words");
    WordRecord& r = records_.emplace_back();
    r.Word.assign(word);
    r.SortKey = SortKeyOf(word);
    r.Frequency = 0;
    r.Included = true;
    slot = IndexSlot{key,
                     static_cast<std::uint32_t>(records_.size() - 1) | (word.size() >= 8 ? kLongWord : 0), 1};
    if (records_.size() * 2 > slots_.size()) RebuildIndex();
    return true;
}

void WordTable::PutInOrdinalOrder() {
    InvalidateIndex();
    std::sort(records_.begin() + 1, records_.end(),
              [](const WordRecord& a, const WordRecord& b) { return LessOrdinal(a.Word, b.Word); });
}

std::int64_t WordTable::Find(std::string_view word) const {
    if (!indexValid_) RebuildIndex();
    const std::uint64_t key = KeyOf(word);
    return slots_[Slot(word, key, HashWithKey(word, key))].record & ~kLongWord;
}

}  // namespace lexicount
