// The result box as the core sees it (Windows-1252, CR LF) against what the
// widget shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "qt/column_font.h"
#include "qt/qt_text.h"
#include "run/qt/output_text_box.h"
#include "support/test_support.h"

namespace lexicount::test {
namespace {

std::string Shown(const QPlainTextEdit& widget) {
    QApplication::processEvents();
    return Utf8FromQString(widget.toPlainText());
}

struct AppendCase {
    const char* name;
    std::string start;
    std::vector<std::string> appends;
    std::string text;   // as the core reads it back
    std::string shown;  // UTF-8, as the widget shows it
};

TEST(OutputTextBoxTest, AppendsReachTheWidgetWithQtLineBreaks) {
    const std::vector<AppendCase> cases = {
        {"plain", "", {"one", " two"}, "one two", "one two"},
        {"CR LF", "", {"a\r\n", "b"}, "a\r\nb", "a\nb"},
        {"CR LF split over two appends", "", {"a\r", "\nb"}, "a\r\nb", "a\nb"},
        {"lone CR", "", {"a\rb"}, "a\rb", "a\nb"},
        {"Windows-1252 letters", "", {W("café "), W("Straße")}, W("café Straße"), "café Straße"},
        {"after SetText", "x\r\ny", {"\r\nz"}, "x\r\ny\r\nz", "x\ny\nz"},
        {"SetText ending in CR", "x\r", {"\ny"}, "x\r\ny", "x\ny"},
    };
    for (const auto& c : cases) {
        QPlainTextEdit widget;
        OutputTextBox box(widget);
        box.SetText(c.start);
        for (const auto& piece : c.appends) box.Append(piece);
        EXPECT_EQ(box.Text(), c.text) << c.name;
        EXPECT_EQ(box.Length(), c.text.size()) << c.name;
        EXPECT_EQ(Shown(widget), c.shown) << c.name;
    }
}

TEST(OutputTextBoxTest, CaretPositionsCountCrLfAsTwo) {
    const std::vector<std::pair<size_t, int>> cases = {{0, 0}, {2, 2}, {4, 3}, {5, 4}, {TextBox::kEnd, 5}};
    for (const auto& [position, widgetPosition] : cases) {
        QPlainTextEdit widget;
        OutputTextBox box(widget);
        box.SetText("ab\r\ncd");
        box.SetCaret(position);
        EXPECT_EQ(widget.textCursor().position(), widgetPosition) << position;
    }
}

TEST(OutputTextBoxTest, TextTypedByTheUserIsWhatTheCoreReads) {
    QPlainTextEdit widget;
    OutputTextBox box(widget);
    box.SetText("first");
    box.SetCaret(TextBox::kEnd);
    QTest::keyClick(&widget, Qt::Key_Return);
    widget.insertPlainText(QString::fromUtf8("naïve"));  // as a paste does
    EXPECT_EQ(box.Text(), "first\r\n" + W("naïve"));
    EXPECT_EQ(box.Length(), 12u);
}

// The box's font is chosen by the widths of its characters, not by what the
// font says of itself; the DejaVu fonts (scripts/install-deps.sh) give one
// font of each kind.
TEST(ColumnFontTest, KeepsAFontWhoseColumnsLineUpAndReplacesOneWhoseDoNot) {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont proportional = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QFont largeProportional = proportional;
    largeProportional.setPointSize(20);
    ASSERT_TRUE(LinesUpColumns(fixed));
    ASSERT_FALSE(LinesUpColumns(proportional));
    struct Case {
        const char* name;
        QFont preferred;
        bool kept;
    };
    for (const auto& c : {Case{"fixed", fixed, true}, Case{"proportional", proportional, false},
                          Case{"large proportional", largeProportional, false}}) {
        const QFont chosen = ColumnFont(c.preferred);
        EXPECT_TRUE(LinesUpColumns(chosen)) << c.name;
        EXPECT_EQ(QFontInfo(chosen).family() == QFontInfo(c.preferred).family(), c.kept) << c.name;
        EXPECT_EQ(QFontInfo(chosen).pointSize(), QFontInfo(c.preferred).pointSize()) << c.name;
    }
}

}  // namespace
}  // namespace lexicount::test
