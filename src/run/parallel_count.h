#pragma once

// Many files counted on several cores: the window's thread checks each file
// (its questions are asked there) and hands it on; workers count the files,
// each into a count of its own; the counts are merged at the end. Merged,
// the result equals counting the files one after another: every file
// starts with a fresh comment state either way, and the table is put in
// order by word before it is listed, whatever order the words came in.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "input/docx_reader.h"
#include "run/text_count.h"

namespace lexicount {

// One checked file, as the count reads it.
struct FileJob {
    std::string path;
    std::string extension;  // picks the comment and markup style
    int lineEndingType = 1;
    bool utf8 = false;
    bool document = false;
    DocumentKind kind = DocumentKind::Docx;
    std::string xml;         // a document's member, read when it was checked
    std::int16_t utf16 = 0;  // kHeaderNone, kHeaderUtf16Le or kHeaderUtf16Be
};

class ParallelCount {
public:
    // makeCount gives each worker its count (the settings and lists of the
    // run); workers: at least one.
    ParallelCount(int workers, std::function<std::unique_ptr<TextCount>()> makeCount);
    ~ParallelCount();
    ParallelCount(const ParallelCount&) = delete;
    ParallelCount& operator=(const ParallelCount&) = delete;

    // Queues a file; waits while many files, or documents of many bytes,
    // wait already, so that what is read ahead stays small.
    void Add(FileJob job);
    // Asks the workers to stop after the lines they are reading.
    void Stop();
    // Waits for the workers and merges their counts into `into`; a
    // worker's failure is thrown here.
    void FinishInto(TextCount& into);
    // Files a worker could not count, with why (after FinishInto).
    const std::vector<std::pair<std::string, std::string>>& Refused() const { return refused_; }

private:
    void Work(TextCount& count);
    void CountFile(TextCount& count, const FileJob& job);
    void Refuse(const std::string& path, std::string reason);

    std::vector<std::unique_ptr<TextCount>> counts_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable notEmpty_;  // workers wait for a file
    std::condition_variable notFull_;   // the run's thread waits for room
    std::deque<FileJob> queue_;
    size_t capacity_;
    size_t queuedBytes_ = 0;  // of the documents waiting
    bool closed_ = false;
    std::atomic<bool> stop_ = false;
    std::vector<std::pair<std::string, std::string>> refused_;
    // The first failure of a worker (out of memory, say), rethrown on the
    // run's thread by FinishInto.
    std::exception_ptr failure_;
};

}  // namespace lexicount
