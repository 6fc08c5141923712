#include "run/piece_count.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "base/checked_file.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"

namespace lexicount {
namespace {

// Pieces for each worker: a worker slowed by other work on the machine
// leaves fewer bytes for the others to wait on.
constexpr std::int64_t kPiecesPerWorker = 4;
// Lines between two reports of the bytes counted: the total is shared.
constexpr int kLinesPerReport = 4096;

}  // namespace

PieceCount::PieceCount(int workers, MakeCount makeCount, std::int64_t smallestPiece)
    : workers_(std::max(1, workers)),
      makeCount_(std::move(makeCount)),
      smallestPiece_(std::max<std::int64_t>(1, smallestPiece)) {}

std::int64_t PieceCount::PiecesFor(std::int64_t size) const {
    return std::clamp<std::int64_t>(size / smallestPiece_, 1, workers_ * kPiecesPerWorker);
}

std::error_code PieceCount::CountFile(const std::string& path, TextCount& into, const Idle& idle) {
    ReadOnlyFile file;
    if (const std::error_code error = file.Open(path)) return error;
    std::error_code error;
    Cut(file.size(), [&file, &error](std::uint64_t from) { return NextLineStart(file, from, error); });
    if (error) return error;
    std::mutex errorMutex;
    const ScanPiece scan = [this, &path, &error, &errorMutex](Piece& piece, bool first) {
        LineSplitter splitter(Lines(*piece.count, false, piece));
        if (!first) splitter.StartMidText();
        ReadOnlyFile own;
        std::error_code failed = own.Open(path);
        if (!failed) failed = SplitFileRange(own, piece.begin, piece.end, splitter);
        if (!failed) return;
        piece.done = false;
        const std::lock_guard lock(errorMutex);
        if (!error) error = failed;
        Stop();
    };
    Count(into, scan, idle);
    return error;
}

void PieceCount::CountText(std::string_view text, bool isDocument, TextCount& into, const Idle& idle) {
    Cut(text.size(), [text](std::uint64_t from) {
        const size_t start = NextLineStart(text, static_cast<size_t>(from), text.size());
        return start == std::string_view::npos ? text.size() : start;
    });
    const ScanPiece scan = [this, text, isDocument](Piece& piece, bool first) {
        LineSplitter splitter(Lines(*piece.count, isDocument, piece));
        if (!first) splitter.StartMidText();
        if (splitter.Feed(text.substr(piece.begin, piece.end - piece.begin))) splitter.Finish();
    };
    Count(into, scan, idle);
}

void PieceCount::Cut(std::uint64_t size, const std::function<std::uint64_t(std::uint64_t)>& nextLineStart) {
    const auto n = static_cast<std::uint64_t>(PiecesFor(static_cast<std::int64_t>(size)));
    pieces_.clear();
    std::uint64_t begin = 0;
    for (std::uint64_t k = 1; k <= n && begin < size; ++k) {
        const std::uint64_t end =
            k == n ? size : std::min(size, nextLineStart(std::max(size / n * k, begin)));
        if (end > begin) pieces_.push_back(Piece{begin, end, nullptr, -1, false});
        begin = end;
    }
    cut_ = pieces_.size();
}

LineSplitter::LineCallback PieceCount::Lines(TextCount& count, bool isDocument, Piece& piece) {
    piece.done = true;
    return
        [this, &count, isDocument, &piece, lines = 0, reported = std::int64_t{0}](std::string& line) mutable {
            if (++lines == kLinesPerReport) {
                lines = 0;
                bytesDone_ += count.bytesRead() - reported;
                reported = count.bytesRead();
            }
            if (!GoOn()) {
                piece.done = false;
                return false;
            }
            return count.CountFileLine(line, isDocument);
        };
}

void PieceCount::Count(TextCount& into, const ScanPiece& scan, const Idle& idle) {
    bytesDone_ = 0;
    rescanned_ = 0;
    next_ = 0;
    // The counts are made here, on the run's thread, which owns what they
    // are made from. Each piece but the first is scanned as if no comment
    // were open where it begins, which is nearly always so.
    for (size_t i = 0; i < pieces_.size(); ++i)
        NewPieceCount(into, pieces_[i], i == 0 ? into.WithinComment() : -1);
    const auto work = [this, &scan] {
        for (size_t i = next_++; i < pieces_.size() && GoOn(); i = next_++) scan(pieces_[i], i == 0);
    };
    RunThreads(workers_, work, idle);
    Rescan(into, scan, idle);
    if (failure_) std::rethrow_exception(failure_);
    for (const size_t i : KnownPieces(into)) into.TakeCount(*pieces_[i].count);
    pieces_.clear();
}

void PieceCount::NewPieceCount(const TextCount& into, Piece& piece, int within) {
    piece.count = makeCount_();
    piece.count->BeginPieceOf(into, within);
    piece.startedWithin = within;
    piece.done = false;
}

void PieceCount::Rescan(const TextCount& into, const ScanPiece& scan, const Idle& idle) {
    int within = into.WithinComment();
    for (size_t i = 0; i < pieces_.size() && !Stopped(); ++i) {
        Piece& piece = pieces_[i];
        if (piece.startedWithin != within) {
            NewPieceCount(into, piece, within);
            RunThreads(
                1, [&scan, &piece, i] { scan(piece, i == 0); }, idle);
            ++rescanned_;
        }
        within = piece.count->WithinComment();
    }
}

std::vector<size_t> PieceCount::KnownPieces(const TextCount& into) const {
    // Where no comment can begin, every piece starts right; otherwise the
    // state at a piece's start is known only from a piece scanned to its
    // end before it.
    std::vector<size_t> known;
    int within = into.WithinComment();
    for (size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        if (!piece.count) {
            if (into.CommentsPossible()) break;
            continue;
        }
        if (piece.startedWithin != within) break;
        known.push_back(i);
        if (!piece.done && into.CommentsPossible()) break;
        within = piece.count->WithinComment();
    }
    return known;
}

void PieceCount::RunThreads(int threads, const std::function<void()>& task, const Idle& idle) {
    const auto guarded = [this, &task] {
        try {
            task();
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
            hold_ = kStop;
            changed_.notify_all();
        }
        const std::lock_guard lock(mutex_);
        --running_;
        changed_.notify_all();
    };
    std::vector<std::thread> pool;
    {
        const std::lock_guard lock(mutex_);
        running_ = threads;
    }
    try {
        for (int i = 0; i < threads; ++i) pool.emplace_back(guarded);
    } catch (...) {
        // The threads that started are stopped and waited for.
        const std::lock_guard lock(mutex_);
        running_ -= threads - static_cast<int>(pool.size());
        if (!failure_) failure_ = std::current_exception();
        hold_ = kStop;
        changed_.notify_all();
    }
    // A first look at once, then one each time the wait runs out.
    if (idle) idle();
    {
        std::unique_lock lock(mutex_);
        while (!changed_.wait_for(lock, std::chrono::milliseconds(50), [this] { return running_ == 0; })) {
            if (!idle) continue;
            lock.unlock();
            idle();
            lock.lock();
        }
    }
    for (std::thread& thread : pool) thread.join();
}

bool PieceCount::Held() {
    std::unique_lock lock(mutex_);
    ++holding_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return hold_ != kPause; });
    --holding_;
    return hold_ == kRun;
}

void PieceCount::Stop() {
    const std::lock_guard lock(mutex_);
    hold_ = kStop;
    changed_.notify_all();
}

void PieceCount::Pause() {
    std::unique_lock lock(mutex_);
    if (hold_ != kRun) return;
    hold_ = kPause;
    changed_.wait(lock, [this] { return holding_ == running_; });
}

void PieceCount::Resume() {
    const std::lock_guard lock(mutex_);
    if (hold_ == kPause) hold_ = kRun;
    changed_.notify_all();
}

std::int64_t PieceCount::WordsSoFar(const TextCount& into) const {
    const std::unique_ptr<TextCount> all = makeCount_();
    for (const size_t i : KnownPieces(into)) all->AddCount(*pieces_[i].count);
    return all->Table().lngNumWords();
}

}  // namespace lexicount
