#include "gui/support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>
#include <map>

#include "qt/named_widgets.h"
#include "qt/qt_text.h"

namespace lexicount::test {

WindowTest::WindowTest() {
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
        hadDataHome_ = true;
        savedDataHome_ = old;
    }
    setenv("XDG_DATA_HOME", dataHome.path().c_str(), 1);
}

WindowTest::~WindowTest() {
    window.reset();
    if (hadDataHome_) {
        setenv("XDG_DATA_HOME", savedDataHome_.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

void WindowTest::TearDown() {
    std::string unexpected;
    for (const auto& box : presenter.unexpected) unexpected += "\n  " + box;
    EXPECT_TRUE(presenter.unexpected.empty()) << "unscripted:" << unexpected;
}

std::string WindowTest::Start(const std::filesystem::path& programFolder) {
    window = std::make_unique<MainWindow>(settings, presenter);
    std::string message = window->LoadAndShow(programFolder);
    QApplication::processEvents();
    return message;
}

std::filesystem::path WindowTest::StateFile() const {
    return dataHome.path() / "Lexicount" / "tly.usr";
}

void WindowTest::Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

std::string WindowTest::OutputText() {
    QApplication::processEvents();
    return Utf8FromQString(Find<QPlainTextEdit>("txbOutput")->toPlainText());
}

std::string Caption(const QAbstractButton& button) {
    return Utf8FromQString(WithoutAccessKey(button.text()));
}

std::vector<std::string> FocusChain(Qt::Key key) {
    std::vector<std::string> names;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr) return names;
    // Twice round the window at most: a chain that never comes back ends too.
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        names.push_back(focus != nullptr ? focus->objectName().toStdString() : "(none)");
        if (focus == start || focus == nullptr) break;
    }
    return names;
}

std::vector<std::string> ButtonsWithoutOwnAccessKey(const QWidget& window) {
    std::vector<std::string> faulty;
    std::map<QString, std::string> owners;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->window() != &window) continue;
        const QString key = QKeySequence::mnemonic(button->text()).toString();
        if (key.isEmpty() || !owners.emplace(key, button->objectName().toStdString()).second) {
            faulty.push_back(button->objectName().toStdString());
        }
    }
    return faulty;
}

std::unique_ptr<QTimer> WhenReady(std::function<bool()> action) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(1);
    QTimer* raw = timer.get();
    QObject::connect(raw, &QTimer::timeout, raw, [raw, action] {
        if (action()) raw->stop();
    });
    timer->start();
    return timer;
}

}  // namespace lexicount::test
