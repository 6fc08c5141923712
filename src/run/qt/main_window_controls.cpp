// The main window's controls and their layout.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/column_font.h"
#include "qt/named_widgets.h"
#include "qt/qt_text.h"
#include "run/qt/contexts_panel.h"
#include "run/qt/main_window.h"
#include "run/qt/word_table_panel.h"

namespace lexicount {

namespace {

constexpr const char* kStatusLabelNames[kStatusLabelCount] = {
    "lblTimeElapsed",      "lblTwirler",        "lblNumberOfWords",
    "lblNumWordsExcluded", "lblNumOccurrences", "lblTotalNumOccurrences",
    "lblFilesize",         "lblXMLsize",        "lblSizeOfClipboardContents",
    "lblStatistics",
};

// A hidden control keeps its place, so the window does not jump about when
// labels are concealed during a run.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

void MainWindow::BuildControls() {
    setObjectName("frmMain");
    setWindowTitle("Lexicount");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildSourceRow());
    layout->addWidget(BuildFileRows());
    layout->addWidget(BuildCommandRow());
    layout->addWidget(BuildListFrame());
    txbOutput_ = Named(new QPlainTextEdit, "txbOutput");
    txbOutput_->setFont(FixedPitchFont());
    txbOutput_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A tab typed into the list would only spoil its columns.
    txbOutput_->setTabChangesFocus(true);
    // The word table beside the text box: all listed words, to sort and filter.
    wordTable_ = new WordTablePanel;
    auto* results = Named(new QSplitter(Qt::Horizontal), "splResults");
    results->addWidget(txbOutput_);
    results->addWidget(wordTable_);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 2);
    // The contexts of a word under both, as wide as the window: their lines
    // are long.
    contexts_ = new ContextsPanel;
    auto* resultsAndContexts = Named(new QSplitter(Qt::Vertical), "splContexts");
    resultsAndContexts->addWidget(results);
    resultsAndContexts->addWidget(contexts_);
    resultsAndContexts->setStretchFactor(0, 3);
    resultsAndContexts->setStretchFactor(1, 2);
    layout->addWidget(resultsAndContexts, 1);
    layout->addWidget(BuildStatusFrame());
    setCentralWidget(central);
    resize(860, 720);
    // Tab reads the window row by row; the web links follow the result box.
    SetTabOrder({txbIntro_,
                 optInFile_,
                 optOnClipboard_,
                 cmdFile_[0],
                 txbFile_[0],
                 cmdClearFile_[0],
                 chkUTF8_,
                 cmdInputFolder_,
                 cmdFile_[1],
                 txbFile_[1],
                 cmdClearFile_[1],
                 chkDisableOutputToFile_,
                 cmdListWords_,
                 cmdClearOutput_,
                 cmdSetParameters_,
                 cmdSaveState_,
                 cmdHelp_,
                 cmdQuit_,
                 chkSuppressWords_,
                 cboWordOrder_,
                 cboDisplayFormat_,
                 cmdExport_,
                 cmdCharts_,
                 txbOutput_,
                 wordTable_->FilterBox(),
                 wordTable_->FilterMode(),
                 wordTable_->PerFileBox(),
                 wordTable_->View(),
                 contexts_->WordBox(),
                 contexts_->FindButton(),
                 contexts_->WidthBox(),
                 contexts_->OrderBox(),
                 contexts_->CopyButton(),
                 contexts_->ExportButton(),
                 contexts_->View()});
}

QWidget* MainWindow::BuildSourceRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    txbIntro_ = Named(new QPlainTextEdit, "txbIntro");
    txbIntro_->setReadOnly(true);
    txbIntro_->setMaximumHeight(110);
    txbIntro_->viewport()->installEventFilter(this);
    layout->addWidget(txbIntro_, 1);

    Frame1_ = Named(new QGroupBox, "Frame1");
    auto* frameLayout = new QVBoxLayout(Frame1_);
    frameLayout->addWidget(Named(new QLabel("Source:"), "Label5"));
    optInFile_ = Named(new QRadioButton("file"), "optInFile");
    optOnClipboard_ = Named(new QRadioButton("clipboard"), "optOnClipboard");
    optInFile_->setChecked(true);
    frameLayout->addWidget(optInFile_);
    frameLayout->addWidget(optOnClipboard_);
    layout->addWidget(Frame1_);
    return row;
}

QWidget* MainWindow::BuildFileRows() {
    static constexpr const char* kCaptions[2] = {"&Input file", "&Output file"};
    static constexpr const char* kButtonNames[2] = {"cmdFile_0", "cmdFile_1"};
    static constexpr const char* kBoxNames[2] = {"txbFile_0", "txbFile_1"};
    static constexpr const char* kClearNames[2] = {"cmdClearFile_0", "cmdClearFile_1"};
    static constexpr const char* kClearCaptions[2] = {"C&lear", "Cl&ear"};
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        cmdFile_[i] = Button(kButtonNames[i], kCaptions[i]);
        txbFile_[i] = Named(new QLineEdit, kBoxNames[i]);
        txbFile_[i]->setFont(FixedPitchFont());
        txbFile_[i]->installEventFilter(this);
        cmdClearFile_[i] = Button(kClearNames[i], kClearCaptions[i]);
        cmdClearFile_[i]->setEnabled(false);
        grid->addWidget(cmdFile_[i], i, 0);
        grid->addWidget(txbFile_[i], i, 1);
        grid->addWidget(cmdClearFile_[i], i, 2);
    }
    chkUTF8_ = Named(new QCheckBox("UTF-8"), "chkUTF8");
    chkDisableOutputToFile_ = Named(new QCheckBox("Disable"), "chkDisableOutputToFile");
    chkDisableOutputToFile_->setEnabled(false);
    grid->addWidget(chkUTF8_, 0, 3);
    // A folder of files, with its subfolders, in place of the input file.
    cmdInputFolder_ = Button("cmdInputFolder", "Input fol&der");
    grid->addWidget(cmdInputFolder_, 0, 4);
    grid->addWidget(chkDisableOutputToFile_, 1, 3);
    grid->setColumnStretch(1, 1);
    return rows;
}

QWidget* MainWindow::BuildCommandRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdListWords_ = Button("cmdListWords", "&Count words");
    cmdClearOutput_ = Button("cmdClearOutput", "Clear &textbox");
    cmdSetParameters_ = Button("cmdSetParameters", "&Settings");
    cmdSaveState_ = Button("cmdSaveState", "Sa&ve settings");
    cmdHelp_ = Button("cmdHelp", "&Help");
    cmdQuit_ = Button("cmdQuit", "&Quit");
    for (QPushButton* button :
         {cmdListWords_, cmdClearOutput_, cmdSetParameters_, cmdSaveState_, cmdHelp_, cmdQuit_}) {
        layout->addWidget(button);
    }
    for (QPushButton* button : {cmdHelp_, cmdFile_[0], cmdFile_[1], cmdListWords_})
        button->installEventFilter(this);
    // No settings or help window until one is given.
    cmdSetParameters_->setEnabled(false);
    cmdHelp_->setEnabled(false);
    chkSuppressWords_ = Named(new QCheckBox("Don't display words as found"), "chkSuppressWords");
    chkSuppressWords_->setToolTip("The program will run faster if this checkbox is checked.");
    KeepPlaceWhenHidden(chkSuppressWords_);
    layout->addStretch(1);
    layout->addWidget(chkSuppressWords_);
    return row;
}

QWidget* MainWindow::BuildListFrame() {
    auto* frame = Named(new QGroupBox, "Frame4");
    auto* layout = new QHBoxLayout(frame);
    cboWordOrder_ = Named(new QComboBox, "cboWordOrder");
    cboDisplayFormat_ = Named(new QComboBox, "cboDisplayFormat");
    for (std::string_view item : WordOrderItems()) cboWordOrder_->addItem(QStringFromUtf8(item));
    for (std::string_view item : DisplayFormatItems()) cboDisplayFormat_->addItem(QStringFromUtf8(item));
    layout->addWidget(Named(new QLabel("Word order:"), "lblWordOrder"));
    layout->addWidget(cboWordOrder_);
    layout->addSpacing(24);
    layout->addWidget(Named(new QLabel("Display format:"), "lblDisplayFormat"));
    layout->addWidget(cboDisplayFormat_, 1);
    cmdExport_ = Button("cmdExport", "E&xport...");
    cmdExport_->setToolTip("Write the listed words to a CSV, TSV, JSON or Excel file");
    layout->addWidget(cmdExport_);
    cmdCharts_ = Button("cmdCharts", "Ch&arts...");
    cmdCharts_->setToolTip("The most frequent words as bars, and rank against frequency on log-log axes");
    cmdCharts_->setEnabled(false);  // until a count has listed words
    layout->addWidget(cmdCharts_);
    return frame;
}

void MainWindow::AddWebLinks(QWidget* homePage, QWidget* manual) {
    auto* grid = static_cast<QGridLayout*>(Frame2_->layout());
    grid->addWidget(homePage, 4, 0, Qt::AlignLeft);
    grid->addWidget(manual, 4, 1, Qt::AlignLeft);
    SetTabOrder({contexts_->View(), homePage, manual});
}

QWidget* MainWindow::BuildStatusFrame() {
    Frame2_ = Named(new QGroupBox, "Frame2");
    auto* grid = new QGridLayout(Frame2_);
    for (int i = 0; i < kStatusLabelCount; ++i) {
        statusLabels_[i] = Named(new QLabel, kStatusLabelNames[i]);
        KeepPlaceWhenHidden(statusLabels_[i]);
    }
    auto at = [this](StatusLabel label) { return statusLabels_[static_cast<int>(label)]; };
    at(StatusLabel::lblTwirler)->setText(" ");
    at(StatusLabel::lblTwirler)->setMinimumWidth(24);
    // Left column: the summary, right-aligned figures under each other.
    grid->addWidget(at(StatusLabel::lblNumberOfWords), 0, 0);
    grid->addWidget(at(StatusLabel::lblNumWordsExcluded), 1, 0);
    grid->addWidget(at(StatusLabel::lblNumOccurrences), 2, 0);
    grid->addWidget(at(StatusLabel::lblTotalNumOccurrences), 3, 0);
    for (StatusLabel label : {StatusLabel::lblNumberOfWords, StatusLabel::lblNumWordsExcluded,
                              StatusLabel::lblNumOccurrences, StatusLabel::lblTotalNumOccurrences}) {
        at(label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // Right column: time, activity sign and sizes.
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(at(StatusLabel::lblTimeElapsed), 1);
    timeRow->addWidget(at(StatusLabel::lblTwirler));
    grid->addLayout(timeRow, 0, 1);
    grid->addWidget(at(StatusLabel::lblFilesize), 1, 1);
    grid->addWidget(at(StatusLabel::lblXMLsize), 2, 1);
    grid->addWidget(at(StatusLabel::lblSizeOfClipboardContents), 3, 1);
    // Under the web links: the figures of the vocabulary, across the frame.
    grid->addWidget(at(StatusLabel::lblStatistics), 5, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnMinimumWidth(0, 420);
    grid->setHorizontalSpacing(32);
    return Frame2_;
}

}  // namespace lexicount
