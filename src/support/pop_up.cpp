#include "support/pop_up.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "qt/twips.h"

namespace lexicount {

PopUpWindow::PopUpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      lblMessage_(new QLabel(this)),
      Timer1_(new QTimer(this)) {
    setObjectName("frmPopUp");
    setModal(true);
    lblMessage_->setObjectName("lblMessage");
    lblMessage_->setAlignment(Qt::AlignCenter);
    lblMessage_->installEventFilter(this);
    Timer1_->setObjectName("Timer1");
    connect(Timer1_, &QTimer::timeout, this, &PopUpWindow::HideMessage);
}

void PopUpWindow::PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop,
                        int intLeft) {
    lblMessage_->setText(strMessage);
    const int width = PixelsFromTwips(intWidth, this);
    const int height = PixelsFromTwips(intHeight, this);
    setFixedSize(width, height);
    lblMessage_->setGeometry(0, 0, width, height);
    move(PixelsFromTwips(intLeft, this), PixelsFromTwips(intTop, this));
    ShowForInterval(intInterval);
}

void PopUpWindow::PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval) {
    // Centred by the size the window has now, before this message resizes it.
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize(0, 0);
    const int left = TwipsFromPixels((screenSize.width() - width()) / 2, this);
    const int top = TwipsFromPixels((screenSize.height() - height()) / 2, this);
    PopUp(strMessage, intWidth, intHeight, intInterval, top, left);
}

void PopUpWindow::PopUpInForm(const QWidget& frmMe, const QString& strMessage, int intWidth, int intHeight,
                              int intInterval, int intTop, int intLeft) {
    move(frmMe.x() + PixelsFromTwips(intLeft, this), frmMe.y() + PixelsFromTwips(intTop, this));
    lblMessage_->setText(strMessage);
    const int width = PixelsFromTwips(intWidth, this);
    const int height = PixelsFromTwips(intHeight, this);
    setFixedSize(width, height);
    lblMessage_->setGeometry(0, 0, width, height);
    ShowForInterval(intInterval);
}

void PopUpWindow::ShowForInterval(int intInterval) {
    Timer1_->setInterval(intInterval);
    Timer1_->start();
    exec();
    raise();
}

void PopUpWindow::HideMessage() {
    Timer1_->stop();
    if (isVisible()) done(QDialog::Accepted);
}

bool PopUpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblMessage_ && event->type() == QEvent::MouseButtonRelease) {
        HideMessage();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lexicount
