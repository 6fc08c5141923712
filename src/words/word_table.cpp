#include "words/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "output/collation.h"
#include "words/cp1252.h"

namespace lexicount {

namespace {

// Up to eight bytes as a number, read byte by byte: a variable-length copy
// into a local would stall the load that follows it.
std::uint64_t LoadUpTo8(const char* p, size_t n) {
    std::uint64_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}

std::uint64_t Mix(std::uint64_t h) {
    h *= 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 29);
}

}  // namespace

namespace {

// The hash of a word whose first (up to) eight bytes, as LoadUpTo8 reads
// them, are known already.
std::uint64_t HashWithPrefix(std::string_view word, std::uint64_t prefix) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ word.size();
    if (word.size() <= 8) return Mix(h ^ prefix);
    h = (h ^ prefix) * 0xFF51AFD7ED558CCDULL;
    h ^= h >> 32;
    size_t i = 8;
    for (; i + 8 <= word.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, word.data() + i, 8);
        h = (h ^ chunk) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
    }
    return Mix(h ^ LoadUpTo8(word.data() + i, word.size() - i));
}

}  // namespace

std::uint64_t HashWord(std::string_view word) {
    return HashWithPrefix(word, LoadUpTo8(word.data(), std::min<size_t>(word.size(), 8)));
}

namespace {

std::uint64_t PrefixOf(std::string_view word) { return LoadUpTo8(word.data(), std::min<size_t>(word.size(), 8)); }

// The bytes after the first eight; words are short, so a plain loop beats a
// call to memcmp.
bool SameTail(const std::string& stored, std::string_view word) {
    for (size_t i = 8; i < word.size(); ++i) {
        if (stored[i] != word[i]) return false;
    }
    return true;
}

}  // namespace

WordTable::WordTable() { Clear(); }

void WordTable::Clear() {
    records_.clear();
    records_.emplace_back();  // record 0 is never used
    counts_.assign(1, 0);
    countsLive_ = true;
    slots_.assign(1024, IndexSlot{});
    indexValid_ = true;
}

size_t WordTable::Slot(std::string_view word, std::uint64_t prefix, std::uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    const auto length = static_cast<std::uint32_t>(word.size());
    size_t s = static_cast<size_t>(hash) & mask;
    while (slots_[s].record != 0) {
        const IndexSlot& slot = slots_[s];
        if (slot.length == length && slot.prefix == prefix &&
            (length <= 8 || SameTail(records_[slot.record].Word, word))) {
            break;
        }
        s = (s + 1) & mask;
    }
    return s;
}

void WordTable::RebuildIndex() const {
    size_t size = 1024;
    while (size < records_.size() * 2) size *= 2;
    slots_.assign(size, IndexSlot{});
    const size_t mask = size - 1;
    for (size_t r = 1; r < records_.size(); ++r) {
        const std::string& word = records_[r].Word;
        size_t s = static_cast<size_t>(HashWord(word)) & mask;
        while (slots_[s].record != 0) s = (s + 1) & mask;
        slots_[s] = IndexSlot{PrefixOf(word), static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(word.size())};
    }
    indexValid_ = true;
}

void WordTable::SyncCounts() const {
    if (!countsLive_) return;
    for (size_t r = 1; r < records_.size(); ++r) records_[r].Frequency = counts_[r];
    countsLive_ = false;
}

void WordTable::LoadCounts() {
    counts_.resize(records_.size());
    for (size_t r = 1; r < records_.size(); ++r) counts_[r] = records_[r].Frequency;
    countsLive_ = true;
}

bool WordTable::AddWordToList(std::string_view word) {
    if (word.size() > intMaxWordLength) return false;
    if (!indexValid_) RebuildIndex();
    if (!countsLive_) LoadCounts();
    const std::uint64_t prefix = PrefixOf(word);
    const std::uint64_t hash = HashWithPrefix(word, prefix);
    const size_t s = Slot(word, prefix, hash);
    if (slots_[s].record != 0) {
        ++counts_[slots_[s].record];
        return false;
    }
    WordRecord& r = records_.emplace_back();
    r.Word.assign(word);
    r.SortKey = SortKeyOf(word);
    r.Frequency = 1;
    r.Included = true;
    counts_.push_back(1);
    slots_[s] = IndexSlot{prefix, static_cast<std::uint32_t>(records_.size() - 1),
                          static_cast<std::uint32_t>(word.size())};
    if (records_.size() * 2 > slots_.size()) RebuildIndex();
    return true;
}

void WordTable::PutInOrdinalOrder() {
    SyncCounts();
    std::sort(records_.begin() + 1, records_.end(),
              [](const WordRecord& a, const WordRecord& b) { return LessOrdinal(a.Word, b.Word); });
    indexValid_ = false;
}

std::int64_t WordTable::Find(std::string_view word) const {
    if (!indexValid_) RebuildIndex();
    const size_t s = Slot(word, PrefixOf(word), HashWord(word));
    return slots_[s].record;
}

}  // namespace lexicount
