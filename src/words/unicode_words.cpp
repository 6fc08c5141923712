#include "words/unicode_words.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/rbbi.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include "base/settings_record.h"
#include "words/chars.h"
#include "words/cp1252.h"
#include "words/simple_letters.h"
#include "words/unicode_order.h"
#include "words/unicode_text.h"
#include "words/word_lists.h"
#include "words/word_rules.h"

namespace lexicount {
namespace {

constexpr char32_t kRightSingleQuote = 0x2019;
constexpr size_t kRememberedCandidates = 1 << 20;

bool IsLetter(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_L_MASK) != 0;
}
bool IsMark(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0;
}
bool IsDecimalDigit(char32_t c) {
    return u_charType(static_cast<UChar32>(c)) == U_DECIMAL_DIGIT_NUMBER;
}

// Scripts written without spaces between words; none lies below Thai.
constexpr char32_t kFirstUnspaced = 0x0E00;
bool IsUnspacedScript(char32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    switch (uscript_getScript(static_cast<UChar32>(c), &status)) {
        case USCRIPT_HAN:
        case USCRIPT_HIRAGANA:
        case USCRIPT_KATAKANA:
        case USCRIPT_THAI:
        case USCRIPT_LAO:
        case USCRIPT_KHMER:
        case USCRIPT_MYANMAR: return true;
        default: return false;
    }
}

bool IsLatinWord(std::string_view word) {
    for (size_t i = 0; i < word.size();) {
        char32_t c = 0;
        i += DecodeUtf8At(word, i, c);
        if (!IsLetter(c)) continue;
        UErrorCode status = U_ZERO_ERROR;
        if (uscript_getScript(static_cast<UChar32>(c), &status) != USCRIPT_LATIN) return false;
    }
    return true;
}

// The letter a character is written on: "é" is an "e".
char32_t BaseLetter(char32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed;
    if (U_FAILURE(status) || !nfd->getDecomposition(static_cast<UChar32>(c), decomposed)) return c;
    return static_cast<char32_t>(decomposed.char32At(0));
}

// The ASCII characters allowed inside a word, those of them that may begin
// one, and those stripped from its end, as the Western rules have them.
UnicodeRules WithExtraChars(std::string_view allowedExtraChars) {
    UnicodeRules r;
    r.allowed = std::string(allowedExtraChars);
    r.startAllowed = RemoveCharsOfSet(allowedExtraChars, kProhibitedInitialOrFinalChars);
    r.trailingStrip = std::string(kProhibitedInitialOrFinalChars);
    return r;
}

}  // namespace

UnicodeRules UnicodeRules::ForCount(const SettingsRecord& s, std::string_view allowedExtraChars) {
    UnicodeRules r = WithExtraChars(allowedExtraChars);
    r.numerals = IsOn(s.chkAllowWordsWithNumerals);
    r.apostrophes = IsOn(s.chkAllowWordsWithApostrophes);
    r.caseSignificant = IsOn(s.chkCaseSignificant);
    r.turkic = IsOn(s.chkIgnoreCommonWords) && UnicodeCollationLanguage(s) == "tr";
    return r;
}

UnicodeRules UnicodeRules::ForReadingWords() {
    UnicodeRules r = WithExtraChars(kAllPossibleExtraChars);
    r.numerals = true;
    r.apostrophes = true;
    // Folded when a count compares them, under that count's folding.
    r.caseSignificant = true;
    r.readingWords = true;
    return r;
}

struct UnicodeWords::Breaker {
    std::unique_ptr<icu::BreakIterator> words;
};

UnicodeWords::UnicodeWords(UnicodeRules rules, WordRules western)
    : rules_(std::move(rules)), western_(std::move(western)), breaker_(std::make_unique<Breaker>()) {}

UnicodeWords::UnicodeWords() : UnicodeWords(UnicodeRules::ForReadingWords(), WordRules::ForCommonWords()) {}

UnicodeWords::UnicodeWords(const SettingsRecord& settings, std::string_view allowedExtraChars,
                           const WordsToIgnore& wordsToIgnore, const CommonWords& commonWords)
    : UnicodeWords(UnicodeRules::ForCount(settings, allowedExtraChars),
                   WordRules::ForCount(settings, allowedExtraChars)) {
    // The lists compare folded forms, folded as this count folds.
    for (const std::string& word : wordsToIgnore.Words()) {
        ignored_.insert(FoldCase(ToNfc(Utf8FromCp1252(word)), rules_.turkic));
    }
    if (IsOn(settings.chkIgnoreCommonWords)) {
        for (const std::string& word : commonWords.WordsInAnyScript()) {
            ignored_.insert(FoldCase(word, rules_.turkic));
        }
    }
}

UnicodeWords::~UnicodeWords() = default;

void UnicodeWords::Cut(std::string_view candidate, const std::function<void(std::string_view)>& take) {
    if (IsSevenBitAscii(candidate) && FoldsPlainly(candidate)) {
        const std::string_view word = CutAscii(candidate);
        if (!word.empty()) take(word);
        return;
    }
    std::string text = ToNfc(candidate);
    if (!rules_.caseSignificant) text = FoldCase(text, rules_.turkic);
    std::string word;
    bool unspaced = false;
    auto finish = [&] {
        while (!word.empty() && rules_.trailingStrip.find(word.back()) != std::string::npos) word.pop_back();
        if (unspaced && !rules_.readingWords) {
            SplitUnspacedRuns(word, take);
        } else if (!word.empty()) {
            Normalise(word, take);
        }
        word.clear();
        unspaced = false;
    };
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += DecodeUtf8At(text, i, c);
        if (c == kRightSingleQuote && rules_.apostrophes) c = U'\'';
        const bool ascii = c < 0x80;
        const bool allowed = ascii && rules_.allowed.find(static_cast<char>(c)) != std::string::npos;
        const bool digit = rules_.numerals && IsDecimalDigit(c);
        const bool starts = IsLetter(c) || digit ||
                            (ascii && rules_.startAllowed.find(static_cast<char>(c)) != std::string::npos);
        const bool continues = IsLetter(c) || digit || allowed || IsMark(c);
        if (word.empty() ? starts : continues) {
            AppendUtf8(word, c);
            unspaced = unspaced || (c >= kFirstUnspaced && IsUnspacedScript(c));
        } else {
            finish();
            if (starts) {
                AppendUtf8(word, c);
                unspaced = c >= kFirstUnspaced && IsUnspacedScript(c);
            }
        }
    }
    finish();
}

std::string_view UnicodeWords::CutAscii(std::string_view candidate) {
    if (rules_.caseSignificant || lineFolded_) return NormaliseWord(candidate, western_);
    asciiBuffer_.assign(candidate);
    LowerCaseLatinInPlace(asciiBuffer_);
    return NormaliseWord(asciiBuffer_, western_);
}

namespace {

constexpr std::string_view kSmallSigma = "\xCF\x83";       // σ
constexpr std::string_view kFinalSmallSigma = "\xCF\x82";  // ς

}  // namespace

std::string_view UnicodeWords::Normalised(std::string_view word, std::string& written) const {
    // Case folding makes every sigma "σ"; at the end of a Greek word it is
    // written "ς", which folds to the same "σ" again.
    if (!rules_.caseSignificant && word.size() > kSmallSigma.size() && word.ends_with(kSmallSigma)) {
        written.assign(word.substr(0, word.size() - kSmallSigma.size())).append(kFinalSmallSigma);
        word = written;
    }
    // Words of ASCII letters follow the Western rules to the letter.
    return IsSevenBitAscii(word) ? NormaliseWord(word, western_)
                                 : (western_.dropFinalS ? DropFinalSUnicode(word) : word);
}

void UnicodeWords::Normalise(std::string_view word, const std::function<void(std::string_view)>& take) const {
    std::string written;
    const std::string_view normalised = Normalised(word, written);
    if (!normalised.empty()) take(normalised);
}

std::optional<std::string_view> UnicodeWords::CutSimple(std::string_view candidate) {
    // Simple letters are in NFC, make one word together and fold by table.
    // A candidate all ASCII (every character one byte) follows the Western
    // rules instead (CutAscii).
    const int characters = FoldSimpleLetters(candidate, rules_.turkic, simpleBuffer_);
    if (characters < 0 || static_cast<size_t>(characters) == candidate.size()) return std::nullopt;
    return Normalised(rules_.caseSignificant ? candidate : std::string_view(simpleBuffer_), simpleWritten_);
}

bool UnicodeWords::AdmitsSimple(std::string_view word) {
    // The word is not ASCII: a simple letter never folds out of its byte
    // class, and the final-"s" rule leaves the letters before the "s".
    if (western_.only7bitAscii) return false;
    // Every character is a letter, one byte or two: the first bytes of the
    // characters tell their number and whether one letter repeats.
    WordShape shape{0, true, true};
    const size_t firstSize = (static_cast<unsigned char>(word[0]) & 0x80) != 0 ? 2 : 1;
    const std::string_view first = word.substr(0, firstSize);
    for (size_t i = 0; i < word.size(); ++shape.characters) {
        const size_t size = (static_cast<unsigned char>(word[i]) & 0x80) != 0 ? 2 : 1;
        shape.oneRepeated = shape.oneRepeated && word.substr(i, size) == first;
        i += size;
    }
    shape.oneRepeated = shape.oneRepeated && shape.characters > 1;
    if (!PassesWordFilters(shape, western_)) return false;
    if (ignored_.empty()) return true;
    FoldSimpleLetters(word, rules_.turkic, simpleFolded_);
    return ignored_.count(simpleFolded_) == 0;
}

void UnicodeWords::SplitUnspacedRuns(std::string_view word,
                                     const std::function<void(std::string_view)>& take) {
    if (!breaker_->words) {
        UErrorCode status = U_ZERO_ERROR;
        breaker_->words.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) breaker_->words.reset();
    }
    if (!breaker_->words) {
        Normalise(word, take);
        return;
    }
    const icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(word.data(), static_cast<int32_t>(word.size())));
    icu::BreakIterator& words = *breaker_->words;
    words.setText(u);
    int32_t start = words.first();
    for (int32_t end = words.next(); end != icu::BreakIterator::DONE; start = end, end = words.next()) {
        if (words.getRuleStatus() < UBRK_WORD_NUMBER) continue;  // spaces and punctuation
        std::string piece;
        u.tempSubStringBetween(start, end).toUTF8String(piece);
        Normalise(piece, take);
    }
}

const std::vector<UnicodeWords::CutWord>& UnicodeWords::CutRemembered(std::string_view candidate) {
    if (const auto found = remembered_.find(candidate); found != remembered_.end()) return found->second;
    // Bounded, whatever the text: past the bound the memory starts afresh.
    if (remembered_.size() >= kRememberedCandidates) remembered_.clear();
    std::vector<CutWord> words;
    Cut(candidate, [&](std::string_view word) { words.push_back({std::string(word), Admits(word)}); });
    return remembered_.emplace(std::string(candidate), std::move(words)).first->second;
}

bool UnicodeWords::Admits(std::string_view word) const {
    const bool ascii = IsSevenBitAscii(word);
    const WordRules& rules = western_;
    if (rules.only7bitAscii && !ascii) return false;
    if (!(ascii ? ApplyWordFilters(word, rules) : ApplyUnicodeWordFilters(word, rules))) return false;
    if (ignored_.empty()) return true;
    // Lists compare folded forms; a final "ς" is folded back to "σ".
    const std::string folded =
        rules_.caseSignificant || !ascii ? FoldCase(word, rules_.turkic) : std::string(word);
    return ignored_.count(folded) == 0;
}

bool PassesWordFilters(const WordShape& shape, const WordRules& rules) {
    if (rules.ignoreShortWords && shape.characters < rules.minWordLength) return false;
    if (shape.characters > rules.maxWordLength) return false;
    if (rules.ignoreNoLetter && !shape.hasLetter) return false;
    return !(rules.ignoreRepetitions && shape.oneRepeated);
}

bool ApplyUnicodeWordFilters(std::string_view word, const WordRules& rules) {
    WordShape shape{GraphemeCount(word), false, true};
    char32_t first = 0;
    int codePoints = 0;
    for (size_t i = 0; i < word.size(); ++codePoints) {
        char32_t c = 0;
        i += DecodeUtf8At(word, i, c);
        shape.hasLetter = shape.hasLetter || IsLetter(c);
        if (codePoints == 0) first = c;
        shape.oneRepeated = shape.oneRepeated && c == first;
    }
    // A repetition is of one letter, more than once.
    shape.oneRepeated = shape.oneRepeated && codePoints > 1 && IsLetter(first);
    return PassesWordFilters(shape, rules);
}

std::string_view DropFinalSUnicode(std::string_view word) {
    if (word.size() < 3 || word.back() != 's' || !IsLatinWord(word)) return word;
    // The character before the "s", decoded from its last byte backwards.
    size_t start = word.size() - 2;
    while (start > 0 && (static_cast<unsigned char>(word[start]) & 0xC0) == 0x80) --start;
    char32_t before = 0;
    DecodeUtf8At(word, start, before);
    if (start == 0 || before == U's' || before == U'\'') return word;
    const char32_t base = BaseLetter(before);
    if (base < 0x80 &&
        std::string_view("aeiouyAEIOUY").find(static_cast<char>(base)) != std::string_view::npos) {
        return word;
    }
    return word.substr(0, word.size() - 1);
}

}  // namespace lexicount
