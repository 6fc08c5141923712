#include "run/piece_count.h"

#include <algorithm>
#include <thread>

#include "base/checked_file.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "run/idle_wait.h"

namespace lexicount {
namespace {

// Lines between two reports of the bytes counted: the total is shared.
constexpr int kLinesPerReport = 4096;

}  // namespace

PieceCount::PieceCount(int workers, MakeCount makeCount, std::int64_t smallestPiece, int piecesPerWorker)
    : workers_(std::max(1, workers)),
      makeCount_(std::move(makeCount)),
      smallestPiece_(std::max<std::int64_t>(1, smallestPiece)),
      piecesPerWorker_(std::max(1, piecesPerWorker)) {}

std::error_code PieceCount::CountFile(const std::string& path, TextCount& into, const Idle& idle) {
    // One descriptor for every piece: the file read is the file cut, even
    // if its name is given to another meanwhile.
    ReadOnlyFile file;
    if (const std::error_code error = file.Open(path)) return error;
    std::error_code error;
    Cut(file.size(), [&file, &error](std::uint64_t from, std::uint64_t within) {
        return NextLineStart(file, from, within, error);
    });
    if (error) return error;
    std::mutex errorMutex;
    const ScanPiece scan = [this, &file, &error, &errorMutex](Piece& piece) {
        LineSplitter splitter = SplitterFor(piece, false);
        // The last piece is read to the file's end, as one scan reads it.
        const std::uint64_t end = piece.end == file.size() ? kToEnd : piece.end;
        const std::error_code failed = SplitFileRange(file, piece.begin, end, splitter);
        Finished(piece, static_cast<bool>(failed));
        if (!failed) return;
        {
            const std::lock_guard lock(errorMutex);
            if (!error) error = failed;
        }
        Stop();
    };
    Count(into, scan, idle);
    return error;
}

void PieceCount::CountText(std::string_view text, bool isDocument, TextCount& into, const Idle& idle) {
    Cut(text.size(), [text](std::uint64_t from, std::uint64_t within) {
        const size_t limit = static_cast<size_t>(std::min<std::uint64_t>(text.size(), from + within));
        const size_t start = NextLineStart(text, static_cast<size_t>(from), limit);
        return start == std::string_view::npos ? kToEnd : start;
    });
    const ScanPiece scan = [this, text, isDocument](Piece& piece) {
        LineSplitter splitter = SplitterFor(piece, isDocument);
        if (splitter.Feed(text.substr(piece.begin, piece.end - piece.begin))) splitter.Finish();
        Finished(piece, false);
    };
    Count(into, scan, idle);
}

void PieceCount::Cut(std::uint64_t size,
                     const std::function<std::uint64_t(std::uint64_t, std::uint64_t)>& nextLineStart) {
    const auto n = static_cast<std::uint64_t>(std::clamp<std::int64_t>(
        static_cast<std::int64_t>(size) / smallestPiece_, 1, std::int64_t{workers_} * piecesPerWorker_));
    const std::uint64_t length = size / n;
    pieces_.clear();
    std::uint64_t begin = 0;
    for (std::uint64_t k = 1; k <= n && begin < size; ++k) {
        // A line that runs past the next cut as well is left whole: the
        // search looks no further than a piece's length.
        const std::uint64_t end = k == n ? size : nextLineStart(std::max(length * k, begin), length);
        if (end == kToEnd || end <= begin) continue;
        AddPiece(begin, std::min(end, size));
        begin = std::min(end, size);
    }
    if (begin < size) AddPiece(begin, size);
    cut_ = pieces_.size();
}

void PieceCount::AddPiece(std::uint64_t begin, std::uint64_t end) {
    Piece& piece = pieces_.emplace_back();
    piece.begin = begin;
    piece.end = end;
}

LineSplitter PieceCount::SplitterFor(Piece& piece, bool isDocument) {
    LineSplitter splitter([this, &piece, isDocument, lines = 0](std::string& line) mutable {
        if (++lines == kLinesPerReport) {
            lines = 0;
            Report(piece);
        }
        if (!GoOn()) {
            piece.stopped = true;
            return false;
        }
        return piece.count->CountFileLine(line, isDocument);
    });
    // Only the text's start may hold a byte-order mark.
    if (piece.begin > 0) splitter.StartMidText();
    return splitter;
}

void PieceCount::Report(Piece& piece) {
    // A piece scanned again is not reported twice.
    const std::int64_t read = piece.count->bytesRead();
    if (read > piece.reported) bytesDone_ += read - piece.reported;
    piece.reported = std::max(piece.reported, read);
}

void PieceCount::Finished(Piece& piece, bool failed) {
    Report(piece);
    piece.done = !piece.stopped && !failed;
}

void PieceCount::Count(TextCount& into, const ScanPiece& scan, const Idle& idle) {
    hold_ = kRun;
    failure_ = nullptr;
    bytesDone_ = 0;
    rescanned_ = 0;
    next_ = 0;
    // The counts are made here, on the run's thread, which owns what they
    // are made from. Each piece but the first is scanned as if no comment
    // were open where it begins, which is nearly always so.
    for (size_t i = 0; i < pieces_.size(); ++i) {
        NewPieceCount(into, pieces_[i], i == 0 ? into.WithinComment() : -1);
    }
    const auto work = [this, &scan] {
        for (size_t i = next_++; i < pieces_.size() && GoOn(); i = next_++) scan(pieces_[i]);
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
    piece.stopped = false;
    piece.done = false;
}

void PieceCount::Rescan(const TextCount& into, const ScanPiece& scan, const Idle& idle) {
    int within = into.WithinComment();
    for (size_t i = 0; i < pieces_.size() && !Stopped(); ++i) {
        Piece& piece = pieces_[i];
        if (piece.startedWithin != within) {
            NewPieceCount(into, piece, within);
            RunThreads(
                1, [&scan, &piece] { scan(piece); }, idle);
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
        }
        const std::lock_guard lock(mutex_);
        --running_;
        changed_.notify_all();
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(threads));
    {
        const std::lock_guard lock(mutex_);
        running_ = threads;
    }
    for (int i = 0; i < threads; ++i) {
        try {
            pool.emplace_back(guarded);
        } catch (...) {
            // The threads that started share out the pieces between them.
            const std::lock_guard lock(mutex_);
            running_ -= threads - i;
            break;
        }
    }
    if (pool.empty()) {
        {
            const std::lock_guard lock(mutex_);
            running_ = 1;
        }
        guarded();
        return;
    }
    const auto allDone = [this] { return running_ == 0; };
    try {
        if (idle) idle();
        std::unique_lock lock(mutex_);
        WaitCallingIdle(lock, changed_, allDone, idle);
    } catch (...) {
        // No thread may outlive the count, nor wait at a pause for ever.
        Stop();
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, allDone);
        }
        for (std::thread& thread : pool) thread.join();
        throw;
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

bool PieceCount::Pause() {
    std::unique_lock lock(mutex_);
    if (hold_ == kStop) return false;
    hold_ = kPause;
    // A worker in a very long line is not waited for here: the window
    // would freeze. It is asked again at the next idle call.
    return changed_.wait_for(lock, kIdleInterval, [this] { return holding_ == running_; });
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
