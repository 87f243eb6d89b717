// The exceptions editor on a real dictionary folder: listing, editing, sorting, deleting, saving
// and the pending-change record with the enabling of "Save".
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "text/case_map.h"
#include "text/cp1251.h"
#include "text/utf8_codec.h"
#include "ui/exception_entry_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/support/find_child.h"

#include <QAction>
#include <QLabel>
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
using test_support::Child;
using test_support::ScriptedPlatform;
using test_support::TempFolder;
using test_support::U;
using test_support::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ExceptionsEditorTest : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<DictionaryState> state;
    std::unique_ptr<ExceptionEntryDialog> entryDialog;
    std::unique_ptr<ExceptionsEditor> editor;
    // What the user does in the edit dialog, one step per showing.
    std::deque<std::function<void(ExceptionEntryDialog&)>> dialogSteps;

    // The compiled exceptions come from `compiled`, the source on disk is `source` (UTF-8).
    void load(const char* compiled, const char* source) {
        folder.writeDictionaries("", W(compiled));
        for (Language l : dictionaries::kAllLanguages)
            folder.write(dictionaries::FileName(l, dictionaries::DictFile::ExceptionsSource),
                         W(source));
        state = std::make_unique<DictionaryState>(folder.path());
        state->openAtStartup();
        entryDialog = std::make_unique<ExceptionEntryDialog>(platform);
        editor = std::make_unique<ExceptionsEditor>(platform, *state);
        editor->setEntryDialog(*entryDialog);
        platform.onModal = [this](QDialog& dialog) {
            if (&dialog == entryDialog.get() && !dialogSteps.empty()) {
                auto step = dialogSteps.front();
                dialogSteps.pop_front();
                step(*entryDialog);
            }
            return dialog.result();
        };
    }
    void load(const char* both) { load(both, both); }

    static std::function<void(ExceptionEntryDialog&)> Type(const char* utf8) {
        return [text = Q(utf8)](ExceptionEntryDialog& d) {
            Child<QLineEdit>(d, "entryEdit")->setText(text);
            Child<QPushButton>(d, "okButton")->click();
        };
    }
    static std::function<void(ExceptionEntryDialog&)> Cancel() {
        return [](ExceptionEntryDialog& d) { Child<QPushButton>(d, "cancelButton")->click(); };
    }

    std::vector<std::string> listed() const {
        std::vector<std::string> out;
        for (const std::string& e : editor->entries())
            out.push_back(U(e));
        return out;
    }
    QListWidget* entryList() const { return Child<QListWidget>(*editor, "entryList"); }
    QPushButton* saveButton() const { return Child<QPushButton>(*editor, "saveButton"); }
    QPushButton* closeButton() const { return Child<QPushButton>(*editor, "closeButton"); }
    QAction* action(const char* name) const { return Child<QAction>(*editor, name); }
    int current() const { return entryList()->currentRow(); }
    bool saveEnabled() const { return saveButton()->isEnabled(); }
    std::string source(Language l = Language::Russian) const {
        return U(folder.read(dictionaries::FileName(l, dictionaries::DictFile::ExceptionsSource)));
    }
    std::vector<std::string> loadedExceptions() const {
        std::vector<std::string> out;
        for (const std::string& e : state->exceptionTexts())
            out.push_back(U(std::string(text::TrimView(e))));
        return out;
    }
};

using Lines = std::vector<std::string>;

TEST_F(ExceptionsEditorTest, MenuItemsShortcutsAndLayout) {
    load("");
    struct Item {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {action("actionAdd"), "&Add", QKeySequence(Qt::Key_Insert)},
        {action("actionEditCurrent"), "&Edit current", QKeySequence(Qt::Key_F4)},
        {action("actionDelete"), "&Delete", QKeySequence(Qt::Key_Delete)},
        {action("actionSorted"), "&Sorted", QKeySequence()},
        {action("actionExit"), "E&xit", QKeySequence(Qt::CTRL | Qt::Key_F4)},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
    }
    EXPECT_FALSE(action("actionSorted")->isChecked());

    EXPECT_EQ(editor->windowTitle(), "Custom dictionary");
    EXPECT_EQ(entryList()->geometry(), QRect(4, 0, 181, 369));
    EXPECT_EQ(saveButton()->geometry(), QRect(17, 377, 73, 25));
    EXPECT_EQ(closeButton()->geometry(), QRect(103, 377, 73, 25));
    EXPECT_EQ(entryList()->parentWidget()->size(), QSize(191, 453)); // below the menu bar
    EXPECT_FALSE(saveButton()->isEnabled());
}

TEST_F(ExceptionsEditorTest, ShortcutsReachTheirCommandsFromTheList) {
    load("ав-то\r\nмо-ло-ко");
    editor->editCurrentLanguage();
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    platform.clearRecord();
    platform.yesNoAnswers = {false};
    QTest::keyClick(entryList(), Qt::Key_Insert);
    QTest::keyClick(entryList(), Qt::Key_F4);
    QTest::keyClick(entryList(), Qt::Key_Delete);
    EXPECT_EQ(platform.transcript(),
              (Lines{"modal: exceptionEntryDialog", "modal: exceptionEntryDialog",
                     "yes-no: Are you sure?"}));
    QTest::keyClick(entryList(), Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(ExceptionsEditorTest, OpeningListsTheLoadedExceptionsTrimmedWithTheFirstCurrent) {
    load("  Мо-ло-ко  \r\nex-cep-tion\r\n\r\nав-то");
    editor->editCurrentLanguage();
    EXPECT_EQ(platform.transcript(), Lines{"modal: exceptionsEditor"});
    EXPECT_EQ(editor->windowTitle(), "Edit [RHYPHEN.XCD]");
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ex-cep-tion", "", "ав-то"}));
    EXPECT_EQ(current(), 0);
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(editor->focusWidget(), entryList());
}

TEST_F(ExceptionsEditorTest, AnEmptyDictionaryHasNoCurrentEntryAndEditCurrentDoesNothing) {
    load("");
    editor->editCurrentLanguage();
    EXPECT_EQ(entryList()->count(), 0);
    EXPECT_EQ(current(), -1);
    editor->editCurrentEntry();
    EXPECT_EQ(platform.transcript(), Lines{"modal: exceptionsEditor"});
}

TEST_F(ExceptionsEditorTest, EntriesAreAddedAndSavedAsTypedWithCrLfBetweenThem) {
    load("ав-то");
    editor->editCurrentLanguage();
    dialogSteps = {Type(" Мо-ло-ко "), Type("ex-cep-tion")};
    editor->addNewEntry();
    EXPECT_EQ(entryDialog->windowTitle(), "Insert new exception");
    EXPECT_TRUE(saveEnabled());
    editor->addNewEntry();
    EXPECT_EQ(listed(), (Lines{"ав-то", " Мо-ло-ко ", "ex-cep-tion"}));
    EXPECT_EQ(current(), 2);

    platform.clearRecord();
    saveButton()->click();

    EXPECT_EQ(source(), "ав-то\r\n Мо-ло-ко \r\nex-cep-tion"); // two CR LF pairs, none at the end
    EXPECT_TRUE(platform.transcript().empty()) << "no box to close";
    EXPECT_EQ(Child<QLabel>(*editor, "statusLabel")->text(), "Changes in [RHYPHEN.XCP] saved");
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(editor->changesPending());
    EXPECT_EQ(loadedExceptions(), (Lines{"ав-то", "мо-ло-ко", "ex-cep-tion"}));
    EXPECT_EQ(listed(), (Lines{"ав-то", " Мо-ло-ко ", "ex-cep-tion"})); // not reloaded

    editor->editCurrentLanguage(); // the next opening shows the compiled forms
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко", "ex-cep-tion"}));
}

TEST_F(ExceptionsEditorTest, SavingAnEmptyListWritesAnEmptyFileAndAnEmptyDictionary) {
    load("ав-то");
    editor->editCurrentLanguage();
    platform.yesNoAnswers = {true};
    editor->deleteCurrentEntry();
    editor->saveAndCompile();
    EXPECT_TRUE(folder.exists("RHYPHEN.XCP"));
    EXPECT_EQ(source(), "");
    EXPECT_TRUE(state->exceptionTexts().empty());
    EXPECT_EQ(Child<QLabel>(*editor, "statusLabel")->text(), "Changes in [RHYPHEN.XCP] saved");
}

TEST_F(ExceptionsEditorTest, SearchShowsTheMatchingEntriesAndSavesThemAll) {
    load("ав-то\r\nмо-ло-ко\r\nмо-роз");
    editor->editCurrentLanguage();
    auto* search = Child<QLineEdit>(*editor, "searchEdit");
    const struct {
        const char* text;
        Lines shown;
    } cases[] = {
        {"МО", {"мо-ло-ко", "мо-роз"}}, // in either case
        {"-то", {"ав-то"}},
        {"xyz", {}},
        {"", {"ав-то", "мо-ло-ко", "мо-роз"}},
    };
    for (const auto& c : cases) {
        search->setText(QString::fromUtf8(c.text));
        Lines shown;
        for (int i = 0; i < entryList()->count(); ++i)
            if (!entryList()->item(i)->isHidden())
                shown.push_back(entryList()->item(i)->text().toStdString());
        EXPECT_EQ(shown, c.shown) << c.text;
    }
    search->setText(QStringLiteral("zzz"));
    dialogSteps = {Type("ква-сы")};
    editor->addNewEntry();
    editor->saveAndCompile();
    EXPECT_EQ(source(), "ав-то\r\nмо-ло-ко\r\nмо-роз\r\nква-сы") << "hidden entries are saved";
}

TEST_F(ExceptionsEditorTest, EnglishUsesItsOwnFiles) {
    load("ав-то", "old");
    state->switchLanguage(Language::English);
    editor->editCurrentLanguage();
    EXPECT_EQ(editor->windowTitle(), "Edit [EHYPHEN.XCD]");
    dialogSteps = {Type("hy-phen")};
    editor->addNewEntry();
    editor->saveAndCompile();
    EXPECT_EQ(source(Language::English), "ав-то\r\nhy-phen");
    EXPECT_EQ(source(Language::Russian), "old");
    EXPECT_EQ(Child<QLabel>(*editor, "statusLabel")->text(), "Changes in [EHYPHEN.XCP] saved");
}

TEST_F(ExceptionsEditorTest, EachWindows1252LanguageTakesItsOwnLetters) {
    struct Case {
        Language language;
        const char* accepted;
        const char* refused; // a letter the language lacks
    } cases[] = {
        {Language::German, "Grü-ße", "ni-ño"},
        {Language::French, "cœ-ur", "grü-ße"},
        {Language::Italian, "cit-tà", "ni-ño"},
        {Language::Spanish, "Ni-ño", "cœ-ur"},
    };
    for (const Case& c : cases) {
        load("");
        state->switchLanguage(c.language);
        editor->editCurrentLanguage();
        dialogSteps = {Type(c.refused), Type(c.accepted)};
        editor->addNewEntry();
        editor->addNewEntry();
        const Lines said = platform.transcript();
        EXPECT_NE(std::find(said.begin(), said.end(), "beep"), said.end()) << c.accepted;
        editor->saveAndCompile();
        const std::string written = text::Utf8ToCodePage(c.accepted, text::kWindows1252).bytes;
        EXPECT_EQ(folder.read(
                      dictionaries::FileName(c.language, dictionaries::DictFile::ExceptionsSource)),
                  written);
        ASSERT_EQ(state->exceptionTexts().size(), 1u) << c.accepted;
        EXPECT_EQ(text::TrimView(state->exceptionTexts()[0]),
                  text::kWindows1252Case.lower(written));
        platform.clearRecord();
    }
}

TEST_F(ExceptionsEditorTest, EditingReplacesTheCurrentEntryInPlaceAndAnEmptyLineIsWrittenBack) {
    load("ав-то\r\n\r\nмо-ло-ко");
    editor->editCurrentLanguage();
    entryList()->setCurrentRow(2);
    dialogSteps = {[](ExceptionEntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit exception");
        EXPECT_EQ(Child<QLineEdit>(d, "entryEdit")->text(), Q("мо-ло-ко"));
        Child<QLineEdit>(d, "entryEdit")->setText(Q("Мо-ло-ко "));
        Child<QPushButton>(d, "okButton")->click();
    }};
    QTest::keyClick(entryList(), Qt::Key_Return);
    EXPECT_EQ(listed(), (Lines{"ав-то", "", "Мо-ло-ко "}));
    EXPECT_EQ(current(), 2);
    editor->saveAndCompile();
    EXPECT_EQ(source(), "ав-то\r\n\r\nМо-ло-ко ");
}

TEST_F(ExceptionsEditorTest, EditCurrentIsReachedByEnterDoubleClickAndTheMenu) {
    load("ав-то");
    editor->editCurrentLanguage();
    int shown = 0;
    platform.onModal = [&](QDialog& d) {
        ++shown;
        return d.result();
    };
    QTest::keyClick(entryList(), Qt::Key_Enter);
    QTest::mouseDClick(entryList()->viewport(), Qt::LeftButton, {},
                       entryList()->visualItemRect(entryList()->item(0)).center());
    action("actionEditCurrent")->trigger();
    EXPECT_EQ(shown, 3);
}

TEST_F(ExceptionsEditorTest, CancellingTheDialogDisablesSaveEvenWithAnEarlierEditUnsaved) {
    load("ав-то\r\nмо-ло-ко");
    editor->editCurrentLanguage();
    dialogSteps = {Type("ав-то-мат"), Cancel()};
    editor->editCurrentEntry();
    EXPECT_TRUE(saveEnabled());
    entryList()->setCurrentRow(1);
    editor->editCurrentEntry();
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(editor->changesPending());
    EXPECT_EQ(listed(), (Lines{"ав-то-мат", "мо-ло-ко"})); // the first edit stays in the list
}

TEST_F(ExceptionsEditorTest, RefusedEntriesLeaveTheListAsItWas) {
    load("ав-то");
    editor->editCurrentLanguage();
    dialogSteps = {[](ExceptionEntryDialog& d) {
        Child<QLineEdit>(d, "entryEdit")->setText(Q("ав--то"));
        Child<QPushButton>(d, "okButton")->click();
        Child<QPushButton>(d, "cancelButton")->click();
    }};
    editor->addNewEntry();
    EXPECT_EQ(listed(), Lines{"ав-то"});
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Beep), 1);
    EXPECT_FALSE(saveEnabled());
}

TEST_F(ExceptionsEditorTest, InsertingMakesTheFirstEntryEqualIgnoringCaseCurrent) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    editor->editCurrentLanguage();
    dialogSteps = {Type("МО-ЛО-КО")};
    editor->addNewEntry();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко", "ёл-ка", "МО-ЛО-КО"}));
    EXPECT_EQ(current(), 1);
}

TEST_F(ExceptionsEditorTest,
       SortedListInsertsInOrderKeepsEditedEntriesInPlaceAndResortsOnSwitching) {
    load("мо-ло-ко\r\nАв-то\r\nex-cep-tion");
    editor->editCurrentLanguage();
    action("actionSorted")->trigger();
    EXPECT_TRUE(action("actionSorted")->isChecked());
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "мо-ло-ко"}));
    EXPECT_FALSE(saveEnabled());

    dialogSteps = {Type("Бе-рё-за"), Type("я-ма")};
    editor->addNewEntry();
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "Бе-рё-за", "мо-ло-ко"}));
    EXPECT_EQ(current(), 2);
    entryList()->setCurrentRow(0);
    editor->editCurrentEntry(); // "я-ма" replaces "ex-cep-tion" where it stands
    EXPECT_EQ(listed(), (Lines{"я-ма", "ав-то", "Бе-рё-за", "мо-ло-ко"}));

    action("actionSorted")->trigger();
    action("actionSorted")->trigger();
    EXPECT_EQ(listed(), (Lines{"ав-то", "Бе-рё-за", "мо-ло-ко", "я-ма"}));

    // The setting outlives the opening: the next one lists the loaded entries in order.
    editor->editCurrentLanguage();
    EXPECT_TRUE(action("actionSorted")->isChecked());
    EXPECT_EQ(listed(), (Lines{"ex-cep-tion", "ав-то", "мо-ло-ко"}));
    EXPECT_EQ(current(), 0);
}

TEST_F(ExceptionsEditorTest, DeletingTheFirstEntryLeavesNoneCurrentAndASecondDeleteRemovesNothing) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    editor->editCurrentLanguage();
    platform.yesNoAnswers = {true, true};
    action("actionDelete")->trigger();
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ёл-ка"}));
    EXPECT_EQ(current(), -1);
    EXPECT_TRUE(saveEnabled());

    // Focus coming back to the list (as after the question box) makes no entry current.
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    closeButton()->setFocus();
    entryList()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(entryList()->hasFocus());
    EXPECT_EQ(current(), -1);

    saveButton()->setEnabled(false); // so the second delete shows it enables "Save" itself
    editor->deleteCurrentEntry();
    EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::WarningYesNo),
              (Lines{"Are you sure?", "Are you sure?"}));
    EXPECT_EQ(listed(), (Lines{"мо-ло-ко", "ёл-ка"}));
    EXPECT_EQ(current(), -1);
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(editor->changesPending());
}

TEST_F(ExceptionsEditorTest, DeleteMakesThePreviousEntryCurrentAndNoChangesNothing) {
    load("ав-то\r\nмо-ло-ко\r\nёл-ка");
    editor->editCurrentLanguage();
    entryList()->setCurrentRow(2);
    platform.yesNoAnswers = {false, true};
    editor->deleteCurrentEntry();
    EXPECT_EQ(listed().size(), 3u);
    EXPECT_FALSE(saveEnabled());
    editor->deleteCurrentEntry();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко"}));
    EXPECT_EQ(current(), 1);
}

TEST_F(ExceptionsEditorTest, EscInTheListAfterAnEditRebuildsFromTheUnchangedSource) {
    load("ав-то", "ав-то\r\nмо-ло-ко");
    editor->editCurrentLanguage();
    dialogSteps = {Type("ав-то-мат")};
    editor->editCurrentEntry();
    editor->setResult(QDialog::Accepted);
    platform.questionAnswers = {1}; // Discard

    QTest::keyClick(entryList(), Qt::Key_Escape);

    EXPECT_EQ(editor->result(), QDialog::Rejected); // closed, the change discarded when asked
    EXPECT_FALSE(editor->changesPending());
    EXPECT_EQ(source(), "ав-то\r\nмо-ло-ко"); // the list was not written
    EXPECT_EQ(loadedExceptions(), (Lines{"ав-то", "мо-ло-ко"}));
    editor->editCurrentLanguage();
    EXPECT_EQ(listed(), (Lines{"ав-то", "мо-ло-ко"}));
}

TEST_F(ExceptionsEditorTest, EscWithoutChangesOnlyCloses) {
    load("ав-то", "мо-ло-ко");
    editor->editCurrentLanguage();
    QTest::keyClick(entryList(), Qt::Key_Escape);
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"}); // not rebuilt
}

// Unsaved changes are never dropped silently: every way of closing asks Save / Discard / Cancel.
TEST_F(ExceptionsEditorTest, EveryWayOfClosingAsksAboutUnsavedChanges) {
    struct Way {
        const char* name;
        std::function<void()> close;
    } ways[] = {
        {"Close", [this] { closeButton()->click(); }},
        {"Exit", [this] { action("actionExit")->trigger(); }},
        {"Esc", [this] { QTest::keyClick(entryList(), Qt::Key_Escape); }},
        {"window close button", [this] { editor->close(); }},
    };
    enum Answer { kSave, kDiscard, kCancel };
    for (const Way& way : ways) {
        for (Answer answer : {kSave, kDiscard, kCancel}) {
            SCOPED_TRACE(std::string(way.name) + " answered " + std::to_string(answer));
            load("ав-то");
            editor->editCurrentLanguage();
            dialogSteps = {Type("мо-ло-ко")};
            editor->addNewEntry();
            platform.clearRecord();
            platform.questionAnswers = {answer};
            editor->show();
            editor->setResult(QDialog::Accepted);
            way.close();
            ASSERT_EQ(platform.texts(ScriptedPlatform::Kind::Question),
                      Lines{"Save the changes to [RHYPHEN.XCP]? [Save|Discard|Cancel]"});
            const bool closed = answer != kCancel;
            EXPECT_EQ(editor->isVisible(), !closed);
            EXPECT_EQ(editor->result(), closed ? QDialog::Rejected : QDialog::Accepted);
            EXPECT_EQ(source(), answer == kSave ? "ав-то\r\nмо-ло-ко" : "ав-то");
            EXPECT_EQ(editor->hasUnsavedChanges(), answer != kSave); // until it is opened again
            editor->hide();
        }
    }
    // Without changes nothing is asked.
    load("ав-то");
    editor->editCurrentLanguage();
    platform.clearRecord();
    closeButton()->click();
    EXPECT_TRUE(platform.calls.empty());
}

// Two copies of the program edit one folder: the second save sees the first and asks.
TEST_F(ExceptionsEditorTest, SavingOverAFileChangedOnDiskAsksToReloadOrOverwrite) {
    enum Answer { kReload, kOverwrite, kCancel };
    struct Case {
        Answer answer;
        const char* source;
        Lines listedAfter;
    } cases[] = {
        {kReload, "ав-то\r\nмо-ло-ко", {"ав-то", "мо-ло-ко"}},
        {kOverwrite, "ав-то\r\nпа-па", {"ав-то", "па-па"}},
        {kCancel, "ав-то\r\nмо-ло-ко", {"ав-то", "па-па"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        load("ав-то");
        DictionaryState otherState(folder.path());
        otherState.openAtStartup();
        ScriptedPlatform otherPlatform;
        ExceptionEntryDialog otherEntryDialog(otherPlatform);
        ExceptionsEditor other(otherPlatform, otherState);
        other.setEntryDialog(otherEntryDialog);
        otherPlatform.onModal = [&](QDialog& dialog) {
            if (&dialog == &otherEntryDialog)
                Type("мо-ло-ко")(otherEntryDialog);
            return dialog.result();
        };
        editor->editCurrentLanguage();
        other.editCurrentLanguage();
        other.addNewEntry();
        other.saveAndCompile();
        EXPECT_EQ(otherPlatform.count(ScriptedPlatform::Kind::Question), 0);

        dialogSteps = {Type("па-па")};
        editor->addNewEntry();
        platform.clearRecord();
        platform.questionAnswers = {c.answer};
        editor->saveAndCompile();
        EXPECT_EQ(platform.texts(ScriptedPlatform::Kind::Question),
                  Lines{"[RHYPHEN.XCP] was changed on disk since the editor loaded it, by another "
                        "copy of Cantiva or by hand.\n\nReload it (your changes here are lost), "
                        "or overwrite it with this list? [Reload|Overwrite|Cancel]"});
        EXPECT_EQ(source(), c.source);
        EXPECT_EQ(listed(), c.listedAfter);
        EXPECT_EQ(editor->hasUnsavedChanges(), c.answer == kCancel);
        if (c.answer != kCancel) {
            EXPECT_EQ(loadedExceptions(), c.listedAfter); // what the next run uses
        }
    }
}

TEST_F(ExceptionsEditorTest, AFailedSaveKeepsTheOldSourceAndThePendingChange) {
    load("ав-то");
    editor->editCurrentLanguage();
    dialogSteps = {Type("мо-ло-ко")};
    editor->addNewEntry();
    // The source's place is taken by a folder, so it cannot be replaced.
    std::filesystem::remove(folder / "RHYPHEN.XCP");
    std::filesystem::create_directory(folder / "RHYPHEN.XCP");
    std::filesystem::path keep = folder / "RHYPHEN.XCP" / "keep";
    folder.write("RHYPHEN.XCP/keep", "x");
    platform.clearRecord();
    platform.questionAnswers = {1}; // it changed on disk: overwrite

    editor->saveAndCompile();

    ASSERT_EQ(platform.count(ScriptedPlatform::Kind::Error), 1);
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Information), 0);
    EXPECT_TRUE(std::filesystem::exists(keep));
    EXPECT_TRUE(editor->changesPending());
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"});
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path(); // no leftovers
}

TEST_F(ExceptionsEditorTest, AFailedCompilationAfterTheSaveIsReportedAndSaveStaysEnabled) {
    load("ав-то");
    editor->editCurrentLanguage();
    dialogSteps = {Type("мо-ло-ко")};
    editor->addNewEntry();
    std::filesystem::remove(folder / "RHYPHEN.XCD"); // gone meanwhile
    platform.clearRecord();

    editor->saveAndCompile();

    EXPECT_EQ(platform.transcript(), Lines{"error: File not found"});
    EXPECT_EQ(Child<QLabel>(*editor, "statusLabel")->text(), "Changes in [RHYPHEN.XCP] saved");
    EXPECT_EQ(source(), "ав-то\r\nмо-ло-ко");
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(loadedExceptions(), Lines{"ав-то"});
}

} // namespace
} // namespace cantiva::ui
