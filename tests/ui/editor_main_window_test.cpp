// The main window's dictionary commands: the exceptions editor from end to end, the exceptions
// rebuild and the main dictionary rebuild.
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/rhyphen.h"
#include "ui/support/current_directory.h"
#include "ui/support/scripted_platform.h"
#include "ui/uDict.h"
#include "ui/uEdict.h"
#include "ui/uEdit.h"

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
using testing::MainSource;
using testing::ScriptedPlatform;
using testing::U;
using testing::W;
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
        window = std::make_unique<TForm1>(platform);
        form2 = std::make_unique<TForm2>(platform, window->state(), window.get());
        form3 = std::make_unique<TForm3>(platform, window->state(), window.get());
        form4 = std::make_unique<TForm4>(platform, window.get());
        form3->setEditDialog(*form4);
        OtherWindows others;
        others.dictInfo = form2.get();
        others.exceptionsEditor = form3.get();
        others.editLine = form4.get();
        window->setOtherWindows(others);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        form3.reset();
        form4.reset();
        form2.reset();
        window.reset();
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    std::string run(const char* utf8) {
        window->findChild<QPlainTextEdit*>("RichEdit1")->setPlainText(Q(utf8));
        action("miHyphenate")->trigger();
        QString result = window->findChild<QPlainTextEdit*>("RichEdit2")->toPlainText();
        result.chop(result.endsWith('\n') ? 1 : 0); // the result's closing line end
        return result.toStdString();
    }
    std::vector<std::string> loadedExceptions() const {
        std::vector<std::string> out;
        for (const std::string& e : window->state().exceptionList())
            out.push_back(U(e));
        return out;
    }

    testing::TempFolder folder;
    std::optional<testing::ScopedCurrentDirectory> cwd;
    ScriptedPlatform platform;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
};

TEST_F(DictionaryCommandsTest, AnExceptionSavedInTheEditorIsUsedByTheNextRun) {
    EXPECT_EQ(run("рамка"), "ра-мка");
    platform.clearRecord();
    platform.onModal = [this](QDialog& dialog) {
        if (&dialog == form3.get()) {
            form3->InsertString();
            form3->btSave->click();
        } else if (&dialog == form4.get()) {
            form4->Edit1->setText(Q("Рам-ка"));
            form4->btOK->click();
        }
        return dialog.result();
    };

    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_E));

    EXPECT_EQ(platform.transcript(), (Lines{"modal: Form3", "modal: Form4",
                                            "information: Changes in [RHYPHEN.XCP] saved"}));
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
    action("miRegenXPatterns")->trigger();
    std::filesystem::remove(folder / "RHYPHEN.XCP");
    platform.clearRecord();
    action("miRegenXPatterns")->trigger();
    EXPECT_EQ(platform.transcript(), Lines{"error: File not found"});
    EXPECT_EQ(run("рамка"), "рам-ка");
}

TEST_F(DictionaryCommandsTest, MainRebuildAsksFirstAndNoLeavesEverything) {
    EXPECT_FALSE(action("Regeneratepatterns1")->isEnabled()); // out of reach from the menu
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, MSection(W("м1к"))));
    const std::string compiled = folder.read("RHYPHEN.PT");
    platform.clearRecord();
    platform.yesNoAnswers = {false};
    window->Regeneratepatterns1Click();
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
        window->Regeneratepatterns1Click();
        EXPECT_EQ(platform.transcript(), c.transcript);
        EXPECT_EQ(run(c.word), c.after);
        EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
    }
}

TEST_F(DictionaryCommandsTest, MainRebuildFailuresReportAndKeepTheLoadedDictionary) {
    platform.yesNoAnswers = {true};
    window->Regeneratepatterns1Click(); // no RHYPHEN.TXT
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Error), Lines{"File not found"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_EQ(run("рамка"), "ра-мка");

    // The old compiled file vanished meanwhile: nothing is put in its place.
    folder.write("RHYPHEN.TXT", MainSource(Language::Russian, MSection(W("м1к"))));
    std::filesystem::remove(folder / "RHYPHEN.PT");
    platform.clearRecord();
    platform.yesNoAnswers = {true};
    window->Regeneratepatterns1Click();
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Error), Lines{"File not found"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_EQ(folder.temporaries(), std::vector<std::string>{});
    EXPECT_FALSE(folder.exists("RHYPHEN.PT"));
    EXPECT_EQ(run("рамка"), "ра-мка");
}

} // namespace
} // namespace cantiva::ui
