// The settings, language and help windows and the web links on the
// offscreen platform, driven as a user drives them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gui/support/window_fixture.h"
#include "qt/qt_text.h"
#include "qt/twips.h"
#include "run/main_controller.h"
#include "settings/help_text.h"
#include "settings/qt/language_window.h"
#include "settings/qt/secondary_windows.h"
#include "settings/qt/settings_window.h"
#include "support/help_window.h"
#include "support/web_links.h"

namespace lexicount::test {
namespace {

class SettingsWindowTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Start(), "");
        windows = std::make_unique<SecondaryWindows>(*window, presenter);
        presenter.boxes.clear();
    }
    void TearDown() override {
        windows.reset();
        WindowTest::TearDown();
    }

    template <typename Control>
    Control* InSettings(const char* name) {
        auto* control = windows->frmParams().findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void ClickInSettings(const char* name) {
        auto* button = InSettings<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << name;
        // click() emits what a mouse click does, wherever the check box's
        // indicator lies.
        button->click();
        QApplication::processEvents();
    }
    void Leave(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    RunState& State() { return window->Controller().State(); }

    std::unique_ptr<SecondaryWindows> windows;
};

TEST_F(SettingsWindowTest, SettingsButtonShowsTheNamedControls) {
    Click("cmdSetParameters");
    SettingsWindow& frmParams = windows->frmParams();
    EXPECT_TRUE(frmParams.isVisible());
    EXPECT_EQ(frmParams.windowTitle(), QStringLiteral("Settings"));
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"cmdRestoreDefaults", "Restore defaults"},
        {"cmdSetOrClearCheckboxes_1", "Set checkboxes"},
        {"cmdSetOrClearCheckboxes_0", "Clear checkboxes"},
        {"cmdSelectCommonWordsFile_1", "Select common words in some language"},
        {"cmdSelectCommonWordsFile_0", "Select some other common words file"},
        {"cmdClearCommonWordsFile", "Clear"},
        {"cmdClearWordsToIgnore", "Clear"},
        {"cmdSaveLoadState_0", "Save settings to file"},
        {"cmdSaveLoadState_1", "Load settings from file"},
        {"cmdInitialize", "Reinitialize"},
        {"cmdQuit", "Quit"},
        {"cmdClose", "Close"},
        {"chkAllowWordsWithBackslashes", "backslashes \\"},
        {"chkIgnoreRepetitions", "Ignore a word if consists of a repetition of a single letter"},
        {"chkIgnoreCommonWords", "Ignore common words in file:"},
        {"chkAllowCommentMarkers", "Allow start- and end-comment markers"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = InSettings<QAbstractButton>(name);
        if (button != nullptr) {
            EXPECT_EQ(Caption(*button), caption) << name;
        }
    }
    for (const char* name : {"txbCommonWordsFile", "txbWordsToIgnore", "txbStartComment_0", "txbEndComment_0",
                             "txbStartComment_1", "txbEndComment_1"}) {
        InSettings<QLineEdit>(name);
    }
    EXPECT_EQ(Utf8FromQString(InSettings<QLineEdit>("txbWordsToIgnore")->toolTip()), kWordsToIgnoreTip);
    EXPECT_EQ(InSettings<QComboBox>("cboLongWordSize")->currentText(), QStringLiteral("50"));
    EXPECT_FALSE(InSettings<QLineEdit>("txbParametersFile")->isVisible());
    EXPECT_EQ(InSettings<QLabel>("lblParameters")->text(), QString());
}

TEST_F(SettingsWindowTest, NoToTheRereadQuestionUnticksNothing) {
    Click("cmdSetParameters");
    State().blnWordsGot = true;
    presenter.answers = {Answer::No};
    auto* hyphens = InSettings<QCheckBox>("chkAllowWordsWithHyphens");
    ASSERT_TRUE(hyphens->isChecked());
    ClickInSettings("chkAllowWordsWithHyphens");
    ASSERT_EQ(presenter.boxes.size(), 1u);
    EXPECT_EQ(presenter.boxes[0].text, "Changing this entails reading the file anew.  Is this OK?");
    EXPECT_TRUE(hyphens->isChecked());
    EXPECT_EQ(settings.chkAllowWordsWithHyphens, 1);
    EXPECT_TRUE(State().blnWordsGot);

    presenter.answers = {Answer::Yes};
    ClickInSettings("chkAllowWordsWithHyphens");
    EXPECT_FALSE(hyphens->isChecked());
    EXPECT_EQ(settings.chkAllowWordsWithHyphens, 0);
    EXPECT_FALSE(State().blnWordsGot);
}

// The user ticks "Unicode words" and counts a Russian text: the result box
// shows the Cyrillic words, case-folded, with their counts.
TEST_F(SettingsWindowTest, UnicodeWordsCountARussianText) {
    Click("cmdSetParameters");
    auto* unicode = InSettings<QCheckBox>("chkUnicodeWords");
    ASSERT_NE(unicode, nullptr);
    EXPECT_FALSE(unicode->toolTip().isEmpty());
    ClickInSettings("chkUnicodeWords");
    EXPECT_EQ(settings.chkUnicodeWords, 1);

    const auto path = files.Write("ru.txt", "Мама мыла раму. МАМА мыла Раму, мама!\n");
    settings.txbFile[0] = path.string();
    window->SettingsChanged();
    Click("cmdListWords");
    const std::string list = OutputText();
    EXPECT_NE(list.find("Word (longest has 4 characters)"), std::string::npos) << list;
    EXPECT_NE(list.find("      1       3  мама"), std::string::npos) << list;
    EXPECT_NE(list.find("      2       2  мыла"), std::string::npos) << list;
    EXPECT_NE(list.find("      3       2  раму"), std::string::npos) << list;
}

// The language window offers the lists of other scripts once "Unicode
// words" is ticked; the Russian list then keeps Russian common words out.
TEST_F(SettingsWindowTest, LanguageWindowOffersOtherScriptsUnderUnicodeWords) {
    Click("cmdSetParameters");
    auto chooseLanguage = [&](const QString& wanted) {
        QStringList items;
        auto choose = WhenReady([&] {
            auto* dialog = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return false;
            QComboBox* list = dialog->cboCommonWordsFiles();
            for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
            list->setCurrentIndex(list->findText(wanted));
            (list->currentIndex() >= 0 ? dialog->cmdAccept() : dialog->cmdCancel())->click();
            return true;
        });
        ClickInSettings("cmdSelectCommonWordsFile_1");
        return items;
    };
    const QStringList western = chooseLanguage(QStringLiteral("Russian"));
    EXPECT_TRUE(western.contains(QStringLiteral("Dutch")));
    EXPECT_FALSE(western.contains(QStringLiteral("Russian")));
    ClickInSettings("chkUnicodeWords");
    presenter.answers = {Answer::Ok};  // the count of common words read
    EXPECT_TRUE(chooseLanguage(QStringLiteral("Russian")).contains(QStringLiteral("Greek")));
    EXPECT_EQ(std::filesystem::path(State().strCommonWordsFile).filename(), "cwds_ru.txt");

    settings.txbFile[0] = files.Write("ru.txt", "Мама что папа, что я\n").string();
    window->SettingsChanged();
    Click("cmdListWords");
    const std::string list = OutputText();
    EXPECT_NE(list.find("мама"), std::string::npos) << list;
    EXPECT_EQ(list.find("что"), std::string::npos) << list;
}

TEST_F(SettingsWindowTest, LeavingTheWordsBoxNormalisesAndWarns) {
    Click("cmdSetParameters");
    auto* box = InSettings<QLineEdit>("txbWordsToIgnore");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("The, AND  caf"));
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("\u00C9"), Qt::NoModifier);
    QTest::keyClicks(box, QStringLiteral(" the"));
    Leave(box);
    EXPECT_EQ(box->text(), QStringLiteral("and caf\u00E9 the"));
    EXPECT_EQ(State().strWordsToIgnore, W(" and café the "));
    EXPECT_TRUE(presenter.boxes.empty());

    presenter.answers = {Answer::Ok};
    box->setText(QString());
    QTest::keyClicks(box, QStringLiteral("a;b"));
    Leave(box);
    ASSERT_EQ(presenter.boxes.size(), 1u);
    EXPECT_EQ(presenter.boxes[0].title, "Character not allowed");
}

TEST_F(SettingsWindowTest, LanguageWindowChoosesAndCancels) {
    Click("cmdSetParameters");
    std::vector<std::string> captions;
    bool acceptEnabledAtStart = true;
    presenter.answers = {Answer::Ok};  // the count of common words read
    auto choose = WhenReady([&] {
        auto* dialog = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return false;
        acceptEnabledAtStart = dialog->cmdAccept()->isEnabled();
        dialog->cboCommonWordsFiles()->setCurrentIndex(0);
        captions.push_back(Caption(*dialog->cmdAccept()));
        dialog->cboCommonWordsFiles()->setCurrentIndex(6);
        captions.push_back(Caption(*dialog->cmdAccept()));
        dialog->cmdAccept()->click();
        return true;
    });
    ClickInSettings("cmdSelectCommonWordsFile_1");
    EXPECT_FALSE(acceptEnabledAtStart);
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0], "Load common words file for this language");
    EXPECT_EQ(captions[1], "Load common words file for these languages");
    EXPECT_EQ(std::filesystem::path(State().strCommonWordsFile).filename(), "cwds_en_de.txt");
    EXPECT_TRUE(State().blnCommonWordsLoaded);
    EXPECT_TRUE(InSettings<QCheckBox>("chkIgnoreCommonWords")->isChecked());
    EXPECT_EQ(Utf8FromQString(InSettings<QLineEdit>("txbCommonWordsFile")->text()),
              State().strCommonWordsFile);
    EXPECT_EQ(windows->frmParams().LanguageWindowForTests().windowTitle(),
              QStringLiteral("Select common words in some language"));

    const std::string before = State().strCommonWordsFile;
    auto cancel = WhenReady([&] {
        auto* dialog = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return false;
        dialog->cboCommonWordsFiles()->setCurrentIndex(1);
        dialog->cmdCancel()->click();
        return true;
    });
    ClickInSettings("cmdSelectCommonWordsFile_1");
    EXPECT_EQ(State().strCommonWordsFile, before);
    EXPECT_TRUE(InSettings<QCheckBox>("chkIgnoreCommonWords")->isChecked());
}

TEST_F(SettingsWindowTest, EnterAcceptsTheLanguageOnlyOnceOneIsChosen) {
    Click("cmdSetParameters");
    presenter.answers = {Answer::Ok};  // the count of common words read
    bool openAfterEarlyEnter = false;
    bool acceptedByEnter = false;
    auto choose = WhenReady([&] {
        auto* dialog = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
        // Keys go where the focus is only once the window is active; before,
        // the button focused on showing would still take the early Enter.
        if (dialog == nullptr || !dialog->isVisible() || !dialog->isActiveWindow()) return false;
        QComboBox* list = dialog->cboCommonWordsFiles();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        openAfterEarlyEnter = dialog->isVisible();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        acceptedByEnter = !dialog->isVisible();
        if (!acceptedByEnter) dialog->cmdCancel()->click();
        return true;
    });
    ClickInSettings("cmdSelectCommonWordsFile_1");
    EXPECT_TRUE(openAfterEarlyEnter);
    ASSERT_TRUE(acceptedByEnter);
    EXPECT_EQ(std::filesystem::path(State().strCommonWordsFile).filename(), "cwds_en.txt");
    EXPECT_TRUE(State().blnCommonWordsLoaded);
}

TEST_F(SettingsWindowTest, TabVisitsEverySettingInReadingOrder) {
    Click("cmdSetParameters");
    SettingsWindow& frmParams = windows->frmParams();
    EXPECT_EQ(ButtonsWithoutOwnAccessKey(frmParams), std::vector<std::string>{});
    frmParams.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frmParams));
    InSettings<QWidget>("cmdClose")->setFocus();
    // txbParametersFile is hidden until a settings file is named.
    const std::vector<std::string> order = {"chkAllowWordsWithHyphens",
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
                                            "cmdQuit",
                                            "cmdClose"};
    EXPECT_EQ(FocusChain(Qt::Key_Tab), order);
    std::vector<std::string> back(order.rbegin() + 1, order.rend());
    back.push_back("cmdClose");
    EXPECT_EQ(FocusChain(Qt::Key_Backtab), back);
}

TEST_F(SettingsWindowTest, ResetsEmptyThePathsAndDisableTheirClearButtons) {
    Click("cmdSetParameters");
    const std::string damaged = files.Write("damaged.tly", "\"\"\r\n99\r\n").string();
    struct Case {
        const char* name;
        std::function<void()> reset;
    };
    const std::vector<Case> cases = {
        {"Reinitialize", [this] { ClickInSettings("cmdInitialize"); }},
        {"failed load",
         [&] {
             presenter.files = {damaged};
             presenter.answers = {Answer::Ok};
             ClickInSettings("cmdSaveLoadState_1");
             ASSERT_EQ(presenter.boxes.size(), 1u);
             EXPECT_EQ(presenter.boxes[0].icon, Icon::Warning);
         }},
    };
    for (const auto& c : cases) {
        presenter.boxes.clear();
        settings.txbFile[0] = files.Write("in.txt", "a b c\r\n").string();
        settings.txbFile[1] = (files.path() / "out.txt").string();
        window->SettingsChanged();
        window->SetTheFocus();
        ASSERT_TRUE(Find<QWidget>("cmdClearFile_0")->isEnabled()) << c.name;
        ASSERT_TRUE(Find<QWidget>("cmdClearFile_1")->isEnabled()) << c.name;
        c.reset();
        for (const char* box : {"txbFile_0", "txbFile_1"}) {
            EXPECT_TRUE(Find<QLineEdit>(box)->text().isEmpty()) << c.name << " " << box;
        }
        EXPECT_FALSE(Find<QWidget>("cmdClearFile_0")->isEnabled()) << c.name;
        EXPECT_FALSE(Find<QWidget>("cmdClearFile_1")->isEnabled()) << c.name;
    }
}

TEST_F(SettingsWindowTest, SaveLoadAndReinitializeShowTheirLabels) {
    Click("cmdSetParameters");
    const std::string file = (files.path() / "mine.tly").string();
    settings.chkAllowWordsWithNumerals = 1;
    presenter.files = {file};
    ClickInSettings("cmdSaveLoadState_0");
    ASSERT_EQ(presenter.choices.size(), 1u);
    EXPECT_EQ(presenter.choices[0].title, "Specify file to save settings to");
    EXPECT_EQ(presenter.choices[0].filter, "Settings files (*.tly)");
    EXPECT_EQ(InSettings<QLabel>("lblParameters")->text(), QStringLiteral("Settings saved to"));
    EXPECT_TRUE(InSettings<QLineEdit>("txbParametersFile")->isVisible());
    EXPECT_EQ(Utf8FromQString(InSettings<QLineEdit>("txbParametersFile")->text()), file);

    ClickInSettings("cmdInitialize");
    EXPECT_EQ(settings.chkAllowWordsWithNumerals, 0);
    EXPECT_FALSE(InSettings<QCheckBox>("chkAllowWordsWithNumerals")->isChecked());
    EXPECT_EQ(InSettings<QLabel>("lblParameters")->text(), QStringLiteral("Program reinitialized."));
    EXPECT_FALSE(InSettings<QLineEdit>("txbParametersFile")->isVisible());

    presenter.files = {file};
    ClickInSettings("cmdSaveLoadState_1");
    EXPECT_TRUE(presenter.choices[1].mustExist);
    EXPECT_EQ(settings.chkAllowWordsWithNumerals, 1);
    EXPECT_TRUE(InSettings<QCheckBox>("chkAllowWordsWithNumerals")->isChecked());
    EXPECT_EQ(InSettings<QLabel>("lblParameters")->text(), QStringLiteral("Settings loaded from"));
}

TEST_F(SettingsWindowTest, CloseHidesTheSameWindowAndItsValuesStay) {
    Click("cmdSetParameters");
    SettingsWindow* first = &windows->frmParams();
    ClickInSettings("chkIgnoreRomNum40");
    EXPECT_EQ(settings.chkIgnoreRomNum40, 0);
    ClickInSettings("cmdClose");
    EXPECT_FALSE(first->isVisible());
    first->close();  // the close box
    Click("cmdSetParameters");
    EXPECT_EQ(&windows->frmParams(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(InSettings<QCheckBox>("chkIgnoreRomNum40")->isChecked());
}

TEST_F(SettingsWindowTest, HelpOpensOnF1WithoutStartingACount) {
    auto* count = Find<QPushButton>("cmdListWords");
    const QString idle = count->text();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(count, &release);
    QApplication::processEvents();
    HelpWindow& help = windows->frmHelp();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), QStringLiteral("TLY Help"));
    EXPECT_TRUE(help.txbHelpScreen()->isReadOnly());
    EXPECT_TRUE(help.txbHelpScreen()->toPlainText().startsWith(QStringLiteral("An illustrated verson")));
    EXPECT_TRUE(help.txbHelpScreen()->toPlainText().contains(QStringLiteral("docs/manual.html")));
    EXPECT_EQ(count->text(), idle);
    EXPECT_EQ(OutputText(), "");

    help.cmdClose()->click();
    EXPECT_FALSE(help.isVisible());
    Click("cmdHelp");
    EXPECT_EQ(&windows->frmHelp(), &help);
    EXPECT_TRUE(help.isVisible());
}

TEST_F(SettingsWindowTest, HelpWindowLaysItsControlsOutOnResize) {
    HelpWindow& help = windows->frmHelp();
    windows->ShowHelp();
    help.resize(PixelsFromTwips(9000, &help), PixelsFromTwips(6000, &help));
    QApplication::processEvents();
    const HelpLayout expected =
        HelpLayoutFor(TwipsFromPixels(help.width(), &help), TwipsFromPixels(help.height(), &help),
                      TwipsFromPixels(help.cmdClose()->width(), &help));
    EXPECT_EQ(help.txbHelpScreen()->width(), PixelsFromTwips(expected.textWidth, &help));
    EXPECT_EQ(help.txbHelpScreen()->height(), PixelsFromTwips(expected.textHeight, &help));
    EXPECT_EQ(help.cmdClose()->y(), PixelsFromTwips(expected.closeTop, &help));
    EXPECT_EQ(help.cmdClose()->x(), PixelsFromTwips(expected.closeLeft, &help));

    const QRect text = help.txbHelpScreen()->geometry();
    help.setWindowState(Qt::WindowMinimized);
    help.resize(help.width() + 150, help.height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(help.txbHelpScreen()->geometry(), text);
}

TEST_F(SettingsWindowTest, WebLinksReportWhatCannotBeOpened) {
    std::vector<QUrl> opened;
    bool openerWorks = true;
    WebLinks links([this] { return files.path(); }, presenter, window.get(),
                   [&](const QUrl& url) {
                       opened.push_back(url);
                       return openerWorks;
                   });
    files.Write("manual.html", "<html></html>");
    EXPECT_TRUE(links.OpenWebPage("manual.html"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QStringFromUtf8((files.path() / "manual.html").string())));
    EXPECT_TRUE(links.OpenWebPage("https://example.org/"));
    EXPECT_EQ(opened.back(), QUrl(QStringLiteral("https://example.org/")));

    openerWorks = false;
    files.Write("README", "x");
    presenter.answers = {Answer::Ok, Answer::Ok};
    EXPECT_FALSE(links.OpenWebPage("README"));
    EXPECT_FALSE(links.OpenWebPage("missing.html"));
    ASSERT_EQ(presenter.boxes.size(), 2u);
    EXPECT_EQ(presenter.boxes[0].title, "Cannot launch web browser");
    EXPECT_EQ(presenter.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(presenter.boxes[0].text,
              "Error launching web browser, error code =31.\r\n\r\nFile extension '' is "
              "not associated with any application program.");
    EXPECT_EQ(presenter.boxes[1].text,
              "Error launching web browser, error code =2.\r\n\r\nPlease try once more.");

    // The labels open program texts 14 and 15, also from the keyboard.
    openerWorks = true;
    QLabel* manual = links.lblOnlineDocumentation(window.get());
    EXPECT_EQ(manual->objectName(), QStringLiteral("lblOnlineDocumentation"));
    EXPECT_EQ(links.lblCorvaticSystems(window.get())->objectName(), QStringLiteral("lblCorvaticSystems"));
    files.Write("docs_manual.html", "");
    const size_t before = opened.size() + presenter.boxes.size();
    presenter.answers = {Answer::Ok};
    QTest::keyClick(manual, Qt::Key_Return);
    EXPECT_EQ(opened.size() + presenter.boxes.size(), before + 1);
}

// Draws the settings window; with LEXICOUNT_SCREENSHOT set it is saved there
// (scripts/screenshot-settings.sh makes docs/screenshot-settings.png so).
TEST_F(SettingsWindowTest, SettingsWindowRendersOffscreen) {
    Click("cmdSetParameters");
    SettingsWindow& frmParams = windows->frmParams();
    frmParams.adjustSize();
    const QPixmap image = frmParams.grab();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 300);
    if (const char* out = std::getenv("LEXICOUNT_SCREENSHOT")) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(out)));
    }
}

}  // namespace
}  // namespace lexicount::test
