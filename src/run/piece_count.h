#pragma once

// One large text counted in pieces on several cores. The text is cut at
// line ends; each piece is scanned into a count of its own as if no comment
// were open where it begins, and the counts are merged. A comment, tag or
// script can stay open from one line to the next, so once every piece is
// scanned the true state at each piece's start is worked out in order, and
// a piece that began in another state than the one it was scanned in is
// scanned again. Merged, the counts equal one scan of the whole text: the
// table is put in order by word before it is listed, whatever order the
// words came in.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "input/line_splitter.h"
#include "run/text_count.h"

namespace lexicount {

class PieceCount {
public:
    using MakeCount = std::function<std::unique_ptr<TextCount>()>;
    // Called on the run's thread as the workers start, then about twenty
    // times a second while it waits.
    using Idle = std::function<void()>;

    // Each worker takes one piece, no smaller than this: a piece costs its
    // own table, which learns the text's words again, and its merge.
    static constexpr std::int64_t kSmallestPiece = 1 << 20;
    // Whether a text of `size` bytes is worth counting on `workers` cores.
    static bool Worthwhile(std::int64_t size, int workers) {
        return workers > 1 && size >= 4 * kSmallestPiece;
    }

    // makeCount gives each piece its count (the settings and lists of the
    // run); it is called on the run's thread only. One count per object.
    // smallestPiece and piecesPerWorker: for the tests, which cut small
    // texts into many pieces.
    PieceCount(int workers, MakeCount makeCount, std::int64_t smallestPiece = kSmallestPiece,
               int piecesPerWorker = 1);

    // A plain-text file that `into` has begun (BeginFile), counted into it.
    // Returns the error that stopped the reading, or none.
    std::error_code CountFile(const std::string& path, TextCount& into, const Idle& idle = {});
    // A text in memory (a document's), counted into `into`.
    void CountText(std::string_view text, bool isDocument, TextCount& into, const Idle& idle = {});

    // From the idle callback. A stop ends the scan after the lines being
    // read; what was counted before it is merged. A pause holds the workers
    // at their next line until Resume or Stop, so that the counts can be
    // read: Pause returns true once they all wait, false when they have not
    // yet (ask again at the next idle call) or the scan has stopped.
    void Stop();
    bool Pause();
    void Resume();
    bool Stopped() const { return hold_ == kStop; }
    // While paused: the different words found so far in the text `into`
    // began.
    std::int64_t WordsSoFar(const TextCount& into) const;
    std::int64_t BytesDone() const { return bytesDone_; }
    // For the tests: the pieces of the last count, and how many of them
    // were scanned twice.
    size_t Pieces() const { return cut_; }
    int Rescanned() const { return rescanned_; }

private:
    struct Piece {
        std::uint64_t begin = 0;
        std::uint64_t end = 0;
        std::unique_ptr<TextCount> count;
        int startedWithin = -1;     // the comment state it was scanned from
        bool stopped = false;       // its scan was stopped
        bool done = false;          // scanned to its end
        std::int64_t reported = 0;  // of its bytes, in BytesDone
    };
    // Scans a piece into its count.
    using ScanPiece = std::function<void(Piece&)>;

    // Cuts a text of `size` bytes into pieces at the line starts found
    // from a given offset on (no further than `within` bytes; kToEnd when
    // there is none).
    void Cut(std::uint64_t size,
             const std::function<std::uint64_t(std::uint64_t from, std::uint64_t within)>& nextLineStart);
    void AddPiece(std::uint64_t begin, std::uint64_t end);
    void Count(TextCount& into, const ScanPiece& scan, const Idle& idle);
    // Runs task on `threads` threads (or fewer, as many as start; on this
    // one when none does) and waits for them, calling idle.
    void RunThreads(int threads, const std::function<void()>& task, const Idle& idle);
    // Scans again, in order, each piece that began in the wrong state.
    void Rescan(const TextCount& into, const ScanPiece& scan, const Idle& idle);
    // The pieces whose start state is known to be right, in order.
    std::vector<size_t> KnownPieces(const TextCount& into) const;
    // Checked for every line: false when the scan is to stop.
    bool GoOn() { return hold_.load(std::memory_order_relaxed) == kRun || Held(); }
    bool Held();
    void NewPieceCount(const TextCount& into, Piece& piece, int within);
    // The splitter of a piece's lines: it marks the piece stopped, and
    // reports the bytes counted now and then.
    LineSplitter SplitterFor(Piece& piece, bool isDocument);
    // The bytes of the piece's lines not yet reported.
    void Report(Piece& piece);
    // Ends a piece's scan: done unless stopped or failed.
    void Finished(Piece& piece, bool failed);

    static constexpr int kRun = 0;
    static constexpr int kPause = 1;
    static constexpr int kStop = 2;

    int workers_;
    MakeCount makeCount_;
    std::int64_t smallestPiece_;
    int piecesPerWorker_;
    std::vector<Piece> pieces_;
    std::atomic<size_t> next_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    int running_ = 0;
    int holding_ = 0;  // workers waiting at a pause
    // Read by the workers for every line: on a cache line of its own.
    alignas(64) std::atomic<int> hold_ = kRun;
    alignas(64) std::atomic<std::int64_t> bytesDone_ = 0;
    std::exception_ptr failure_;
    int rescanned_ = 0;
    size_t cut_ = 0;
};

}  // namespace lexicount
