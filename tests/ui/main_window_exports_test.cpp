// Saving the result, the Finale lyrics export and the SCORE macro export, driven through the main
// window's menu with the scripted platform.
#include "support/cp1251.h"
#include "support/current_directory.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/finale_export_dialog.h"
#include "ui/main_window.h"
#include "ui/score_export_dialog.h"
#include "ui/support/find_child.h"
#include "ui/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace cantiva::ui {
namespace {

using test_support::Child;
using test_support::ScriptedPlatform;
using test_support::TempFolder;
using test_support::W;
using Kind = ScriptedPlatform::Kind;
using Lines = std::vector<std::string>;

const std::string kSaveResultDialog = "save-file: Text file (*.txt);;All files (*)";
const std::string kScoreSaveDialog = "save-file: Text file (*.txt);;Any file (*)";

class MainWindowExportsTest : public test_support::WindowFixture {
protected:
    void SetUp() override {
        useEmptyDictionaries();
        window = std::make_unique<MainWindow>(platform);
        ASSERT_FALSE(window->startupFailed());
        // The dictionaries are empty, which the window says once.
        EXPECT_EQ(platform.transcript(), Lines{"warning: RHYPHEN.PT holds no patterns"});
        platform.clearRecord();
        score = new ScoreExportDialog(platform, window.get());
        finale = new FinaleExportDialog(window.get());
        MainWindowDialogs dialogs;
        dialogs.scoreExport = score;
        dialogs.finaleExport = finale;
        window->setDialogs(dialogs);
    }
    QPlainTextEdit* pane(const char* name) const { return child<QPlainTextEdit>(name); }

    ScoreExportDialog* score = nullptr;
    FinaleExportDialog* finale = nullptr;
};

TEST_F(MainWindowExportsTest, CommandsAreEnabledOnlyWithAResult) {
    const char* names[] = {"actionResultSave", "actionExportScore", "actionExportFinale"};
    for (const char* name : names) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
        action(name)->trigger();
    }
    EXPECT_TRUE(platform.calls.empty());

    pane("inputPane")->setPlainText(QString::fromUtf8("в лесу"));
    action("actionHyphenate")->trigger();
    ASSERT_EQ(pane("resultPane")->toPlainText(), QString::fromUtf8("в лесу\n"));
    for (const char* name : names)
        EXPECT_TRUE(action(name)->isEnabled()) << name;

    window->findChild<QPushButton*>("clearButton")->click();
    for (const char* name : names)
        EXPECT_FALSE(action(name)->isEnabled()) << name;
}

TEST_F(MainWindowExportsTest, SaveResultWritesThePaneAsItIs) {
    struct Case {
        QString pane;
        std::string bytes;
    } cases[] = {
        {QString::fromUtf8("в до-ме\u00A0да — нет\n\nконец\n"),
         W("в до-ме\u00A0да — нет\r\n\r\nконец\r\n")},
        {"\n \n", "\r\n \r\n"}, // blank but not empty: saved
        {QString::fromUtf8("ноты ♪ и ё\n"), "\xEF\xBB\xBF" + std::string("ноты ♪ и ё\r\n")},
    };
    for (const Case& c : cases) {
        showResult(c.pane);
        platform.saveFileAnswers.push_back(file("result.txt"));
        window->saveResult();
        EXPECT_EQ(platform.transcript(), Lines{kSaveResultDialog});
        EXPECT_EQ(folder.read("result.txt"), c.bytes);
    }
    EXPECT_EQ(platform.fileRequests.back().defaultSuffix, "txt");
    EXPECT_TRUE(platform.fileRequests.back().confirmOverwrite);
}

TEST_F(MainWindowExportsTest, SaveResultBeepsOnEmptyPaneAndCancelWritesNothing) {
    window->saveResult();
    EXPECT_EQ(platform.transcript(), Lines{"beep"});

    showResult("text");
    auto entries = [&] {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {});
    };
    const auto before = entries();
    window->saveResult(); // the dialog answers "cancelled"
    EXPECT_EQ(platform.transcript(), Lines{kSaveResultDialog});
    EXPECT_EQ(entries(), before);
}

TEST_F(MainWindowExportsTest, SaveResultIntoAMissingFolder) {
    showResult("text");
    const QString missing = file("missing/out.txt");
    platform.saveFileAnswers.push_back(missing);
    window->saveResult();
    EXPECT_EQ(platform.transcript(),
              (Lines{kSaveResultDialog, "error: Cannot create file " + missing.toStdString()}));
}

TEST_F(MainWindowExportsTest, SaveResultIntoAReadOnlyFolder) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop the superuser";
    showResult("text");
    std::filesystem::create_directory(folder / "locked");
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_exec);
    platform.saveFileAnswers.push_back(file("locked/out.txt"));
    window->saveResult();
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_all);
    EXPECT_EQ(platform.texts(Kind::Error),
              Lines{"Cannot create file " + file("locked/out.txt").toStdString()});
    EXPECT_TRUE(std::filesystem::is_empty(folder / "locked"));
}

// A file size limit makes writing fail once the file exists: the old content must survive.
TEST_F(MainWindowExportsTest, SaveResultWhoseWriteFailsKeepsTheOldFile) {
    folder.write("result.txt", "old");
    showResult("a longer result");
    platform.saveFileAnswers.push_back(file("result.txt"));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    window->saveResult();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(platform.transcript(), (Lines{kSaveResultDialog, "error: Failed to Save Stream"}));
    EXPECT_EQ(folder.read("result.txt"), "old");
    EXPECT_FALSE(folder.exists(".result.txt.part"));
}

// Each export proposes its own last name (the Finale export never the result file's, so Enter
// cannot overwrite the saved result), all in the last folder saved to, never the dictionaries'.
TEST_F(MainWindowExportsTest, EachExportProposesItsOwnNameInTheLastSaveFolder) {
    showResult(QString::fromUtf8("в до-ме"));
    TempFolder elsewhere;
    const QString other = QString::fromStdString((elsewhere / "b.txt").string());
    platform.saveFileAnswers = {file("a.txt"), other, "", ""};
    platform.onModal = [this](QDialog&) {
        Child<QRadioButton>(*finale, "fileButton")->setChecked(true);
        return QDialog::Accepted;
    };
    window->saveResult();
    window->exportFinaleLyrics();
    window->saveResult();
    window->exportFinaleLyrics();
    ASSERT_EQ(platform.fileRequests.size(), 4U);
    const QString dictionaries = QString::fromStdString(folder.path().string());
    EXPECT_NE(platform.fileRequests[0].folder, dictionaries);
    EXPECT_EQ(platform.fileRequests[0].initialFile, "");
    EXPECT_EQ(platform.fileRequests[1].initialFile, "");
    EXPECT_EQ(platform.fileRequests[1].folder, dictionaries); // a.txt was saved there
    EXPECT_EQ(platform.fileRequests[2].initialFile, "a.txt");
    EXPECT_EQ(platform.fileRequests[2].folder, QString::fromStdString(elsewhere.path().string()));
    EXPECT_EQ(platform.fileRequests[3].initialFile, "b.txt");
    EXPECT_EQ(elsewhere.read("b.txt"), W("в\u00A0до-ме\r\n"));
}

// The dialogs take the desktop's font, as the main window does; a larger one widens the designed
// layout until every caption shows whole.
TEST(ExportDialogFont, FollowsTheDesktopFont) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPixelSize(18);
    QApplication::setFont(large);
    {
        FinaleExportDialog dialog;
        EXPECT_EQ(QFontInfo(dialog.font()).pixelSize(), 18);
        auto* check = Child<QCheckBox>(dialog, "bindDashesCheck");
        EXPECT_LE(check->sizeHint().width(), check->width());
        EXPECT_LE(check->geometry().right(), dialog.width());
    }
    QApplication::setFont(desktop);
}

TEST_F(MainWindowExportsTest, FinaleToClipboard) {
    showResult(QString::fromUtf8("Я б ска-зал — ♪\n\nс то-бой"));
    platform.onModal = [](QDialog&) { return QDialog::Accepted; };
    action("actionExportFinale")->trigger();
    EXPECT_EQ(
        platform.transcript(),
        (Lines{"modal: finaleExportDialog",
               "clipboard: " + std::string("Я\u00A0б ска-зал\u00A0— ♪\r\n\r\nс\u00A0то-бой\r\n")}));
}

// Running out of memory inside a command is a message; the window and its texts stay.
TEST_F(MainWindowExportsTest, OutOfMemoryInACommandIsReportedAndChangesNothing) {
    showResult(QString::fromUtf8("ма-ма"));
    platform.onModal = [](QDialog&) -> int { throw std::bad_alloc(); };
    action("actionExportFinale")->trigger();
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: finaleExportDialog",
                     "error: Not enough memory to export the Finale lyrics"}));
    EXPECT_EQ(pane("resultPane")->toPlainText(), QString::fromUtf8("ма-ма"));
}

TEST_F(MainWindowExportsTest, FinaleBlankPaneAndCancelExportNothing) {
    showResult(" \n\t\n");
    window->exportFinaleLyrics();
    EXPECT_EQ(platform.transcript(), Lines{"beep"});

    showResult("text");
    window->exportFinaleLyrics(); // the dialog is rejected
    EXPECT_EQ(platform.transcript(), Lines{"modal: finaleExportDialog"});

    platform.clearRecord();
    platform.onModal = [this](QDialog&) {
        Child<QRadioButton>(*finale, "fileButton")->setChecked(true);
        return QDialog::Accepted;
    };
    window->exportFinaleLyrics(); // the save dialog is cancelled
    EXPECT_EQ(platform.transcript(), (Lines{"modal: finaleExportDialog", kSaveResultDialog}));
    EXPECT_FALSE(folder.exists("text.txt"));
}

TEST_F(MainWindowExportsTest, FinaleSettingsAreKeptBetweenExports) {
    showResult(QString::fromUtf8("да — нет"));
    std::vector<std::pair<bool, bool>> seen; // (to clipboard, bind dashes) at each opening
    platform.onModal = [&](QDialog&) {
        seen.emplace_back(Child<QRadioButton>(*finale, "clipboardButton")->isChecked(),
                          Child<QCheckBox>(*finale, "bindDashesCheck")->isChecked());
        Child<QRadioButton>(*finale, "fileButton")->setChecked(true);
        Child<QCheckBox>(*finale, "bindDashesCheck")->setChecked(false);
        return QDialog::Accepted;
    };
    platform.saveFileAnswers = {file("lyrics.txt"), file("missing/lyrics.txt")};
    window->exportFinaleLyrics();
    EXPECT_EQ(folder.read("lyrics.txt"), W("да — нет\r\n"));
    window->exportFinaleLyrics();
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, true}, {false, false}}));
    EXPECT_FALSE(Child<QRadioButton>(*finale, "clipboardButton")->isChecked());
    EXPECT_EQ(platform.texts(Kind::Error), Lines{"File not found"});
    EXPECT_TRUE(platform.clipboard.isEmpty());
}

TEST_F(MainWindowExportsTest, DialogsShowWholeCaptionsAtTheirDesignedHeight) {
    struct Case {
        QDialog* dialog;
        const char* title;
        QSize designed;
    } cases[] = {
        {finale, "Export as Finale Lyrics", {193, 114}},
        {score, "Export as Score macro", {233, 256}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.dialog->windowTitle(), c.title);
        EXPECT_EQ(c.dialog->height(), c.designed.height());
        EXPECT_GE(c.dialog->width(), c.designed.width());
        for (QWidget* w : c.dialog->findChildren<QWidget*>()) {
            if (w->isWindow())
                continue;
            if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
                qobject_cast<QComboBox*>(w)) {
                EXPECT_LE(w->sizeHint().width(), w->width()) << w->objectName().toStdString();
            }
            EXPECT_LE(w->geometry().right(), w->parentWidget()->width())
                << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(Child<QPushButton>(*finale, "okButton")->isDefault());
    EXPECT_EQ(Child<QRadioButton>(*finale, "clipboardButton")->nextInFocusChain(),
              Child<QRadioButton>(*finale, "fileButton"));
    EXPECT_EQ(Child<QPushButton>(*finale, "cancelButton")->nextInFocusChain(),
              Child<QCheckBox>(*finale, "bindDashesCheck"));
}

TEST_F(MainWindowExportsTest, ScoreRefusedForOtherLanguages) {
    showResult("text");
    window->findChild<QRadioButton*>("englishButton")->click();
    platform.clearRecord();
    action("actionExportScore")->trigger();
    EXPECT_EQ(platform.transcript(), Lines{"information: So far works only with Russian texts"});
}

TEST_F(MainWindowExportsTest, ScoreListsResetModeAndPositionKept) {
    showResult("text");
    struct Seen {
        int hyphen, font, staff, mode;
        QString verticalPosition;
        bool goHasFocus;
    };
    std::vector<Seen> seen;
    platform.onModal = [&](QDialog& d) {
        d.show();
        seen.push_back({Child<QComboBox>(*score, "hyphenCombo")->currentIndex(),
                        Child<QComboBox>(*score, "fontCombo")->currentIndex(),
                        Child<QComboBox>(*score, "staffCombo")->currentIndex(),
                        static_cast<int>(score->mode()),
                        Child<QLineEdit>(*score, "verticalPositionEdit")->text(),
                        d.focusWidget() == Child<QPushButton>(*score, "goButton")});
        Child<QComboBox>(*score, "hyphenCombo")->setCurrentIndex(1);
        Child<QComboBox>(*score, "fontCombo")->setCurrentIndex(0);
        Child<QComboBox>(*score, "staffCombo")->setCurrentIndex(7);
        score->setMode(exporting::ScoreMode::Input);
        Child<QLineEdit>(*score, "verticalPositionEdit")->setText("12");
        Child<QPushButton>(*score, "cancelButton")->click();
        return d.result();
    };
    action("actionExportScore")->trigger();
    action("actionExportScore")->trigger();
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ((std::tuple{seen[0].hyphen, seen[0].font, seen[0].staff, seen[0].mode}),
              (std::tuple{0, 4, 0, 1}));
    EXPECT_EQ(seen[0].verticalPosition, "-4");
    EXPECT_EQ((std::tuple{seen[1].hyphen, seen[1].font, seen[1].staff, seen[1].mode}),
              (std::tuple{0, 4, 0, 0}));
    EXPECT_EQ(seen[1].verticalPosition, "12");
    EXPECT_TRUE(seen[0].goHasFocus);
    EXPECT_EQ(platform.count(Kind::SaveFile), 0);
}

// "Go!" as the user presses it in the shown dialog; returns whether the dialog is still open.
class ScoreGoTest : public MainWindowExportsTest {
protected:
    bool openAndGo(int mode) {
        bool open = false;
        platform.onModal = [&](QDialog& d) {
            d.show();
            score->setMode(static_cast<exporting::ScoreMode>(mode));
            Child<QPushButton>(*score, "goButton")->click();
            open = d.isVisible();
            d.hide();
            return d.result();
        };
        action("actionExportScore")->trigger();
        return open;
    }
};

TEST_F(ScoreGoTest, WritesTheMacroOfTheChosenPaneAndCloses) {
    pane("inputPane")->setPlainText(QString::fromUtf8("В лесу ♪"));
    showResult(QString::fromUtf8("В ле-су ро-ди-лась\n"));
    platform.saveFileAnswers = {file("out.txt"), file("in.txt")};
    platform.yesNoAnswers = {true};
    EXPECT_FALSE(openAndGo(1));
    EXPECT_EQ(folder.read("out.txt"),
              "TC 1 0 -4 1.0 1.0 0\r\n_50V le!!su/ro!!di!!las!h\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\r\n");
    EXPECT_FALSE(openAndGo(0));
    EXPECT_EQ(folder.read("in.txt"), "T 1 10 -4 1.0 1.0 0\r\n_50V lesu ?\r\n");
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: scoreExportDialog", kScoreSaveDialog, "modal: scoreExportDialog",
                     "yes-no: The SCORE macro is written in Windows-1251, which cannot hold these "
                     "characters: ♪ (U+266A).\nThey will be written as \"?\". Write the macro?",
                     kScoreSaveDialog}));
    // Its own last name, in the last folder saved to; at first never the dictionaries' folder.
    const QString dictionaries = QString::fromStdString(folder.path().string());
    EXPECT_NE(platform.fileRequests[0].folder, dictionaries);
    EXPECT_EQ(platform.fileRequests[0].initialFile, "");
    EXPECT_EQ(platform.fileRequests[1].folder, dictionaries);
    EXPECT_EQ(platform.fileRequests[1].initialFile, "out.txt");
    EXPECT_EQ(platform.fileRequests[1].defaultSuffix, "txt");
    EXPECT_TRUE(platform.fileRequests[1].confirmOverwrite);
}

TEST_F(ScoreGoTest, CharactersTheMacroCannotHoldAreNamedAndNoWritesNothing) {
    showResult(QString::fromUtf8("Ký-ri-e\ne-lé-i-son 😀"));
    EXPECT_TRUE(openAndGo(1)); // the question answers "No": the dialog stays open
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: scoreExportDialog",
                     "yes-no: The SCORE macro is written in Windows-1251, which cannot hold these "
                     "characters: ý (U+00FD), é (U+00E9), 😀 (U+1F600).\nThey will be written as "
                     "\"?\". Write the macro?"}));
}

TEST_F(ScoreGoTest, BlankPaneBeepsAndStaysOpenCancelledSaveCloses) {
    pane("inputPane")->setPlainText("\n \n");
    showResult(QString::fromUtf8("до-ма"));
    EXPECT_TRUE(openAndGo(0));
    EXPECT_EQ(platform.transcript(), (Lines{"modal: scoreExportDialog", "beep"}));

    platform.clearRecord();
    EXPECT_FALSE(openAndGo(1)); // the save dialog answers "cancelled"
    EXPECT_EQ(platform.transcript(), (Lines{"modal: scoreExportDialog", kScoreSaveDialog}));

    platform.clearRecord();
    platform.saveFileAnswers = {file("missing/out.txt")};
    EXPECT_TRUE(openAndGo(1));
    EXPECT_EQ(platform.texts(Kind::Error), Lines{"File not found"});
}

} // namespace
} // namespace cantiva::ui
