// The real message boxes: icon, title, text, buttons and default button as
// the core asks for them, and the answer a key press gives.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <vector>

#include "gui/support/window_fixture.h"
#include "qt/dialog_presenter.h"
#include "qt/qt_text.h"

namespace lexicount::test {
namespace {

struct BoxCase {
    MessageBox box;
    QMessageBox::Icon icon;
    int buttonCount;
    Qt::Key key;
    Answer answer;
};

TEST(DialogPresenterTest, MessageBoxesShowWhatTheCoreAskedFor) {
    const std::vector<BoxCase> cases = {
        {{"Stop counting", "Do you want to stop?", Icon::None, Buttons::YesNo, 1},
         QMessageBox::NoIcon,
         2,
         Qt::Key_Return,
         Answer::No},
        {{"Large input file", "Big.", Icon::Question, Buttons::YesNoCancel, 0},
         QMessageBox::Question,
         3,
         Qt::Key_Return,
         Answer::Yes},
        {{"UTF-8 or ANSI file?", "a\r\nb", Icon::None, Buttons::YesNoCancel, 0},
         QMessageBox::NoIcon,
         3,
         Qt::Key_Escape,
         Answer::Cancel},
        {{"Counting interrupted", "List?", Icon::None, Buttons::YesNo, 0},
         QMessageBox::NoIcon,
         2,
         Qt::Key_Escape,
         Answer::No},
        {{"File not found", "Input file does not exist.", Icon::Warning, Buttons::Ok, 0},
         QMessageBox::Warning,
         1,
         Qt::Key_Return,
         Answer::Ok},
        {{"", "Cannot open file containing program text.", Icon::Critical, Buttons::Ok, 0},
         QMessageBox::Critical,
         1,
         Qt::Key_Escape,
         Answer::Ok},
        {{"Overwrite", "Sure?", Icon::Information, Buttons::OkCancel, 1},
         QMessageBox::Information,
         2,
         Qt::Key_Return,
         Answer::Cancel},
    };
    QtDialogPresenter presenter;
    for (const auto& c : cases) {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        auto ready = WhenReady([&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (shown == nullptr) return false;
            title = shown->windowTitle();
            text = shown->text();
            icon = shown->icon();
            buttonCount = static_cast<int>(shown->buttons().size());
            QTest::keyClick(shown, c.key);
            return true;
        });
        const Answer answer = presenter.ShowBox(nullptr, c.box);
        const std::string name = c.box.title + "/" + c.box.text;
        EXPECT_EQ(answer, c.answer) << name;
        EXPECT_EQ(title.toStdString(), c.box.title.empty() ? "Lexicount" : c.box.title) << name;
        EXPECT_EQ(text.toStdString(), DisplayLineBreaks(c.box.text)) << name;
        EXPECT_EQ(icon, c.icon) << name;
        EXPECT_EQ(buttonCount, c.buttonCount) << name;
    }
}

TEST(DialogPresenterTest, BoxesAreWideEnoughForTheirTitles) {
    const std::vector<MessageBox> boxes = {
        {"Clipboard empty", "Clipboard is empty.", Icon::None, Buttons::Ok, 0},
        {"This is a Unix-style text file", "x", Icon::Information, Buttons::YesNo, 1},
        {"", "Cannot open file containing program text.", Icon::Critical, Buttons::Ok, 0},
    };
    QtDialogPresenter presenter;
    for (const auto& box : boxes) {
        int width = 0;
        int needed = 0;
        auto ready = WhenReady([&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (shown == nullptr || !shown->isVisible()) return false;
            // The title in bold beside an icon and three buttons of the
            // title bar, each about two lines high and as wide.
            QFont titleFont = shown->font();
            titleFont.setBold(true);
            const QFontMetrics metrics(titleFont);
            needed = metrics.horizontalAdvance(shown->windowTitle()) + 8 * metrics.height();
            width = shown->width();
            QTest::keyClick(shown, Qt::Key_Escape);
            return true;
        });
        presenter.ShowBox(nullptr, box);
        EXPECT_GE(width, needed) << box.title;
    }
}

}  // namespace
}  // namespace lexicount::test
