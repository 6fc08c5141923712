// The Qt program. Without arguments it starts the main window; with FILE it
// starts it, takes FILE as the input file and counts it. Two switches serve
// the build's own tools and take no user settings: the state file is a
// fresh one in a temporary folder and every question takes its default.
//   lexicount --count-and-quit FILE      counts FILE, prints the summary (and
//                                        the scan time on stderr), ends
//   lexicount --screenshot FILE OUT.png [SETTINGS.tly]
//                                        counts FILE, shows the contexts of
//                                        its most frequent word and saves the
//                                        window

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <string>

#include "base/settings_record.h"
#include "qt/dialog_presenter.h"
#include "qt/qt_text.h"
#include "run/main_controller.h"
#include "run/qt/main_window.h"
#include "run/summary.h"
#include "run/text_count.h"
#include "settings/app_data.h"
#include "settings/qt/secondary_windows.h"
#include "settings/qt/settings_window.h"

namespace {

using lexicount::MainWindow;
using lexicount::StatusLabel;

int ShowLoadFailure(lexicount::DialogPresenter& presenter, const std::string& message) {
    presenter.ShowBox(nullptr, {"", message, lexicount::Icon::Critical, lexicount::Buttons::Ok, 0});
    return 1;
}

// Names the file in the input box and clicks "Count words", with the default
// settings (no common words offered, so the count matches lexicount-cli's).
void CountFile(MainWindow& window, lexicount::SettingsRecord& settings, const std::string& path,
               bool showWordsAsFound) {
    settings.source = lexicount::SourceOption::optInFile;
    settings.txbFile[0] = path;
    settings.chkSuppressWords = showWordsAsFound ? 0 : 1;
    window.SettingsChanged();
    // The window is drawn before the click, as a user sees it: its first
    // drawing is start-up, not part of the count.
    QApplication::processEvents();
    window.Controller().cmdListWords_Click();
    QApplication::processEvents();
}

int RunUnattended(int argc, char** argv) {
    const std::string command = argv[1];
    const bool screenshot = command == "--screenshot";
    if ((screenshot && (argc < 4 || argc > 5)) ||
        (!screenshot && (command != "--count-and-quit" || argc < 3 || argc > 4))) {
        std::cerr << "usage: lexicount [--count-and-quit FILE [SETTINGS.tly] | --screenshot FILE OUT.png "
                     "[SETTINGS.tly]]\n";
        return 2;
    }
    const int settingsArg = screenshot ? 4 : 3;
    QTemporaryDir stateFolder;
    const std::filesystem::path stateFile =
        std::filesystem::path(stateFolder.path().toStdString()) / lexicount::kStateFileName;
    // A settings file given to a timed count becomes the state file that
    // start-up restores, so the window counts under the same settings as
    // lexicount-cli --settings.
    std::error_code copyError;
    if (argc > settingsArg) std::filesystem::copy_file(argv[settingsArg], stateFile, copyError);
    if (copyError) {
        std::cerr << "lexicount: cannot read " << argv[settingsArg] << ": " << copyError.message() << "\n";
        return 1;
    }
    lexicount::SettingsRecord settings;
    lexicount::DefaultAnswerPresenter presenter;
    MainWindow window(settings, presenter);
    lexicount::SecondaryWindows windows(window, presenter);
    const std::string message = window.LoadAndShow(lexicount::ProgramFolder(), stateFile);
    if (!message.empty()) return ShowLoadFailure(presenter, message);
    CountFile(window, settings, argv[2], screenshot);
    if (screenshot) {
        // The contexts of the most frequent word under the table.
        window.ShowContextsOfRow(0);
        QApplication::processEvents();
        if (!window.grab().save(QString::fromLocal8Bit(argv[3]))) {
            std::cerr << "lexicount: cannot write " << argv[3] << "\n";
            return 1;
        }
        return 0;
    }
    for (StatusLabel label : {StatusLabel::lblNumberOfWords, StatusLabel::lblNumWordsExcluded,
                              StatusLabel::lblNumOccurrences, StatusLabel::lblTotalNumOccurrences}) {
        std::cout << window.Label(label) << "\n";
    }
    if (const auto& count = window.Controller().State().count) {
        std::cerr << lexicount::ScanTimeLine(count->ScanSeconds()) << "\n";
    }
    return 0;
}

constexpr const char* kUsage =
    "Usage: lexicount [FILE...]\n"
    "Starts Lexicount. A FILE named is taken as the input file, with its checks\n"
    "and questions, and counted; of several files only the first is taken.\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

bool IsUnattended(const std::string& arg) {
    return arg == "--count-and-quit" || arg == "--screenshot";
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display.
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--version") {
        std::cout << "lexicount " << LEXICOUNT_VERSION << "\n";
        return 0;
    }
    if (first == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (first.size() > 1 && first[0] == '-' && first != "--" && !IsUnattended(first)) {
        std::cerr << "lexicount: unknown option '" << first << "'\n" << kUsage;
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lexicount");
    QApplication::setApplicationVersion(LEXICOUNT_VERSION);
    // Matches the desktop entry, so that the window and the menu entry are
    // one application on Wayland and X11.
    QGuiApplication::setDesktopFileName("io.github.lexicount.Lexicount");
    QApplication::setWindowIcon(QIcon::fromTheme("lexicount", QIcon(":/lexicount.png")));
    if (IsUnattended(first)) return RunUnattended(argc, argv);
    const int fileArg = first == "--" ? 2 : 1;
    const std::string file = argc > fileArg ? argv[fileArg] : "";

    lexicount::SettingsRecord settings;
    lexicount::QtDialogPresenter presenter;
    MainWindow window(settings, presenter);
    lexicount::SecondaryWindows windows(window, presenter);
    QObject::connect(&window, &MainWindow::quitRequested, &app, [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    const std::string message = window.LoadAndShow(lexicount::ProgramFolder());
    if (!message.empty()) return ShowLoadFailure(presenter, message);
    if (!file.empty()) {
        const std::string path = std::filesystem::absolute(std::filesystem::path(file)).string();
        QTimer::singleShot(0, &window, [&window, path] { window.Controller().OpenAndCount({path}); });
    }
    return QApplication::exec();
}
