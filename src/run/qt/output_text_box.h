#pragma once

// txbOutput as the core sees it: Windows-1252 text with CR LF line ends,
// whose length counts CR LF as two characters. The widget shows the same
// text with Qt line breaks. Appends are gathered and put into the widget
// when the event loop next runs, so showing words as they are found costs
// one widget update per yield rather than one per word.

#include <QObject>
#include <string>
#include <string_view>

#include "base/text_box.h"

class QPlainTextEdit;

namespace lexicount {

class OutputTextBox : public QObject, public TextBox {
    Q_OBJECT

public:
    explicit OutputTextBox(QPlainTextEdit& widget);

    std::string Text() const override { return text_; }
    size_t Length() const override { return text_.size(); }
    void SetText(std::string text) override;
    void Append(std::string_view text) override;
    void SetCaret(size_t position) override;
    void Repaint() override;
    // The box's text as the widget shows it.
    QString Display(std::string_view text) const;

    // Puts gathered appends into the widget.
    void Flush();

private:
    void TakeUserEdit();

    QPlainTextEdit& widget_;
    std::string text_;     // everything, as the core wrote it
    std::string pending_;  // the tail not yet in the widget
    bool flushScheduled_ = false;
    bool widgetEndsWithCr_ = false;  // a CR LF may be split across two appends
    bool writing_ = false;
};

}  // namespace lexicount
