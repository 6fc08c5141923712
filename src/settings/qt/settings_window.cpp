#include "settings/qt/settings_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/settings_record.h"
#include "qt/dialog_presenter.h"
#include "qt/named_widgets.h"
#include "qt/qt_text.h"
#include "qt/twips.h"
#include "run/main_controller.h"
#include "run/qt/main_window.h"
#include "settings/qt/language_window.h"

namespace lexicount {
namespace {

std::int16_t ValueOf(const QCheckBox& box) {
    return box.checkState() == Qt::Checked ? 1 : 0;
}

// 2 is the greyed state a settings file may hold.
void ShowValue(QCheckBox& box, int value) {
    box.setTristate(value == 2);
    box.setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void SetTextIfChanged(QLineEdit& box, const QString& text) {
    if (box.text() != text) box.setText(text);
}

}  // namespace

std::string QtNameFilter(const std::string& filter) {
    std::string description = filter.substr(0, filter.find('|'));
    while (!description.empty() && description.back() == ' ') description.pop_back();
    const size_t any = description.find("(*.*)");
    if (any != std::string::npos) description.replace(any, 5, "(*)");
    return description;
}

SettingsWindow::SettingsWindow(MainWindow& main, DialogPresenter& presenter)
    : QWidget(&main, Qt::Window),
      main_(main),
      presenter_(presenter),
      settings_(main.Controller().Settings()),
      controller_(*this, main.Controller()) {
    setObjectName(QStringLiteral("frmParams"));
    BuildControls();
    frmLanguageSelection_ = new LanguageWindow(*this, *cmdSelectCommonWordsFile_[1]);
    // The caption is the main window's button that opens this window.
    if (auto* button = main.findChild<QPushButton*>(QStringLiteral("cmdSetParameters"))) {
        setWindowTitle(WithoutAccessKey(button->text()));
    }
    ConnectEvents();
    connect(&main, &MainWindow::settingsChanged, this, &SettingsWindow::Refresh);
    controller_.Form_Load();
    Refresh();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::ConnectEvents() {
    for (auto& [name, box] : checkBoxes_) {
        connect(box, &QCheckBox::clicked, this, [this, name = name, box = box] {
            box->setTristate(false);
            SetNumber(settings_, name, ValueOf(*box));
            controller_.CheckBoxChanged(name);
        });
    }
    for (auto& [name, list] : lists_) {
        connect(list, &QComboBox::activated, this, [this, name = name](int index) {
            SetNumber(settings_, name, index);
            controller_.ListChanged(name);
        });
    }
    // Typed text reaches the record at once, so a count started before the
    // box loses the focus sees it; leaving the box normalises it.
    connect(txbCommonWordsFile_, &QLineEdit::textEdited, this,
            [this](const QString& text) { settings_.txbCommonWordsFile = Utf8FromQString(text); });
    connect(txbCommonWordsFile_, &QLineEdit::returnPressed, this,
            [this] { controller_.txbCommonWordsFile_LostFocus(); });
    connect(txbWordsToIgnore_, &QLineEdit::textEdited, this,
            [this](const QString& text) { settings_.txbWordsToIgnore = Cp1252FromQString(text); });
    for (int i = 0; i < 2; ++i) {
        connect(txbStartComment_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { settings_.txbStartComment[i] = Cp1252FromQString(text); });
        connect(txbEndComment_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { settings_.txbEndComment[i] = Cp1252FromQString(text); });
    }
    for (QLineEdit* box : {txbCommonWordsFile_, txbWordsToIgnore_, txbStartComment_[0], txbStartComment_[1],
                           txbEndComment_[0], txbEndComment_[1]}) {
        box->installEventFilter(this);
    }

    for (int i = 0; i < 2; ++i) {
        connect(cmdSelectCommonWordsFile_[i], &QPushButton::clicked, this,
                [this, i] { controller_.cmdSelectCommonWordsFile_Click(i); });
        connect(cmdSetOrClearCheckboxes_[i], &QPushButton::clicked, this,
                [this, i] { controller_.cmdSetOrClearCheckboxes_Click(i); });
        connect(cmdSaveLoadState_[i], &QPushButton::clicked, this,
                [this, i] { controller_.cmdSaveLoadState_Click(i); });
    }
    connect(cmdClearCommonWordsFile_, &QPushButton::clicked, this,
            [this] { controller_.cmdClearCommonWordsFile_Click(); });
    connect(cmdClearWordsToIgnore_, &QPushButton::clicked, this,
            [this] { controller_.cmdClearWordsToIgnore_Click(); });
    connect(cmdRestoreDefaults_, &QPushButton::clicked, this,
            [this] { controller_.cmdRestoreDefaults_Click(); });
    connect(cmdInitialize_, &QPushButton::clicked, this, [this] { controller_.cmdInitialize_Click(); });
    connect(cmdQuit_, &QPushButton::clicked, this, [this] { controller_.cmdQuit_Click(); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { controller_.cmdClose_Click(); });
}

void SettingsWindow::Refresh() {
    for (auto& [name, box] : checkBoxes_) ShowValue(*box, GetNumber(settings_, name).value_or(0));
    for (auto& [name, list] : lists_) list->setCurrentIndex(GetNumber(settings_, name).value_or(-1));
    SetTextIfChanged(*txbCommonWordsFile_, QStringFromUtf8(settings_.txbCommonWordsFile));
    SetTextIfChanged(*txbWordsToIgnore_, QStringFromCp1252(settings_.txbWordsToIgnore));
    for (int i = 0; i < 2; ++i) {
        SetTextIfChanged(*txbStartComment_[i], QStringFromCp1252(settings_.txbStartComment[i]));
        SetTextIfChanged(*txbEndComment_[i], QStringFromCp1252(settings_.txbEndComment[i]));
    }
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    // A context menu takes the focus only for a moment: the box is not left.
    if (event->type() != QEvent::FocusOut ||
        static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == txbCommonWordsFile_) controller_.txbCommonWordsFile_LostFocus();
    if (watched == txbWordsToIgnore_) controller_.txbWordsToIgnore_LostFocus();
    for (int i = 0; i < 2; ++i) {
        if (watched == txbStartComment_[i]) controller_.txbStartComment_LostFocus(i);
        if (watched == txbEndComment_[i]) controller_.txbEndComment_LostFocus(i);
    }
    return false;
}

bool SettingsWindow::event(QEvent* event) {
    // Each time the window comes to the front, "Close" is the likely next step.
    if (event->type() == QEvent::WindowActivate) FocusClose();
    return QWidget::event(event);
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    // The close box hides the window, as "Close" does; its values live on.
    event->ignore();
    controller_.cmdClose_Click();
}

void SettingsWindow::PlaceBesideMainWindow() {
    const auto* button = main_.findChild<QPushButton*>(QStringLiteral("cmdSetParameters"));
    const int buttonWidth = button != nullptr ? button->width() : 0;
    const QRect frame = main_.frameGeometry();
    move(frame.left() + buttonWidth + PixelsFromTwips(300, &main_), frame.top());
}

// --- SettingsView ---

Answer SettingsWindow::Show(const MessageBox& box) {
    return presenter_.ShowBox(this, box);
}

std::optional<std::string> SettingsWindow::ChooseFile(const FileDialogRequest& request) {
    FileChoice choice{request.title, QtNameFilter(request.filter), request.FileMustExist(), "", request.save};
    return presenter_.ChooseFile(this, choice);
}

int SettingsWindow::ChooseLanguage(bool unicodeWords) {
    return frmLanguageSelection_->Choose(unicodeWords);
}

void SettingsWindow::SetParametersLabel(const std::string& text) {
    lblParameters_->setText(QStringFromUtf8(text));
}

void SettingsWindow::SetParametersFile(const std::string& path) {
    txbParametersFile_->setText(QStringFromUtf8(path));
}

void SettingsWindow::ShowParametersFile(bool visible) {
    txbParametersFile_->setVisible(visible);
}

void SettingsWindow::FocusClose() {
    if (isEnabled() && cmdClose_->isVisible() && cmdClose_->isEnabled()) cmdClose_->setFocus();
}

void SettingsWindow::ShowWindow() {
    if (!placed_) {
        adjustSize();
        PlaceBesideMainWindow();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void SettingsWindow::CloseWindow() {
    hide();
    main_.SetTheFocus();
}

void SettingsWindow::QuitProgram() {
    main_.Quit();
}

void SettingsWindow::SettingsChanged() {
    // The main window emits settingsChanged, which refreshes this window too.
    main_.SettingsChanged();
}

void SettingsWindow::OutputFileControlsChanged() {
    if (settings_.txbFile[1].empty()) settings_.chkDisableOutputToFile = 0;
    main_.SetDisableOutputBoxEnabled(!settings_.txbFile[1].empty());
    main_.SettingsChanged();
}

}  // namespace lexicount
