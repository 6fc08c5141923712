// The main window on the offscreen platform: what a user does with it, from
// start-up through a count and a relisting to quitting.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <QtTest/QTest>
#include <fstream>
#include <string>
#include <vector>

#include "gui/support/window_fixture.h"
#include "qt/qt_text.h"
#include "run/main_controller.h"
#include "run/qt/charts_window.h"
#include "settings/qt/secondary_windows.h"
#include "settings/qt/settings_window.h"
#include "settings/state_file.h"
#include "support/help_window.h"
#include "support/pop_up.h"

namespace lexicount::test {
namespace {

class MainWindowTest : public WindowTest {
protected:
    // Chooses the input file with the "Input file" button; the program then
    // offers the English common words, which the test answers.
    void ChooseInput(const std::filesystem::path& path, Answer ignoreCommonWords = Answer::No) {
        presenter.files.push_back(path.string());
        presenter.answers.push_back(ignoreCommonWords);
        const size_t before = presenter.boxes.size();
        Click("cmdFile_0");
        ASSERT_EQ(presenter.boxes.size(), before + 1);
        EXPECT_EQ(presenter.boxes.back().title, "Ignore common words?");
    }

    std::string LabelText(const char* name) { return Utf8FromQString(Find<QLabel>(name)->text()); }

    std::vector<std::string> BoxTitles() const {
        std::vector<std::string> titles;
        for (const auto& box : presenter.boxes) titles.push_back(box.title);
        return titles;
    }

    // A list line ends with its word, after the rank and frequency columns.
    static bool HasLine(const std::string& text, const std::string& frequency, const std::string& word) {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            if (line.size() >= word.size() &&
                line.compare(line.size() - word.size(), word.size(), word) == 0 &&
                line.find(" " + frequency + " ") != std::string::npos) {
                return true;
            }
            start = end + 1;
        }
        return false;
    }

    std::filesystem::path SmallText() const {
        return files.Write("words.txt", "The cat and the dog\r\nthe cat sat\r\n");
    }
};

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndCaptions) {
    ASSERT_EQ(Start(), "");
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"optInFile", "file"},
        {"optOnClipboard", "clipboard"},
        {"cmdFile_0", "Input file"},
        {"cmdFile_1", "Output file"},
        {"cmdClearFile_0", "Clear"},
        {"cmdClearFile_1", "Clear"},
        {"chkDisableOutputToFile", "Disable"},
        {"chkUTF8", "UTF-8"},
        {"chkSuppressWords", "Don't display words as found"},
        {"cmdListWords", "Count words"},
        {"cmdClearOutput", "Clear textbox"},
        {"cmdSetParameters", "Settings"},
        {"cmdSaveState", "Save settings"},
        {"cmdHelp", "Help"},
        {"cmdQuit", "Quit"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = Find<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(Caption(*button), caption) << name;
    }
    for (const char* name :
         {"lblTimeElapsed", "lblTwirler", "lblNumberOfWords", "lblNumWordsExcluded", "lblNumOccurrences",
          "lblTotalNumOccurrences", "lblFilesize", "lblXMLsize", "lblSizeOfClipboardContents"}) {
        EXPECT_NE(Find<QLabel>(name), nullptr);
    }
    EXPECT_EQ(LabelText("Label5"), "Source:");
    EXPECT_EQ(LabelText("lblWordOrder"), "Word order:");
    EXPECT_EQ(LabelText("lblDisplayFormat"), "Display format:");
    EXPECT_EQ(Find<QComboBox>("cboWordOrder")->count(), static_cast<int>(WordOrderItems().size()));
    EXPECT_EQ(Find<QComboBox>("cboDisplayFormat")->count(), static_cast<int>(DisplayFormatItems().size()));
}

TEST_F(MainWindowTest, CountsAChosenFileAndShowsListLabelsAndCaption) {
    ASSERT_EQ(Start(), "");
    const auto path = SmallText();
    ChooseInput(path);
    ASSERT_EQ(presenter.choices.size(), 1u);
    EXPECT_EQ(presenter.choices[0].title, "Specify input file");
    EXPECT_TRUE(presenter.choices[0].mustExist);
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbFile_0")->text()), path.string());
    EXPECT_TRUE(Find<QWidget>("cmdClearFile_0")->isEnabled());

    Click("cmdListWords");

    const std::string list = OutputText();
    EXPECT_TRUE(HasLine(list, "3", "the")) << list;
    EXPECT_TRUE(HasLine(list, "2", "cat")) << list;
    EXPECT_TRUE(HasLine(list, "1", "sat")) << list;
    EXPECT_EQ(LabelText("lblNumberOfWords"), "Number of words in this list: 5");
    EXPECT_EQ(LabelText("lblTotalNumOccurrences"), "Total number of instances of words: 8");
    EXPECT_EQ(LabelText("lblNumOccurrences"), "Number of instances of words in this list: 8");
    // The four summary figures read as one block, in one font.
    const QFontInfo total(Find<QWidget>("lblTotalNumOccurrences")->font());
    for (const char* name : {"lblNumberOfWords", "lblNumWordsExcluded", "lblNumOccurrences"}) {
        const QFontInfo other(Find<QWidget>(name)->font());
        EXPECT_EQ(total.family(), other.family()) << name;
        EXPECT_EQ(total.pointSizeF(), other.pointSizeF()) << name;
        EXPECT_EQ(total.bold(), other.bold()) << name;
    }
    EXPECT_TRUE(Find<QWidget>("lblNumberOfWords")->isVisible());
    EXPECT_EQ(Caption(*Find<QAbstractButton>("cmdListWords")), "Count words");
    EXPECT_TRUE(Find<QWidget>("cmdFile_0")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("cboDisplayFormat")->isEnabled());
}

// A file named on the command line and a file dropped from a file manager
// take the road of "Input file" (here its common-words question) and are
// counted; a drop of anything but a local file is refused.
TEST_F(MainWindowTest, CountsANamedOrDroppedFile) {
    ASSERT_EQ(Start(), "");
    presenter.answers.push_back(Answer::Ok);
    window->Controller().OpenAndCount({(files.path() / "missing.txt").string()});
    EXPECT_EQ(BoxTitles(), std::vector<std::string>{"File not found"});  // once, and nothing counted
    EXPECT_EQ(OutputText(), "");
    presenter.boxes.clear();

    const auto path = SmallText();
    presenter.answers.push_back(Answer::No);
    window->Controller().OpenAndCount({path.string()});
    EXPECT_EQ(BoxTitles(), std::vector<std::string>{"Ignore common words?"});
    EXPECT_TRUE(HasLine(OutputText(), "3", "the")) << OutputText();

    Click("cmdClearOutput");
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/text.txt")});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData local;
    local.setUrls({QUrl::fromLocalFile(QStringFromUtf8(path.string()))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &local, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &local, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    presenter.answers.push_back(Answer::No);
    QTRY_VERIFY(HasLine(OutputText(), "2", "cat"));

    // Several files dropped at once are counted together.
    const auto other = files.Write("other.txt", "cat cat\n");
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QStringFromUtf8(path.string())),
                 QUrl::fromLocalFile(QStringFromUtf8(other.string()))});
    QDropEvent dropTwo(QPointF(5, 5), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &dropTwo);
    QTRY_VERIFY(HasLine(OutputText(), "4", "cat"));
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbFile_0")->text()).substr(0, 11), "2 files in ");
}

TEST_F(MainWindowTest, ChangingOrderOrFormatRelistsOnlyAfterACompleteCount) {
    ASSERT_EQ(Start(), "");
    ChooseInput(SmallText());
    Click("cmdListWords");
    const std::string byFrequency = OutputText();

    auto* order = Find<QComboBox>("cboWordOrder");
    order->setFocus();
    QTest::keyClick(order, Qt::Key_Down);
    EXPECT_EQ(settings.cboWordOrder, 1);
    const std::string alphabetical = OutputText();
    EXPECT_NE(alphabetical, byFrequency);
    EXPECT_LT(alphabetical.find("and"), alphabetical.find("cat")) << alphabetical;
    EXPECT_LT(alphabetical.find("cat"), alphabetical.find("the")) << alphabetical;

    auto* format = Find<QComboBox>("cboDisplayFormat");
    format->setFocus();
    QTest::keyClick(format, Qt::Key_Down);
    EXPECT_EQ(settings.cboDisplayFormat, 1);
    const std::string otherFormat = OutputText();
    EXPECT_NE(otherFormat, alphabetical);
    EXPECT_NE(otherFormat.find("the"), std::string::npos);

    // After "Clear textbox" the table is no longer relisted.
    Click("cmdClearOutput");
    EXPECT_EQ(OutputText(), "");
    QTest::keyClick(format, Qt::Key_Up);
    EXPECT_EQ(settings.cboDisplayFormat, 0);
    EXPECT_EQ(OutputText(), "");
}

TEST_F(MainWindowTest, WritesTheListToAChosenOutputFile) {
    ASSERT_EQ(Start(), "");
    ChooseInput(SmallText());
    const auto output = files.path() / "list.txt";
    presenter.files.push_back(output.string());
    Click("cmdFile_1");
    EXPECT_EQ(presenter.choices.back().title, "Specify output file");
    EXPECT_FALSE(presenter.choices.back().mustExist);
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbFile_1")->text()), output.string());
    EXPECT_TRUE(Find<QWidget>("chkDisableOutputToFile")->isEnabled());

    Click("cmdListWords");
    const std::string written = ReadFileBytes(output);
    EXPECT_NE(written.find("the"), std::string::npos) << written;
    EXPECT_NE(written.find("cat"), std::string::npos) << written;
}

struct StopCase {
    Answer listWordsFound;
    bool listed;
};

class StopTest : public MainWindowTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, AClickOnTheBusyButtonAsksAndStops) {
    ASSERT_EQ(Start(), "");
    // Long enough that the scan is still running when the window next lets
    // events in (it does so every 30 ms).
    std::string text;
    for (int i = 0; i < 1000000; ++i) text += "alpha beta gamma delta\r\n";
    ChooseInput(files.Write("long.txt", text));
    presenter.answers = {Answer::No /* no output file */, Answer::Yes /* stop */, GetParam().listWordsFound};
    bool clicked = false;
    auto ready = WhenReady([this, &clicked] {
        auto* button = window->findChild<QAbstractButton*>("cmdListWords");
        if (Caption(*button) != "Stop counting") return false;
        QTest::mouseClick(button, Qt::LeftButton);
        clicked = true;
        return true;
    });
    Click("cmdListWords");

    ASSERT_TRUE(clicked);
    const std::vector<std::string> expected = {"Ignore common words?", "Large input file", "Stop counting",
                                               "Counting interrupted"};
    EXPECT_EQ(BoxTitles(), expected);
    EXPECT_EQ(presenter.boxes[2].buttons, Buttons::YesNo);
    EXPECT_EQ(presenter.boxes[2].defaultButton, 1);
    EXPECT_EQ(Caption(*Find<QAbstractButton>("cmdListWords")), "Count words");
    EXPECT_TRUE(Find<QWidget>("cmdFile_0")->isEnabled());
    // Each "Clear" button comes back only beside a named file.
    EXPECT_TRUE(Find<QWidget>("cmdClearFile_0")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("cmdClearFile_1")->isEnabled());
    const std::string shown = OutputText();
    EXPECT_EQ(shown.find("Rank") != std::string::npos, GetParam().listed) << shown;
    // The click is seen at the window's next look at its events: after one
    // to four different words, depending on when that comes.
    EXPECT_EQ(shown.find("Stopped with ") != std::string::npos, !GetParam().listed) << shown;
    // A partial count is never relisted.
    auto* order = Find<QComboBox>("cboWordOrder");
    QTest::keyClick(order, Qt::Key_Down);
    EXPECT_EQ(OutputText(), shown);
}

INSTANTIATE_TEST_SUITE_P(Answers, StopTest,
                         ::testing::Values(StopCase{Answer::No, false}, StopCase{Answer::Yes, true}));

TEST_F(MainWindowTest, ClipboardSourceShowsItsSizeAndCountsItsText) {
    ASSERT_EQ(Start(), "");
    QGuiApplication::clipboard()->setText("Word word WORD");
    Click("optOnClipboard");
    EXPECT_EQ(settings.source, SourceOption::optOnClipboard);
    EXPECT_EQ(LabelText("lblSizeOfClipboardContents"), "14 bytes on the clipboard.");
    Click("cmdListWords");
    EXPECT_TRUE(HasLine(OutputText(), "3", "word")) << OutputText();
    Click("optInFile");
    EXPECT_EQ(LabelText("lblSizeOfClipboardContents"), "");
}

TEST_F(MainWindowTest, BrowsingForTheInputSwitchesToFileAsAClickOnFileDoes) {
    ASSERT_EQ(Start(), "");
    for (const bool cancelled : {true, false}) {
        QGuiApplication::clipboard()->setText("Word word WORD");
        Click("optOnClipboard");
        ASSERT_EQ(LabelText("lblSizeOfClipboardContents"), "14 bytes on the clipboard.");
        if (cancelled) {
            presenter.files.push_back(std::nullopt);
            Click("cmdFile_0");
        } else {
            ChooseInput(SmallText());
        }
        EXPECT_EQ(settings.source, SourceOption::optInFile) << cancelled;
        EXPECT_TRUE(Find<QAbstractButton>("optInFile")->isChecked()) << cancelled;
        EXPECT_EQ(LabelText("lblSizeOfClipboardContents"), "") << cancelled;
    }
}

TEST_F(MainWindowTest, ADocxThatIsNoDocumentLeavesAnEmptyInputBoxWithoutClear) {
    ASSERT_EQ(Start(), "");
    ChooseInput(SmallText());
    ASSERT_TRUE(Find<QWidget>("cmdClearFile_0")->isEnabled());
    const auto fake = files.Write("report.docx", "plain text under a document's name");
    presenter.files.push_back(fake.string());
    presenter.answers.push_back(Answer::Ok);
    Click("cmdFile_0");
    EXPECT_EQ(presenter.boxes.back().text,
              "The file " + fake.string() +
                  "\r\nhas a 'docx' extension but does not appear to be an MS Word 'docx' file.");
    EXPECT_TRUE(Find<QLineEdit>("txbFile_0")->text().isEmpty());
    EXPECT_FALSE(Find<QWidget>("cmdClearFile_0")->isEnabled());
}

TEST_F(MainWindowTest, TheListsColumnsLineUpOnScreen) {
    ASSERT_EQ(Start(), "");
    settings.chkCaseSignificant = 1;
    settings.cboDisplayFormat = 1;  // rank, word, frequency: words are padded
    // Words of narrow and wide letters, with one- and two-digit counts.
    std::string text;
    const std::vector<std::string> words = {"iiWi", "WWiW", "iWi", "WiW", "Mississippi", "WOW", "lil"};
    for (size_t i = 0; i < words.size(); ++i) {
        for (size_t n = 0; n < 3 * i + 1; ++n) text += words[i] + " ";
    }
    ChooseInput(files.Write("widths.txt", text + "\r\n"));
    Click("cmdListWords");
    auto* box = Find<QPlainTextEdit>("txbOutput");
    const QFontMetricsF metrics(box->font());
    const qreal cell = metrics.horizontalAdvance(QLatin1Char('0'));
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(words.size() + 1)) << OutputText();
    for (const QString& line : lines) {
        EXPECT_NEAR(metrics.horizontalAdvance(line), cell * line.size(), 0.01) << line.toStdString();
    }
}

TEST_F(MainWindowTest, AClickOnTheIntroductionShowsTheClipboardText) {
    ASSERT_EQ(Start(), "");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("naïve text"));
    auto* intro = Find<QPlainTextEdit>("txbIntro");
    QTest::mouseClick(intro->viewport(), Qt::LeftButton);
    EXPECT_EQ(OutputText(), "naïve text");
}

TEST_F(MainWindowTest, F1OnTheCommandButtonsRunsHelpOtherKeysDoNot) {
    ASSERT_EQ(Start(), "");
    int helpShown = 0;
    window->SetHelpCommand([&helpShown] { ++helpShown; });
    for (const char* name : {"cmdListWords", "cmdFile_0", "cmdFile_1", "cmdHelp"}) {
        QTest::keyClick(Find<QWidget>(name), Qt::Key_A);
        EXPECT_EQ(helpShown, 0) << name;
        QTest::keyClick(Find<QWidget>(name), Qt::Key_F1);
        EXPECT_EQ(helpShown, 1) << name;
        helpShown = 0;
    }
}

// "Export..." before a count warns; after one it writes the chosen file in
// the format of its extension, and a name without one as CSV.
TEST_F(MainWindowTest, ExportWritesTheListedWordsToTheChosenFile) {
    ASSERT_EQ(Start(), "");
    presenter.answers = {Answer::Ok};
    Click("cmdExport");
    ASSERT_EQ(BoxTitles(), std::vector<std::string>{"Export"});
    EXPECT_EQ(presenter.boxes[0].text, "There is no list to export yet: count the words first.");

    ChooseInput(files.Write("in.txt", "beta alpha beta caf\xC3\xA9\n"));
    Click("cmdListWords");
    EXPECT_EQ(LabelText("lblStatistics"),
              "Tokens 4   Types 3   Type-token ratio 0.7500   Once 2   Mean word length 4.25");
    const auto json = files.path() / "words.json";
    presenter.files.push_back(json.string());
    presenter.files.push_back((files.path() / "plain").string());
    Click("cmdExport");
    Click("cmdExport");
    EXPECT_TRUE(presenter.choices.back().save);
    const std::string text = ReadFileBytes(json);
    EXPECT_NE(text.find("\"different_words\": 3"), std::string::npos) << text;
    EXPECT_NE(text.find("{\"rank\": 1, \"word\": \"beta\", \"frequency\": 2,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"word\": \"caf\xC3\xA9\""), std::string::npos) << text;
    EXPECT_EQ(ReadFileBytes(files.path() / "plain.csv").rfind("rank,word,frequency,", 0), 0u);
    EXPECT_EQ(presenter.boxes.size(), 2u);  // the warning and the common-words question only
}

// The word table beside the text box holds every listed word: in the
// listing's order at first, sorted by a header (the word column in the
// program's alphabetical order, accents beside their letters), filtered by
// text, whole word or expression, and copied as tab-separated rows.
TEST_F(MainWindowTest, WordTableSortsFiltersAndCopies) {
    ASSERT_EQ(Start(), "");
    ChooseInput(files.Write("in.txt", "zeta \xC3\xA9tude zeta alpha beta zeta beta eta\n"));
    Click("cmdListWords");
    auto* table = Find<QTableView>("tblWords");
    QAbstractItemModel* model = table->model();
    auto column = [&](int c) {
        std::vector<std::string> cells;
        for (int r = 0; r < model->rowCount(); ++r)
            cells.push_back(Utf8FromQString(model->index(r, c).data().toString()));
        return cells;
    };
    using Words = std::vector<std::string>;
    EXPECT_EQ(column(1), (Words{"zeta", "beta", "alpha", "eta", "\xC3\xA9tude"}));
    EXPECT_EQ(column(2), (Words{"3", "2", "1", "1", "1"}));
    EXPECT_EQ(LabelText("lblTableStatus"), "5 of 5 words");

    table->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(column(1), (Words{"alpha", "beta", "eta", "\xC3\xA9tude", "zeta"}));
    table->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(column(1), (Words{"alpha", "eta", "\xC3\xA9tude", "beta", "zeta"}));

    auto* filter = Find<QLineEdit>("txbFilter");
    auto* mode = Find<QComboBox>("cboFilterMode");
    const std::pair<int, const char*> filters[] = {{0, "ETA"}, {1, "eta"}, {2, "^[ab]"}};
    const Words expected[] = {{"eta", "beta", "zeta"}, {"eta"}, {"alpha", "beta"}};
    for (size_t i = 0; i < std::size(filters); ++i) {
        mode->setCurrentIndex(filters[i].first);
        filter->setText(QString::fromUtf8(filters[i].second));
        EXPECT_EQ(column(1), expected[i]) << filters[i].second;
    }
    EXPECT_EQ(LabelText("lblTableStatus"), "2 of 5 words");
    filter->setText(QStringLiteral("(["));
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(LabelText("lblTableStatus").rfind("Not a regular expression: ", 0), 0u);

    filter->clear();
    table->selectRow(4);
    table->setFocus();
    QTest::keySequence(table, QKeySequence::Copy);
    EXPECT_EQ(Utf8FromQString(QGuiApplication::clipboard()->text()),
              "Rank\tWord\tFrequency\tPercent\tPer million\tCumulative %\n"
              "1\tzeta\t3\t37.500\t375,000.0\t37.50\n");
}

// Choosing a word in the word table lists its contexts after a short pause;
// typing one and pressing Enter does too. They sort by either side, copy and
// export as tab-separated rows.
// A folder chosen with "Input folder" and its filter, counted with a
// column for each file.
TEST_F(MainWindowTest, AFolderIsCountedWithAColumnForEachFile) {
    ASSERT_EQ(Start(), "");
    std::filesystem::create_directories(files.path() / "book" / "part");
    files.Write("book/one.txt", "the cat\n");
    files.Write("book/part/two.txt", "the dog and the cat\n");
    files.Write("book/notes.md", "skipped\n");
    Find<QCheckBox>("chkPerFile")->setChecked(true);
    presenter.files.push_back((files.path() / "book").string());
    presenter.texts.push_back("*.txt");
    Click("cmdInputFolder");
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbFile_0")->text()), "2 files in book/");
    EXPECT_NE(Find<QLineEdit>("txbFile_0")->toolTip().indexOf(QStringLiteral("two.txt")), -1);
    Click("cmdListWords");
    EXPECT_TRUE(presenter.unexpected.empty()) << presenter.unexpected.front();

    auto* table = Find<QTableView>("tblWords");
    const QAbstractItemModel& model = *table->model();
    ASSERT_EQ(model.columnCount(), 9);
    std::string headers;
    for (int c = 6; c < 9; ++c)
        headers += Utf8FromQString(model.headerData(c, Qt::Horizontal).toString()) + "|";
    EXPECT_EQ(headers, "Files|one.txt|part/two.txt|");
    std::string the;  // the first row: "the", 3 times in 2 files
    for (const int c : {1, 2, 6, 7, 8}) the += Utf8FromQString(model.index(0, c).data().toString()) + "|";
    EXPECT_EQ(the, "the|3|2|1|2|");
    EXPECT_NE(LabelText("lblStatistics").find("2 files:"), std::string::npos);
    EXPECT_EQ(Utf8FromQString(Find<QLabel>("lblStatistics")->toolTip()),
              "one.txt: 2 different words, 2 instances\npart/two.txt: 4 different words, 5 instances");
}

TEST_F(MainWindowTest, ContextsOfTheChosenWordSortCopyAndExport) {
    ASSERT_EQ(Start(), "");
    ChooseInput(files.Write("in.txt", "the black cat\nA white cat sat\nno dog\n"));
    Click("cmdListWords");
    auto* table = Find<QTableView>("tblWords");
    table->setCurrentIndex(table->model()->index(0, 1));  // "cat", the most frequent
    auto* contexts = Find<QTableView>("tblContexts");
    ASSERT_TRUE(QTest::qWaitFor([&] { return contexts->model()->rowCount() == 2; }));
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbContextWord")->text()), "cat");
    auto row = [&](int r) {
        std::string cells;
        for (int c = 0; c < 4; ++c)
            cells += Utf8FromQString(contexts->model()->index(r, c).data().toString()) + "|";
        return cells;
    };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !Find<QPushButton>("cmdFindContexts")->text().contains("Sto"); }));
    EXPECT_EQ(row(0), "1|the black |cat||");
    EXPECT_EQ(row(1), "2|A white |cat| sat|");
    EXPECT_EQ(LabelText("lblContextsStatus"), "2 contexts of \"cat\".");
    Find<QComboBox>("cboContextOrder")->setCurrentIndex(2);  // by the right context
    EXPECT_EQ(row(0), "1|the black |cat||");
    Find<QComboBox>("cboContextOrder")->setCurrentIndex(1);  // by the left, read leftwards
    EXPECT_EQ(row(0), "1|the black |cat||");
    Find<QComboBox>("cboContextOrder")->setCurrentIndex(0);

    auto* word = Find<QLineEdit>("txbContextWord");
    word->setText(QStringLiteral("SAT"));
    QTest::keyClick(word, Qt::Key_Return);
    ASSERT_EQ(contexts->model()->rowCount(), 1);
    EXPECT_EQ(row(0), "2|A white cat |sat||");
    Find<QSpinBox>("spnContextWidth")->setValue(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return row(0) == "2| cat |sat||"; }));

    Click("cmdCopyContexts");
    EXPECT_EQ(Utf8FromQString(QGuiApplication::clipboard()->text()),
              "Line\tLeft\tWord\tRight\n2\t cat \tsat\t\n");
    const auto tsv = files.path() / "contexts.tsv";
    presenter.files.push_back(tsv.string());
    Click("cmdExportContexts");
    EXPECT_EQ(ReadFileBytes(tsv), "Line\tLeft\tWord\tRight\n2\t cat \tsat\t\n");
}

// "Charts..." after a count: the most frequent words as bars (as many as
// asked for), every listed word on the log-log plot, each chart saved as PNG
// or SVG.
TEST_F(MainWindowTest, ChartsShowTheListAndSaveAsPngOrSvg) {
    ASSERT_EQ(Start(), "");
    EXPECT_FALSE(Find<QPushButton>("cmdCharts")->isEnabled());
    ChooseInput(files.Write("in.txt", "zeta beta zeta alpha beta zeta gamma\n"));
    Click("cmdListWords");
    Click("cmdCharts");
    ChartsWindow* charts = window->Charts();
    ASSERT_NE(charts, nullptr);
    EXPECT_TRUE(charts->isVisible());
    auto bars = [&] {
        const auto* series = qobject_cast<QBarSeries*>(charts->BarChart()->chart()->series().at(0));
        std::vector<double> values;
        for (int i = 0; i < series->barSets().at(0)->count(); ++i)
            values.push_back(series->barSets().at(0)->at(i));
        return values;
    };
    EXPECT_EQ(bars(), (std::vector<double>{3, 2, 1, 1}));
    charts->WordCount()->setValue(2);
    EXPECT_EQ(bars(), (std::vector<double>{3, 2}));
    const auto* zipf = qobject_cast<QLineSeries*>(charts->ZipfChart()->chart()->series().at(0));
    ASSERT_EQ(zipf->count(), 4);
    EXPECT_EQ(zipf->at(0), QPointF(1, 3));
    EXPECT_EQ(zipf->at(3), QPointF(4, 1));

    auto save = [&] { charts->findChild<QPushButton*>("cmdSaveChart")->click(); };
    const auto png = files.path() / "bars.png";
    const auto svg = files.path() / "zipf.svg";
    presenter.files.push_back(png.string());
    save();
    charts->Tabs()->setCurrentIndex(1);
    presenter.files.push_back(svg.string());
    save();
    EXPECT_EQ(ReadFileBytes(png).substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_NE(ReadFileBytes(svg).find("<svg"), std::string::npos);
    EXPECT_EQ(Utf8FromQString(charts->StatusLine()->text()), "Saved " + svg.string());
}

TEST_F(MainWindowTest, TabVisitsEveryControlInReadingOrderAndShiftTabGoesBack) {
    ASSERT_EQ(Start(), "");
    SecondaryWindows windows(*window, presenter);  // "Settings", "Help" and the web links
    presenter.files.push_back((files.path() / "list.txt").string());
    Click("cmdFile_1");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->SetTheFocus();
    ASSERT_EQ(QApplication::focusWidget(), Find<QWidget>("cmdFile_0"));

    // The input box is empty, so its "Clear" button is not a stop.
    const std::vector<std::string> order = {"txbFile_0",
                                            "chkUTF8",
                                            "cmdInputFolder",
                                            "cmdFile_1",
                                            "txbFile_1",
                                            "cmdClearFile_1",
                                            "chkDisableOutputToFile",
                                            "cmdListWords",
                                            "cmdClearOutput",
                                            "cmdSetParameters",
                                            "cmdSaveState",
                                            "cmdHelp",
                                            "cmdQuit",
                                            "chkSuppressWords",
                                            "cboWordOrder",
                                            "cboDisplayFormat",
                                            "cmdExport",
                                            "txbOutput",
                                            "txbFilter",
                                            "cboFilterMode",
                                            "chkPerFile",
                                            "tblWords",
                                            "txbContextWord",
                                            "cmdFindContexts",
                                            "spnContextWidth",
                                            "cboContextOrder",
                                            "cmdCopyContexts",
                                            "cmdExportContexts",
                                            "tblContexts",
                                            "lblCorvaticSystems",
                                            "lblOnlineDocumentation",
                                            "txbIntro",
                                            "optInFile",
                                            "cmdFile_0"};
    EXPECT_EQ(FocusChain(Qt::Key_Tab), order);
    std::vector<std::string> back(order.rbegin() + 1, order.rend());
    back.push_back("cmdFile_0");
    EXPECT_EQ(FocusChain(Qt::Key_Backtab), back);
    // Tab left the result box without typing into it.
    EXPECT_EQ(OutputText(), "");
}

TEST_F(MainWindowTest, EveryButtonHasItsOwnAccessKey) {
    ASSERT_EQ(Start(), "");
    EXPECT_EQ(ButtonsWithoutOwnAccessKey(*window), std::vector<std::string>{});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    presenter.files.push_back(std::nullopt);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !presenter.choices.empty(); }));
    ASSERT_EQ(presenter.choices.size(), 1u);
    EXPECT_EQ(presenter.choices[0].title, "Specify output file");
}

TEST_F(MainWindowTest, YieldLetsEventsInOnlyAfterAPause) {
    ASSERT_EQ(Start(), "");
    QElapsedTimer guard;
    guard.start();
    // Yield until a posted event has run: events were processed just now.
    bool first = false;
    QTimer::singleShot(0, [&first] { first = true; });
    while (!first && guard.elapsed() < 10000) window->Yield();
    ASSERT_TRUE(first);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool second = false;
    QTimer::singleShot(0, [&second] { second = true; });
    window->Yield();
    if (sinceEvents.elapsed() < 30) {
        EXPECT_FALSE(second);
    }
    // ...and they are processed once the pause has passed.
    while (!second && guard.elapsed() < 10000) window->Yield();
    EXPECT_TRUE(second);
}

// --- Start-up ---

TEST_F(MainWindowTest, FirstStartShowsDefaultsAndNoMessage) {
    ASSERT_EQ(Start(), "");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(presenter.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(StateFile().parent_path()));
    EXPECT_TRUE(Find<QAbstractButton>("optInFile")->isChecked());
    EXPECT_EQ(Find<QComboBox>("cboWordOrder")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("cboDisplayFormat")->currentIndex(), 0);
    EXPECT_TRUE(Find<QLineEdit>("txbFile_0")->text().isEmpty());
    EXPECT_FALSE(Find<QWidget>("chkDisableOutputToFile")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("cmdClearFile_1")->isEnabled());
    EXPECT_FALSE(Find<QPlainTextEdit>("txbIntro")->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, StartRestoresAGoodStateFile) {
    SettingsRecord saved;
    saved.txbFile[1] = (files.path() / "out.txt").string();
    saved.cboWordOrder = 1;
    saved.cboDisplayFormat = 3;
    saved.chkSuppressWords = 1;
    std::filesystem::create_directories(StateFile().parent_path());
    ASSERT_EQ(SaveState(saved, "", StateFile()), "");

    ASSERT_EQ(Start(), "");
    EXPECT_TRUE(presenter.boxes.empty());
    EXPECT_EQ(Find<QComboBox>("cboWordOrder")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>("cboDisplayFormat")->currentIndex(), 3);
    EXPECT_TRUE(Find<QCheckBox>("chkSuppressWords")->isChecked());
    EXPECT_EQ(Utf8FromQString(Find<QLineEdit>("txbFile_1")->text()), saved.txbFile[1]);
    EXPECT_TRUE(Find<QWidget>("chkDisableOutputToFile")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("cmdClearFile_1")->isEnabled());
}

TEST_F(MainWindowTest, StartWithADamagedStateFileFallsBackToDefaultsSilently) {
    std::filesystem::create_directories(StateFile().parent_path());
    // A list index far out of range, then the file ends early.
    std::ofstream(StateFile(), std::ios::binary)
        << "\"\"\r\n\"\"\r\n\"\"\r\n\"/*\"\r\n\"*/\"\r\n\"//\"\r\n\"\"\r\n99\r\n";
    ASSERT_EQ(Start(), "");
    EXPECT_TRUE(presenter.boxes.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Find<QComboBox>("cboWordOrder")->currentIndex(), 0);
    EXPECT_EQ(settings.cboShortWordSize, SettingsRecord{}.cboShortWordSize);
}

TEST_F(MainWindowTest, MissingProgramTextsEndStartUpBeforeAnyWindow) {
    TempDir emptyFolder;
    const std::string message = Start(emptyFolder.path());
    EXPECT_EQ(message.rfind("Cannot open file containing program text.", 0), 0u) << message;
    EXPECT_FALSE(window->isVisible());
}

// --- Quitting ---

class QuitTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(QuitTest, QuitAndCloseBoxSaveWhenAskedAndEnd) {
    const bool byCloseBox = GetParam();
    ASSERT_EQ(Start(), "");
    settings.chkSaveStateOnQuit = 1;
    settings.cboWordOrder = 1;
    QSignalSpy quit(window.get(), &MainWindow::quitRequested);
    bool popUpSeen = false;
    auto ready = WhenReady([this, &popUpSeen] {
        PopUpWindow& popUp = window->PopUpWindowForTests();
        if (!popUp.isVisible()) return false;
        popUpSeen = popUp.lblMessage()->text() == "Settings saved.";
        QTest::mouseClick(popUp.lblMessage(), Qt::LeftButton);
        return true;
    });
    if (byCloseBox) {
        window->close();
    } else {
        Click("cmdQuit");
    }
    EXPECT_TRUE(popUpSeen);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(window->isVisible());
    SettingsRecord restored;
    std::string commonWords, ignore;
    ASSERT_EQ(RestoreSavedState(restored, commonWords, ignore, StateFile()), "");
    EXPECT_EQ(restored.cboWordOrder, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitTest, ::testing::Values(false, true));

TEST_F(MainWindowTest, QuitWithoutSaveOnQuitWritesNothing) {
    ASSERT_EQ(Start(), "");
    Click("cmdQuit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(StateFile()));
}

}  // namespace
}  // namespace lexicount::test
