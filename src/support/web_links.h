#pragma once

// The web links of the main window: lblCorvaticSystems (program text 14,
// the home page) and lblOnlineDocumentation (program text 15, the user
// manual). A target is an address or a file relative to the program's
// folder; the documentation that ships with the program is such a file.

#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>

class QLabel;
class QWidget;

namespace lexicount {

class DialogPresenter;

// Hands a URL to the desktop; false when nothing would open it.
using UrlOpener = std::function<bool(const QUrl&)>;
// The program's folder, asked at each click: it is known only once the
// start-up has found it.
using FolderSource = std::function<std::filesystem::path()>;

class WebLinks {
public:
    // opener: QDesktopServices::openUrl when not given.
    WebLinks(FolderSource programFolder, DialogPresenter& presenter, QWidget* parent, UrlOpener opener = {});

    // OpenWebPage: true when the target was handed on; otherwise the user
    // has seen the "Cannot launch web browser" box.
    bool OpenWebPage(const std::string& strTarget);
    // Opens the target of a program text.
    bool OpenProgramText(int number);

    // A label that opens program text `number` when clicked.
    QLabel* MakeLink(const char* objectName, const QString& caption, int number, QWidget* parent = nullptr);
    QLabel* lblCorvaticSystems(QWidget* parent = nullptr);
    QLabel* lblOnlineDocumentation(QWidget* parent = nullptr);

private:
    FolderSource programFolder_;
    DialogPresenter& presenter_;
    QWidget* parent_;
    UrlOpener opener_;
};

inline constexpr int kHomePageText = 14;
inline constexpr int kOnlineManualText = 15;

}  // namespace lexicount
