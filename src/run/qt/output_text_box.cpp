#include "run/qt/output_text_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

#include "qt/qt_text.h"

namespace lexicount {

namespace {

// Widget position of a position in CR LF text: each CR LF before it is one
// character in the widget.
int WidgetPosition(const std::string& text, size_t position) {
    const size_t end = std::min(position, text.size());
    size_t pairs = 0;
    for (size_t i = 0; i + 1 < end; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') ++pairs;
    }
    return static_cast<int>(end - pairs);
}

}  // namespace

OutputTextBox::OutputTextBox(QPlainTextEdit& widget) : QObject(&widget), widget_(widget) {
    connect(&widget_, &QPlainTextEdit::textChanged, this, &OutputTextBox::TakeUserEdit);
}

QString OutputTextBox::Display(std::string_view text) const {
    return utf8_ ? QStringFromUtf8(text) : QStringFromCp1252(text);
}

void OutputTextBox::SetText(std::string text) {
    text_ = std::move(text);
    pending_.clear();
    writing_ = true;
    widget_.setPlainText(Display(DisplayLineBreaks(text_)));
    writing_ = false;
    widgetEndsWithCr_ = !text_.empty() && text_.back() == '\r';
}

void OutputTextBox::Append(std::string_view text) {
    if (text.empty()) return;
    text_.append(text);
    pending_.append(text);
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &OutputTextBox::Flush);
    }
}

void OutputTextBox::Flush() {
    flushScheduled_ = false;
    if (pending_.empty()) return;
    std::string_view chunk = pending_;
    if (widgetEndsWithCr_ && chunk.front() == '\n') chunk.remove_prefix(1);
    widgetEndsWithCr_ = pending_.back() == '\r';
    const QString display = Display(DisplayLineBreaks(chunk));
    pending_.clear();
    if (display.isEmpty()) return;
    writing_ = true;
    QTextCursor cursor(widget_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(display);
    writing_ = false;
}

void OutputTextBox::SetCaret(size_t position) {
    Flush();
    QTextCursor cursor = widget_.textCursor();
    if (position == kEnd) {
        cursor.movePosition(QTextCursor::End);
    } else {
        cursor.setPosition(WidgetPosition(text_, position));
    }
    widget_.setTextCursor(cursor);
    widget_.ensureCursorVisible();
}

void OutputTextBox::Repaint() {
    Flush();
    widget_.viewport()->update();
}

void OutputTextBox::TakeUserEdit() {
    if (writing_) return;
    // The user typed or pasted into the box: its text is now what it shows.
    pending_.clear();
    const QString shown = widget_.toPlainText();
    text_ = CoreLineBreaks(utf8_ ? Utf8FromQString(shown) : Cp1252FromQString(shown));
    widgetEndsWithCr_ = false;
}

}  // namespace lexicount
