#pragma once

// The main window's variables of a counting run: what the last count left
// behind and what the run in progress has decided. Named as the window
// knows them.

#include <cstdint>
#include <memory>
#include <string>

namespace lexicount {

class TextCount;

struct RunState {
    bool blnStop = false;
    bool blnReadingWords = false;
    bool blnWordsGot = false;
    bool blnStartUpCompleted = false;
    bool blnElapsedTimeRunning = false;
    std::int64_t lngSecondsElapsed = 0;
    bool blnPartialCount = false;
    bool blnDisplaySuppressed = false;
    bool blnListShown = false;
    bool blnCommonWordsLoaded = false;
    bool blnInputIsDocx = false;
    bool blnInputIsOdt = false;
    bool blnOutputFileWritten = false;
    int intThresholdFrequency = 2;
    int intMinWidth = 6;
    int intLineEndingType = 0;
    std::int16_t intSuppressWordsSaved = 0;
    std::string strClipboardText;  // Windows-1252
    std::string strCommonWordsFile;
    std::string strWordsToIgnore;  // " w1 w2 " or ""

    // The last count: its table, statistics and total, listed and relisted.
    std::shared_ptr<TextCount> count;
};

// Limits of the main window.
inline constexpr std::int64_t kMaxClipboardChars = 100000;
inline constexpr std::size_t kMaxTextLength = 65000;
inline constexpr int kProgressBarWidth = 37;
inline constexpr std::int64_t kProgressBarThreshold = 10240;
inline constexpr std::int64_t kLargeInputThreshold = 204800;
inline constexpr long kPlainTextCheckChars = 3000;

}  // namespace lexicount
