#include "qt/dialog_presenter.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>
#include <iostream>
#include <vector>

#include "qt/qt_text.h"

namespace lexicount {

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The buttons in the order the default-button index counts them.
std::vector<QMessageBox::StandardButton> QtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return {QMessageBox::Ok};
        case Buttons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
        case Buttons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
        case Buttons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case Buttons::YesNoToAll:
            return {QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll};
        case Buttons::YesNoToAllCancel:
            return {QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll,
                    QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

Answer AnswerOf(int clicked) {
    switch (clicked) {
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::YesToAll: return Answer::YesToAll;
        case QMessageBox::NoToAll: return Answer::NoToAll;
        default: return Answer::Ok;
    }
}

}  // namespace

int TitleBarWidth(const QWidget& window) {
    // The window manager draws the title, often in bold, beside an icon and
    // up to three buttons, each about as wide as two lines of text are high.
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) + 8 * metrics.height();
}

std::string BoxTitle(const std::string& title) {
    return title.empty() ? std::string("Lexicount") : title;
}

Answer QtDialogPresenter::ShowBox(QWidget* parent, const MessageBox& box) {
    QMessageBox dialog(QtIcon(box.icon), QStringFromUtf8(BoxTitle(box.title)),
                       QStringFromUtf8(DisplayLineBreaks(box.text)), QMessageBox::NoButton, parent);
    const auto buttons = QtButtons(box.buttons);
    for (auto button : buttons) dialog.addButton(button);
    const size_t defaultIndex = box.defaultButton >= 0 ? static_cast<size_t>(box.defaultButton) : 0;
    dialog.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    // Escape means the most cautious answer the box offers.
    dialog.setEscapeButton(box.buttons == Buttons::YesNoToAll ? QMessageBox::No : buttons.back());
    // A box sized for a short text would cut its title short.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addItem(new QSpacerItem(TitleBarWidth(dialog), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return AnswerOf(dialog.exec());
}

std::optional<std::string> QtDialogPresenter::AskText(QWidget* parent, const std::string& title,
                                                      const std::string& prompt, const std::string& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, QStringFromUtf8(BoxTitle(title)),
                                               QStringFromUtf8(DisplayLineBreaks(prompt)), QLineEdit::Normal,
                                               QStringFromUtf8(value), &ok);
    if (!ok) return std::nullopt;
    return Utf8FromQString(text);
}

std::optional<std::string> QtDialogPresenter::ChooseFile(QWidget* parent, const FileChoice& choice) {
    QFileDialog dialog(parent, QStringFromUtf8(choice.title));
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!choice.filter.empty()) dialog.setNameFilter(QStringFromUtf8(choice.filter));
    if (!choice.folder.empty()) dialog.setDirectory(QStringFromUtf8(choice.folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Utf8FromQString(dialog.selectedFiles().first());
}

std::vector<std::string> QtDialogPresenter::ChooseFiles(QWidget* parent, const FileChoice& choice) {
    QFileDialog dialog(parent, QStringFromUtf8(choice.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (!choice.filter.empty()) dialog.setNameFilter(QStringFromUtf8(choice.filter));
    if (!choice.folder.empty()) dialog.setDirectory(QStringFromUtf8(choice.folder));
    std::vector<std::string> files;
    if (dialog.exec() != QDialog::Accepted) return files;
    for (const QString& file : dialog.selectedFiles()) files.push_back(Utf8FromQString(file));
    return files;
}

std::optional<std::string> QtDialogPresenter::ChooseFolder(QWidget* parent, const FileChoice& choice) {
    const QString folder = QFileDialog::getExistingDirectory(parent, QStringFromUtf8(choice.title),
                                                             QStringFromUtf8(choice.folder));
    if (folder.isEmpty()) return std::nullopt;
    return Utf8FromQString(folder);
}

Answer DefaultAnswerPresenter::ShowBox(QWidget*, const MessageBox& box) {
    std::cerr << "[" << BoxTitle(box.title) << "] " << DisplayLineBreaks(box.text) << "\n";
    return DefaultAnswers().Show(box);
}

std::optional<std::string> DefaultAnswerPresenter::AskText(QWidget*, const std::string&, const std::string&,
                                                           const std::string& value) {
    return value;
}

std::optional<std::string> DefaultAnswerPresenter::ChooseFile(QWidget*, const FileChoice&) {
    return std::nullopt;
}

std::vector<std::string> DefaultAnswerPresenter::ChooseFiles(QWidget*, const FileChoice&) {
    return {};
}

std::optional<std::string> DefaultAnswerPresenter::ChooseFolder(QWidget*, const FileChoice&) {
    return std::nullopt;
}

}  // namespace lexicount
