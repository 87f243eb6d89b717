// The main window's dictionary commands: the exceptions editor from end to end, the exceptions
// rebuild and the main dictionary rebuild.
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/dictionary_info_dialog.h"
#include "ui/exception_entry_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/main_window.h"
#include "ui/support/current_directory.h"
#include "ui/support/find_child.h"
#include "ui/support/scripted_platform.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::Language;
using test_support::Child;
using test_support::MainSource;
using test_support::ScriptedPlatform;
using test_support::U;
using test_support::W;
using Lines = std::vector<std::string>;

// A main dictionary source whose only pattern stands in the section of m (the 13th letter of
// both alphabets).
std::vector<std::string> MSection(const std::string& pattern) {
    std::vector<std::string> sections(14);
    sections[13] = pattern;
    return sections;
}

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Russian patterns with the one pattern а1м, English with a1m; no exceptions compiled yet.
class DictionaryCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDictionaries(MainSource(Language::Russian, {"", W("а1м")}), "",
                                 MainSource(Language::English, {"", "a1m"}));
        folder.write("RHYPHEN.XCP", "");
        cwd.emplace(folder.path());
        window = std::make_unique<MainWindow>(platform);
        dictionaryInfo =
            std::make_unique<DictionaryInfoDialog>(platform, window->state(), window.get());
        editor = std::make_unique<ExceptionsEditor>(platform, window->state(), window.get());
        entryDialog = std::make_unique<ExceptionEntryDialog>(platform, window.get());
        editor->setEntryDialog(*entryDialog);
        MainWindowDialogs dialogs;
        dialogs.dictionaryInfo = dictionaryInfo.get();
        dialogs.exceptionsEditor = editor.get();
        dialogs.entryDialog = entryDialog.get();
        window->setDialogs(dialogs);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        editor.reset();
        entryDialog.reset();
        dictionaryInfo.reset();
        window.reset();
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    std::string run(const char* utf8) {
        window->findChild<QPlainTextEdit*>("inputPane")->setPlainText(Q(utf8));
        action("actionHyphenate")->trigger();
        QString result = window->findChild<QPlainTextEdit*>("resultPane")->toPlainText();
        result.chop(result.endsWith('\n') ? 1 : 0); // the result's closing line end
        return result.toStdString();
    }
    std::vector<std::string> loadedExceptions() const {
        std::vector<std::string> out;
        for (const std::string& e : window->state().exceptionTexts())
            out.push_back(U(e));
        return out;
    }

    test_support::TempFolder folder;
    std::optional<test_support::ScopedCurrentDirectory> cwd;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<DictionaryInfoDialog> dictionaryInfo;
    std::unique_ptr<ExceptionsEditor> editor;
    std::unique_ptr<ExceptionEntryDialog> entryDialog;
};

TEST_F(DictionaryCommandsTest, AnExceptionSavedInTheEditorIsUsedByTheNextRun) {
    EXPECT_EQ(run("рамка"), "ра-мка");
    platform.clearRecord();
    platform.onModal = [this](QDialog& dialog) {
        if (&dialog == editor.get()) {
            editor->addNewEntry();
            Child<QPushButton>(*editor, "saveButton")->click();
        } else if (&dialog == entryDialog.get()) {
            Child<QLineEdit>(*entryDialog, "entryEdit")->setText(Q("Рам-ка"));
            Child<QPushButton>(*entryDialog, "okButton")->click();
        }
        return dialog.result();
    };

    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_E));

    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: exceptionsEditor", "modal: exceptionEntryDialog"}));
    EXPECT_EQ(U(folder.read("RHYPHEN.XCP")), "Рам-ка");
    EXPECT_EQ(run("рамка Рамка"), "рам-ка Рам-ка");
}

TEST_F(DictionaryCommandsTest, RebuildingTheExceptionsAsksNothingAndReloads) {
    folder.write("RHYPHEN.XCP", W("  Рам-ка \r\nав-то"));
    platform.clearRecord();
    QTest::keyClick(window.get(), Qt::Key_F8);
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(loadedExceptions(), (Lines{"рам-ка", "ав-то "}));
    EXPECT_EQ(run("рамка"), "рам-ка");
}

TEST_F(DictionaryCommandsTest, RebuildingExceptionsWithoutASourceReportsAndKeepsTheLoadedOnes) {
    folder.write("RHYPHEN.XCP", W("рам-ка"));
    action("actionExceptionsRebuild")->trigger();
    std::filesystem::remove(folder / "RHYPHEN.XCP");
    platform.clearRecord();
    action("actionExceptionsRebuild")->trigger();
    EXPECT_EQ(platform.transcript(), Lines{"error: File not found"});
    EXPECT_EQ(run("рамка"), "рам-ка");
}

TEST_F(DictionaryCommandsTest, MainRebuildAsksFirstAndNoLeavesEverything) {
    EXPECT_TRUE(action("actionMainDictionaryRebuild")->isEnabled());
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, MSection(W("м1к"))));
    const std::string compiled = folder.read("RHYPHEN.PT");
    platform.clearRecord();
    platform.yesNoAnswers = {false};
    window->rebuildMainDictionary();
    EXPECT_EQ(platform.transcript(), Lines{"yes-no: Regenerate Russian patterns?"});
    EXPECT_EQ(folder.read("RHYPHEN.PT"), compiled);
    EXPECT_EQ(run("рамка"), "ра-мка");
}

TEST_F(DictionaryCommandsTest, MainRebuildCompilesReloadsAndReportsSuccessPerLanguage) {
    struct Case {
        Language language;
        const char* source;
        const char* word;
        const char* before;
        const char* after;
        Lines transcript;
    } cases[] = {
        {Language::Russian,
         "м1к",
         "рамка",
         "ра-мка",
         "рам-ка",
         {"yes-no: Regenerate Russian patterns?",
          "information: Patterns in \"RHYPHEN\" regenerated successfully!"}},
        {Language::English,
         "m1k",
         "ramka",
         "ra-mka",
         "ram-ka",
         {"yes-no: Regenerate English patterns?",
          "information: Patterns in \"EHYPHEN\" regenerated successfully!"}},
    };
    for (const Case& c : cases) {
        window->state().switchLanguage(c.language);
        EXPECT_EQ(run(c.word), c.before);
        folder.write(dictionaries::FileName(c.language, dictionaries::DictFile::MainSource),
                     MainSource(c.language, MSection(W(c.source))));
        platform.clearRecord();
        platform.yesNoAnswers = {true};
        window->rebuildMainDictionary();
        EXPECT_EQ(platform.transcript(), c.transcript);
        EXPECT_EQ(run(c.word), c.after);
        EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
    }
}

TEST_F(DictionaryCommandsTest, MainRebuildFailuresReportAndKeepTheLoadedDictionary) {
    platform.yesNoAnswers = {true};
    window->rebuildMainDictionary(); // no RHYPHEN.TXT
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Error), Lines{"File not found"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_EQ(run("рамка"), "ра-мка");

    // The old compiled file vanished meanwhile: nothing is put in its place.
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, MSection(W("м1к"))));
    std::filesystem::remove(folder / "RHYPHEN.PT");
    platform.clearRecord();
    platform.yesNoAnswers = {true};
    window->rebuildMainDictionary();
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Error), Lines{"File not found"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
    EXPECT_FALSE(folder.exists("RHYPHEN.PT"));
    EXPECT_EQ(run("рамка"), "ра-мка");
}

} // namespace
} // namespace cantiva::ui
