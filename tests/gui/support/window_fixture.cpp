#include "gui/support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>

#include "run/qt/qt_text.h"

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
