#pragma once

// frmParams, the settings window: modeless, built once, hidden (never
// destroyed) by "Close" and by its close box. It shows the settings record's
// fields and forwards each event to the SettingsController; as its
// SettingsView it shows what the controller asks for, with every modal
// question going through the main window's DialogPresenter.
//
// Object names are the control names; a control array's items are named
// <control>_<index> (cmdSetOrClearCheckboxes_1 is "Set checkboxes",
// cmdSelectCommonWordsFile_0 "Select some other common words file",
// txbStartComment_0 the first pair's start marker).

#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "settings/settings_controller.h"
#include "settings/settings_view.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lexicount {

class DialogPresenter;
class LanguageWindow;
class MainWindow;
struct SettingsRecord;

class SettingsWindow : public QWidget, public SettingsView {
    Q_OBJECT

public:
    SettingsWindow(MainWindow& main, DialogPresenter& presenter);
    ~SettingsWindow() override;

    SettingsController& Controller() { return controller_; }
    LanguageWindow& LanguageWindowForTests() { return *frmLanguageSelection_; }

    // Brings every control in line with the record, running no handler.
    void Refresh();

    // --- SettingsView ---
    Answer Show(const MessageBox& box) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    int ChooseLanguage(bool unicodeWords) override;
    void SetParametersLabel(const std::string& text) override;
    void SetParametersFile(const std::string& path) override;
    void ShowParametersFile(bool visible) override;
    void FocusClose() override;
    void ShowWindow() override;
    void CloseWindow() override;
    void QuitProgram() override;
    void SettingsChanged() override;
    void OutputFileControlsChanged() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QGroupBox* BuildAllowFrame();
    QGroupBox* BuildFurthermoreFrame();
    QGroupBox* BuildIgnoreFrame();
    QGroupBox* BuildCommentFrame();
    QWidget* BuildOptionsRow();
    QGroupBox* BuildFileFrame();
    QCheckBox* AddCheckBox(const char* name, const char* caption);
    QComboBox* AddList(const char* name);
    void ConnectEvents();
    void PlaceBesideMainWindow();

    MainWindow& main_;
    DialogPresenter& presenter_;
    SettingsRecord& settings_;
    SettingsController controller_;
    LanguageWindow* frmLanguageSelection_ = nullptr;

    std::map<std::string, QCheckBox*> checkBoxes_;
    std::map<std::string, QComboBox*> lists_;
    QLineEdit* txbCommonWordsFile_ = nullptr;
    QLineEdit* txbWordsToIgnore_ = nullptr;
    QLineEdit* txbStartComment_[2] = {};
    QLineEdit* txbEndComment_[2] = {};
    QLineEdit* txbParametersFile_ = nullptr;
    QLabel* lblParameters_ = nullptr;
    QGroupBox* fraIgnoreTheseWords_ = nullptr;
    QPushButton* cmdSelectCommonWordsFile_[2] = {};
    QPushButton* cmdClearCommonWordsFile_ = nullptr;
    QPushButton* cmdClearWordsToIgnore_ = nullptr;
    QPushButton* cmdRestoreDefaults_ = nullptr;
    QPushButton* cmdSetOrClearCheckboxes_[2] = {};
    QPushButton* cmdSaveLoadState_[2] = {};
    QPushButton* cmdInitialize_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    bool placed_ = false;
};

// A Qt name filter for a "Description (*.ext) | *.ext" filter: the
// description, with "*.*" read as every file.
std::string QtNameFilter(const std::string& filter);

}  // namespace lexicount
