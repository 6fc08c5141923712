// The settings window's controls and their layout.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/settings_record.h"
#include "qt/column_font.h"
#include "qt/named_widgets.h"
#include "qt/qt_text.h"
#include "settings/qt/settings_window.h"

namespace lexicount {
namespace {

QLabel* Label(const char* caption) {
    return new QLabel(QString::fromUtf8(caption));
}

// Text boxes keep a fixed-pitch font, as markers and paths read better so.
QLineEdit* TextBox(const char* name) {
    auto* box = Named(new QLineEdit, name);
    box->setFont(FixedPitchFont());
    return box;
}

QWidget* Row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) layout->addWidget(w);
    if (stretch) layout->addStretch(1);
    return row;
}

}  // namespace

QCheckBox* SettingsWindow::AddCheckBox(const char* name, const char* caption) {
    auto* box = Named(new QCheckBox(QString::fromUtf8(caption)), name);
    checkBoxes_[name] = box;
    return box;
}

QComboBox* SettingsWindow::AddList(const char* name) {
    auto* list = Named(new QComboBox, name);
    std::span<const std::string_view> items;
    const std::string_view field = name;
    if (field == "cboShortWordSize") items = ShortWordSizeItems();
    if (field == "cboLongWordSize") items = LongWordSizeItems();
    if (field == "cboThresholdFrequency") items = ThresholdFrequencyItems();
    for (std::string_view item : items) list->addItem(QStringFromUtf8(item));
    lists_[name] = list;
    return list;
}

void SettingsWindow::BuildControls() {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildAllowFrame());
    left->addWidget(BuildCommentFrame());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildFurthermoreFrame());
    right->addWidget(BuildOptionsRow());
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(columns);
    top->addWidget(BuildIgnoreFrame());
    top->addWidget(BuildFileFrame());

    // Tab reads the window as it is laid out: down the left column, down the
    // right one, then the two frames below, each row from left to right.
    static constexpr const char* kReadingOrder[] = {
        "chkAllowWordsWithHyphens",
        "chkAllowWordsWithApostrophes",
        "chkAllowWordsWithUnderscores",
        "chkAllowWordsWithColons",
        "chkAllowWordsWithBackslashes",
        "chkAllowWordsWithForwardslashes",
        "chkAllowWordsWithPeriods",
        "chkAllowWordsWithAtSigns",
        "chkAllowWordsWithNumerals",
        "chkAllowCommentMarkers",
        "txbStartComment_0",
        "txbEndComment_0",
        "txbStartComment_1",
        "txbEndComment_1",
        "chkCaseSignificant",
        "chkDropFinalS",
        "chkOnly7bitASCII",
        "chkUnicodeWords",
        "chkIgnoreRepetitions",
        "chkIgnoreRomNum40",
        "chkIgnoreNoLetter",
        "chkIgnoreShortWords",
        "cboShortWordSize",
        "cboLongWordSize",
        "chkIgnoreInfrequentWords",
        "cboThresholdFrequency",
        "chkOutputWithCommas",
        "cmdRestoreDefaults",
        "chkWarnOnOverwrite",
        "cmdSetOrClearCheckboxes_1",
        "chkSaveStateOnQuit",
        "cmdSetOrClearCheckboxes_0",
        "chkIgnoreCommonWords",
        "txbCommonWordsFile",
        "cmdClearCommonWordsFile",
        "cmdSelectCommonWordsFile_1",
        "cmdSelectCommonWordsFile_0",
        "txbWordsToIgnore",
        "cmdClearWordsToIgnore",
        "cmdSaveLoadState_0",
        "cmdInitialize",
        "cmdSaveLoadState_1",
        "txbParametersFile",
        "cmdQuit",
        "cmdClose",
    };
    std::vector<QWidget*> order;
    for (const char* name : kReadingOrder) order.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    SetTabOrder(order);
}

QGroupBox* SettingsWindow::BuildAllowFrame() {
    auto* frame = Named(new QGroupBox(QStringLiteral("Allow 'words' with:")), "fraAllowWordsWith");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(AddCheckBox("chkAllowWordsWithHyphens", "hyphens -"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithApostrophes", "apostrophes '"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithUnderscores", "underscores _"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithColons", "colons :"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithBackslashes", "backslashes \\"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithForwardslashes", "forward slashes /"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithPeriods", "periods ."));
    layout->addWidget(AddCheckBox("chkAllowWordsWithAtSigns", "at-signs @"));
    layout->addWidget(AddCheckBox("chkAllowWordsWithNumerals", "numerals"));
    return frame;
}

QGroupBox* SettingsWindow::BuildFurthermoreFrame() {
    auto* frame = Named(new QGroupBox(QStringLiteral("Furthermore:")), "fraFurthermore");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(AddCheckBox("chkCaseSignificant", "Upper/lower case significant"));
    layout->addWidget(AddCheckBox("chkDropFinalS", "Drop final 's' unless 'ss' or vowel+'s'"));
    layout->addWidget(AddCheckBox("chkOnly7bitASCII", "Allow only 7-bit ASCII characters"));
    QCheckBox* unicodeWords = AddCheckBox("chkUnicodeWords", "Unicode words (any script)");
    unicodeWords->setToolTip(QStringLiteral(
        "Count words in every alphabet and script (Cyrillic, Greek, Arabic, Chinese, ...) instead of "
        "Windows-1252 text only:\nletters of any script, accents composed or not, full case folding, "
        "Chinese, Japanese and Thai words found by a dictionary;\nthe list and the output file are "
        "UTF-8."));
    layout->addWidget(unicodeWords);
    layout->addWidget(
        AddCheckBox("chkIgnoreRepetitions", "Ignore a word if consists of a repetition of a single letter"));
    layout->addWidget(AddCheckBox("chkIgnoreRomNum40", "Ignore Roman numerals < XL (40)"));
    layout->addWidget(AddCheckBox("chkIgnoreNoLetter", "Ignore word if it lacks a letter (e.g. numbers)"));
    layout->addWidget(Row({AddCheckBox("chkIgnoreShortWords", "Ignore words with fewer than"),
                           AddList("cboShortWordSize"), Label("characters")}));
    layout->addWidget(
        Row({Label("Ignore words with more than"), AddList("cboLongWordSize"), Label("characters")}));
    layout->addWidget(Row({AddCheckBox("chkIgnoreInfrequentWords", "Ignore words with fewer than"),
                           AddList("cboThresholdFrequency"), Label("occurrences")}));
    layout->addStretch(1);
    return frame;
}

QGroupBox* SettingsWindow::BuildIgnoreFrame() {
    fraIgnoreTheseWords_ = Named(new QGroupBox, "fraIgnoreTheseWords");
    auto* grid = new QGridLayout(fraIgnoreTheseWords_);
    txbCommonWordsFile_ = TextBox("txbCommonWordsFile");
    cmdClearCommonWordsFile_ = Button("cmdClearCommonWordsFile", "Cl&ear");
    cmdSelectCommonWordsFile_[1] =
        Button("cmdSelectCommonWordsFile_1", "Select common words in some &language");
    cmdSelectCommonWordsFile_[0] =
        Button("cmdSelectCommonWordsFile_0", "Select some other common words &file");
    cmdSelectCommonWordsFile_[1]->setToolTip(QStringFromUtf8(kLanguageCommonWordsTip));
    cmdSelectCommonWordsFile_[0]->setToolTip(QStringFromUtf8(kOtherCommonWordsFileTip));
    grid->addWidget(AddCheckBox("chkIgnoreCommonWords", "Ignore common words in file:"), 0, 0);
    grid->addWidget(txbCommonWordsFile_, 0, 1);
    grid->addWidget(cmdClearCommonWordsFile_, 0, 2);
    grid->addWidget(Row({cmdSelectCommonWordsFile_[1], cmdSelectCommonWordsFile_[0]}), 1, 1);

    txbWordsToIgnore_ = TextBox("txbWordsToIgnore");
    txbWordsToIgnore_->setToolTip(QStringFromUtf8(kWordsToIgnoreTip));
    cmdClearWordsToIgnore_ = Button("cmdClearWordsToIgnore", "Cle&ar");
    grid->addWidget(Named(Label("Ignore these words:"), "lblIgnoreTheseWords"), 2, 0);
    grid->addWidget(txbWordsToIgnore_, 2, 1);
    grid->addWidget(cmdClearWordsToIgnore_, 2, 2);
    grid->setColumnStretch(1, 1);
    return fraIgnoreTheseWords_;
}

QGroupBox* SettingsWindow::BuildCommentFrame() {
    auto* frame = Named(new QGroupBox, "fraCommentMarkers");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(AddCheckBox("chkAllowCommentMarkers", "Allow start- and end-comment markers"), 0, 0, 1,
                    3);
    const char* pairCaptions[2] = {"1st pair:", "2nd pair:"};
    const char* startNames[2] = {"txbStartComment_0", "txbStartComment_1"};
    const char* endNames[2] = {"txbEndComment_0", "txbEndComment_1"};
    for (int i = 0; i < 2; ++i) {
        txbStartComment_[i] = TextBox(startNames[i]);
        txbEndComment_[i] = TextBox(endNames[i]);
        for (QLineEdit* box : {txbStartComment_[i], txbEndComment_[i]}) box->setMaximumWidth(80);
        grid->addWidget(Label(pairCaptions[i]), i + 1, 0);
        grid->addWidget(txbStartComment_[i], i + 1, 1);
        grid->addWidget(txbEndComment_[i], i + 1, 2);
    }
    return frame;
}

QWidget* SettingsWindow::BuildOptionsRow() {
    auto* area = new QWidget;
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AddCheckBox("chkOutputWithCommas", "Include commas in output file"), 0, 0);
    layout->addWidget(AddCheckBox("chkWarnOnOverwrite", "Warn before overwriting output file"), 1, 0);
    layout->addWidget(AddCheckBox("chkSaveStateOnQuit", "Save settings on quit"), 2, 0);
    cmdRestoreDefaults_ = Button("cmdRestoreDefaults", "&Restore defaults");
    cmdSetOrClearCheckboxes_[1] = Button("cmdSetOrClearCheckboxes_1", "&Set checkboxes");
    cmdSetOrClearCheckboxes_[0] = Button("cmdSetOrClearCheckboxes_0", "Clear chec&kboxes");
    layout->addWidget(cmdRestoreDefaults_, 0, 1);
    layout->addWidget(cmdSetOrClearCheckboxes_[1], 1, 1);
    layout->addWidget(cmdSetOrClearCheckboxes_[0], 2, 1);
    layout->setColumnStretch(0, 1);
    return area;
}

QGroupBox* SettingsWindow::BuildFileFrame() {
    auto* frame = Named(new QGroupBox, "fraSettingsFile");
    auto* grid = new QGridLayout(frame);
    cmdSaveLoadState_[0] = Button("cmdSaveLoadState_0", "Sa&ve settings to file");
    cmdSaveLoadState_[1] = Button("cmdSaveLoadState_1", "Loa&d settings from file");
    lblParameters_ = Named(Label("State loaded from:"), "lblParameters");
    txbParametersFile_ = TextBox("txbParametersFile");
    txbParametersFile_->setReadOnly(true);
    cmdInitialize_ = Button("cmdInitialize", "Re&initialize");
    cmdQuit_ = Button("cmdQuit", "&Quit");
    cmdClose_ = Button("cmdClose", "&Close");
    grid->addWidget(cmdSaveLoadState_[0], 0, 0);
    grid->addWidget(cmdSaveLoadState_[1], 1, 0);
    grid->addWidget(lblParameters_, 0, 1);
    grid->addWidget(txbParametersFile_, 1, 1);
    grid->addWidget(cmdInitialize_, 0, 2);
    grid->addWidget(cmdQuit_, 1, 2);
    grid->addWidget(cmdClose_, 2, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

}  // namespace lexicount
