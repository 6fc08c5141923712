#pragma once

// frmLanguageSelection: the modal window in which the user picks the
// language whose common words are ignored. Built once and only hidden
// afterwards; each showing starts with nothing chosen.

#include <QDialog>

#include "settings/language_selection.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace lexicount {

class LanguageWindow : public QDialog {
    Q_OBJECT

public:
    // Placed over languageButton, whose caption becomes the window's.
    LanguageWindow(QWidget& settingsWindow, QPushButton& languageButton);

    // Shows the window modally, listing the languages offered under the
    // text model; the chosen language index, or -1.
    int Choose(bool unicodeWords);
    int intLanguageSelected() const { return selection_.intLanguageSelected(); }

    QComboBox* cboCommonWordsFiles() const { return cboCommonWordsFiles_; }
    QPushButton* cmdAccept() const { return cmdAccept_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

protected:
    void reject() override;

private:
    void Activate(bool unicodeWords);
    void SelectionChanged(int row);

    QPushButton& languageButton_;
    LanguageSelection selection_;
    QLabel* lblSelectLanguageOfWordsToIgnore_;
    QComboBox* cboCommonWordsFiles_;
    QPushButton* cmdAccept_;
    QPushButton* cmdCancel_;
};

}  // namespace lexicount
