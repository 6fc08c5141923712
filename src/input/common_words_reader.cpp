#include "input/common_words_reader.h"

#include <array>
#include <set>
#include <vector>

#include "input/file_helpers.h"
#include "input/file_lines.h"
#include "words/chars.h"
#include "words/line_scanner.h"
#include "words/markup.h"
#include "words/number_format.h"
#include "words/unicode_text.h"
#include "words/unicode_words.h"
#include "words/utf8_fold.h"

namespace lexicount {
namespace {

constexpr std::array<const char*, 20> kUnitsEnglish = {
    "No",       "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<const char*, 8> kTensEnglish = {"Twenty", "Thirty",  "Forty",  "Fifty",
                                                     "Sixty",  "Seventy", "Eighty", "Ninety"};
constexpr std::array<const char*, 20> kUnitsGerman = {
    "Keine",        "Eine",        "Zwei",     "Drei",
    "Vier",         "F\xC3\xBCnf", "Sechs",    "Sieben",
    "Acht",         "Neun",        "Zehn",     "Elf",
    "Zw\xC3\xB6lf", "Dreizehn",    "Vierzehn", "F\xC3\xBCnfzehn",
    "Sechzehn",     "Siebzehn",    "Achtzehn", "Neunzehn"};
constexpr std::array<const char*, 8> kTensGerman = {"Zwanzig",  "Drei\xC3\x9Fig", "Vierzig", "F\xC3\xBCnfzig",
                                                    "Sechszig", "Siebzig",        "Achtzig", "Neunzig"};

std::string LowerFirst(std::string word) {
    if (!word.empty() && word[0] >= 'A' && word[0] <= 'Z') word[0] = static_cast<char>(word[0] + 32);
    return word;
}

void StartInComments(ScanState& state) {
    SetCommentMarkerStyle(state.markers, "C");
    state.intWithinComment = -1;
}

// A UTF-8 file read as the Unicode text model reads it, for the words in
// other scripts that the Western reading cannot hold.
class AnyScriptReader final : public ScanHost {
public:
    AnyScriptReader() { StartInComments(state_); }

    void Line(std::string_view trimmed) {
        state_.strLine.assign(trimmed);
        MakeLineUtf8(state_.strLine, true);
        state_.strLine += ' ';
        ScanLine(state_, rules_, *this);
    }
    void TakeWordFound(std::string_view candidate) override {
        cut_.Cut(candidate, [&](std::string_view word) { words_.emplace(word); });
    }
    std::vector<std::string> Words() const { return {words_.begin(), words_.end()}; }

private:
    ScanState state_;
    const WordRules rules_ = WordRules::ForUnicodeCommonWords();
    UnicodeWords cut_;
    std::set<std::string> words_;
};

class Reader {
public:
    Reader(CountHooks* hooks, bool utf8) : collector_(table_, hooks), hooks_(hooks), utf8_(utf8) {
        StartInComments(state_);
    }

    bool Line(std::string& line) {
        std::string trimmed = Trim(line);
        if (!trimmed.empty()) {
            if (utf8_) {
                // The Unicode reading first: the Western one folds the line.
                anyScript_.Line(trimmed);
                DecodeUtf8LatinInPlace(trimmed);
            }
            LowerCaseLatinInPlace(trimmed);
            trimmed += ' ';
            state_.strLine.swap(trimmed);
            ScanLine(state_, rules_, collector_);
        }
        if (hooks_ != nullptr && hooks_->yields) hooks_->Yield();
        return !(hooks_ != nullptr && hooks_->StopRequested());
    }

    CommonWords Words() {
        table_.PutInOrdinalOrder();
        std::vector<std::string> words;
        words.reserve(static_cast<size_t>(table_.lngNumWords()));
        for (std::int64_t i = 1; i <= table_.lngNumWords(); ++i) words.push_back(table_[i].Word);
        // An ANSI file holds nothing the Western reading misses.
        return utf8_ ? CommonWords(std::move(words), anyScript_.Words()) : CommonWords(std::move(words));
    }

private:
    WordTable table_;
    ScanState state_;
    const WordRules rules_ = WordRules::ForCommonWords();
    CommonWordsCollector collector_;
    CountHooks* hooks_;
    bool utf8_;
    AnyScriptReader anyScript_;
};

}  // namespace

CommonWordsReading ReadCommonWordsFile(const std::string& path, Dialogs& dialogs,
                                       ClassifyState& classifyState, CountHooks* hooks) {
    CommonWordsReading result;
    result.path = Trim(path);
    if (result.path.empty()) return result;
    if (!FileExists(result.path)) {
        result.status = CommonWordsReading::Status::NotFound;
        return result;
    }
    const Classification kind = ClassifyTextFile(result.path, true, classifyState, dialogs);
    if (!kind.ok) {
        result.status = CommonWordsReading::Status::Refused;
        return result;
    }
    Reader reader(hooks, kind.blnIsUTF8);
    bool stopped = false;
    LineSplitter splitter([&](std::string& line) {
        stopped = !reader.Line(line);
        return !stopped;
    });
    if (const auto error = SplitFile(result.path, splitter)) {
        result.status = CommonWordsReading::Status::ReadError;
        result.error = error.message();
        return result;
    }
    if (stopped) {
        result.status = CommonWordsReading::Status::Stopped;
        return result;
    }
    result.words = reader.Words();
    result.status = CommonWordsReading::Status::Loaded;
    return result;
}

std::string NumberInWords(std::int64_t n, bool german) {
    const auto& units = german ? kUnitsGerman : kUnitsEnglish;
    const auto& tens = german ? kTensGerman : kTensEnglish;
    if (n < 0 || n >= 100) return FormatGrouped(n);
    if (n < 20) return units[static_cast<size_t>(n)];
    const std::string ten = tens[static_cast<size_t>(n / 10 - 2)];
    if (n % 10 == 0) return ten;
    const std::string unit = units[static_cast<size_t>(n % 10)];
    return german ? unit + " und " + LowerFirst(ten) : ten + " " + LowerFirst(unit);
}

std::string CommonWordsLoadedMessage(std::int64_t n, const std::string& path) {
    const std::string count = n == 1 ? "One common word" : NumberInWords(n, false) + " common words";
    return count + " loaded from " + path;
}

}  // namespace lexicount
