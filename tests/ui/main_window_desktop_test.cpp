// The main window as a desktop program: remembered settings, the file argument, dropped files,
// the Hyphenate button and shortcuts, resizing, undoing Clear and the status messages.
#include "support/cp1251.h"
#include "support/current_directory.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/application.h"
#include "ui/finale_export_dialog.h"
#include "ui/main_window.h"
#include "ui/support/find_child.h"
#include "ui/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::Language;
using test_support::Child;
using test_support::MainSource;
using test_support::ScriptedPlatform;
using test_support::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Russian divides at а1м, English at a1m.
class MainWindowDesktopTest : public test_support::WindowFixture {
protected:
    void SetUp() override { useTinyDictionaries(); }

    QString status() { return window->statusBar()->currentMessage(); }
};

TEST_F(MainWindowDesktopTest, SettingsAreRestoredAfterARestart) {
    open();
    child<QRadioButton>("englishButton")->click();
    window->resize(600, 440); // within the offscreen screen: a larger one is fitted into it
    window->move(40, 30);
    const QRect placed = window->geometry();
    folder.write("in.txt", "text");
    platform.openFileAnswers = {QString::fromStdString((folder / "in.txt").string())};
    window->openSource();
    window->close();

    open();
    EXPECT_EQ(window->windowTitle(), Q("Cantiva [English syllabification]"));
    EXPECT_TRUE(child<QRadioButton>("englishButton")->isChecked());
    EXPECT_EQ(window->state().currentLanguage(), Language::English);
    EXPECT_EQ(window->geometry(), placed);
    input()->setPlainText(Q("amam"));
    window->startHyphenation();
    EXPECT_EQ(result()->toPlainText(), Q("a-mam\n")); // the English dictionary is loaded
    window->openSource();
    EXPECT_EQ(platform.fileRequests.back().folder, QString::fromStdString(folder.path().string()));
}

TEST_F(MainWindowDesktopTest, FileArgumentOpensTheFileInTheInputPane) {
    test_support::TempFolder elsewhere;
    elsewhere.write("song.txt", W("Мама\r\nмыла\r\n"));
    QString seen;
    QTimer::singleShot(0, [&seen] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<MainWindow*>(w)) {
                seen = Child<QPlainTextEdit>(*main, "inputPane")->toPlainText();
                main->close();
            }
    });
    EXPECT_EQ(RunApplication(platform, QString::fromStdString((elsewhere / "song.txt").string())),
              0);
    EXPECT_EQ(seen, Q("Мама\nмыла"));
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Error), 0);
}

TEST_F(MainWindowDesktopTest, DroppedTextFileOpensAsOpenSourceDoes) {
    open();
    folder.write("drop.txt", W("Мама"));
    folder.write("other.txt", "x");
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(QString::fromStdString((folder / "drop.txt").string()))});
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QString::fromStdString((folder / "drop.txt").string())),
                 QUrl::fromLocalFile(QString::fromStdString((folder / "other.txt").string()))});
    struct Case {
        QWidget* target;
        QMimeData* data;
        bool accepted;
    } cases[] = {
        {window.get(), &one, true},
        {input()->viewport(), &one, true}, // on a pane: opened, not pasted as its name
        {result()->viewport(), &one, true},
        {window.get(), &two, false},
    };
    for (const Case& c : cases) {
        input()->clear();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, c.data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.target, &enter);
        EXPECT_EQ(enter.isAccepted(), c.accepted);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, c.data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.target, &drop);
        EXPECT_EQ(input()->toPlainText(), c.accepted ? Q("Мама") : QString());
    }
    EXPECT_EQ(status(), Q("Opened drop.txt (Windows-1251)"));
}

TEST_F(MainWindowDesktopTest, HyphenateButtonAndShortcuts) {
    open();
    auto* button = child<QPushButton>("hyphenateButton");
    EXPECT_FALSE(button->isEnabled()); // follows File > Hyphenate
    EXPECT_EQ(child<QAction>("actionHyphenate")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::Key_Insert),
                                   QKeySequence(Qt::CTRL | Qt::Key_Return)}));
    struct Case {
        const char* how;
        std::function<void()> press;
    } cases[] = {
        {"button", [&] { QTest::mouseClick(button, Qt::LeftButton); }},
        {"Ctrl+Return", [&] { QTest::keyClick(input(), Qt::Key_Return, Qt::ControlModifier); }},
        {"Insert", [&] { QTest::keyClick(input(), Qt::Key_Insert); }},
    };
    for (const Case& c : cases) {
        result()->clear();
        input()->setPlainText(Q("мама"));
        input()->setFocus();
        EXPECT_TRUE(button->isEnabled()) << c.how;
        c.press();
        EXPECT_EQ(input()->toPlainText(), Q("мама")) << c.how; // no line break typed
        EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n")) << c.how;
    }
    // Menu mnemonics, and Ctrl+Q ends the program.
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Options", "&About"}));
    QTest::keyClick(input(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowDesktopTest, ResizingGrowsPanesAndLogAndKeepsTheControlsInOrder) {
    open();
    const QSize designed = window->centralWidget()->size();
    window->resize(window->size() + QSize(200, 100));
    QApplication::processEvents();
    ASSERT_EQ(window->centralWidget()->size(), designed + QSize(200, 100));
    struct Control {
        const char* name;
        QRect geometry;
    } controls[] = {
        {"inputPane", {7, 1, 605, 220}},         {"resultPane", {7, 231, 605, 220}},
        {"languageGroup", {619, 3, 209, 101}},   {"logList", {619, 106, 209, 317}},
        {"hyphenateButton", {619, 428, 81, 25}}, {"clearButton", {704, 428, 60, 25}},
        {"quitButton", {768, 428, 60, 25}},      {"progressBar", {8, 460, 822, 15}},
    };
    for (const Control& c : controls)
        EXPECT_EQ(child<QWidget>(c.name)->geometry(), c.geometry) << c.name;
    // It never gets smaller than designed.
    window->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), designed);
}

TEST_F(MainWindowDesktopTest, ClearCanBeUndone) {
    open();
    input()->setPlainText(Q("мама\nмыла"));
    window->startHyphenation();
    struct Case {
        const char* how;
        std::function<void()> undo;
        bool typedAfterClear;
        bool restored;
    } cases[] = {
        {"Ctrl+Z in the input pane",
         [&] { QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier); }, false, true},
        {"Ctrl+Z on the Clear button",
         [&] {
             child<QPushButton>("clearButton")->setFocus();
             QTest::keyClick(child<QPushButton>("clearButton"), Qt::Key_Z, Qt::ControlModifier);
         },
         false, true},
        {"typed after Clear", [&] { QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier); },
         true, false},
    };
    for (const Case& c : cases) {
        child<QPushButton>("clearButton")->click();
        EXPECT_TRUE(input()->toPlainText().isEmpty());
        EXPECT_EQ(status(), Q("Cleared. Ctrl+Z brings the text back"));
        if (c.typedAfterClear)
            QTest::keyClicks(input(), "x");
        c.undo();
        if (c.restored) {
            EXPECT_EQ(input()->toPlainText(), Q("мама\nмыла")) << c.how;
            EXPECT_EQ(result()->toPlainText(), Q("ма-ма\nмыла\n")) << c.how;
        } else {
            EXPECT_EQ(result()->toPlainText(), QString()) << c.how;
        }
    }
}

TEST_F(MainWindowDesktopTest, StatusMessagesWhereTheCommandsWereSilent) {
    open();
    auto* finale = new FinaleExportDialog(window.get());
    MainWindowDialogs dialogs;
    dialogs.finaleExport = finale;
    window->setDialogs(dialogs);
    platform.onModal = [](QDialog&) { return QDialog::Accepted; };
    folder.write("RHYPHEN.XCP", W("ма-ма\r\nмы-ла"));
    input()->setPlainText(Q("мама"));
    window->startHyphenation();
    struct Case {
        const char* command;
        std::function<void()> run;
        const char* status;
    } cases[] = {
        {"Finale to the clipboard", [&] { child<QAction>("actionExportFinale")->trigger(); },
         "Finale lyrics copied to the clipboard"},
        {"rebuild exceptions", [&] { child<QAction>("actionExceptionsRebuild")->trigger(); },
         "Exceptions dictionary rebuilt: 2 entries"},
        {"save result",
         [&] {
             platform.saveFileAnswers = {QString::fromStdString((folder / "out.txt").string())};
             child<QAction>("actionResultSave")->trigger();
         },
         "Result saved to out.txt"},
    };
    for (const Case& c : cases) {
        window->statusBar()->clearMessage();
        c.run();
        EXPECT_EQ(status(), Q(c.status)) << c.command;
    }
}

} // namespace
} // namespace cantiva::ui
