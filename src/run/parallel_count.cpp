#include "run/parallel_count.h"

#include <algorithm>

#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "run/idle_wait.h"

namespace lexicount {

namespace {

constexpr size_t kMaxQueuedBytes = 64 << 20;

}  // namespace

ParallelCount::ParallelCount(int workers, std::function<std::unique_ptr<TextCount>()> makeCount,
                             TextFileRules rules)
    : capacity_(64 * static_cast<size_t>(std::max(1, workers))), rules_(rules) {
    for (int i = 0; i < std::max(1, workers); ++i) counts_.push_back(makeCount());
    working_ = counts_.size();
    try {
        for (const auto& count : counts_) threads_.emplace_back([this, &count] { Work(*count); });
    } catch (...) {
        // No thread may be left running when the constructor gives up.
        Stop();
        for (std::thread& thread : threads_) thread.join();
        throw;
    }
}

ParallelCount::~ParallelCount() {
    Stop();
    for (std::thread& thread : threads_) {
        if (thread.joinable()) thread.join();
    }
}

void ParallelCount::Add(FileJob job, const Idle& idle) {
    std::unique_lock lock(mutex_);
    WaitCallingIdle(
        lock, notFull_,
        [this] {
            return (queue_.size() < capacity_ && queuedBytes_ < kMaxQueuedBytes) || queue_.empty() || stop_;
        },
        idle);
    if (stop_) return;
    queuedBytes_ += job.xml.size();
    queue_.push_back(std::move(job));
    // A busy worker takes the next file without being woken: on a loaded
    // machine each wake-up costs a switch of threads.
    if (idleWorkers_ > 0) notEmpty_.notify_one();
}

void ParallelCount::Stop() {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    closed_ = true;
    queue_.clear();
    queuedBytes_ = 0;
    notEmpty_.notify_all();
    notFull_.notify_all();
}

void ParallelCount::FinishInto(TextCount& into, const Idle& idle) {
    {
        std::unique_lock lock(mutex_);
        closed_ = true;
        notEmpty_.notify_all();
        WaitCallingIdle(
            lock, allDone_, [this] { return working_ == 0; }, idle);
    }
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
    if (failure_) std::rethrow_exception(failure_);
    std::sort(notes_.begin(), notes_.end(),
              [](const FileNote& a, const FileNote& b) { return a.index < b.index; });
    for (const auto& count : counts_) into.TakeCount(*count);
}

void ParallelCount::Work(TextCount& count) {
    WorkOn(count);
    const std::lock_guard lock(mutex_);
    --working_;
    allDone_.notify_all();
}

void ParallelCount::WorkOn(TextCount& count) {
    while (true) {
        FileJob job;
        {
            std::unique_lock lock(mutex_);
            ++idleWorkers_;
            notEmpty_.wait(lock, [this] { return !queue_.empty() || closed_; });
            --idleWorkers_;
            if (queue_.empty()) return;
            job = std::move(queue_.front());
            queue_.pop_front();
            queuedBytes_ -= job.xml.size();
            // The run's thread is woken when half the queue is free, not for
            // every file taken.
            if (queue_.size() <= capacity_ / 2 && queuedBytes_ < kMaxQueuedBytes / 2) notFull_.notify_one();
        }
        try {
            count.OpenFile(static_cast<std::uint32_t>(job.index));
            bytesDone_ += CountFile(count, job);
            count.CloseFile();
            ++filesDone_;
        } catch (...) {
            {
                const std::lock_guard lock(mutex_);
                if (!failure_) failure_ = std::current_exception();
            }
            Stop();
            return;
        }
    }
}

std::int64_t ParallelCount::CountFile(TextCount& count, const FileJob& job) {
    const auto line = [this, &count, isDocument = job.document](std::string& text) {
        if (stop_) return false;  // read without the lock: a late stop costs a line
        return count.CountFileLine(text, isDocument);
    };
    LineSplitter splitter(line);
    if (job.checkHere) return CheckAndCount(count, job, splitter);
    count.BeginFile(job.extension, job.lineEndingType, job.utf8);
    if (job.document) return CountDocument(count, job, splitter);
    if (const std::error_code error = SplitTextFile(job.path, job.utf16, splitter)) {
        Note(FileNote{job.index, job.path, true, "read only in part: " + error.message(), {}, false});
    }
    return job.size;
}

std::int64_t ParallelCount::CheckAndCount(TextCount& count, const FileJob& job, LineSplitter& splitter) {
    ReadOnlyFile file;
    TextFileRules rules = rules_;
    rules.utf8Answer = job.utf8Answer;
    TextFileCheck check = CheckTextFile(job.path, rules, file);
    if (!check.ok) {
        Note(FileNote{job.index, job.path, true, "", std::move(check.boxes), false});
        return 0;
    }
    if (check.crOnly) Note(FileNote{job.index, job.path, false, "", {}, true});
    count.BeginFile(job.extension, check.lineEndingType, check.utf8);
    const std::error_code error = check.utf16 != kHeaderNone
                                      ? SplitTextFile(job.path, check.utf16, splitter)
                                      : SplitRestOfFile(file, check.Leading(), splitter);
    if (error) Note(FileNote{job.index, job.path, true, "read only in part: " + error.message(), {}, false});
    return static_cast<std::int64_t>(file.size());
}

std::int64_t ParallelCount::CountDocument(TextCount& count, const FileJob& job, LineSplitter& splitter) {
    // The document's questions were asked when it was checked.
    ExtractionHooks quiet;
    DefaultAnswers noQuestions;
    const DocumentText text =
        GetLineFromXMLFile(job.xml, job.kind, quiet, noQuestions, {}, count.DocumentTextEncoding());
    const long checked = CheckDocumentText(job.path, job.xml.size(), text, false, noQuestions);
    if (checked < 0) {
        Note(FileNote{job.index, job.path, true, ExtractionFailureText(checked, job.path), {}, false});
        return 0;
    }
    if (splitter.Feed(text.text)) splitter.Finish();
    return job.size;
}

void ParallelCount::Note(FileNote note) {
    const std::lock_guard lock(mutex_);
    notes_.push_back(std::move(note));
}

}  // namespace lexicount
