#include "settings/qt/language_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt/named_widgets.h"
#include "qt/qt_text.h"
#include "settings/languages.h"

namespace lexicount {

LanguageWindow::LanguageWindow(QWidget& settingsWindow, QPushButton& languageButton)
    : QDialog(&settingsWindow),
      languageButton_(languageButton),
      lblSelectLanguageOfWordsToIgnore_(new QLabel(QStringFromUtf8(kSelectLanguagePrompt))),
      cboCommonWordsFiles_(new QComboBox),
      cmdAccept_(new QPushButton(WithAccessKey(QStringFromUtf8(kAcceptOneLanguage)))),
      cmdCancel_(new QPushButton(WithAccessKey(QStringFromUtf8(kCancelCaption)))) {
    setObjectName(QStringLiteral("frmLanguageSelection"));
    setModal(true);
    setWindowTitle(WithoutAccessKey(languageButton.text()));
    lblSelectLanguageOfWordsToIgnore_->setObjectName(QStringLiteral("lblSelectLanguageOfWordsToIgnore"));
    cboCommonWordsFiles_->setObjectName(QStringLiteral("cboCommonWordsFiles"));
    cmdAccept_->setObjectName(QStringLiteral("cmdAccept"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // Enter accepts the chosen language, or presses the button that has the
    // focus; with nothing chosen "accept" is disabled and Enter does nothing.
    cmdAccept_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAccept_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelectLanguageOfWordsToIgnore_);
    layout->addWidget(cboCommonWordsFiles_);
    layout->addLayout(buttons);

    connect(cboCommonWordsFiles_, &QComboBox::currentIndexChanged, this, &LanguageWindow::SelectionChanged);
    connect(cmdAccept_, &QPushButton::clicked, this, [this] {
        selection_.Accept();
        hide();
        done(QDialog::Accepted);
    });
    connect(cmdCancel_, &QPushButton::clicked, this, &LanguageWindow::reject);
}

int LanguageWindow::Choose(bool unicodeWords) {
    Activate(unicodeWords);
    exec();
    return selection_.intLanguageSelected();
}

void LanguageWindow::Activate(bool unicodeWords) {
    selection_.Activate();
    // Each item holds its language's index: the list depends on the model.
    const QSignalBlocker quiet(cboCommonWordsFiles_);
    cboCommonWordsFiles_->clear();
    for (const int language : OfferedLanguages(unicodeWords)) {
        cboCommonWordsFiles_->addItem(
            QStringFromUtf8(Languages()[static_cast<size_t>(language)].selectionItem), language);
    }
    cboCommonWordsFiles_->setCurrentIndex(-1);
    SelectionChanged(-1);
    adjustSize();
    move(languageButton_.mapToGlobal(QPoint(0, 0)));
    cmdCancel_->setFocus();
}

void LanguageWindow::SelectionChanged(int row) {
    const int index = row < 0 ? -1 : cboCommonWordsFiles_->itemData(row).toInt();
    selection_.SelectionChanged(index);
    cmdAccept_->setEnabled(selection_.AcceptEnabled());
    cmdAccept_->setText(WithAccessKey(QStringFromUtf8(selection_.AcceptCaption())));
    if (index < 0) return;
    if (cmdAccept_->isVisible() && cmdAccept_->isEnabled()) {
        cmdAccept_->setFocus();
    } else if (cmdCancel_->isVisible() && cmdCancel_->isEnabled()) {
        cmdCancel_->setFocus();
    }
}

void LanguageWindow::reject() {
    // Cancel, Escape and the close box: no language.
    selection_.Cancel();
    QDialog::reject();
}

}  // namespace lexicount
