#pragma once

// How the window follows and stops the extraction of a document's text, and
// what the extraction hands back. The defaults do nothing, which is all the
// command-line tool needs.

#include <cstddef>
#include <string>
#include <string_view>

#include "run/dialogs.h"

namespace lexicount {

class ExtractionHooks {
public:
    virtual ~ExtractionHooks() = default;
    // The user's stop request of the run, polled before every element.
    virtual bool StopRequested() { return false; }
    // Whole seconds the run has taken so far.
    virtual long SecondsElapsed() { return 0; }
    // The user answered No to the stop question: forget the request and
    // restart the elapsed-time display.
    virtual void StopWithdrawn() {}
    // Windows-1252 text to append to the text box, emptying it first when
    // clearFirst is set.
    virtual void ShowPiece(std::string_view /*text*/, bool /*clearFirst*/) {}
    // New caption of the progress bar.
    virtual void ShowProgressBar(std::string_view /*caption*/) {}
};

// The text of a document as the file scan reads it: Windows-1252 bytes,
// lines ending in CR LF (the last one possibly without). Its length is the
// size the scan measures progress against.
struct DocumentText {
    std::string text;
    bool stopped = false;  // the user stopped the extraction; the text is incomplete
};

// Shared by the docx and odt extraction: the stop check with its question
// and the progress display for large members.
class ExtractionProgress {
public:
    static constexpr int kBarWidth = 37;

    ExtractionProgress(std::size_t xmlLength, ExtractionHooks& hooks, Dialogs& dialogs);
    // Before each element: false when the user stops. After more than nine
    // seconds the stop must be confirmed; a No lets the extraction go on.
    bool GoOn();
    // After each stored piece: count is the number of pieces so far,
    // position where the search for this piece began.
    void PieceStored(std::string_view piece, std::size_t count, std::size_t position);

private:
    std::size_t length_;
    ExtractionHooks& hooks_;
    Dialogs& dialogs_;
    int lastBar_ = -1;
};

// "[--->    ]": filled of kBarWidth places done.
std::string ExtractionBarCaption(int filled);

}  // namespace lexicount
