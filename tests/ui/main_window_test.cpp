#include "dictionaries/compilers.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/about_dialog.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/support/current_directory.h"
#include "ui/support/scripted_platform.h"
#include "ui/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextCursor>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::Language;
using test_support::MainSource;
using test_support::ScriptedPlatform;
using test_support::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A Russian dictionary whose only pattern is а1м, and an English one whose only pattern is a1m.
class MainWindowTest : public test_support::WindowFixture {
protected:
    void SetUp() override { useTinyDictionaries(); }

    bool enabled(const char* name) { return action(name)->isEnabled(); }

    void run(const QString& text) {
        input()->setPlainText(text);
        action("actionHyphenate")->trigger();
    }
};

TEST_F(MainWindowTest, StartupReportsTheFirstMissingCompiledDictionary) {
    struct Case {
        std::vector<const char*> missing;
        const char* reported;
    };
    const Case cases[] = {
        {{"RHYPHEN.PT"}, "RHYPHEN.PT"},
        {{"LHYPHEN.XCD", "UHYPHEN.PT"}, "UHYPHEN.PT"}, // every ".PT" before any ".XCD"
        {{"EHYPHEN.PT", "LHYPHEN.XCD"}, "EHYPHEN.PT"},
        {{"UHYPHEN.XCD"}, "UHYPHEN.XCD"},
        {{"RHYPHEN.XCD", "EHYPHEN.XCD"}, "RHYPHEN.XCD"},
    };
    for (const Case& c : cases) {
        test_support::TempFolder broken;
        broken.writeDictionaries();
        for (const char* name : c.missing)
            std::filesystem::remove(broken / name);
        test_support::ScopedCurrentDirectory inBroken(broken.path());
        ScriptedPlatform seam;
        MainWindow form(seam);
        EXPECT_TRUE(form.startupFailed()) << c.reported;
        EXPECT_EQ(seam.transcript(),
                  std::vector<std::string>{std::string("error: Cannot find ") + c.reported +
                                           ". Closing\nLooked in " + broken.path().string()});

        // The program itself ends with status 0 and never shows a window.
        ScriptedPlatform programSeam;
        EXPECT_EQ(RunApplication(programSeam), 0);
        EXPECT_EQ(programSeam.count(ScriptedPlatform::Kind::Error), 1);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, FirstActivationSetsCaptionButtonFocusAndEveryCommandIsReachable) {
    MainWindow& w = open();
    EXPECT_EQ(w.windowTitle(), Q("Cantiva [Russian syllabification]"));
    EXPECT_TRUE(child<QRadioButton>("russianButton")->isChecked());
    EXPECT_TRUE(input()->hasFocus());

    struct Item {
        const char* name;
        bool enabled;
    };
    const Item items[] = {
        {"actionHyphenate", false},
        {"actionExceptionsEdit", true},
        {"actionSourceOpen", true},
        {"actionResultSave", false},
        {"actionExportScore", false},
        {"actionExportFinale", false},
        {"actionExit", true},
        {"actionShowLog", true},
        {"actionMainDictionaryRebuild", true},
        {"actionMainDictionaryInfo", true},
        {"actionExceptionsRebuild", true},
        {"actionExceptionsInfo", true},
        {"actionAbout", true},
    };
    for (const Item& item : items)
        EXPECT_EQ(enabled(item.name), item.enabled) << item.name;
    EXPECT_TRUE(action("actionShowLog")->isChecked());
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(MainWindowTest, MenusFollowTheTwoPanes) {
    open();
    QTest::keyClick(input(), Qt::Key_A);
    EXPECT_TRUE(enabled("actionHyphenate"));
    QTest::keyClick(input(), Qt::Key_Backspace);
    EXPECT_FALSE(enabled("actionHyphenate"));

    input()->setPlainText(Q("мама"));
    result()->setPlainText(Q("ма-ма\n"));
    for (const char* name :
         {"actionHyphenate", "actionResultSave", "actionExportScore", "actionExportFinale"})
        EXPECT_TRUE(enabled(name)) << name;

    // Emptying the result pane disables "Hyphenate" too, though the input still holds text.
    result()->clear();
    for (const char* name :
         {"actionHyphenate", "actionResultSave", "actionExportScore", "actionExportFinale"})
        EXPECT_FALSE(enabled(name)) << name;
}

TEST_F(MainWindowTest, RunFillsTheResultPaneThroughTheInsertShortcut) {
    open();
    auto* log = child<QListWidget>("logList");
    log->addItem(QStringLiteral("from before"));
    input()->setPlainText(Q("Мама, мама!\nok"));
    QTest::keyClick(input(), Qt::Key_Insert);

    EXPECT_EQ(result()->toPlainText(), Q("Ма-ма, ма-ма!\nok\n"));
    EXPECT_EQ(input()->toPlainText(), Q("Мама, мама!\nok"));
    EXPECT_EQ(child<QProgressBar>("progressBar")->value(), 0);
    EXPECT_EQ(platform.busyPushes, 1);
    EXPECT_EQ(platform.busyDepth(), 0);
    EXPECT_TRUE(platform.calls.empty());
    // Cleared, then the lines of this run: per word its matches, weights and the rule.
    ASSERT_GT(log->count(), 0);
    EXPECT_EQ(log->item(0)->text(), Q("а1м"));
    EXPECT_EQ(log->item(1)->text(), Q(".мама."));
    for (const char* name : {"actionResultSave", "actionExportScore", "actionExportFinale"})
        EXPECT_TRUE(enabled(name)) << name;

    action("actionHyphenate")->trigger();
    EXPECT_EQ(result()->toPlainText(), Q("Ма-ма, ма-ма!\nok\n"));
}

TEST_F(MainWindowTest, CharactersOutsideTheCodePageSurviveInPlace) {
    open();
    struct Case {
        const char* input;
        const char* result;
    };
    const Case cases[] = {
        {"α мама 😀\nмама漢", "α ма-ма 😀\nмама漢\n"},
        {"мама\u00A0мама", "ма-ма\u00A0ма-ма\n"}, // the non-breaking space is kept
        {"«Мама» — ёж", "«Ма-ма» — ёж\n"},
    };
    for (const Case& c : cases) {
        run(Q(c.input));
        EXPECT_EQ(result()
                      ->document()
                      ->toRawText()
                      .replace(QChar::ParagraphSeparator, '\n')
                      .replace(QChar::LineSeparator, '\n'),
                  Q(c.result))
            << c.input;
    }
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(MainWindowTest, TooLongWordIsLeftWholeAndTheStatusLineSaysWhere) {
    open();
    const QString longWord(33, QLatin1Char('x'));
    const QString text = Q("😀 мама\n  ") + longWord + Q(", мама");
    run(text);

    EXPECT_TRUE(platform.calls.empty()) << "no box to close";
    EXPECT_EQ(input()->toPlainText(), text);
    EXPECT_EQ(result()->toPlainText(), Q("😀 ма-ма\n  ") + longWord + Q(", ма-ма\n"));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              Q("Line 2: a word longer than 32 letters is left whole"));
    EXPECT_EQ(platform.busyDepth(), 0);

    run(QString(32, QLatin1Char('x')));
    EXPECT_EQ(result()->toPlainText(), QString(32, QLatin1Char('x')) + QLatin1Char('\n'));
}

TEST_F(MainWindowTest, LongTextGivesUpTheLogWithAMessageAndDrivesTheProgressBar) {
    open();
    QString text = Q("мама");
    for (int i = 1; i < 3300; ++i)
        text += Q(" мама"); // 16499 characters, 3300 words
    run(text);
    EXPECT_EQ(
        platform.transcript(),
        std::vector<std::string>{"information: Input file is too long. Log will not be displayed"});
    auto* bar = child<QProgressBar>("progressBar");
    EXPECT_EQ(std::make_pair(bar->minimum(), bar->maximum()), std::make_pair(0, 3299));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(result()->toPlainText().startsWith(Q("ма-ма ма-ма")));
    EXPECT_EQ(result()->toPlainText().size(), 3300 * 6);
}

TEST_F(MainWindowTest, EmptyInputOnlyBeeps) {
    open();
    run(Q("мама"));
    auto* log = child<QListWidget>("logList");
    log->addItem(QStringLiteral("kept"));

    // The input pane still holds text: a normal run, which clears the log and writes its own.
    window->startHyphenation();
    const int runLines = log->count();
    EXPECT_EQ(log->findItems(QStringLiteral("kept"), Qt::MatchExactly).size(), 0);

    log->addItem(QStringLiteral("kept"));
    input()->clear();
    window->startHyphenation();
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"beep"});
    EXPECT_EQ(log->count(), runLines + 1);

    platform.clearRecord();
    run(Q("  \n \n"));
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"beep"});
    EXPECT_EQ(log->count(), 0);
    EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n"));
    EXPECT_EQ(platform.busyDepth(), 0);
}

TEST_F(MainWindowTest, FailingExceptionsFileStopsTheRunWithTheGenericReport) {
    open();
    run(Q("мама"));
    platform.clearRecord();
    std::filesystem::remove(folder / "RHYPHEN.XCD");
    std::filesystem::create_directory(folder / "RHYPHEN.XCD");
    // The loaded exceptions stay usable; the file is only needed when the language is loaded.
    child<QRadioButton>("englishButton")->click();
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{});
    child<QRadioButton>("russianButton")->click();
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"error: File access denied"});
    EXPECT_EQ(window->windowTitle(), Q("Cantiva [Russian syllabification]"));

    platform.clearRecord();
    run(Q("папа мама"));
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"error: File access denied"});
    EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n"));
    EXPECT_EQ(platform.busyDepth(), 0);
    EXPECT_EQ(child<QProgressBar>("progressBar")->value(), 0);
}

// A main dictionary cut inside a record is an error naming it, at start-up and on a switch of
// language; its whole records and the exceptions are still loaded.
TEST_F(MainWindowTest, ACutMainDictionaryIsNamedAtStartupAndOnASwitch) {
    for (const char* name : {"RHYPHEN.PT", "EHYPHEN.PT"})
        folder.write(name, folder.read(name) + "cut");
    open();
    EXPECT_FALSE(window->startupFailed());
    EXPECT_EQ(platform.transcript(),
              std::vector<std::string>{"error: RHYPHEN.PT: Cut short: 33 whole records read"});
    run(Q("мама"));
    EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n"));
    platform.clearRecord();
    child<QRadioButton>("englishButton")->click();
    EXPECT_EQ(platform.transcript(),
              std::vector<std::string>{"error: EHYPHEN.PT: Cut short: 27 whole records read"});
    EXPECT_EQ(window->windowTitle(), Q("Cantiva [English syllabification]"));
}

TEST_F(MainWindowTest, AnOptionalLanguageWithoutItsFilesIsDisabledAlone) {
    std::filesystem::remove(folder / "GHYPHEN.XCD");
    std::filesystem::remove(folder / "IHYPHEN.PT");
    open();
    EXPECT_EQ(
        platform.transcript(),
        (std::vector<std::string>{"warning: Cannot find GHYPHEN.XCD. German is not available",
                                  "warning: Cannot find IHYPHEN.PT. Italian is not available"}));
    EXPECT_EQ(window->windowTitle(), Q("Cantiva [Russian syllabification]"));
    child<QRadioButton>("englishButton")->click();
    platform.clearRecord();

    // A file that goes while the program runs: the language is refused, the program goes on.
    std::filesystem::remove(folder / "FHYPHEN.PT");
    child<QRadioButton>("frenchButton")->click();
    EXPECT_EQ(platform.transcript(),
              std::vector<std::string>{"warning: Cannot find FHYPHEN.PT. French is not available"});
    EXPECT_TRUE(child<QRadioButton>("englishButton")->isChecked());
    EXPECT_EQ(window->state().currentLanguage(), Language::English);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(input()->hasFocus());
    for (const char* name : {"germanButton", "italianButton", "frenchButton"})
        EXPECT_FALSE(child<QRadioButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(child<QRadioButton>("spanishButton")->isEnabled());
}

TEST_F(MainWindowTest, LanguageSwitchReloadsAndKeepsTheResult) {
    open();
    run(Q("мама"));
    struct Case {
        const char* button;
        Language language;
        const char* caption;
    };
    const Case cases[] = {
        {"englishButton", Language::English, "Cantiva [English syllabification]"},
        {"latinButton", Language::Latin, "Cantiva [Latin syllabification]"},
        {"americanButton", Language::American, "Cantiva [American syllabification]"},
        {"germanButton", Language::German, "Cantiva [German syllabification]"},
        {"frenchButton", Language::French, "Cantiva [French syllabification]"},
        {"italianButton", Language::Italian, "Cantiva [Italian syllabification]"},
        {"spanishButton", Language::Spanish, "Cantiva [Spanish syllabification]"},
        {"russianButton", Language::Russian, "Cantiva [Russian syllabification]"},
    };
    for (const Case& c : cases) {
        child<QRadioButton>(c.button)->click();
        EXPECT_EQ(window->windowTitle(), Q(c.caption));
        EXPECT_EQ(window->state().currentLanguage(), c.language);
        EXPECT_TRUE(child<QRadioButton>(c.button)->isChecked());
        EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n")) << c.button;
        EXPECT_TRUE(input()->hasFocus());
    }
    // Latin and American have empty main dictionaries: each load says so once.
    EXPECT_EQ(platform.transcript(),
              (std::vector<std::string>{"warning: LHYPHEN.PT holds no patterns",
                                        "warning: UHYPHEN.PT holds no patterns"}));
    platform.clearRecord();

    child<QRadioButton>("englishButton")->click();
    run(Q("mama"));
    EXPECT_EQ(result()->toPlainText(), Q("ma-ma\n")); // the English file is the one loaded

    // The language already selected reloads nothing, so a file deleted meanwhile is not missed.
    std::filesystem::remove(folder / "EHYPHEN.PT");
    child<QRadioButton>("englishButton")->click();
    EXPECT_TRUE(platform.calls.empty());

    // German reads its own letters in Windows-1252, and é as e.
    std::vector<std::string> german(29);
    german[1] = "a1m";
    german[28] = "\xE4"
                 "1m"; // ä1m
    const std::string source = MainSource(Language::German, german);
    folder.writeRecords("GHYPHEN.PT", dictionaries::CompileMainSource(source, Language::German,
                                                                      static_cast<int>(4)));
    child<QRadioButton>("germanButton")->click();
    run(Q("Mäma Mamé"));
    EXPECT_EQ(result()->toPlainText(), Q("Mä-ma Ma-mé\n"));
}

TEST_F(MainWindowTest, SwitchingToALanguageWhoseMainDictionaryIsGoneCloses) {
    open();
    std::filesystem::remove(folder / "LHYPHEN.PT");
    child<QRadioButton>("latinButton")->click();
    EXPECT_EQ(platform.transcript(),
              std::vector<std::string>{"error: Cannot find LHYPHEN.PT. Closing\nLooked in " +
                                       folder.path().string()});
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->startupFailed());
}

TEST_F(MainWindowTest, OpenSourceReadsUtf8OrWindows1251IntoTheInputOnly) {
    open();
    run(Q("мама"));
    struct Case {
        const char* file;
        std::string bytes;
        const char* pane;
    };
    const Case cases[] = {
        {"cp1251.txt", W("Мама\r\nмыла раму\r\n"), "Мама\nмыла раму"},
        {"utf8.txt", "\xD0\x9C\xD0\xB0\xCE\xB1\n\xE2\x80\x94", "Маα\n—"},
        {"bom.xcp",
         "\xEF\xBB\xBF"
         "ab",
         "ab"},
    };
    for (const Case& c : cases) {
        folder.write(c.file, c.bytes);
        platform.openFileAnswers.push_back(QString::fromStdString((folder / c.file).string()));
        action("actionSourceOpen")->trigger();
        EXPECT_EQ(input()->toPlainText(), Q(c.pane)) << c.file;
        // The result stays, marked as made of another text, and is not exported.
        EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n")) << c.file;
        EXPECT_TRUE(result()->property("stale").toBool());
        EXPECT_FALSE(enabled("actionResultSave"));
    }
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::OpenFile), 3);
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Error), 0);
    const FileDialogRequest& request = platform.fileRequests.back();
    EXPECT_EQ(request.filter, Q("Text file (*.txt);;Exception dictionary (*.xcp);;All files (*)"));
    // The name opened last, in the folder it was opened from.
    EXPECT_EQ(request.initialFile, Q("utf8.txt"));
    EXPECT_EQ(request.folder, QString::fromStdString(folder.path().string()));
    EXPECT_FALSE(request.confirmOverwrite);
    EXPECT_EQ(window->resultFileRequest().filter, Q("Text file (*.txt);;All files (*)"));
    EXPECT_EQ(window->resultFileRequest().defaultSuffix, Q("txt"));
    EXPECT_TRUE(window->resultFileRequest().confirmOverwrite);

    platform.clearRecord();
    action("actionSourceOpen")->trigger(); // cancelled
    EXPECT_EQ(input()->toPlainText(), Q("ab"));

    const QString missing = QString::fromStdString((folder / "none.txt").string());
    platform.openFileAnswers.push_back(missing);
    action("actionSourceOpen")->trigger();
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Error),
              std::vector<std::string>{"Cannot open file " + missing.toStdString()});
    EXPECT_EQ(input()->toPlainText(), Q("ab"));
}

TEST_F(MainWindowTest, ClearEmptiesBothPanesAndKeepsTheLog) {
    open();
    run(Q("мама"));
    auto* log = child<QListWidget>("logList");
    log->addItem(QStringLiteral("kept"));
    const int lines = log->count();
    child<QPushButton>("clearButton")->click();
    EXPECT_TRUE(input()->toPlainText().isEmpty());
    EXPECT_TRUE(result()->toPlainText().isEmpty());
    EXPECT_EQ(log->count(), lines);
    EXPECT_TRUE(input()->hasFocus());
    for (const char* name :
         {"actionHyphenate", "actionResultSave", "actionExportScore", "actionExportFinale"})
        EXPECT_FALSE(enabled(name)) << name;
}

TEST_F(MainWindowTest, QuitExitAndAboutAndTheLogToggle) {
    open();
    AboutDialog about(window.get());
    window->setDialogs({.about = &about});
    action("actionAbout")->trigger();
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"modal: aboutDialog"});

    // The toggle hides the log and runs stop logging; back on, the next run logs.
    auto* log = child<QListWidget>("logList");
    action("actionShowLog")->trigger();
    EXPECT_FALSE(action("actionShowLog")->isChecked());
    EXPECT_FALSE(log->isVisible());
    input()->setPlainText(Q("мама"));
    action("actionHyphenate")->trigger();
    EXPECT_EQ(log->count(), 0);
    action("actionShowLog")->trigger();
    EXPECT_TRUE(action("actionShowLog")->isChecked());
    EXPECT_TRUE(log->isVisible());
    action("actionHyphenate")->trigger();
    EXPECT_EQ(log->count(), 4);

    child<QPushButton>("quitButton")->click();
    EXPECT_FALSE(window->isVisible());
    window->show();
    action("actionExit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, TabOrderAndShortcuts) {
    open();
    const std::vector<std::string> expected = {
        "quitButton",     "logList",      "russianButton",   "englishButton", "latinButton",
        "americanButton", "frenchButton", "germanButton",    "italianButton", "spanishButton",
        "inputPane",      "resultPane",   "hyphenateButton", "clearButton"};
    std::vector<std::string> order;
    QWidget* w = child<QWidget>("quitButton");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        order.push_back(w->objectName().toStdString());
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
               w->objectName().startsWith(QLatin1String("qt_")));
    }
    EXPECT_EQ(order, expected);

    struct Shortcut {
        const char* name;
        QKeySequence keys;
    };
    const Shortcut shortcuts[] = {
        {"actionHyphenate", QKeySequence(Qt::Key_Insert)},
        {"actionExceptionsEdit", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"actionSourceOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionResultSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionExportScore", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"actionExportFinale", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"actionMainDictionaryRebuild", QKeySequence(Qt::Key_F9)},
        {"actionExceptionsRebuild", QKeySequence(Qt::Key_F8)},
        {"actionExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"actionShowLog", QKeySequence()},
    };
    for (const Shortcut& s : shortcuts)
        EXPECT_EQ(action(s.name)->shortcut(), s.keys) << s.name;
}

TEST_F(MainWindowTest, LayoutOfTheClientArea) {
    open();
    struct Control {
        const char* name;
        QRect geometry; // within the client area, or within the group for the radio buttons
    };
    const Control controls[] = {
        {"inputPane", {7, 1, 405, 170}},         {"resultPane", {7, 181, 405, 170}},
        {"languageGroup", {419, 3, 209, 101}},   {"logList", {419, 106, 209, 217}},
        {"hyphenateButton", {419, 328, 81, 25}}, {"clearButton", {504, 328, 60, 25}},
        {"quitButton", {568, 328, 60, 25}},      {"progressBar", {8, 360, 622, 15}},
        {"russianButton", {16, 17, 80, 17}},     {"englishButton", {17, 37, 80, 17}},
        {"latinButton", {18, 57, 80, 17}},       {"americanButton", {104, 17, 97, 17}},
        {"frenchButton", {104, 37, 97, 17}},     {"germanButton", {104, 57, 97, 17}},
        {"italianButton", {18, 77, 80, 17}},     {"spanishButton", {104, 77, 97, 17}},
    };
    for (const Control& c : controls)
        EXPECT_EQ(child<QWidget>(c.name)->geometry(), c.geometry) << c.name;
    EXPECT_EQ(window->centralWidget()->size(), QSize(632, 382));
    EXPECT_EQ(window->centralWidget()->minimumSize(), QSize(632, 382)); // never smaller
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(child<QGroupBox>("languageGroup")->title(), Q("Select dictionary"));
    EXPECT_TRUE(result()->isReadOnly());
    EXPECT_FALSE(input()->isReadOnly());
    EXPECT_EQ(input()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(result()->lineWrapMode(), QPlainTextEdit::NoWrap);
    auto* bar = child<QProgressBar>("progressBar");
    EXPECT_EQ(std::make_pair(bar->minimum(), bar->maximum()), std::make_pair(0, 100));
}

TEST(AboutBox, CaptionTextAndOk) {
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), Q("About Cantiva"));
    EXPECT_EQ(about.size(), QSize(118, 105));
    const QStringList lines =
        about.findChild<QLabel*>("creditsLabel")->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], Q("Version 0.97 beta"));
    EXPECT_EQ(lines[1], Q("September 2003"));
    about.show();
    about.findChild<QPushButton*>("okButton")->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
} // namespace cantiva::ui
