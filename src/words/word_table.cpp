#include "words/word_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "output/collation.h"
#include "words/cp1252.h"

namespace lexicount {

std::uint64_t HashWord(std::string_view word) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ word.size();
    size_t i = 0;
    for (; i + 8 <= word.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, word.data() + i, 8);
        h = (h ^ chunk) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, word.data() + i, word.size() - i);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 29;
    return h;
}

WordTable::WordTable() { Clear(); }

void WordTable::Clear() {
    records_.clear();
    records_.emplace_back();  // record 0 is never used
    slots_.assign(1024, IndexSlot{});
    indexValid_ = true;
}

namespace {

std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

// Words are short: a plain loop beats a call to memcmp.
bool SameWord(const std::string& stored, std::string_view word) {
    if (stored.size() != word.size()) return false;
    const char* a = stored.data();
    for (size_t i = 0; i < word.size(); ++i) {
        if (a[i] != word[i]) return false;
    }
    return true;
}

}  // namespace

size_t WordTable::Slot(std::string_view word, std::uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    const std::uint32_t tag = TagOf(hash);
    size_t s = static_cast<size_t>(hash) & mask;
    while (slots_[s].record != 0 && (slots_[s].tag != tag || !SameWord(records_[slots_[s].record].Word, word))) {
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
        const std::uint64_t hash = HashWord(records_[r].Word);
        size_t s = static_cast<size_t>(hash) & mask;
        while (slots_[s].record != 0) s = (s + 1) & mask;
        slots_[s] = IndexSlot{static_cast<std::uint32_t>(r), TagOf(hash)};
    }
    indexValid_ = true;
}

void WordTable::Grow() { RebuildIndex(); }

bool WordTable::AddWordToList(std::string_view word) {
    if (word.size() > intMaxWordLength) return false;
    if (!indexValid_) RebuildIndex();
    const std::uint64_t hash = HashWord(word);
    const size_t s = Slot(word, hash);
    if (slots_[s].record != 0) {
        ++records_[slots_[s].record].Frequency;
        return false;
    }
    WordRecord& r = records_.emplace_back();
    r.Word.assign(word);
    r.SortKey = SortKeyOf(word);
    r.Frequency = 1;
    r.Included = true;
    slots_[s] = IndexSlot{static_cast<std::uint32_t>(records_.size() - 1), TagOf(hash)};
    if (records_.size() * 2 > slots_.size()) Grow();
    return true;
}

void WordTable::PutInOrdinalOrder() {
    std::sort(records_.begin() + 1, records_.end(),
              [](const WordRecord& a, const WordRecord& b) { return LessOrdinal(a.Word, b.Word); });
    indexValid_ = false;
}

std::int64_t WordTable::Find(std::string_view word) const {
    if (!indexValid_) RebuildIndex();
    const size_t s = Slot(word, HashWord(word));
    return slots_[s].record;
}

}  // namespace lexicount
