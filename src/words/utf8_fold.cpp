#include "words/utf8_fold.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lexicount {
namespace {

constexpr unsigned char kLead2 = 0xC2;
constexpr unsigned char kLead3 = 0xC3;

// Replaces every occurrence of the pair (lead, follower) from the start of
// the string, as one left-to-right pass without rescanning replaced text.
void ReplacePairEverywhere(std::string& s, char lead, char follower, std::string_view replacement) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == lead && i + 1 < s.size() && s[i + 1] == follower) {
            out.append(replacement);
            i += 2;
        } else {
            out += s[i++];
        }
    }
    s.swap(out);
}

// One pass over a lead byte, as the folding is defined: the lead is sought
// from the left; a recognised pair is replaced throughout the string at
// once (occurrences that replacements form meanwhile are left to the next
// time that pair is met); the search goes on after the lead's position, or
// at it after a removal (so a control code cannot hide the pair after it).
// Positions are positions in the string as it is then, so replacements
// before the search's position move it on by what they removed.
//
// Done on a linked list of the bytes, with the occurrences of each pair
// kept in a list of their own: each replacement costs the same, however
// many different pairs the line holds. A replacement is at most one byte.
template <typename Index, typename Replacement>
void FoldLeadLinked(std::string& s, unsigned char lead, Replacement replacementFor) {
    const Index n = static_cast<Index>(s.size());
    const Index kEnd = n;
    const Index kNone = static_cast<Index>(-1);
    unsigned char* d = reinterpret_cast<unsigned char*>(s.data());
    std::vector<Index> next(n);
    std::vector<Index> prev(n);
    std::vector<bool> gone(n);
    for (Index i = 0; i < n; ++i) {
        next[i] = i + 1;
        prev[i] = i == 0 ? kNone : i - 1;
    }
    Index head = 0;
    std::string replacement;
    auto pairs = [&](unsigned char f) { return replacementFor(f, replacement); };
    std::vector<std::vector<Index>> occurrences(256);
    // Notes a pair that may have formed at element a.
    auto note = [&](Index a) {
        if (a == kNone || a == kEnd || d[a] != lead || next[a] == kEnd) return;
        if (pairs(d[next[a]])) occurrences[d[next[a]]].push_back(a);
    };
    for (Index i = 0; i < n; ++i) note(i);

    auto firstAliveFrom = [&](Index e) {
        while (e != kEnd && gone[e]) e = next[e];
        return e;
    };
    std::vector<Index> batch;
    Index e = head;  // the element at the search's position
    while (true) {
        while (e != kEnd && d[e] != lead) e = next[e];
        if (e == kEnd || next[e] == kEnd) break;  // a lead in the last position stays
        const unsigned char f = d[next[e]];
        if (!pairs(f)) {
            e = next[e];
            continue;
        }
        const bool removal = replacement.empty();
        const unsigned char by = removal ? 0 : static_cast<unsigned char>(replacement[0]);
        // The occurrences as the string stands, before any is replaced.
        batch.clear();
        batch.swap(occurrences[f]);
        if (!std::is_sorted(batch.begin(), batch.end())) std::sort(batch.begin(), batch.end());
        batch.erase(std::unique(batch.begin(), batch.end()), batch.end());
        batch.erase(std::remove_if(batch.begin(), batch.end(),
                                   [&](Index a) {
                                       return gone[a] || d[a] != lead || next[a] == kEnd || d[next[a]] != f;
                                   }),
                    batch.end());
        Index removedBefore = 0;
        for (const Index a : batch) {
            const Index b = next[a];
            const Index q = next[b];
            gone[b] = true;
            removedBefore += b < e ? 1 : 0;
            if (removal) {
                gone[a] = true;
                removedBefore += a < e ? 1 : 0;
                const Index p = prev[a];
                next[a] = q;
                if (p == kNone) {
                    head = q;
                } else {
                    next[p] = q;
                }
                if (q != kEnd) prev[q] = p;
                note(p);
            } else {
                d[a] = by;
                next[a] = q;
                if (q != kEnd) prev[q] = a;
                note(a);
                note(prev[a]);
            }
        }
        // The search's position holds what now stands there; after a
        // replacement it moves on by one.
        e = firstAliveFrom(e);
        for (Index k = 0; k < removedBefore + (removal ? 0 : 1) && e != kEnd; ++k) e = next[e];
    }
    Index w = 0;
    for (Index i = head; i != kEnd; i = next[i]) d[w++] = d[i];
    s.resize(w);
}

template <typename Replacement>
void FoldLead(std::string& s, unsigned char lead, Replacement replacementFor) {
    if (s.size() < 0xFFFFFFF0u) {
        FoldLeadLinked<std::uint32_t>(s, lead, replacementFor);
    } else {
        FoldLeadLinked<std::uint64_t>(s, lead, replacementFor);
    }
}

// The pass of one lead as a single walk: each pair is replaced where it
// stands. This is what FoldLead does whenever no replacement can make a new
// pair (checked by the caller), and it costs one walk instead of one per
// different pair.
template <typename Replacement>
void FoldLeadInOneWalk(std::string& s, unsigned char lead, Replacement replacementFor) {
    const size_t n = s.size();
    char* d = s.data();
    size_t w = 0;
    size_t i = 0;
    std::string replacement;
    while (i < n) {
        const void* hit = std::memchr(d + i, lead, n - i);
        const size_t at = hit == nullptr ? n : static_cast<size_t>(static_cast<const char*>(hit) - d);
        if (w != i) std::memmove(d + w, d + i, at - i);
        w += at - i;
        i = at;
        if (i >= n) break;
        if (i + 1 < n && replacementFor(static_cast<unsigned char>(d[i + 1]), replacement)) {
            for (char c : replacement) d[w++] = c;
            i += 2;
        } else {
            d[w++] = d[i++];
        }
    }
    s.resize(w);
}

// C3 83 followed by a follower (80-BF).
bool LeadReborn(const std::string& s) {
    for (size_t i = s.find("\303\203"); i != std::string::npos; i = s.find("\303\203", i + 1)) {
        if (i + 2 < s.size() && (static_cast<unsigned char>(s[i + 2]) & 0xC0) == 0x80) return true;
    }
    return false;
}

bool HasAnyLead(const std::string& s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0xC2 || u == 0xC3 || u == 0xC4) return true;
    }
    return false;
}

// Replacement of E2 80 xx by its third byte; false for an unknown one.
bool PunctuationFor(unsigned char third, std::string_view& out) {
    switch (third) {
        case 144:
        case 145:
        case 146:
        case 147: out = "-"; return true;
        case 148: out = " -- "; return true;
        case 149: out = "--"; return true;
        case 150: out = "|"; return true;
        case 151: out = "\211"; return true;
        case 152:
        case 153:
        case 154:
        case 155: out = "'"; return true;
        case 156:
        case 157:
        case 158:
        case 159: out = "\""; return true;
        case 162: out = " . "; return true;
        case 166: out = "..."; return true;
        case 185: out = "<"; return true;
        case 186: out = ">"; return true;
        default: return false;
    }
}

}  // namespace

void DecodeUtf8LatinInPlace(std::string& s) {
    if (!HasAnyLead(s)) return;
    auto c2 = [](unsigned char f, std::string& r) {
        if (f >= 128 && f <= 159) {
            r.clear();  // C1 controls vanish
            return true;
        }
        if (f >= 160 && f <= 191) {
            r.assign(1, static_cast<char>(f));
            return true;
        }
        return false;
    };
    // A C2 pair leaves no C2 behind, so only a C2 right before another can
    // meet a new follower; such lines take the pair-by-pair passes.
    if (s.find("\302\302") == std::string::npos) {
        FoldLeadInOneWalk(s, kLead2, c2);
    } else {
        FoldLead(s, kLead2, c2);
    }
    auto c3 = [](unsigned char f, std::string& r) {
        if (f < 128 || f > 191) return false;
        r.assign(1, static_cast<char>(f + 64));
        return true;
    };
    // Only C3 83 becomes a lead (C3) again; it makes a new pair only when a
    // follower comes next, which valid UTF-8 never has.
    if (!LeadReborn(s)) {
        FoldLeadInOneWalk(s, kLead3, c3);
    } else {
        FoldLead(s, kLead3, c3);
    }
    if (s.find("\304\215") != std::string::npos) ReplacePairEverywhere(s, '\304', '\215', "c");
}

std::string DecodeUtf8Latin(std::string_view s) {
    std::string out(s);
    DecodeUtf8LatinInPlace(out);
    return out;
}

void DecodeUtf8PunctuationInPlace(std::string& s) {
    size_t i = s.find("\342\200");
    if (i == std::string::npos || i + 2 >= s.size()) return;
    std::string out;
    out.reserve(s.size() + 8);
    out.append(s, 0, i);
    while (i < s.size()) {
        if (s[i] == '\342' && i + 2 < s.size() && s[i + 1] == '\200') {
            std::string_view replacement;
            if (PunctuationFor(static_cast<unsigned char>(s[i + 2]), replacement)) out.append(replacement);
            i += 3;
        } else {
            out += s[i++];
        }
    }
    s.swap(out);
}

std::string DecodeUtf8Punctuation(std::string_view s) {
    std::string out(s);
    DecodeUtf8PunctuationInPlace(out);
    return out;
}

}  // namespace lexicount
