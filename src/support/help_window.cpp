#include "support/help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include "qt/qt_text.h"
#include "qt/twips.h"
#include "settings/help_text.h"

namespace lexicount {

HelpWindow::HelpWindow(QWidget& mainWindow, const std::string& onlineManualAddress)
    : QWidget(&mainWindow, Qt::Window),
      txbHelpScreen_(new QPlainTextEdit(this)),
      cmdClose_(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringFromUtf8(kHelpCaption));
    txbHelpScreen_->setObjectName(QStringLiteral("txbHelpScreen"));
    txbHelpScreen_->setReadOnly(true);
    txbHelpScreen_->setPlainText(QStringFromUtf8(DisplayLineBreaks(HelpGuideText(onlineManualAddress))));
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setText(QStringFromUtf8(kHelpCloseCaption));
    cmdClose_->adjustSize();
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::hide);

    const QRect main = mainWindow.frameGeometry();
    const WindowRect rect = HelpWindowRect(
        {TwipsFromPixels(main.left(), &mainWindow), TwipsFromPixels(main.top(), &mainWindow),
         TwipsFromPixels(main.width(), &mainWindow), TwipsFromPixels(main.height(), &mainWindow)});
    setGeometry(PixelsFromTwips(rect.left, &mainWindow), PixelsFromTwips(rect.top, &mainWindow),
                PixelsFromTwips(rect.width, &mainWindow), PixelsFromTwips(rect.height, &mainWindow));
    LayOut();
}

void HelpWindow::ShowHelp() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) LayOut();
}

void HelpWindow::LayOut() {
    const HelpLayout layout = HelpLayoutFor(TwipsFromPixels(width(), this), TwipsFromPixels(height(), this),
                                            TwipsFromPixels(cmdClose_->width(), this));
    txbHelpScreen_->setGeometry(0, 0, PixelsFromTwips(layout.textWidth, this),
                                PixelsFromTwips(layout.textHeight, this));
    cmdClose_->move(PixelsFromTwips(layout.closeLeft, this), PixelsFromTwips(layout.closeTop, this));
}

}  // namespace lexicount
