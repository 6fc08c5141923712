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

#include "base/dialogs.h"
#include "input/docx_reader.h"
#include "input/line_splitter.h"
#include "input/text_file_check.h"
#include "run/text_count.h"

namespace lexicount {

// One file, as the count reads it: checked by the run's thread, or a
// plain-text file the worker checks itself (checkHere), once the answer to
// its questions is known.
struct FileJob {
    std::string path;
    size_t index = 0;  // its place in the list of files
    bool checkHere = false;
    bool utf8Answer = false;  // with checkHere: the answer to the encoding question
    std::string extension;    // picks the comment and markup style
    int lineEndingType = 1;
    bool utf8 = false;
    bool document = false;
    DocumentKind kind = DocumentKind::Docx;
    std::string xml;         // a document's member, read when it was checked
    std::int16_t utf16 = 0;  // kHeaderNone, kHeaderUtf16Le or kHeaderUtf16Be
    std::int64_t size = 0;   // bytes, for the progress
};

// What a worker has to tell about a file.
struct FileNote {
    size_t index = 0;
    std::string path;
    bool refused = false;
    std::string reason;             // why a file checked earlier could not be read
    std::vector<MessageBox> boxes;  // what its check would have shown, alone
    bool crOnly = false;            // counted; the notice about CR-only line ends is due
};

class ParallelCount {
public:
    // makeCount gives each worker its count (the settings and lists of the
    // run); workers: at least one. rules: for the files a worker checks.
    ParallelCount(int workers, std::function<std::unique_ptr<TextCount>()> makeCount, TextFileRules rules);
    ~ParallelCount();
    ParallelCount(const ParallelCount&) = delete;
    ParallelCount& operator=(const ParallelCount&) = delete;

    // Called on the run's thread about twenty times a second while it waits.
    using Idle = std::function<void()>;

    // Queues a file; waits while many files, or documents of many bytes,
    // wait already, so that what is read ahead stays small.
    void Add(FileJob job, const Idle& idle = {});
    // Asks the workers to stop after the lines they are reading.
    void Stop();
    // Waits for the workers and merges their counts into `into`; a
    // worker's failure is thrown here.
    void FinishInto(TextCount& into, const Idle& idle = {});
    // Progress, read while the workers count.
    size_t FilesDone() const { return filesDone_; }
    std::int64_t BytesDone() const { return bytesDone_; }
    // What the workers have to tell, in the order of the list (after
    // FinishInto).
    const std::vector<FileNote>& Notes() const { return notes_; }

private:
    void Work(TextCount& count);
    void WorkOn(TextCount& count);
    // Each returns the bytes it read.
    std::int64_t CountFile(TextCount& count, const FileJob& job);
    std::int64_t CheckAndCount(TextCount& count, const FileJob& job, LineSplitter& splitter);
    std::int64_t CountDocument(TextCount& count, const FileJob& job, LineSplitter& splitter);
    void Note(FileNote note);

    std::vector<std::unique_ptr<TextCount>> counts_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable notEmpty_;  // workers wait for a file
    std::condition_variable notFull_;   // the run's thread waits for room
    std::condition_variable allDone_;   // the run's thread waits for the workers
    size_t working_ = 0;
    size_t idleWorkers_ = 0;
    std::deque<FileJob> queue_;
    size_t capacity_;
    size_t queuedBytes_ = 0;  // of the documents waiting
    bool closed_ = false;
    // Read by the workers for every line: on a cache line of its own, which
    // no other thread writes to while the files are counted.
    alignas(64) std::atomic<bool> stop_ = false;
    alignas(64) std::atomic<size_t> filesDone_ = 0;
    std::atomic<std::int64_t> bytesDone_ = 0;
    TextFileRules rules_;
    std::vector<FileNote> notes_;
    // The first failure of a worker (out of memory, say), rethrown on the
    // run's thread by FinishInto.
    std::exception_ptr failure_;
};

}  // namespace lexicount
