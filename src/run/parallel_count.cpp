#include "run/parallel_count.h"

#include "input/file_lines.h"
#include "input/line_splitter.h"

namespace lexicount {

namespace {

constexpr size_t kMaxQueuedBytes = 64 << 20;

}  // namespace

ParallelCount::ParallelCount(int workers, std::function<std::unique_ptr<TextCount>()> makeCount)
    : capacity_(64 * static_cast<size_t>(std::max(1, workers))) {
    for (int i = 0; i < std::max(1, workers); ++i) counts_.push_back(makeCount());
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

void ParallelCount::Add(FileJob job) {
    std::unique_lock lock(mutex_);
    notFull_.wait(lock, [this] {
        return (queue_.size() < capacity_ && queuedBytes_ < kMaxQueuedBytes) || queue_.empty() || stop_;
    });
    if (stop_) return;
    queuedBytes_ += job.xml.size();
    queue_.push_back(std::move(job));
    notEmpty_.notify_one();
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

void ParallelCount::FinishInto(TextCount& into) {
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        notEmpty_.notify_all();
    }
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
    if (failure_) std::rethrow_exception(failure_);
    for (const auto& count : counts_) into.AddCount(*count);
}

void ParallelCount::Work(TextCount& count) {
    while (true) {
        FileJob job;
        {
            std::unique_lock lock(mutex_);
            notEmpty_.wait(lock, [this] { return !queue_.empty() || closed_; });
            if (queue_.empty()) return;
            job = std::move(queue_.front());
            queue_.pop_front();
            queuedBytes_ -= job.xml.size();
            notFull_.notify_one();
        }
        try {
            CountFile(count, job);
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

void ParallelCount::CountFile(TextCount& count, const FileJob& job) {
    count.BeginFile(job.extension, job.lineEndingType, job.utf8);
    const auto line = [this, &count, isDocument = job.document](std::string& text) {
        if (stop_) return false;  // read without the lock: a late stop costs a line
        return count.CountFileLine(text, isDocument);
    };
    LineSplitter splitter(line);
    if (!job.document) {
        const std::error_code error = SplitTextFile(job.path, job.utf16, splitter);
        if (error) Refuse(job.path, "read only in part: " + error.message());
        return;
    }
    // The document's questions were asked when it was checked.
    ExtractionHooks quiet;
    DefaultAnswers noQuestions;
    const DocumentText text =
        GetLineFromXMLFile(job.xml, job.kind, quiet, noQuestions, {}, count.DocumentTextEncoding());
    const long checked = CheckDocumentText(job.path, job.xml.size(), text, false, noQuestions);
    if (checked < 0) {
        Refuse(job.path, ExtractionFailureText(checked, job.path));
        return;
    }
    if (splitter.Feed(text.text)) splitter.Finish();
}

void ParallelCount::Refuse(const std::string& path, std::string reason) {
    const std::lock_guard lock(mutex_);
    refused_.emplace_back(path, std::move(reason));
}

}  // namespace lexicount
