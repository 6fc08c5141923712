#pragma once

// frmHelp: the guide in a read-only text box, in a resizable window that is
// built on first use, hidden by "Close" and shown again as it was.

#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace lexicount {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Placed over mainWindow, which must be laid out already; the guide
    // names the online manual's address.
    HelpWindow(QWidget& mainWindow, const std::string& onlineManualAddress);

    // The "Help" command: a minimised window is restored, any other shown.
    void ShowHelp();

    QPlainTextEdit* txbHelpScreen() const { return txbHelpScreen_; }
    QPushButton* cmdClose() const { return cmdClose_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    QPlainTextEdit* txbHelpScreen_;
    QPushButton* cmdClose_;
};

}  // namespace lexicount
