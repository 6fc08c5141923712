#include "input/extraction_hooks.h"

#include "input/xml_text.h"

#include <cstdint>

namespace lexicount {
namespace {

// Member sizes above which the window shows pieces and the bar; smaller
// members are done before anyone could read them.
constexpr std::size_t kShowPiecesAbove = 1024000;
constexpr std::size_t kShowBarAbove = 1000000;
constexpr std::size_t kPieceEvery = 20;
constexpr std::size_t kClearEvery = 400;
constexpr long kConfirmStopAfterSeconds = 9;

// position * width / length, rounded half to even.
int BarPosition(std::size_t position, std::size_t length) {
    const std::uint64_t scaled = static_cast<std::uint64_t>(position) * ExtractionProgress::kBarWidth;
    std::uint64_t q = scaled / length;
    const std::uint64_t twiceRest = 2 * (scaled % length);
    if (twiceRest > length || (twiceRest == length && q % 2 == 1)) ++q;
    return static_cast<int>(q);
}

}  // namespace

std::string ExtractionBarCaption(int filled) {
    constexpr int width = ExtractionProgress::kBarWidth;
    std::string caption = "[";
    if (filled < 1) {
        caption += '>';
        caption.append(width, ' ');
    } else {
        caption.append(static_cast<std::size_t>(filled - 1), '-');
        caption += '>';
        caption.append(static_cast<std::size_t>(width - filled), ' ');
    }
    caption += ']';
    return caption;
}

ExtractionProgress::ExtractionProgress(std::size_t xmlLength, ExtractionHooks& hooks, Dialogs& dialogs,
                                       DocumentEncoding encoding)
    : length_(xmlLength), hooks_(hooks), dialogs_(dialogs), encoding_(encoding) {}

void ExtractionProgress::Encode(std::string& text) const {
    // UTF-8 is kept as it is: the Unicode scan repairs what is not valid.
    if (encoding_ == DocumentEncoding::Cp1252) FoldUtf8Text(text);
}

bool ExtractionProgress::GoOn() {
    if (!hooks_.StopRequested()) return true;
    if (hooks_.SecondsElapsed() <= kConfirmStopAfterSeconds) return false;
    MessageBox box;
    box.title = "Stop";
    box.text = "Many different words have been found.\r\nDo you really wish to stop?";
    box.buttons = Buttons::YesNo;
    if (dialogs_.Show(box) == Answer::Yes) return false;
    hooks_.StopWithdrawn();
    return true;
}

void ExtractionProgress::PieceStored(std::string_view piece, std::size_t count, std::size_t position) {
    if (length_ > kShowPiecesAbove && !piece.empty() && count % kPieceEvery == 0) {
        std::string line(piece);
        line += "\r\n";
        hooks_.ShowPiece(line, count % kClearEvery == 0);
    }
    if (length_ > kShowBarAbove) {
        const int bar = BarPosition(position, length_);
        if (bar != lastBar_) {  // the caption only changes with the bar
            lastBar_ = bar;
            hooks_.ShowProgressBar(ExtractionBarCaption(bar));
        }
    }
}

}  // namespace lexicount
