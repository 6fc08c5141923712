#pragma once

// One count over one source: the lines of a file or document, or the
// clipboard text as a single line, through the scanner into the word
// table; then the sort and the passes that prepare the listing.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings_record.h"
#include "input/extraction_hooks.h"
#include "output/counts_file.h"
#include "output/export.h"
#include "run/word_contexts.h"
#include "words/line_scanner.h"
#include "words/post_scan.h"
#include "words/unicode_words.h"
#include "words/word_counter.h"
#include "words/word_lists.h"
#include "words/word_table.h"

namespace lexicount {

// What the window hears from a file scan, beyond the hooks of every count.
class FileScanHooks : public CountHooks {
public:
    // Every linesPerYield lines (always, whatever `yields` says): a yield,
    // then the bytes read so far as the progress bar counts them.
    virtual void LineYield() {}
    virtual void LineRead(std::int64_t /*bytesRead*/) {}
    int linesPerYield = 1;
    // A stop was asked for with lngNumWords >= 2000 different words: true
    // when the user confirms it.
    virtual bool ConfirmStop(std::int64_t /*lngNumWords*/) { return true; }
    virtual void ClearStop() {}
};

inline constexpr std::int64_t kStopConfirmationWords = 2000;

// What one file of a count of many holds.
struct FileTotal {
    std::uint32_t file = 0;  // its place in the list of files
    std::int64_t words = 0;  // different words
    std::int64_t instances = 0;
};

// On cache lines of its own: the counts of several workers, made one after
// another, must not share a line that one writes for every line it reads.
class alignas(64) TextCount {
public:
    // The settings are copied: the count keeps to the values it started with.
    TextCount(const SettingsRecord& settings, std::string strAllowedExtraChars,
              const WordsToIgnore& wordsToIgnore, const CommonWords& commonWords,
              FileScanHooks* hooks = nullptr);
    ~TextCount();
    TextCount(const TextCount&) = delete;
    TextCount& operator=(const TextCount&) = delete;

    // A file or document: comment markers from its lower-cased extension,
    // and the line-end class the progress count uses (below 2: CR LF).
    void BeginFile(std::string_view extension, int intLineEndingType = 1);
    // The same for one of several files, read as UTF-8 or not as its own
    // classification decided.
    void BeginFile(std::string_view extension, int intLineEndingType, bool utf8);
    // Clipboard text: no comments.
    void BeginClipboard();
    // A piece of the text that `whole` has begun: its comment style, line
    // ends and encoding, starting within the comment given (-1: none).
    void BeginPieceOf(const TextCount& whole, int intWithinComment);
    // The comment the scan is within after the last line (-1: none).
    int WithinComment() const { return state_.intWithinComment; }
    // Whether any comment can begin in this text at all.
    bool CommentsPossible() const { return state_.markers.intNumCommentMarkers > 0; }
    // The scan's clock starts (on its first line, or here for a count that
    // others make).
    void MarkScanStart();
    // Counts saved by another run (with the same settings), as if their
    // text had been scanned here.
    void AddCounts(const CountsFile& counts);
    // Another count's words and totals (a worker's, of other files).
    void AddCount(const TextCount& other);
    // The same, taking the other's table when this one is empty (the other
    // is left to be thrown away).
    void TakeCount(TextCount& other);

    // Of a count of many files: each file's words are told apart from the
    // others' (in how many files a word occurs; with byFile, its count in
    // each), and each file's totals are kept.
    void TellFilesApart(bool byFile);
    // What is counted from OpenFile to CloseFile is the file's of that place
    // in the list of files.
    void OpenFile(std::uint32_t file);
    void CloseFile();
    // Puts what was merged from the workers in the order of the files.
    void SortFiles();
    bool KnowsFiles() const { return table_.KnowsFiles(); }
    // Makes the count one of many files, whose files come from others.
    void KeepFiles() { table_.KeepFiles(); }
    const std::vector<FileTotal>& FileTotals() const { return fileTotals_; }

    // One raw line of a file: counted for the progress bar, trimmed, folded
    // from UTF-8 (unless the text comes from a document, which is folded
    // already), lower-cased unless case is significant, and scanned. False
    // when the scan is to stop. The line's contents are used up.
    bool CountFileLine(std::string& line, bool isDocument);
    // A whole text (a document's, or the clipboard's read as lines) cut at
    // its line ends, each line counted as above; false when the scan stopped.
    bool CountText(std::string_view text, bool isDocument);
    // How a document's text is taken: UTF-8 under the Unicode model.
    DocumentEncoding DocumentTextEncoding() const {
        return unicode_ ? DocumentEncoding::Utf8 : DocumentEncoding::Cp1252;
    }

    // The whole clipboard text as one line: Windows-1252, or UTF-8 under
    // the Unicode model.
    void CountClipboardText(std::string text);

    // After the scan: the table into ordinal order, then collation order.
    // The sort yields as the scan does; a stop asked for meanwhile is
    // handled as one during the scan (confirmed where the scan would ask),
    // and the sort then finishes quickly, so the words found can be listed.
    void SortTable();
    // The three passes: which words are listed, the statistics, and the
    // frequency chain. beforePass(0, 1, 2) runs before each (the window
    // announces them); onThousand each time the chain reaches a multiple of
    // 1000 words. They yield as the scan does; false when a stop came
    // (the passes are then incomplete and nothing may be listed).
    bool RunPasses(const std::function<void(int)>& beforePass = nullptr,
                   const std::function<void()>& onThousand = nullptr);

    // Collects the contexts of word (as the table holds it) while lines are
    // counted; found gets each, in text order.
    void CaptureContexts(std::string word, int width, std::function<void(WordContext)> found);
    // Lines handed to CountFileLine so far, empty ones included.
    std::int64_t LinesRead() const { return linesRead_; }

    WordTable& Table() { return table_; }
    const WordTable& Table() const { return table_; }
    const WordStatistics& Statistics() const { return stats_; }
    const SettingsRecord& Settings() const { return settings_; }
    std::int64_t lngTotalNumOccurrences() const { return counter_.lngTotalNumOccurrences; }
    // The listed words, in the word order given, for the word table and the
    // exports; fileNames: the headers of the columns by file, if any.
    ExportTable ListedRows(int cboWordOrder, const std::vector<std::string>& fileNames = {}) const;
    std::int64_t bytesRead() const { return bytesRead_; }
    // Seconds from the first line counted to the end of the scan (the call
    // of SortTable): what a scan costs, without start-up or listing.
    double ScanSeconds() const { return std::chrono::duration<double>(scanEnd_ - scanStart_).count(); }
    bool Stopped() const { return stopped_; }
    // A stop taken elsewhere (by the workers that counted the pieces).
    void MarkStopped() { stopped_ = true; }
    // Letters of UTF-8 lines that the Western text model could not count.
    std::int64_t LettersOutsideCp1252() const { return lettersOutsideCp1252_; }

private:
    // A stop asked for: taken, at once or (a file's count from 2000 words
    // on) once the user confirms it; false when it is withdrawn.
    bool HandleStop();
    // Lets the window run when the count yields; false on a stop.
    bool YieldAndGoOn();
    // The totals beside the words of another count.
    void AddTotals(const TextCount& other);
    // What a line goes through before the scanner, in each text model.
    void PrepareWesternLine(std::string& line, bool isDocument);
    void PrepareUnicodeLine(std::string& line, bool isDocument);
    void ScanCurrentLine();
    void ScanUnicodeLine();
    void ScanWatchedLine();

    SettingsRecord settings_;
    WordRules rules_;
    // The Unicode text model, when chkUnicodeWords is on.
    std::unique_ptr<UnicodeWords> unicode_;
    std::unique_ptr<UnicodeCandidates> unicodeHost_;
    WordTable table_;
    ScanState state_;
    WordCounter counter_;
    FileScanHooks* hooks_;
    FileScanHooks noHooks_;
    WordStatistics stats_;
    std::unique_ptr<ContextCapture> capture_;
    std::unique_ptr<WatchedWords> watchedWords_;
    std::unique_ptr<WatchedUnicodeCandidates> watchedCandidates_;
    std::int64_t bytesRead_ = 0;
    std::int64_t linesRead_ = 0;
    std::int64_t lettersOutsideCp1252_ = 0;
    std::vector<FileTotal> fileTotals_;
    std::int64_t instancesBeforeFile_ = 0;
    std::uint32_t openFile_ = 0;
    int intLineEndingType_ = 1;
    std::chrono::steady_clock::time_point scanStart_;
    std::chrono::steady_clock::time_point scanEnd_;
    bool scanStarted_ = false;
    int linesPerYield_;
    int lineCountdown_ = 1;
    bool confirmsStop_ = false;  // a file's count asks before it stops
    bool utf8File_;              // the file's text is UTF-8 (chkUTF8, or per file)
    bool stopped_ = false;
};

}  // namespace lexicount
