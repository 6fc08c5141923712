#pragma once

// The rules that cut, normalise and admit words, taken from the settings
// once at the start of a scan so that a count never sees a half-applied
// change.

#include <string>
#include <string_view>

#include "words/byte_masks.h"
#include "words/chars.h"

namespace lexicount {

struct SettingsRecord;

struct WordRules {
    CharSet allowed;    // strAllowedExtraChars
    CharSet startSet;   // allowed, without the characters that may not begin a word
    CharSet wordChars;  // letters and allowed: what a word is made of
    CharSet wordStart;  // letters and startSet: what may begin a word
    // The same two sets for the mask builder.
    ByteMaskSet wordStartBytes;
    ByteMaskSet wordCharBytes;
    // What may not end a word. Of a word's bytes, these are the ones that
    // may not begin it either (wordChars without wordStart), so the
    // scanner's masks tell a line without any.
    CharSet trailingStrip;
    bool blnReadingWords = false;
    // Lines are UTF-8 and the scan only finds candidates for the Unicode
    // model: every byte of a multi-byte character is a word byte.
    bool utf8 = false;
    bool dropFinalS = false;
    bool apostrophesAllowed = false;
    bool only7bitAscii = false;
    bool ignoreShortWords = true;
    int minWordLength = 3;
    int maxWordLength = 50;
    bool ignoreNoLetter = true;
    bool ignoreRepetitions = true;
    bool ignoreCommonWords = false;

    // Rules of a count under the given settings and allowed characters.
    static WordRules ForCount(const SettingsRecord& settings, std::string_view allowedExtraChars);
    // The candidate rules of the Unicode model: no normalisation, which the
    // model does per word.
    static WordRules ForUnicodeCandidates(std::string_view allowedExtraChars);
    // Rules while a common-words file is read: every extra character allowed,
    // no normalisation.
    static WordRules ForCommonWords();
    // The same for the Unicode text model: candidates for its cut.
    static WordRules ForUnicodeCommonWords();
};

// Final "s" and apostrophe fragments; the result may be "". Normalising
// only ever shortens a word, so it works on a view.
std::string_view NormaliseWord(std::string_view word, const WordRules& rules);

// True when the lower-cased word is a tail of a contraction stem
// ("aren", "ren", "n", "uldn", ...).
bool IsContractionStem(std::string_view word);

// I, V and X only, and not the single letter I.
bool IsRomanNumeralBelow40(std::string_view word);

// Length, letter and repetition filters; false when the word is rejected.
bool ApplyWordFilters(std::string_view word, const WordRules& rules);

}  // namespace lexicount
