#include <new>

#include "input/file_helpers.h"
#include "run/main_controller.h"
#include "run/run_error.h"
#include "run/text_count.h"
#include "words/cp1252.h"
#include "words/number_format.h"
#include "words/unicode_text.h"

namespace lexicount {
namespace {

// Clipboard text in the text model; a character without a Windows-1252
// code becomes "?", never a word character.
std::string Cp1252FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;
            out += '?';
            continue;
        }
        const int byte = Cp1252FromCodePoint(c);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

}  // namespace

bool IsPlainText(std::u16string_view text, long maxChars, bool blnAllowLayoutChars, bool wholeUnits) {
    if (text.empty()) return true;
    const size_t k = maxChars > 0 && static_cast<size_t>(maxChars) < text.size()
                         ? static_cast<size_t>(maxChars)
                         : text.size();
    for (size_t i = 0; i < k; ++i) {
        const unsigned unit = text[i];
        const unsigned low = unit & 0xFFu;
        // Whole code units: only the control characters themselves (C0 and C1).
        if (wholeUnits ? unit >= 32 && (unit < 0x7F || unit >= 0xA0) : low >= 32) continue;
        if (!blnAllowLayoutChars) return false;
        if (low != 9 && low != 10 && low != 12 && low != 13) return false;
    }
    return true;
}

void MainController::ShowClipboardSize() {
    const std::optional<std::u16string> text = view_.ClipboardText();
    view_.SetLabel(
        StatusLabel::lblSizeOfClipboardContents,
        text ? FormatByteCount(static_cast<double>(text->size()), false) + " on the clipboard." : "");
}

bool MainController::FetchClipboardText(bool blnShowInTextbox) {
    TextBox& box = view_.OutputBox();
    box.SetText("");
    std::optional<std::u16string> text = view_.ClipboardText();
    if (!text || text->empty()) {
        view_.SetLabel(StatusLabel::lblSizeOfClipboardContents, "");
        view_.Show(MessageBox{"Clipboard empty", "Clipboard is empty.", Icon::None, Buttons::Ok, 0});
        return false;
    }
    const auto n = static_cast<std::int64_t>(text->size());
    view_.SetLabel(StatusLabel::lblSizeOfClipboardContents,
                   FormatByteCount(static_cast<double>(n), false) + " on the clipboard.");
    if (n > kMaxClipboardChars) {
        view_.Show(
            MessageBox{"Too much clipboard text",
                       "There are " + FormatGrouped(n) + " characters in the text on the clipboard.\r\n" +
                           "The maximum permitted is " + FormatGrouped(kMaxClipboardChars) +
                           ".  If possible,\r\ncount word frequencies for this text using an input file.",
                       Icon::None, Buttons::Ok, 0});
        return false;
    }
    // Words in any script take the clipboard's text as it is, in UTF-8.
    const bool unicode = IsOn(settings_.chkUnicodeWords);
    state_.strClipboardText = unicode ? Utf8FromUtf16(*text) : Cp1252FromUtf16(*text);
    clipboardRaw_ = std::move(*text);
    if (blnShowInTextbox) {
        try {
            box.SetUtf8(unicode);
            box.SetText(state_.strClipboardText);
        } catch (const std::bad_alloc&) {
            // The text is kept for counting even when the box cannot show it.
            std::string message = "There is too much text on the clipboard to paste into the textbox.";
            if (n < kMaxClipboardChars)
                message += "\r\nIt may, however, still be possible to count word frequencies.";
            ShowWarning(Text(34), message);
        }
        state_.blnListShown = false;
    }
    ConcealNumWords(true);
    state_.blnWordsGot = false;
    state_.blnListShown = false;
    view_.SetTheFocus();
    return true;
}

bool MainController::DoItFromClipboard() {
    if (!IsPlainText(clipboardRaw_, kPlainTextCheckChars, true, IsOn(settings_.chkUnicodeWords))) {
        ShowWarning("Invalid input",
                    "The text on the clipboard does not consist\r\nsolely of natural language words.");
        return false;
    }
    countedInputFile_.clear();
    state_.intSuppressWordsSaved = settings_.chkSuppressWords;
    scanHooks_ = std::make_unique<ScanHooks>(context_, 0);
    try {
        cmdClearOutput_Click();
        NewCount(*scanHooks_);
        state_.count->BeginClipboard();
        state_.blnStop = false;
        view_.SetCountButtonCaption(busyCaption_);
        view_.EnableControls(false);
        cmdClearOutput_Click();
        state_.count->CountClipboardText(state_.strClipboardText);
    } catch (const std::bad_alloc&) {
        view_.SetLabel(StatusLabel::lblTwirler, " ");
        ReportError(kErrOutOfMemory, "Out of memory", "DoItFromClipboard");
    }
    scanHooks_->Flush();
    if (settings_.chkSuppressWords != state_.intSuppressWordsSaved) {
        settings_.chkSuppressWords = state_.intSuppressWordsSaved;
        view_.SettingsChanged();
    }
    view_.SetTheFocus();
    return state_.count != nullptr;
}

}  // namespace lexicount
