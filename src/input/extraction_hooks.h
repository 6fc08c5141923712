#pragma once

// How the window follows and stops the extraction of a document's text, and
// what the extraction hands back. The defaults do nothing, which is all the
// command-line tool needs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/dialogs.h"

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

// The text a document hands back: folded into Windows-1252 for the Western
// text model, or the UTF-8 it is written in for the Unicode one.
enum class DocumentEncoding { Cp1252, Utf8 };

// Sizes of a document's XML member and of the text taken out of it.
struct DocumentLimits {
    std::uint64_t large = 10485760;  // above this the user is asked before scanning
    std::uint64_t max = 20971520;    // above this the document is refused
};

// The text of a document as the file scan reads it: Windows-1252 bytes,
// lines ending in CR LF (the last one possibly without). Its length is the
// size the scan measures progress against.
struct DocumentText {
    std::string text;
    bool stopped = false;  // the user stopped the extraction; the text is incomplete
    // The text grew past its maximum and the extraction gave up; the text is
    // empty. A little markup can stand for far more text than itself.
    bool tooLarge = false;
};

// Shared by the docx and odt extraction: the stop check with its question
// and the progress display for large members.
class ExtractionProgress {
public:
    static constexpr int kBarWidth = 37;

    ExtractionProgress(std::size_t xmlLength, ExtractionHooks& hooks, Dialogs& dialogs,
                       DocumentEncoding encoding = DocumentEncoding::Cp1252);
    // The character data of a piece or paragraph in the encoding asked for.
    void Encode(std::string& text) const;
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
    DocumentEncoding encoding_;
    int lastBar_ = -1;
};

// "[--->    ]": filled of kBarWidth places done.
std::string ExtractionBarCaption(int filled);

}  // namespace lexicount
