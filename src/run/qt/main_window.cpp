#include "run/qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include "qt/column_font.h"
#include "qt/dialog_presenter.h"
#include "qt/named_widgets.h"
#include "qt/qt_text.h"
#include "run/main_controller.h"
#include "run/qt/charts_window.h"
#include "run/qt/contexts_panel.h"
#include "run/qt/output_text_box.h"
#include "run/qt/word_table_panel.h"
#include "support/pop_up.h"

namespace lexicount {

namespace {

// Events are processed at most this often during a scan: often enough for a
// click on the busy button to be seen at once, rarely enough to cost the
// scan next to nothing.
constexpr qint64 kYieldIntervalMs = 30;
// Calls between two readings of the clock at most; at the scan's fastest
// pace that is still well under a millisecond.
constexpr int kMaxYieldStride = 4096;

Qt::CheckState CheckStateOf(std::int16_t value) {
    if (value == 1) return Qt::Checked;
    return value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

std::int16_t ValueOf(const QCheckBox& box) {
    return box.checkState() == Qt::Checked ? 1 : 0;
}

void SetTextIfChanged(QLineEdit& box, const QString& text) {
    if (box.text() != text) box.setText(text);
}

}  // namespace

MainWindow::MainWindow(SettingsRecord& settings, DialogPresenter& presenter, QWidget* parent)
    : QMainWindow(parent), settings_(settings), presenter_(presenter) {
    BuildControls();
    outputBox_ = new OutputTextBox(*txbOutput_);
    Timer2_ = new QTimer(this);
    Timer2_->setObjectName("Timer2");
    Timer2_->setInterval(1000);
    frmPopUp_ = new PopUpWindow(this);
    sinceLastEvents_.start();
    controller_ = std::make_unique<MainController>(*this, settings_);
    ConnectEvents();
    setAcceptDrops(true);
    // The result box passes dropped files on to the window.
    txbOutput_->setAcceptDrops(false);
}

MainWindow::~MainWindow() = default;

std::string MainWindow::LoadAndShow(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& stateFile) {
    std::string message = controller_->LoadForm(programFolder, stateFile);
    if (!message.empty()) return message;
    txbIntro_->setPlainText(QStringFromUtf8(DisplayLineBreaks(controller_->IntroText())));
    SettingsChanged();
    show();
    controller_->StartUp();
    return {};
}

void MainWindow::ConnectContexts() {
    connect(wordTable_->View()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const WordTableModel& model = wordTable_->Model();
                if (!current.isValid() || current.row() >= static_cast<int>(model.Shown().size())) return;
                const auto row = static_cast<size_t>(model.Shown()[static_cast<size_t>(current.row())]);
                contexts_->Choose(QStringFromUtf8(model.Table().rows[row].word));
            });
    connect(contexts_, &ContextsPanel::FindRequested, this,
            [this](const QString& word, int width) { controller_->FindContexts(word.toStdString(), width); });
    connect(contexts_, &ContextsPanel::StopRequested, this, [this] { controller_->StopContexts(); });
    connect(contexts_, &ContextsPanel::ExportRequested, this,
            [this] { controller_->ExportContexts(contexts_->Model().Contexts()); });
}

void MainWindow::ConnectEvents() {
    connect(optInFile_, &QRadioButton::clicked, this, [this] {
        settings_.source = SourceOption::optInFile;
        controller_->optInFile_Click();
    });
    connect(optOnClipboard_, &QRadioButton::clicked, this, [this] {
        settings_.source = SourceOption::optOnClipboard;
        controller_->optOnClipboard_Click();
    });
    for (int i = 0; i < 2; ++i) {
        connect(cmdFile_[i], &QPushButton::clicked, this, [this, i] { controller_->cmdFile_Click(i); });
        connect(cmdClearFile_[i], &QPushButton::clicked, this,
                [this, i] { controller_->cmdClearFile_Click(i); });
        connect(txbFile_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { settings_.txbFile[i] = Utf8FromQString(text); });
        connect(txbFile_[i], &QLineEdit::textChanged, this, &MainWindow::RefreshClearButtons);
    }
    connect(cmdInputFolder_, &QPushButton::clicked, this, [this] { controller_->cmdInputFolder_Click(); });
    connect(wordTable_->PerFileBox(), &QCheckBox::toggled, this,
            [this](bool on) { controller_->SetFileColumns(true, on); });
    connect(chkUTF8_, &QCheckBox::clicked, this, [this] { settings_.chkUTF8 = ValueOf(*chkUTF8_); });
    connect(chkDisableOutputToFile_, &QCheckBox::clicked, this,
            [this] { settings_.chkDisableOutputToFile = ValueOf(*chkDisableOutputToFile_); });
    connect(chkSuppressWords_, &QCheckBox::clicked, this, [this] {
        settings_.chkSuppressWords = ValueOf(*chkSuppressWords_);
        controller_->chkSuppressWords_Click();
    });
    connect(cmdListWords_, &QPushButton::clicked, this, [this] { controller_->cmdListWords_Click(); });
    connect(cmdClearOutput_, &QPushButton::clicked, this, [this] { controller_->cmdClearOutput_Click(); });
    connect(cmdExport_, &QPushButton::clicked, this, [this] { controller_->cmdExport_Click(); });
    ConnectContexts();
    connect(cmdCharts_, &QPushButton::clicked, this, &MainWindow::ShowCharts);
    connect(cmdSetParameters_, &QPushButton::clicked, this,
            [this] { controller_->cmdSetParameters_Click(); });
    connect(cmdSaveState_, &QPushButton::clicked, this, [this] { controller_->cmdSaveState_Click(); });
    connect(cmdHelp_, &QPushButton::clicked, this, &MainWindow::RunHelp);
    connect(cmdQuit_, &QPushButton::clicked, this, &MainWindow::Quit);
    connect(cboWordOrder_, &QComboBox::activated, this, [this](int index) {
        settings_.cboWordOrder = static_cast<std::int16_t>(index);
        controller_->cboWordOrder_Click();
    });
    connect(cboDisplayFormat_, &QComboBox::activated, this, [this](int index) {
        settings_.cboDisplayFormat = static_cast<std::int16_t>(index);
        controller_->cboDisplayFormat_Click();
    });
    connect(Timer2_, &QTimer::timeout, this, [this] { controller_->Timer2_Timer(); });
}

void MainWindow::SetSettingsWindowCommand(std::function<void()> command) {
    settingsWindowCommand_ = std::move(command);
    cmdSetParameters_->setEnabled(controlsEnabled_ && settingsWindowCommand_ != nullptr);
}

void MainWindow::SetHelpCommand(std::function<void()> command) {
    helpCommand_ = std::move(command);
    cmdHelp_->setEnabled(controlsEnabled_ && helpCommand_ != nullptr);
}

void MainWindow::RunHelp() {
    if (helpCommand_) helpCommand_();
}

void MainWindow::Quit() {
    if (quitting_) return;
    if (!controller_->cmdQuit_Click()) return;
    quitting_ = true;
    close();
    emit quitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box does what "Quit" does, save-on-quit included.
    if (!quitting_) Quit();
    if (quitting_) {
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

// The first local file among dropped URLs; "" when there is none.
// The local files of a drop; several are counted together.
std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files.push_back(Utf8FromQString(url.toLocalFile()));
    }
    return files;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = DroppedFiles(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    // Counted once the drop has ended, so the file manager is not kept waiting.
    QTimer::singleShot(0, this, [this, paths] { controller_->OpenAndCount(paths); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbIntro_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        controller_->txbIntro_Click();
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (watched == txbFile_[i] && event->type() == QEvent::FocusOut) {
            // Tab, Shift+Tab and the access keys take the user to the control
            // they chose; the handler's SetTheFocus must not pull them back.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            focusMovedByKeyboard_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                    reason == Qt::ShortcutFocusReason;
            controller_->txbFile_LostFocus(i);
            focusMovedByKeyboard_ = false;
            return false;
        }
    }
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        (watched == cmdHelp_ || watched == cmdFile_[0] || watched == cmdFile_[1] ||
         watched == cmdListWords_)) {
        RunHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- MainView: questions and choosers ---

// A question is read against the result box: what the run wrote there
// must be on screen first.
Answer MainWindow::Show(const MessageBox& box) {
    outputBox_->Flush();
    return presenter_.ShowBox(this, box);
}

std::optional<std::string> MainWindow::InputBox(const std::string& title, const std::string& prompt,
                                                const std::string& defaultValue) {
    outputBox_->Flush();
    return presenter_.AskText(this, title, prompt, defaultValue);
}

std::optional<std::string> MainWindow::ChooseOutputFile() {
    auto path = presenter_.ChooseFile(this, {"Specify output file", "", false, browseFolder_});
    if (path) {
        settings_.txbFile[1] = *path;
        SetTextIfChanged(*txbFile_[1], QStringFromUtf8(*path));
    }
    return path;
}

void MainWindow::ShowWordTable(const ExportTable& rows, bool caseSignificant) {
    wordTable_->Show(rows, caseSignificant);
    contexts_->Clear();
    cmdCharts_->setEnabled(controlsEnabled_ && !rows.rows.empty());
    if (charts_ != nullptr && charts_->isVisible()) charts_->Show(rows);
}

void MainWindow::ShowCharts() {
    if (charts_ == nullptr) {
        charts_ = new ChartsWindow(this, [this] {
            return presenter_.ChooseFile(this, {"Save the chart", "PNG image (*.png);;SVG drawing (*.svg)",
                                                false, browseFolder_, true});
        });
    }
    charts_->Show(wordTable_->Model().Table());
}

void MainWindow::ShowContextsOfRow(int row) {
    QTableView* table = wordTable_->View();
    if (row >= table->model()->rowCount()) return;
    table->setCurrentIndex(table->model()->index(row, 1));
    contexts_->FindButton()->click();
}

void MainWindow::ContextsFound(std::vector<WordContext> found) {
    contexts_->Found(std::move(found));
}

void MainWindow::ContextsEnded(const std::string& status) {
    contexts_->Ended(QStringFromUtf8(status));
}

std::optional<std::string> MainWindow::ChooseContextsFile() {
    return presenter_.ChooseFile(
        this, {"Export the contexts", "TSV (*.tsv);;Text (*.txt)", false, browseFolder_, true});
}

std::optional<std::string> MainWindow::ChooseExportFile() {
    return presenter_.ChooseFile(
        this, {"Export the listed words", "CSV (*.csv);;TSV (*.tsv);;JSON (*.json);;Excel workbook (*.xlsx)",
               false, browseFolder_, true});
}

std::optional<std::string> MainWindow::ChooseInputFile() {
    return presenter_.ChooseFile(this, InputFileChoice());
}

std::vector<std::string> MainWindow::ChooseInputFiles() {
    return presenter_.ChooseFiles(this, InputFileChoice());
}

FileChoice MainWindow::InputFileChoice() const {
    return {"Specify input file", "A text file or a docx file (*)", true, browseFolder_};
}

std::optional<std::string> MainWindow::ChooseInputFolder() {
    return presenter_.ChooseFolder(this, {"Specify input folder", "", true, browseFolder_});
}

// --- MainView: text box, labels, buttons ---

TextBox& MainWindow::OutputBox() {
    return *outputBox_;
}

QLabel* MainWindow::StatusLabelControl(StatusLabel label) const {
    return statusLabels_[static_cast<int>(label)];
}

void MainWindow::SetLabel(StatusLabel label, const std::string& text) {
    // The file scan sets the progress bar once a line: touch the widget only
    // when the caption really changes.
    std::string& kept = labelTexts_[static_cast<int>(label)];
    if (kept == text) return;
    kept = text;
    StatusLabelControl(label)->setText(QStringFromUtf8(text));
}

void MainWindow::SetStatisticsToolTip(const std::string& text) {
    StatusLabelControl(StatusLabel::lblStatistics)->setToolTip(QStringFromUtf8(text));
}

std::string MainWindow::Label(StatusLabel label) const {
    return labelTexts_[static_cast<int>(label)];
}

void MainWindow::ShowLabel(StatusLabel label, bool visible) {
    StatusLabelControl(label)->setVisible(visible);
}

void MainWindow::SetProgressBarLook(bool asProgressBar) {
    QLabel* label = StatusLabelControl(StatusLabel::lblTotalNumOccurrences);
    if (asProgressBar) {
        QFont font = FixedPitchFont();
        font.setPointSize(10);
        font.setBold(true);
        label->setFont(font);
    } else {
        // The summary reads as one block with the three labels above it.
        label->setFont(StatusLabelControl(StatusLabel::lblNumOccurrences)->font());
    }
    label->setAlignment((asProgressBar ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
}

void MainWindow::SetCountButtonCaption(const std::string& caption) {
    cmdListWords_->setText(WithAccessKey(QStringFromUtf8(caption)));
}

std::string MainWindow::CountButtonCaption() const {
    return Utf8FromQString(WithoutAccessKey(cmdListWords_->text()));
}

void MainWindow::SetCountButtonEnabled(bool enabled) {
    cmdListWords_->setEnabled(enabled);
}

void MainWindow::EnableControls(bool enabled) {
    controlsEnabled_ = enabled;
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdFile_[0], cmdInputFolder_, cmdFile_[1], txbFile_[0], txbFile_[1], chkUTF8_, cmdSaveState_,
             cmdClearOutput_, cboWordOrder_, cboDisplayFormat_, cmdExport_, optOnClipboard_, optInFile_}) {
        control->setEnabled(enabled);
    }
    // Controls whose use also depends on something else come back only when
    // that is there too.
    chkDisableOutputToFile_->setEnabled(enabled && disableOutputBoxUsable_);
    RefreshClearButtons();
    cmdSetParameters_->setEnabled(enabled && settingsWindowCommand_ != nullptr);
    cmdCharts_->setEnabled(enabled && !wordTable_->Model().Table().rows.empty());
    cmdHelp_->setEnabled(enabled && helpCommand_ != nullptr);
    Repaint();
}

void MainWindow::ShowSuppressWordsBox(bool visible) {
    chkSuppressWords_->setVisible(visible);
}

void MainWindow::SetTheFocus() {
    if (!isVisible()) return;
    if (focusMovedByKeyboard_) {
        // The user has already gone where they want to go.
    } else if (cmdFile_[0]->isVisible() && cmdFile_[0]->isEnabled()) {
        cmdFile_[0]->setFocus();
    } else if (cmdListWords_->isVisible() && cmdListWords_->isEnabled()) {
        cmdListWords_->setFocus();
    }
    SetLabel(StatusLabel::lblTwirler, " ");
    RefreshClearButtons();
}

void MainWindow::RefreshClearButtons() {
    for (int i = 0; i < 2; ++i) {
        cmdClearFile_[i]->setEnabled(controlsEnabled_ && !txbFile_[i]->text().isEmpty());
    }
}

void MainWindow::SetFileBoxToolTip(int index, const std::string& tip) {
    txbFile_[index]->setToolTip(QStringFromUtf8(tip));
}

void MainWindow::SetFileButtonToolTip(int index, const std::string& tip) {
    cmdFile_[index]->setToolTip(QStringFromUtf8(tip));
}

void MainWindow::SetSuppressWordsToolTip(const std::string& tip) {
    chkSuppressWords_->setToolTip(QStringFromUtf8(tip));
}

void MainWindow::SetDisableOutputBoxEnabled(bool enabled) {
    disableOutputBoxUsable_ = enabled;
    chkDisableOutputToFile_->setEnabled(enabled && controlsEnabled_);
}

void MainWindow::SetBrowseFolder(const std::string& folder) {
    browseFolder_ = folder;
}

void MainWindow::SettingsChanged() {
    // Programmatic changes emit no clicked/activated/textEdited signals, so
    // bringing the controls in line runs no handler.
    optInFile_->setChecked(settings_.source == SourceOption::optInFile);
    optOnClipboard_->setChecked(settings_.source == SourceOption::optOnClipboard);
    for (int i = 0; i < 2; ++i) SetTextIfChanged(*txbFile_[i], QStringFromUtf8(settings_.txbFile[i]));
    chkUTF8_->setCheckState(CheckStateOf(settings_.chkUTF8));
    chkSuppressWords_->setCheckState(CheckStateOf(settings_.chkSuppressWords));
    chkDisableOutputToFile_->setCheckState(CheckStateOf(settings_.chkDisableOutputToFile));
    cboWordOrder_->setCurrentIndex(settings_.cboWordOrder);
    cboDisplayFormat_->setCurrentIndex(settings_.cboDisplayFormat);
    emit settingsChanged();
}

// --- MainView: clipboard, events, timer, other windows ---

std::optional<std::u16string> MainWindow::ClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return std::nullopt;
    return clipboard->text().toStdU16String();
}

void MainWindow::Yield() {
    // The scan yields between words, tens of millions of times: even reading
    // the clock each time would cost it dearly. The clock is read every
    // yieldStride_ calls, the stride adapting so that this happens about
    // once a millisecond at the caller's pace.
    if (--yieldCountdown_ > 0) return;
    const qint64 now = sinceLastEvents_.elapsed();
    const qint64 sinceCheck = now - lastClockCheck_;
    lastClockCheck_ = now;
    if (sinceCheck < 1 && yieldStride_ < kMaxYieldStride) {
        yieldStride_ *= 2;
    } else if (sinceCheck > 4) {
        yieldStride_ = 1;
    }
    yieldCountdown_ = yieldStride_;
    if (now < kYieldIntervalMs) return;
    sinceLastEvents_.restart();
    lastClockCheck_ = 0;
    outputBox_->Flush();
    QCoreApplication::processEvents();
}

int MainWindow::WordsPerYield() const {
    // A few microseconds of the scan at its fastest: the window still
    // answers at once, and reaching it costs the scan next to nothing.
    return 256;
}

int MainWindow::LinesPerYield() const {
    // Some two thousand bytes of a typical text: the progress bar and the
    // stop button are still served within microseconds.
    return 16;
}

void MainWindow::SetTimerRunning(bool running) {
    if (running) {
        Timer2_->start();
    } else {
        Timer2_->stop();
    }
}

void MainWindow::ShowSettingsWindow() {
    if (settingsWindowCommand_) settingsWindowCommand_();
}

void MainWindow::Repaint() {
    outputBox_->Flush();
    update();
    // Paint now when the scan has not let the window paint for a while, so
    // a progress message shows before a long step.
    if (isVisible() && sinceLastEvents_.elapsed() >= kYieldIntervalMs) repaint();
}

void MainWindow::PopUp(const std::string& message, int width, int height, int intervalMs, int top, int left) {
    frmPopUp_->PopUp(QStringFromUtf8(message), width, height, intervalMs, top, left);
}

}  // namespace lexicount
