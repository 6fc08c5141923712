#include "words/utf8_fold.h"

#include <cstring>

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

// One pass over a lead byte. Each recognised pair is replaced throughout the
// string at once; the search for the next lead goes on after the position
// of the lead just handled.
template <typename Replacement>
void FoldLead(std::string& s, unsigned char lead, Replacement replacementFor) {
    size_t pos = 0;
    while (true) {
        const void* hit = pos < s.size() ? std::memchr(s.data() + pos, lead, s.size() - pos) : nullptr;
        if (hit == nullptr) return;
        pos = static_cast<const char*>(hit) - s.data();
        if (pos + 1 >= s.size()) return;  // a lead in the last position stays
        const char follower = s[pos + 1];
        std::string replacement;
        if (replacementFor(static_cast<unsigned char>(follower), replacement)) {
            ReplacePairEverywhere(s, static_cast<char>(lead), follower, replacement);
            // A removed pair leaves the next character at this position: it
            // is looked at too, so a control code cannot hide the pair after it.
            if (replacement.empty()) continue;
        }
        ++pos;
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
        case 147:
            out = "-";
            return true;
        case 148:
            out = " -- ";
            return true;
        case 149:
            out = "--";
            return true;
        case 150:
            out = "|";
            return true;
        case 151:
            out = "\211";
            return true;
        case 152:
        case 153:
        case 154:
        case 155:
            out = "'";
            return true;
        case 156:
        case 157:
        case 158:
        case 159:
            out = "\"";
            return true;
        case 162:
            out = " . ";
            return true;
        case 166:
            out = "...";
            return true;
        case 185:
            out = "<";
            return true;
        case 186:
            out = ">";
            return true;
        default:
            return false;
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
    // Only C3 83 becomes a lead (C3) again, which may pair with what follows.
    if (s.find("\303\203") == std::string::npos) {
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
