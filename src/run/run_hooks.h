#pragma once

// How a scan started by the main window talks back to it: yields, the stop
// request, the words shown as they are found, the progress bar, and the
// running count while common words are read.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/run_state.h"
#include "base/settings_record.h"
#include "input/extraction_hooks.h"
#include "run/main_view.h"
#include "run/text_count.h"

namespace lexicount {

// What every hook of the window needs to see.
struct RunContext {
    MainView& view;
    SettingsRecord& settings;
    RunState& state;
    const bool& quitRequested;
    const std::string& busyCaption;  // program text 74

    bool StopRequested() const { return state.blnStop || quitRequested; }
};

class ScanHooks : public FileScanHooks {
public:
    // size: the bytes the progress bar measures against; 0 for no bar.
    ScanHooks(RunContext& context, std::int64_t progressSize);

    void Yield() override;
    bool StopRequested() const override { return context_.StopRequested(); }
    void NewWord(std::string_view word, std::int64_t lngNumWords) override;
    void LineYield() override;
    void LineRead(std::int64_t bytesRead) override;
    bool ConfirmStop(std::int64_t lngNumWords) override;
    void ClearStop() override { context_.state.blnStop = false; }

    void SetProgressSize(std::int64_t size) { progressSize_ = size; }
    // Puts the words found since the last flush into the text box.
    void Flush();

private:
    void FlushNowAndThen();

    RunContext& context_;
    std::int64_t progressSize_;
    std::int64_t lastBar_ = -1;
    std::int64_t nextBarCheck_ = 0;
    std::string pending_;  // words found and not yet shown
    bool replaceText_ = false;
    size_t boxLength_ = 0;
    bool numberShown_ = false;
    std::chrono::steady_clock::time_point lastFlush_;
};

// A document's text being gathered: the stop, the elapsed time, the pieces
// shown as they come, and the extraction's progress bar.
class DocumentHooks : public ExtractionHooks {
public:
    explicit DocumentHooks(RunContext& context) : context_(context) {}
    bool StopRequested() override;
    long SecondsElapsed() override { return static_cast<long>(context_.state.lngSecondsElapsed); }
    void StopWithdrawn() override;
    void ShowPiece(std::string_view text, bool clearFirst) override;
    void ShowProgressBar(std::string_view caption) override;

private:
    RunContext& context_;
};

// Reading the common-words file: the number read so far every ten words.
class ReadingHooks : public CountHooks {
public:
    explicit ReadingHooks(RunContext& context);
    void Yield() override { context_.view.Yield(); }
    bool StopRequested() const override { return context_.StopRequested(); }
    void NewWord(std::string_view word, std::int64_t lngNumWords) override;

private:
    RunContext& context_;
};

// The progress bar filled to p of width places.
std::string ProgressBarCaption(std::int64_t p, int width);
// Places of the bar for bytesRead of size, rounded half to even.
std::int64_t ProgressBarPlaces(std::int64_t bytesRead, std::int64_t size, int width);

}  // namespace lexicount
