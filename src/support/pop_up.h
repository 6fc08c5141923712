#pragma once

// frmPopUp: a one-line message that closes itself after an interval, so a
// confirmation needs no click. Shown modally: the caller resumes once it is
// hidden, by its timer or by a click on the message. One window is reused
// for every message (the main window owns it). Sizes and positions are in
// twips.

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;

namespace lexicount {

class PopUpWindow : public QDialog {
    Q_OBJECT

public:
    explicit PopUpWindow(QWidget* parent = nullptr);

    void PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop,
               int intLeft);
    void PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval);
    void PopUpInForm(const QWidget& frmMe, const QString& strMessage, int intWidth, int intHeight,
                     int intInterval, int intTop, int intLeft);

    QLabel* lblMessage() const { return lblMessage_; }
    QTimer* Timer1() const { return Timer1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowForInterval(int intInterval);
    void HideMessage();

    QLabel* lblMessage_;
    QTimer* Timer1_;
};

}  // namespace lexicount
