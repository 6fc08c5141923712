#pragma once

// frmMain, the main window. It shows the controls and forwards each event to
// the MainController, which holds the behaviour; as the controller's
// MainView it shows what the run asks for. Every modal question goes through
// a DialogPresenter so that tests can answer it.
//
// Object names are the control names. A control array's items are named
// <control>_<index>: cmdFile_0 is the input-file button, cmdFile_1 the
// output-file button; likewise txbFile_0/1 and cmdClearFile_0/1.

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "base/settings_record.h"
#include "run/main_view.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lexicount {

class DialogPresenter;
struct FileChoice;
class MainController;
class OutputTextBox;
class WordTablePanel;
class ContextsPanel;
class ChartsWindow;
class PopUpWindow;

inline constexpr int kStatusLabelCount = 10;

class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT

public:
    MainWindow(SettingsRecord& settings, DialogPresenter& presenter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: loads the program texts and the saved state, shows the
    // window and finishes the start-up. Returns "" or the message that must
    // end the program, in which case no window has been shown.
    std::string LoadAndShow(const std::filesystem::path& programFolder,
                            const std::filesystem::path& stateFile = {});

    MainController& Controller() { return *controller_; }

    // The windows of other parts of the program. Until one is given, its
    // button stays disabled.
    void SetSettingsWindowCommand(std::function<void()> command);
    void SetHelpCommand(std::function<void()> command);
    // Places the two web links (home page, user manual) under the summary.
    void AddWebLinks(QWidget* homePage, QWidget* manual);

    // "Quit" and the close box: save when asked to, then end.
    void Quit();

    // --- MainView ---
    Answer Show(const MessageBox& box) override;
    std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultValue) override;
    std::optional<std::string> ChooseOutputFile() override;
    std::optional<std::string> ChooseExportFile() override;
    void ShowWordTable(const ExportTable& rows, bool caseSignificant) override;
    bool HasWordTable() const override { return true; }
    void ContextsFound(std::vector<WordContext> found) override;
    void ContextsEnded(const std::string& status) override;
    std::optional<std::string> ChooseContextsFile() override;
    // Selects a row of the word table and lists the contexts of its word at
    // once.
    void ShowContextsOfRow(int row);
    // The charts window, built on first use (for tests: nullptr before).
    ChartsWindow* Charts() const { return charts_; }
    std::optional<std::string> ChooseInputFile() override;
    std::vector<std::string> ChooseInputFiles() override;
    void SetStatisticsToolTip(const std::string& text) override;
    std::optional<std::string> ChooseInputFolder() override;
    TextBox& OutputBox() override;
    void SetLabel(StatusLabel label, const std::string& text) override;
    std::string Label(StatusLabel label) const override;
    void ShowLabel(StatusLabel label, bool visible) override;
    void SetProgressBarLook(bool asProgressBar) override;
    void SetCountButtonCaption(const std::string& caption) override;
    std::string CountButtonCaption() const override;
    void SetCountButtonEnabled(bool enabled) override;
    void EnableControls(bool enabled) override;
    void ShowSuppressWordsBox(bool visible) override;
    std::optional<std::u16string> ClipboardText() override;
    void Yield() override;
    int WordsPerYield() const override;
    int LinesPerYield() const override;
    void SetTimerRunning(bool running) override;
    void SetTheFocus() override;
    void ShowSettingsWindow() override;
    void Repaint() override;
    void SettingsChanged() override;
    void SetFileBoxToolTip(int index, const std::string& tip) override;
    void SetFileButtonToolTip(int index, const std::string& tip) override;
    void SetSuppressWordsToolTip(const std::string& tip) override;
    void SetDisableOutputBoxEnabled(bool enabled) override;
    void SetBrowseFolder(const std::string& folder) override;
    void PopUp(const std::string& message, int width, int height, int intervalMs, int top, int left) override;

    PopUpWindow& PopUpWindowForTests() { return *frmPopUp_; }

signals:
    // The settings record changed under the window (for the settings window).
    void settingsChanged();
    // The program is to end.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A file dropped from a file manager is opened and counted.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileChoice InputFileChoice() const;
    void BuildControls();
    QWidget* BuildSourceRow();
    QWidget* BuildFileRows();
    QWidget* BuildCommandRow();
    QWidget* BuildListFrame();
    QWidget* BuildStatusFrame();
    void ConnectEvents();
    // The contexts panel: the word chosen in the word table, the search and
    // its stop, the export.
    void ConnectContexts();
    void RunHelp();
    // "Charts...": the charts of the rows in the word table.
    void ShowCharts();
    // cmdClearFile(i) is usable exactly while txbFile(i) holds a path.
    void RefreshClearButtons();
    QLabel* StatusLabelControl(StatusLabel label) const;

    SettingsRecord& settings_;
    DialogPresenter& presenter_;
    std::unique_ptr<MainController> controller_;

    QPlainTextEdit* txbIntro_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QRadioButton* optInFile_ = nullptr;
    QRadioButton* optOnClipboard_ = nullptr;
    std::array<QPushButton*, 2> cmdFile_{};
    std::array<QLineEdit*, 2> txbFile_{};
    std::array<QPushButton*, 2> cmdClearFile_{};
    QPushButton* cmdInputFolder_ = nullptr;
    QCheckBox* chkDisableOutputToFile_ = nullptr;
    QCheckBox* chkUTF8_ = nullptr;
    QCheckBox* chkSuppressWords_ = nullptr;
    QPushButton* cmdListWords_ = nullptr;
    QPushButton* cmdClearOutput_ = nullptr;
    QPushButton* cmdSetParameters_ = nullptr;
    QPushButton* cmdSaveState_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdCharts_ = nullptr;
    ChartsWindow* charts_ = nullptr;
    WordTablePanel* wordTable_ = nullptr;
    ContextsPanel* contexts_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    QComboBox* cboWordOrder_ = nullptr;
    QComboBox* cboDisplayFormat_ = nullptr;
    QPlainTextEdit* txbOutput_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    std::array<QLabel*, kStatusLabelCount> statusLabels_{};
    std::array<std::string, kStatusLabelCount> labelTexts_;
    OutputTextBox* outputBox_ = nullptr;
    QTimer* Timer2_ = nullptr;
    PopUpWindow* frmPopUp_ = nullptr;

    std::function<void()> settingsWindowCommand_;
    std::function<void()> helpCommand_;
    std::string browseFolder_;
    bool controlsEnabled_ = true;
    bool disableOutputBoxUsable_ = false;
    bool quitting_ = false;
    // The user is moving the focus on from a path box by keyboard.
    bool focusMovedByKeyboard_ = false;
    QElapsedTimer sinceLastEvents_;
    qint64 lastClockCheck_ = 0;  // ms on sinceLastEvents_
    int yieldStride_ = 1;
    int yieldCountdown_ = 1;
};

}  // namespace lexicount
