// Saving the result, the Finale lyrics export and the SCORE macro export, driven through the main
// window's menu with the scripted platform.
#include "support/cp1251.h"
#include "support/current_directory.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "ui/rhyphen.h"
#include "ui/uFinale.h"
#include "ui/uScore.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace cantiva::ui {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;
using testing::W;
using Kind = ScriptedPlatform::Kind;
using Lines = std::vector<std::string>;

const std::string kSaveResultDialog = "save-file: Text file (*.txt);;All files (*)";
const std::string kScoreSaveDialog = "save-file: Text file (*.txt);;Any file (*)";

class ExportWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDictionaries();
        cwd = std::make_unique<testing::ScopedCurrentDirectory>(folder.path());
        form1 = std::make_unique<TForm1>(platform);
        ASSERT_FALSE(form1->startupFailed());
        // The dictionaries are empty, which the window says once.
        EXPECT_EQ(platform.transcript(), Lines{"warning: RHYPHEN.PT holds no patterns"});
        platform.clearRecord();
        score = new TScoreForm(platform, form1.get());
        finale = new TtFormFinale(form1.get());
        OtherWindows others;
        others.score = score;
        others.finale = finale;
        form1->setOtherWindows(others);
    }
    void TearDown() override {
        form1.reset();
        cwd.reset();
    }

    QPlainTextEdit* pane(const char* name) const {
        return form1->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    QAction* action(const char* name) const {
        return form1->findChild<QAction*>(QString::fromLatin1(name));
    }
    void showResult(const QString& text) {
        pane("RichEdit2")->setPlainText(text);
        platform.clearRecord();
    }
    QString file(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    TempFolder folder;
    std::unique_ptr<testing::ScopedCurrentDirectory> cwd;
    ScriptedPlatform platform;
    std::unique_ptr<TForm1> form1;
    TScoreForm* score = nullptr;
    TtFormFinale* finale = nullptr;
};

TEST_F(ExportWindowsTest, CommandsAreEnabledOnlyWithAResult) {
    const char* names[] = {"Saveresult1", "miScoreOutput", "ExportFinaleLyrics1"};
    for (const char* name : names) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
        action(name)->trigger();
    }
    EXPECT_TRUE(platform.calls.empty());

    pane("RichEdit1")->setPlainText(QString::fromUtf8("в лесу"));
    action("miHyphenate")->trigger();
    ASSERT_EQ(pane("RichEdit2")->toPlainText(), QString::fromUtf8("в лесу\n"));
    for (const char* name : names)
        EXPECT_TRUE(action(name)->isEnabled()) << name;

    form1->findChild<QPushButton*>("btClear")->click();
    for (const char* name : names)
        EXPECT_FALSE(action(name)->isEnabled()) << name;
}

TEST_F(ExportWindowsTest, SaveResultWritesThePaneAsItIs) {
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
        form1->Saveresult1Click();
        EXPECT_EQ(platform.transcript(), Lines{kSaveResultDialog});
        EXPECT_EQ(folder.read("result.txt"), c.bytes);
    }
    EXPECT_EQ(platform.fileRequests.back().defaultSuffix, "txt");
    EXPECT_TRUE(platform.fileRequests.back().confirmOverwrite);
}

TEST_F(ExportWindowsTest, SaveResultBeepsOnEmptyPaneAndCancelWritesNothing) {
    form1->Saveresult1Click();
    EXPECT_EQ(platform.transcript(), Lines{"beep"});

    showResult("text");
    auto entries = [&] {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {});
    };
    const auto before = entries();
    form1->Saveresult1Click(); // the dialog answers "cancelled"
    EXPECT_EQ(platform.transcript(), Lines{kSaveResultDialog});
    EXPECT_EQ(entries(), before);
}

TEST_F(ExportWindowsTest, SaveResultIntoAMissingFolder) {
    showResult("text");
    const QString missing = file("missing/out.txt");
    platform.saveFileAnswers.push_back(missing);
    form1->Saveresult1Click();
    EXPECT_EQ(platform.transcript(),
              (Lines{kSaveResultDialog, "error: Cannot create file " + missing.toStdString()}));
}

TEST_F(ExportWindowsTest, SaveResultIntoAReadOnlyFolder) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop the superuser";
    showResult("text");
    std::filesystem::create_directory(folder / "locked");
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_exec);
    platform.saveFileAnswers.push_back(file("locked/out.txt"));
    form1->Saveresult1Click();
    std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_all);
    EXPECT_EQ(platform.texts(Kind::Error),
              Lines{"Cannot create file " + file("locked/out.txt").toStdString()});
    EXPECT_TRUE(std::filesystem::is_empty(folder / "locked"));
}

// A file size limit makes writing fail once the file exists: the old content must survive.
TEST_F(ExportWindowsTest, SaveResultWhoseWriteFailsKeepsTheOldFile) {
    folder.write("result.txt", "old");
    showResult("a longer result");
    platform.saveFileAnswers.push_back(file("result.txt"));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    form1->Saveresult1Click();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(platform.transcript(), (Lines{kSaveResultDialog, "error: Failed to Save Stream"}));
    EXPECT_EQ(folder.read("result.txt"), "old");
    EXPECT_FALSE(folder.exists(".result.txt.part"));
}

TEST_F(ExportWindowsTest, SaveDialogRemembersTheNameAcrossSaveAndFinale) {
    showResult(QString::fromUtf8("в до-ме"));
    platform.saveFileAnswers = {file("a.txt"), file("b.txt"), ""};
    platform.onModal = [this](QDialog&) {
        finale->rbFile->setChecked(true);
        return QDialog::Accepted;
    };
    form1->Saveresult1Click();
    form1->ExportFinaleLyrics1Click();
    form1->Saveresult1Click();
    ASSERT_EQ(platform.fileRequests.size(), 3U);
    EXPECT_EQ(platform.fileRequests[0].initialFile, "");
    EXPECT_EQ(platform.fileRequests[1].initialFile, file("a.txt"));
    EXPECT_EQ(platform.fileRequests[2].initialFile, file("b.txt"));
    EXPECT_EQ(folder.read("b.txt"), W("в\u00A0до-ме\r\n"));
}

TEST_F(ExportWindowsTest, FinaleToClipboard) {
    showResult(QString::fromUtf8("Я б ска-зал — ♪\n\nс то-бой"));
    platform.onModal = [](QDialog&) { return QDialog::Accepted; };
    action("ExportFinaleLyrics1")->trigger();
    EXPECT_EQ(
        platform.transcript(),
        (Lines{"modal: tFormFinale",
               "clipboard: " + std::string("Я\u00A0б ска-зал\u00A0— ♪\r\n\r\nс\u00A0то-бой\r\n")}));
}

TEST_F(ExportWindowsTest, FinaleBlankPaneAndCancelExportNothing) {
    showResult(" \n\t\n");
    form1->ExportFinaleLyrics1Click();
    EXPECT_EQ(platform.transcript(), Lines{"beep"});

    showResult("text");
    form1->ExportFinaleLyrics1Click(); // the dialog is rejected
    EXPECT_EQ(platform.transcript(), Lines{"modal: tFormFinale"});

    platform.clearRecord();
    platform.onModal = [this](QDialog&) {
        finale->rbFile->setChecked(true);
        return QDialog::Accepted;
    };
    form1->ExportFinaleLyrics1Click(); // the save dialog is cancelled
    EXPECT_EQ(platform.transcript(), (Lines{"modal: tFormFinale", kSaveResultDialog}));
    EXPECT_FALSE(folder.exists("text.txt"));
}

TEST_F(ExportWindowsTest, FinaleSettingsAreKeptBetweenExports) {
    showResult(QString::fromUtf8("да — нет"));
    std::vector<std::pair<bool, bool>> seen; // (to clipboard, bind dashes) at each opening
    platform.onModal = [&](QDialog&) {
        seen.emplace_back(finale->rbClipboard->isChecked(), finale->cbEmDash->isChecked());
        finale->rbFile->setChecked(true);
        finale->cbEmDash->setChecked(false);
        return QDialog::Accepted;
    };
    platform.saveFileAnswers = {file("lyrics.txt"), file("missing/lyrics.txt")};
    form1->ExportFinaleLyrics1Click();
    EXPECT_EQ(folder.read("lyrics.txt"), W("да — нет\r\n"));
    form1->ExportFinaleLyrics1Click();
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, true}, {false, false}}));
    EXPECT_FALSE(finale->rbClipboard->isChecked());
    EXPECT_EQ(platform.texts(Kind::Error), Lines{"File not found"});
    EXPECT_TRUE(platform.clipboard.isEmpty());
}

TEST_F(ExportWindowsTest, DialogsShowWholeCaptionsAtTheirDesignedHeight) {
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
    EXPECT_TRUE(finale->btOK->isDefault());
    EXPECT_EQ(finale->rbClipboard->nextInFocusChain(), finale->rbFile);
    EXPECT_EQ(finale->btCancel->nextInFocusChain(), finale->cbEmDash);
}

TEST_F(ExportWindowsTest, ScoreRefusedForOtherLanguages) {
    showResult("text");
    form1->findChild<QRadioButton*>("rbEnglish")->click();
    platform.clearRecord();
    action("miScoreOutput")->trigger();
    EXPECT_EQ(platform.transcript(), Lines{"information: So far works only with Russian texts"});
}

TEST_F(ExportWindowsTest, ScoreListsResetModeAndPositionKept) {
    showResult("text");
    struct Seen {
        int hyphen, font, staff, mode;
        QString vpos;
        bool goHasFocus;
    };
    std::vector<Seen> seen;
    platform.onModal = [&](QDialog& d) {
        d.show();
        seen.push_back({score->ComboBox1->currentIndex(), score->ComboBox2->currentIndex(),
                        score->ComboBox3->currentIndex(), score->RadioGroup2ItemIndex(),
                        score->Edit1->text(), d.focusWidget() == score->btGo});
        score->ComboBox1->setCurrentIndex(1);
        score->ComboBox2->setCurrentIndex(0);
        score->ComboBox3->setCurrentIndex(7);
        score->setRadioGroup2ItemIndex(0);
        score->Edit1->setText("12");
        score->btCancel->click();
        return d.result();
    };
    action("miScoreOutput")->trigger();
    action("miScoreOutput")->trigger();
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ((std::tuple{seen[0].hyphen, seen[0].font, seen[0].staff, seen[0].mode}),
              (std::tuple{0, 4, 0, 1}));
    EXPECT_EQ(seen[0].vpos, "-4");
    EXPECT_EQ((std::tuple{seen[1].hyphen, seen[1].font, seen[1].staff, seen[1].mode}),
              (std::tuple{0, 4, 0, 0}));
    EXPECT_EQ(seen[1].vpos, "12");
    EXPECT_TRUE(seen[0].goHasFocus);
    EXPECT_EQ(platform.count(Kind::SaveFile), 0);
}

// "Go!" as the user presses it in the shown dialog; returns whether the dialog is still open.
class ScoreGoTest : public ExportWindowsTest {
protected:
    bool openAndGo(int mode) {
        bool open = false;
        platform.onModal = [&](QDialog& d) {
            d.show();
            score->setRadioGroup2ItemIndex(mode);
            score->btGo->click();
            open = d.isVisible();
            d.hide();
            return d.result();
        };
        action("miScoreOutput")->trigger();
        return open;
    }
};

TEST_F(ScoreGoTest, WritesTheMacroOfTheChosenPaneAndCloses) {
    pane("RichEdit1")->setPlainText(QString::fromUtf8("В лесу ♪"));
    showResult(QString::fromUtf8("В ле-су ро-ди-лась\n"));
    platform.saveFileAnswers = {file("out.txt"), file("in.txt")};
    EXPECT_FALSE(openAndGo(1));
    EXPECT_EQ(folder.read("out.txt"),
              "TC 1 0 -4 1.0 1.0 0\r\n_50V le!!su/ro!!di!!las!h\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\r\n");
    EXPECT_FALSE(openAndGo(0));
    EXPECT_EQ(folder.read("in.txt"), "T 1 10 -4 1.0 1.0 0\r\n_50V lesu ?\r\n");
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: ScoreForm", kScoreSaveDialog, "modal: ScoreForm", kScoreSaveDialog}));
    EXPECT_EQ(platform.fileRequests[1].initialFile, file("out.txt"));
    EXPECT_EQ(platform.fileRequests[1].defaultSuffix, "txt");
    EXPECT_TRUE(platform.fileRequests[1].confirmOverwrite);
}

TEST_F(ScoreGoTest, BlankPaneBeepsAndStaysOpenCancelledSaveCloses) {
    showResult(QString::fromUtf8("до-ма"));
    pane("RichEdit1")->setPlainText("\n \n");
    EXPECT_TRUE(openAndGo(0));
    EXPECT_EQ(platform.transcript(), (Lines{"modal: ScoreForm", "beep"}));

    platform.clearRecord();
    EXPECT_FALSE(openAndGo(1)); // the save dialog answers "cancelled"
    EXPECT_EQ(platform.transcript(), (Lines{"modal: ScoreForm", kScoreSaveDialog}));

    platform.clearRecord();
    platform.saveFileAnswers = {file("missing/out.txt")};
    EXPECT_TRUE(openAndGo(1));
    EXPECT_EQ(platform.texts(Kind::Error), Lines{"File not found"});
}

} // namespace
} // namespace cantiva::ui
