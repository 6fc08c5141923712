#pragma once

// The main window's result box as the core writes to it. Text is
// Windows-1252 with CR LF line ends; the window converts it for display.

#include <cstddef>
#include <string>
#include <string_view>

namespace lexicount {

class TextBox {
public:
    static constexpr size_t kEnd = static_cast<size_t>(-1);

    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual size_t Length() const = 0;
    virtual void SetText(std::string text) = 0;
    virtual void Append(std::string_view text) = 0;
    // Puts the caret at a position, kEnd for the end of the text.
    virtual void SetCaret(size_t position) = 0;
    virtual void Repaint() {}
    // The text is UTF-8 instead of Windows-1252: a count of words in any
    // script, until the next count.
    virtual void SetUtf8(bool utf8) { utf8_ = utf8; }
    bool Utf8() const { return utf8_; }

protected:
    bool utf8_ = false;
};

// A text box that is only a string: for the command-line tool and tests.
class StringTextBox : public TextBox {
public:
    std::string Text() const override { return text_; }
    size_t Length() const override { return text_.size(); }
    void SetText(std::string text) override { text_ = std::move(text); }
    void Append(std::string_view text) override { text_.append(text); }
    void SetCaret(size_t position) override { caret_ = position; }
    size_t Caret() const { return caret_; }

private:
    std::string text_;
    size_t caret_ = 0;
};

}  // namespace lexicount
