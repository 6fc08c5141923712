#include "run/run_hooks.h"

#include <cmath>

#include "words/number_format.h"

namespace lexicount {
namespace {

// Long enough that a fast scan does not rewrite the box for every word,
// short enough that the words appear to come as they are found.
constexpr auto kFlushInterval = std::chrono::milliseconds(30);
constexpr size_t kDisplayLimit = kMaxTextLength - 100;
constexpr std::string_view kSuppressingNotice =
    "\r\n\r\n[Suppressing display of words to avoid buffer overflow.]";

}  // namespace

std::string ProgressBarCaption(std::int64_t p, int width) {
    if (p <= 0) return "[>" + std::string(static_cast<size_t>(width), ' ') + "]";
    // Appended in place: GCC 12 at -O3 takes `"[" + std::string(n, '-')` for
    // an overlapping copy (a false -Wrestrict).
    std::string caption = "[";
    caption.append(static_cast<size_t>(p - 1), '-');
    caption += '>';
    if (p <= width) caption += std::string(static_cast<size_t>(width - p), ' ');
    return caption + "]";
}

std::int64_t ProgressBarPlaces(std::int64_t bytesRead, std::int64_t size, int width) {
    if (size <= 0) return 0;
    return static_cast<std::int64_t>(std::nearbyint(
        static_cast<double>(width) * static_cast<double>(bytesRead) / static_cast<double>(size)));
}

ScanHooks::ScanHooks(RunContext& context, std::int64_t progressSize)
    : context_(context), progressSize_(progressSize), lastFlush_(std::chrono::steady_clock::now()) {
    yields = context.state.blnStartUpCompleted;
    wordsPerYield = context.view.WordsPerYield();
    linesPerYield = context.view.LinesPerYield();
    reportsNewWords = true;
    boxLength_ = context.view.OutputBox().Length();
}

void ScanHooks::Yield() {
    FlushNowAndThen();
    context_.view.Yield();
}

void ScanHooks::LineYield() {
    FlushNowAndThen();
    context_.view.Yield();
}

void ScanHooks::LineRead(std::int64_t bytesRead) {
    // The bar changes 37 times in a file of many lines: nothing is worked
    // out until the bytes read come near its next step.
    if (progressSize_ <= kProgressBarThreshold || bytesRead < nextBarCheck_) return;
    const std::int64_t places = ProgressBarPlaces(bytesRead, progressSize_, kProgressBarWidth);
    nextBarCheck_ = static_cast<std::int64_t>((static_cast<double>(places) + 0.5) *
                                              static_cast<double>(progressSize_) / kProgressBarWidth) -
                    1;
    if (places == lastBar_) return;
    lastBar_ = places;
    context_.view.SetLabel(StatusLabel::lblTotalNumOccurrences,
                           ProgressBarCaption(places, kProgressBarWidth));
}

bool ScanHooks::ConfirmStop(std::int64_t lngNumWords) {
    if (context_.quitRequested) return true;
    Flush();
    MessageBox box;
    box.title = context_.busyCaption;
    box.text =
        FormatClassic(lngNumWords) + " different words have been found.\r\nDo you really wish to stop?";
    box.buttons = Buttons::YesNo;
    return context_.view.Show(box) == Answer::Yes;
}

void ScanHooks::NewWord(std::string_view word, std::int64_t lngNumWords) {
    if (lngNumWords % 10 == 0 && !numberShown_) {
        context_.view.ShowLabel(StatusLabel::lblNumberOfWords, true);
        numberShown_ = true;
    }
    // Read live: the user may switch the display while the scan runs.
    if (context_.settings.chkSuppressWords != 0) return;
    if (lngNumWords == 1) {
        // The first word replaces whatever the box held.
        pending_.assign(word);
        pending_ += ' ';
        replaceText_ = true;
        boxLength_ = 0;
        return;
    }
    if (boxLength_ + pending_.size() > kDisplayLimit) {
        if (!context_.state.blnDisplaySuppressed) {
            Flush();
            context_.view.OutputBox().Append(kSuppressingNotice);
            context_.view.OutputBox().SetCaret(TextBox::kEnd);
        }
        context_.state.blnDisplaySuppressed = true;
        context_.settings.chkSuppressWords = 1;
        context_.view.SettingsChanged();
        return;
    }
    pending_ += word;
    pending_ += ' ';
}

void ScanHooks::FlushNowAndThen() {
    if (pending_.empty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastFlush_ < kFlushInterval) return;
    lastFlush_ = now;
    Flush();
}

void ScanHooks::Flush() {
    if (pending_.empty()) return;
    TextBox& box = context_.view.OutputBox();
    if (replaceText_) {
        box.SetText(pending_);
    } else {
        box.Append(pending_);
    }
    box.SetCaret(TextBox::kEnd);
    replaceText_ = false;
    pending_.clear();
    boxLength_ = box.Length();
}

bool DocumentHooks::StopRequested() {
    context_.view.Yield();
    return context_.StopRequested();
}

void DocumentHooks::StopWithdrawn() {
    context_.state.blnStop = false;
    context_.state.blnElapsedTimeRunning = true;
    context_.view.SetTimerRunning(true);
}

void DocumentHooks::ShowPiece(std::string_view text, bool clearFirst) {
    if (context_.settings.chkSuppressWords != 0) return;
    TextBox& box = context_.view.OutputBox();
    if (clearFirst) box.SetText("");
    if (box.Length() + text.size() > kDisplayLimit) return;
    box.Append(text);
}

void DocumentHooks::ShowProgressBar(std::string_view caption) {
    context_.view.SetLabel(StatusLabel::lblTotalNumOccurrences, std::string(caption));
}

ReadingHooks::ReadingHooks(RunContext& context) : context_(context) {
    yields = context.state.blnStartUpCompleted;
    reportsNewWords = true;
}

void ReadingHooks::NewWord(std::string_view /*word*/, std::int64_t lngNumWords) {
    if (lngNumWords % 10 != 0) return;
    context_.view.SetLabel(StatusLabel::lblNumberOfWords,
                           "Number of common words read so far: " + std::to_string(lngNumWords));
    context_.view.ShowLabel(StatusLabel::lblNumberOfWords, true);
}

}  // namespace lexicount
