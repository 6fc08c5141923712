#include "run/text_count.h"

#include <algorithm>

#include "input/line_splitter.h"
#include "output/word_table_sort.h"
#include "words/chars.h"
#include "words/cp1252.h"
#include "words/markup.h"
#include "words/unicode_order.h"
#include "words/unicode_text.h"
#include "words/utf8_fold.h"

namespace lexicount {
namespace {

void LowerCaseAscii(std::string& s) {
    for (char& c : s) c = static_cast<char>(c + ((c >= 'A' && c <= 'Z') ? 32 : 0));
}

// The same in the pass that finds whether every byte is ASCII; a line that
// is not is left with its ASCII letters lower-cased.
bool LowerCaseIfAscii(std::string& s) {
    unsigned char any = 0;
    for (char& c : s) {
        any |= static_cast<unsigned char>(c);
        c = static_cast<char>(c + ((c >= 'A' && c <= 'Z') ? 32 : 0));
    }
    return any < 0x80;
}

}  // namespace

TextCount::TextCount(const SettingsRecord& settings, std::string strAllowedExtraChars,
                     const WordsToIgnore& wordsToIgnore, const CommonWords& commonWords, FileScanHooks* hooks)
    : settings_(settings),
      rules_(IsOn(settings.chkUnicodeWords) ? WordRules::ForUnicodeCandidates(strAllowedExtraChars)
                                            : WordRules::ForCount(settings, strAllowedExtraChars)),
      counter_(table_, rules_, wordsToIgnore, commonWords, hooks),
      hooks_(hooks != nullptr ? hooks : &noHooks_),
      linesPerYield_(std::max(1, hooks_->linesPerYield)),
      utf8File_(IsOn(settings.chkUTF8)) {
    if (IsOn(settings.chkUnicodeWords)) {
        unicode_ = std::make_unique<UnicodeWords>(settings, strAllowedExtraChars, wordsToIgnore, commonWords);
        table_.HoldUtf8Words();
        counter_.UseUnicodeWords(unicode_.get());
        unicodeHost_ = std::make_unique<UnicodeCandidates>(counter_);
    }
}

TextCount::~TextCount() = default;

void TextCount::BeginFile(std::string_view extension, int intLineEndingType, bool utf8) {
    BeginFile(extension, intLineEndingType);
    utf8File_ = utf8;
}

void TextCount::BeginFile(std::string_view extension, int intLineEndingType) {
    SetCommentMarkersForFile(state_, extension);
    confirmsStop_ = true;
    intLineEndingType_ = intLineEndingType;
    state_.intWithinComment = -1;
}

void TextCount::BeginPieceOf(const TextCount& whole, int intWithinComment) {
    state_.markers = whole.state_.markers;
    state_.blnCommentsPossible = whole.state_.blnCommentsPossible;
    state_.blnCharacterEntitiesPossible = whole.state_.blnCharacterEntitiesPossible;
    state_.intWithinComment = intWithinComment;
    intLineEndingType_ = whole.intLineEndingType_;
    utf8File_ = whole.utf8File_;
}

void TextCount::AddCounts(const CountsFile& counts) {
    if (!scanStarted_) MarkScanStart();
    for (const auto& [word, frequency] : counts.words) table_.AddWordCount(word, frequency);
    counter_.lngTotalNumOccurrences += counts.instances;
    lettersOutsideCp1252_ += counts.outsideCp1252;
}

void TextCount::TakeCount(TextCount& other) {
    if (table_.lngNumWords() != 0) {
        AddCount(other);
        return;
    }
    // Nothing here yet: the other's table is taken whole, not word by word.
    if (!scanStarted_) MarkScanStart();
    const bool knowsFiles = table_.KnowsFiles();
    std::swap(table_, other.table_);
    if (knowsFiles) table_.KeepFiles();
    AddTotals(other);
}

void TextCount::AddCount(const TextCount& other) {
    if (!scanStarted_) MarkScanStart();
    const std::vector<WordRecord>& records = other.table_.Records();
    for (size_t i = 1; i < records.size(); ++i) {
        const std::int64_t at = table_.AddWordCount(records[i].Word, records[i].Frequency);
        if (at != 0 && other.KnowsFiles()) table_.AddFiles(at, other.table_.FilesOf(records[i]));
    }
    if (other.KnowsFiles()) table_.KeepFiles();
    AddTotals(other);
}

void TextCount::AddTotals(const TextCount& other) {
    counter_.lngTotalNumOccurrences += other.lngTotalNumOccurrences();
    lettersOutsideCp1252_ += other.lettersOutsideCp1252_;
    linesRead_ += other.linesRead_;
    bytesRead_ += other.bytesRead_;
    fileTotals_.insert(fileTotals_.end(), other.fileTotals_.begin(), other.fileTotals_.end());
}

void TextCount::TellFilesApart(bool byFile) {
    table_.TellFilesApart(byFile);
}

void TextCount::OpenFile(std::uint32_t file) {
    table_.BeginFile(file);
    openFile_ = file;
    instancesBeforeFile_ = lngTotalNumOccurrences();
}

void TextCount::CloseFile() {
    const std::int64_t words = table_.EndFile();
    fileTotals_.push_back(FileTotal{openFile_, words, lngTotalNumOccurrences() - instancesBeforeFile_});
}

void TextCount::SortFiles() {
    table_.SortByFile();
    std::sort(fileTotals_.begin(), fileTotals_.end(),
              [](const FileTotal& a, const FileTotal& b) { return a.file < b.file; });
}

void TextCount::BeginClipboard() {
    ClearCommentMarkers(state_.markers);
    state_.blnCharacterEntitiesPossible = false;
}

bool TextCount::CountFileLine(std::string& line, bool isDocument) {
    if (!scanStarted_) MarkScanStart();
    bytesRead_ += static_cast<std::int64_t>(line.size()) + (intLineEndingType_ < 2 ? 2 : 1);
    ++linesRead_;
    if (--lineCountdown_ <= 0) {
        lineCountdown_ = linesPerYield_;
        hooks_->LineYield();
        hooks_->LineRead(bytesRead_);
        // A stop can only have been asked for while the hooks ran.
        counter_.RefreshStop();
    }
    TrimControlChars(line);
    if (line.empty()) return true;
    if (unicode_) {
        PrepareUnicodeLine(line, isDocument);
    } else {
        PrepareWesternLine(line, isDocument);
    }
    line += ' ';
    state_.strLine.swap(line);
    if (capture_) {
        ScanWatchedLine();
    } else if (unicode_) {
        ScanUnicodeLine();
    } else {
        ScanCurrentLine();
    }
    return !(counter_.StopRequested() && HandleStop());
}

bool TextCount::CountText(std::string_view text, bool isDocument) {
    LineSplitter splitter([this, isDocument](std::string& line) { return CountFileLine(line, isDocument); });
    return splitter.Feed(text) && splitter.Finish();
}

void TextCount::PrepareWesternLine(std::string& line, bool isDocument) {
    // Pure ASCII lines, the common case, need no folding and the simplest
    // lower-casing, in one pass. (Lower-casing the ASCII letters of another
    // line changes nothing below: its folding leaves them alone.)
    if (!capture_ && !IsOn(settings_.chkCaseSignificant) && LowerCaseIfAscii(line)) return;
    const bool ascii = HasOnlyAsciiBytes(line);
    if (!isDocument && !ascii) {
        lettersOutsideCp1252_ += lexicount::LettersOutsideCp1252(line);
        DecodeUtf8LatinInPlace(line);
        DecodeUtf8PunctuationInPlace(line);
    }
    if (capture_) capture_->LineBegins(linesRead_, line);
    if (!IsOn(settings_.chkCaseSignificant)) {
        if (ascii) {
            LowerCaseAscii(line);
        } else {
            LowerCaseLatinInPlace(line);
        }
    }
}

void TextCount::PrepareUnicodeLine(std::string& line, bool isDocument) {
    // ASCII lines, the common case, are folded at once, as Western ones
    // are; a document's text comes as UTF-8.
    const bool ascii = HasOnlyAsciiBytes(line);
    const bool folded = ascii && !IsOn(settings_.chkCaseSignificant) && unicode_->FoldsPlainly(line);
    if (!ascii) MakeLineUtf8(line, isDocument || utf8File_);
    if (capture_) capture_->LineBegins(linesRead_, line);
    if (folded) LowerCaseAscii(line);
    unicode_->SetLineFolded(folded);
}

// The one place the scanner's walk is instantiated for a count. Flattened:
// all it calls for a word is inlined here, so the command-line tool and the
// window run the same machine code, whatever else each program holds.
__attribute__((flatten)) void TextCount::ScanCurrentLine() {
    ScanLineWith(state_, rules_, counter_);
}

__attribute__((flatten)) void TextCount::ScanUnicodeLine() {
    ScanLineWith(state_, rules_, *unicodeHost_);
    counter_.CountDeferred();
}

void TextCount::ScanWatchedLine() {
    if (watchedCandidates_) {
        ScanLineWith(state_, rules_, *watchedCandidates_);
        counter_.CountDeferred();
    } else {
        ScanLineWith(state_, rules_, *watchedWords_);
    }
}

bool TextCount::HandleStop() {
    if (!confirmsStop_ || table_.lngNumWords() < kStopConfirmationWords ||
        hooks_->ConfirmStop(table_.lngNumWords())) {
        stopped_ = true;
        return true;
    }
    hooks_->ClearStop();
    counter_.RefreshStop();
    return false;
}

void TextCount::MarkScanStart() {
    scanStarted_ = true;
    scanStart_ = scanEnd_ = std::chrono::steady_clock::now();
}

void TextCount::CountClipboardText(std::string text) {
    MarkScanStart();
    if (text.empty()) return;
    if (unicode_) {
        // The clipboard's text comes as UTF-8 under the Unicode model.
        MakeLineUtf8(text, true);
        unicode_->SetLineFolded(false);
    } else if (!IsOn(settings_.chkCaseSignificant)) {
        LowerCaseLatinInPlace(text);
    }
    state_.strLine = std::move(text);
    state_.strLine += ' ';
    if (unicodeHost_) {
        ScanUnicodeLine();
    } else {
        ScanLineWith(state_, rules_, counter_);
    }
    stopped_ = hooks_->StopRequested();
}

bool TextCount::YieldAndGoOn() {
    if (hooks_->yields) hooks_->Yield();
    return !hooks_->StopRequested() || !HandleStop();
}

void TextCount::CaptureContexts(std::string word, int width, std::function<void(WordContext)> found) {
    capture_ = std::make_unique<ContextCapture>(std::move(word), width, unicode_ != nullptr, state_, rules_,
                                                std::move(found));
    if (unicode_) {
        watchedCandidates_ = std::make_unique<WatchedUnicodeCandidates>(counter_, *capture_);
    } else {
        watchedWords_ = std::make_unique<WatchedWords>(counter_, *capture_);
    }
}

ExportTable TextCount::ListedRows(int cboWordOrder, const std::vector<std::string>& fileNames) const {
    return MakeExportTable(table_, stats_, cboWordOrder, lngTotalNumOccurrences(), unicode_ != nullptr,
                           fileNames);
}

void TextCount::SortTable() {
    if (scanStarted_) scanEnd_ = std::chrono::steady_clock::now();
    table_.PutInOrdinalOrder();
    if (unicode_) SetUnicodeSortKeys(table_, UnicodeCollationLanguage(settings_));
    // After a stopped scan the stop has been taken: the sort only yields.
    const std::function<bool()> progress = [this] {
        if (stopped_) {
            if (hooks_->yields) hooks_->Yield();
            return true;
        }
        return YieldAndGoOn();
    };
    SortWordTable(table_, 1, static_cast<long>(table_.lngNumWords()), 1, progress);
}

bool TextCount::RunPasses(const std::function<void(int)>& beforePass,
                          const std::function<void()>& onThousand) {
    if (!YieldAndGoOn()) return false;
    if (beforePass) beforePass(0);
    MarkIncludedWords(table_, settings_, ThresholdFrequency(settings_));
    if (!YieldAndGoOn()) return false;
    if (beforePass) beforePass(1);
    stats_ = ComputeWordStatistics(table_, unicode_ != nullptr);
    if (!YieldAndGoOn()) return false;
    if (beforePass) beforePass(2);
    BuildFrequencyChain(table_, stats_, onThousand);
    return true;
}

}  // namespace lexicount
