// The exceptions editor on a real dictionary folder: listing, editing, sorting, deleting, saving
// and the pending-change record with the enabling of "Save".
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "text/cp1251.h"
#include "ui/uEdict.h"
#include "ui/uEdit.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace cantiva::ui {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using testing::ScriptedPlatform;
using testing::TempFolder;
using testing::U;
using testing::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class EditorTest : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<DictionaryState> state;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm3> form3;
    // What the user does in the edit dialog, one step per showing.
    std::deque<std::function<void(TForm4&)>> dialogSteps;

    // The compiled exceptions come from `compiled`, the source on disk is `source` (UTF-8).
    void load(const char* compiled, const char* source) {
        folder.writeDictionaries("", W(compiled));
        for (Language l : dictionaries::kAllLanguages)
            folder.write(dictionaries::FileName(l, dictionaries::DictFile::ExceptionsSource),
                         W(source));
        state = std::make_unique<DictionaryState>(folder.path());
        state->open();
        form4 = std::make_unique<TForm4>(platform);
        form3 = std::make_unique<TForm3>(platform, *state);
        form3->setEditDialog(*form4);
        platform.onModal = [this](QDialog& dialog) {
            if (&dialog == form4.get() && !dialogSteps.empty()) {
                auto step = dialogSteps.front();
                dialogSteps.pop_front();
                step(*form4);
            }
            return dialog.result();
        };
    }
    void load(const char* both) { load(both, both); }

    static std::function<void(TForm4&)> Type(const char* utf8) {
        return [text = Q(utf8)](TForm4& d) {
            d.Edit1->setText(text);
            d.btOK->click();
        };
    }
    static std::function<void(TForm4&)> Cancel() {
        return [](TForm4& d) { d.btCancel->click(); };
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> out;
        for (const std::string& e : form3->entries())
            out.push_back(U(e));
        return out;
    }
    int current() const { return form3->ListBox1->currentRow(); }
    bool saveEnabled() const { return form3->btSave->isEnabled(); }
    std::string source(Language l = Language::Russian) const {
        return U(folder.read(dictionaries::FileName(l, dictionaries::DictFile::ExceptionsSource)));
    }
    std::vector<std::string> loadedExceptions() const {
        std::vector<std::string> out;
        for (const std::string& e : state->exceptionList())
            out.push_back(U(std::string(text::TrimView(e))));
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST_F(EditorTest, MenuItemsShortcutsAndLayout) {
    load("");
    struct Item {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {form3->Addnew1, "&Add", QKeySequence(Qt::Key_Insert)},
        {form3->Editcurrent1, "&Edit current", QKeySequence(Qt::Key_F4)},
        {form3->Delete1, "&Delete", QKeySequence(Qt::Key_Delete)},
        {form3->Sort1, "&Sorted", QKeySequence()},
        {form3->Exit1, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_F4)},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
    }
    EXPECT_FALSE(form3->Sort1->isChecked());
    EXPECT_EQ(form3->findChild<QAction*>("Editcurrent1"), form3->Editcurrent1);

    EXPECT_EQ(form3->windowTitle(), "Custom dictionary");
    EXPECT_EQ(form3->ListBox1->geometry(), QRect(4, 0, 181, 369));
    EXPECT_EQ(form3->btSave->geometry(), QRect(17, 377, 73, 25));
    EXPECT_EQ(form3->btClose->geometry(), QRect(103, 377, 73, 25));
    EXPECT_EQ(form3->ListBox1->parentWidget()->size(), QSize(191, 409)); // below the menu bar
    EXPECT_FALSE(form3->btSave->isEnabled());
}

TEST_F(EditorTest, ShortcutsReachTheirCommandsFromTheList) {
    load("ав-то\r\nмо-ло-ко");
    form3->Execute();
    form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form3.get()));
    platform.clearRecord();
    platform.yesNoAnswers = {false};
    QTest::keyClick(form3->ListBox1, Qt::Key_Insert);
    QTest::keyClick(form3->ListBox1, Qt::Key_F4);
    QTest::keyClick(form3->ListBox1, Qt::Key_Delete);
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: Form4", "modal: Form4", "yes-no: Are you sure?"}));
    QTest::keyClick(form3->ListBox1, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(form3->isVisible());
}

TEST_F(EditorTest, OpeningListsTheLoadedExceptionsTrimmedWithTheFirstCurrent) {
    load("  Мо-ло-ко  \r\nex-cep-tion\r\n\r\nав-то");
    form3->Execute();
    EXPECT_EQ(platform.transcript(), Lines{"modal: Form3"});
    EXPECT_EQ(form3->windowTitle(), "Edit [RHYPHEN.XCD]");
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ex-cep-tion", "", "ав-то"}));
    EXPECT_EQ(current(), 0);
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(form3->focusWidget(), form3->ListBox1);
}

TEST_F(EditorTest, AnEmptyDictionaryHasNoCurrentEntryAndEditCurrentDoesNothing) {
    load("");
    form3->Execute();
    EXPECT_EQ(form3->ListBox1->count(), 0);
    EXPECT_EQ(current(), -1);
    form3->EditCurrent();
    EXPECT_EQ(platform.transcript(), Lines{"modal: Form3"});
}

TEST_F(EditorTest, EntriesAreAddedAndSavedAsTypedWithCrLfBetweenThem) {
    load("ав-то");
    form3->Execute();
    dialogSteps = {Type(" Мо-ло-ко "), Type("ex-cep-tion")};
    form3->InsertString();
    EXPECT_EQ(form4->windowTitle(), "Insert new exception");
    EXPECT_TRUE(saveEnabled());
    form3->InsertString();
    EXPECT_EQ(listed(), (Lines{"ав-то", " Мо-ло-ко ", "ex-cep-tion"}));
    EXPECT_EQ(current(), 2);

    platform.clearRecord();
    form3->btSave->click();

    EXPECT_EQ(source(), "ав-то\r\n Мо-ло-ко \r\nex-cep-tion"); // two CR LF pairs, none at the end
    EXPECT_EQ(platform.transcript(), Lines{"information: Changes in [RHYPHEN.XCP] saved"});
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(form3->changesPending());
    EXPECT_EQ(loadedExceptions(), (Lines{"ав-то", "мо-ло-ко", "ex-cep-tion"}));
    EXPECT_EQ(listed(), (Lines{"ав-то", " Мо-ло-ко ", "ex-cep-tion"})); // not reloaded

    form3->Execute(); // the next opening shows the compiled forms
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко", "ex-cep-tion"}));
}

TEST_F(EditorTest, SavingAnEmptyListWritesAnEmptyFileAndAnEmptyDictionary) {
    load("ав-то");
    form3->Execute();
    platform.yesNoAnswers = {true};
    form3->Delete1Click();
    form3->btSaveClick();
    EXPECT_TRUE(folder.exists("RHYPHEN.XCP"));
    EXPECT_EQ(source(), "");
    EXPECT_TRUE(state->exceptionList().empty());
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Information),
              Lines{"Changes in [RHYPHEN.XCP] saved"});
}

TEST_F(EditorTest, EnglishUsesItsOwnFiles) {
    load("ав-то", "old");
    state->switchLanguage(Language::English);
    form3->Execute();
    EXPECT_EQ(form3->windowTitle(), "Edit [EHYPHEN.XCD]");
    dialogSteps = {Type("hy-phen")};
    form3->InsertString();
    form3->btSaveClick();
    EXPECT_EQ(source(Language::English), "ав-то\r\nhy-phen");
    EXPECT_EQ(source(Language::Russian), "old");
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Information),
              Lines{"Changes in [EHYPHEN.XCP] saved"});
}

TEST_F(EditorTest, EditingReplacesTheCurrentEntryInPlaceAndAnEmptyLineIsWrittenBack) {
    load("ав-то\r\n\r\nмо-ло-ко");
    form3->Execute();
    form3->ListBox1->setCurrentRow(2);
    dialogSteps = {[](TForm4& d) {
        EXPECT_EQ(d.windowTitle(), "Edit exception");
        EXPECT_EQ(d.Edit1->text(), Q("мо-ло-ко"));
        d.Edit1->setText(Q("Мо-ло-ко "));
        d.btOK->click();
    }};
    QTest::keyClick(form3->ListBox1, Qt::Key_Return);
    EXPECT_EQ(listed(), (Lines{"ав-то", "", "Мо-ло-ко "}));
    EXPECT_EQ(current(), 2);
    form3->btSaveClick();
    EXPECT_EQ(source(), "ав-то\r\n\r\nМо-ло-ко ");
}

TEST_F(EditorTest, EditCurrentIsReachedByEnterDoubleClickAndTheMenu) {
    load("ав-то");
    form3->Execute();
    int shown = 0;
    platform.onModal = [&](QDialog& d) {
        ++shown;
        return d.result();
    };
    QTest::keyClick(form3->ListBox1, Qt::Key_Enter);
    QTest::mouseDClick(form3->ListBox1->viewport(), Qt::LeftButton, {},
                       form3->ListBox1->visualItemRect(form3->ListBox1->item(0)).center());
    form3->Editcurrent1->trigger();
    EXPECT_EQ(shown, 3);
}

TEST_F(EditorTest, CancellingTheDialogDisablesSaveEvenWithAnEarlierEditUnsaved) {
    load("ав-то\r\nмо-ло-ко");
    form3->Execute();
    dialogSteps = {Type("ав-то-мат"), Cancel()};
    form3->EditCurrent();
    EXPECT_TRUE(saveEnabled());
    form3->ListBox1->setCurrentRow(1);
    form3->EditCurrent();
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(form3->changesPending());
    EXPECT_EQ(listed(), (Lines{"ав-то-мат", "мо-ло-ко"})); // the first edit stays in the list
}

TEST_F(EditorTest, RefusedEntriesLeaveTheListAsItWas) {
    load("ав-то");
    form3->Execute();
    dialogSteps = {[](TForm4& d) {
        d.Edit1->setText(Q("ав--то"));
        d.btOK->click();
        d.btCancel->click();
    }};
    form3->InsertString();
    EXPECT_EQ(listed(), Lines{"ав-то"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Beep), 1);
    EXPECT_FALSE(saveEnabled());
}

TEST_F(EditorTest, InsertingMakesTheFirstEntryEqualIgnoringCaseCurrent) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    form3->Execute();
    dialogSteps = {Type("МО-ЛО-КО")};
    form3->InsertString();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко", "ёл-ка", "МО-ЛО-КО"}));
    EXPECT_EQ(current(), 1);
}

TEST_F(EditorTest, SortedListInsertsInOrderKeepsEditedEntriesInPlaceAndResortsOnSwitching) {
    load("мо-ло-ко\r\nАв-то\r\nex-cep-tion");
    form3->Execute();
    form3->Sort1->trigger();
    EXPECT_TRUE(form3->Sort1->isChecked());
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "мо-ло-ко"}));
    EXPECT_FALSE(saveEnabled());

    dialogSteps = {Type("Бе-рё-за"), Type("я-ма")};
    form3->InsertString();
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "Бе-рё-за", "мо-ло-ко"}));
    EXPECT_EQ(current(), 2);
    form3->ListBox1->setCurrentRow(0);
    form3->EditCurrent(); // "я-ма" replaces "ex-cep-tion" where it stands
    EXPECT_EQ(listed(), (Lines{"я-ма", "ав-то", "Бе-рё-за", "мо-ло-ко"}));

    form3->Sort1->trigger();
    form3->Sort1->trigger();
    EXPECT_EQ(listed(), (Lines{"ав-то", "Бе-рё-за", "мо-ло-ко", "я-ма"}));

    // The setting outlives the opening: the next one lists the loaded entries in order.
    form3->Execute();
    EXPECT_TRUE(form3->Sort1->isChecked());
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "мо-ло-ко"}));
    EXPECT_EQ(current(), 0);
}

TEST_F(EditorTest, DeletingTheFirstEntryLeavesNoneCurrentAndASecondDeleteRemovesNothing) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    form3->Execute();
    platform.yesNoAnswers = {true, true};
    form3->Delete1->trigger();
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ёл-ка"}));
    EXPECT_EQ(current(), -1);
    EXPECT_TRUE(saveEnabled());

    // Focus coming back to the list (as after the question box) makes no entry current.
    form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form3.get()));
    form3->btClose->setFocus();
    form3->ListBox1->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(form3->ListBox1->hasFocus());
    EXPECT_EQ(current(), -1);

    form3->btSave->setEnabled(false); // so the second delete shows it enables "Save" itself
    form3->Delete1Click();
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::WarningYesNo),
              (Lines{"Are you sure?", "Are you sure?"}));
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ёл-ка"}));
    EXPECT_EQ(current(), -1);
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(form3->changesPending());
}

TEST_F(EditorTest, DeleteMakesThePreviousEntryCurrentAndNoChangesNothing) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    form3->Execute();
    form3->ListBox1->setCurrentRow(2);
    platform.yesNoAnswers = {false, true};
    form3->Delete1Click();
    EXPECT_EQ(listed().size(), 3u);
    EXPECT_FALSE(saveEnabled());
    form3->Delete1Click();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко"}));
    EXPECT_EQ(current(), 1);
}

TEST_F(EditorTest, EscInTheListAfterAnEditRebuildsFromTheUnchangedSource) {
    load("ав-то", "ав-то\r\nмо-ло-ко");
    form3->Execute();
    dialogSteps = {Type("ав-то-мат")};
    form3->EditCurrent();
    form3->setResult(QDialog::Accepted);

    QTest::keyClick(form3->ListBox1, Qt::Key_Escape);

    EXPECT_EQ(form3->result(), QDialog::Rejected); // closed
    EXPECT_FALSE(form3->changesPending());
    EXPECT_EQ(source(), "ав-то\r\nмо-ло-ко"); // the list was not written
    EXPECT_EQ(loadedExceptions(), (Lines{"ав-то", "мо-ло-ко"}));
    form3->Execute();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко"}));
}

TEST_F(EditorTest, EscWithoutChangesOnlyCloses) {
    load("ав-то", "мо-ло-ко");
    form3->Execute();
    QTest::keyClick(form3->ListBox1, Qt::Key_Escape);
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"}); // not rebuilt
}

TEST_F(EditorTest, CloseAndExitDropChangesWithoutAsking) {
    for (bool byExit : {false, true}) {
        load("ав-то");
        form3->Execute();
        dialogSteps = {Type("мо-ло-ко")};
        form3->InsertString();
        platform.clearRecord();
        form3->setResult(QDialog::Accepted);
        if (byExit)
            form3->Exit1->trigger();
        else
            form3->btClose->click();
        EXPECT_EQ(form3->result(), QDialog::Rejected) << byExit;
        EXPECT_TRUE(platform.calls.empty()) << byExit;
        EXPECT_EQ(source(), "ав-то") << byExit;
        // "Close" forgets the change; "Exit" leaves the record as it was.
        EXPECT_EQ(form3->changesPending(), byExit);
        EXPECT_EQ(saveEnabled(), byExit);
        form3->Execute();
        EXPECT_EQ(listed(), Lines{"ав-то"}) << byExit;
        EXPECT_FALSE(saveEnabled()) << byExit;
    }
}

TEST_F(EditorTest, AFailedSaveKeepsTheOldSourceAndThePendingChange) {
    load("ав-то");
    form3->Execute();
    dialogSteps = {Type("мо-ло-ко")};
    form3->InsertString();
    // The source's place is taken by a folder, so it cannot be replaced.
    std::filesystem::remove(folder / "RHYPHEN.XCP");
    std::filesystem::create_directory(folder / "RHYPHEN.XCP");
    std::filesystem::path keep = folder / "RHYPHEN.XCP" / "keep";
    folder.write("RHYPHEN.XCP/keep", "x");
    platform.clearRecord();

    form3->btSaveClick();

    ASSERT_EQ(platform.count(ScriptedPlatform::Kind::Error), 1);
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_TRUE(std::filesystem::exists(keep));
    EXPECT_TRUE(form3->changesPending());
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"});
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path(); // no leftovers
}

TEST_F(EditorTest, AFailedCompilationAfterTheSaveIsReportedAndSaveStaysEnabled) {
    load("ав-то");
    form3->Execute();
    dialogSteps = {Type("мо-ло-ко")};
    form3->InsertString();
    std::filesystem::remove(folder / "RHYPHEN.XCD"); // gone meanwhile
    platform.clearRecord();

    form3->btSaveClick();

    EXPECT_EQ(platform.transcript(),
              (Lines{"information: Changes in [RHYPHEN.XCP] saved", "error: File not found"}));
    EXPECT_EQ(source(), "ав-то\r\nмо-ло-ко");
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"});
}

} // namespace
} // namespace cantiva::ui
