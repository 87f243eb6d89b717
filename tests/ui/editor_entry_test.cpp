// The edit-line dialog of the exceptions editor: which entries it accepts and how it refuses.
#include "support/cp1251.h"
#include "support/scripted_platform.h"
#include "ui/uEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace cantiva::ui {
namespace {

using testing::ScriptedPlatform;
using testing::W;

TEST(EditorEntry, CharacterSetsHoldExactlyTheirCharacters) {
    EXPECT_EQ(kLatinEntryChars.size(), 58 + 3);    // 'A'..'z' plus blank, hyphen, no-break space
    EXPECT_EQ(kCyrillicEntryChars.size(), 64 + 5); // А..я, Ё, ё, blank, hyphen, no-break space
    EXPECT_FALSE(kLatinEntryChars.contains('@'));
    EXPECT_FALSE(kLatinEntryChars.contains('{'));
    EXPECT_FALSE(kCyrillicEntryChars.contains('\x98'));
}

TEST(EditorEntry, CheckEntry) {
    struct Case {
        const char* utf8;
        EntryCheck expected;
    } cases[] = {
        {"мо-ло-ко", EntryCheck::Valid},
        {"Мо-ло-ко", EntryCheck::Valid},
        {"ёл-ка", EntryCheck::Valid},
        {"ЁЛ-КА", EntryCheck::Valid},
        {"ex-cep-tion", EntryCheck::Valid},
        {"два сло-ва", EntryCheck::Valid},
        {"a_b", EntryCheck::Valid},
        {"[\\]^_`", EntryCheck::Valid},
        {"-", EntryCheck::Valid},
        {"- -", EntryCheck::Valid},
        {"  мо-ло-ко\t ", EntryCheck::Valid},
        {"мо\u00A0ло", EntryCheck::Valid},
        {"\u00A0", EntryCheck::Valid}, // the no-break space is not trimmed
        {"мо--ло-ко", EntryCheck::Invalid},
        {"мо---локо", EntryCheck::Invalid},
        {"--", EntryCheck::Invalid},
        {"мо-loко", EntryCheck::Invalid},
        {"don't", EntryCheck::Invalid},
        {"a1", EntryCheck::Invalid},
        {"a@b", EntryCheck::Invalid},
        {"a{b", EntryCheck::Invalid},
        {"a.b", EntryCheck::Invalid},
        {"ђак", EntryCheck::Invalid},     // a Windows-1251 letter outside А..я
        {"a\u4E00", EntryCheck::Invalid}, // not Windows-1251 at all
        {"", EntryCheck::Empty},
        {"   ", EntryCheck::Empty},
        {"\t\r\n", EntryCheck::Empty},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckEntry(W(c.utf8)), c.expected) << c.utf8;
}

// The dialog driven as the user would: text typed, then OK, Enter or Esc.
class EditDialogTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    TForm4 dialog{platform};
    QSignalSpy started{&dialog, &TForm4::editingStarted};
    QSignalSpy accepted{&dialog, &TForm4::entryAccepted};
    QSignalSpy cancelled{&dialog, &TForm4::editingCancelled};

    void open(const QString& text) {
        platform.onModal = [](QDialog& d) { return d.result(); };
        dialog.Execute("Insert new exception", text);
    }
};

// Laid out at 120 pixels per inch, shown at 96: every designed length times 0.8.
TEST_F(EditDialogTest, LayoutIsScaledFromItsDesign) {
    EXPECT_EQ(dialog.windowTitle(), "Edit");
    EXPECT_EQ(dialog.size(), QSize(386, 56));
    EXPECT_EQ(dialog.pos(), QPoint(268, 280));
    EXPECT_EQ(dialog.Edit1->geometry(), QRect(13, 7, 359, 19));
    EXPECT_EQ(dialog.btOK->geometry(), QRect(106, 31, 60, 20));
    EXPECT_EQ(dialog.btCancel->geometry(), QRect(205, 31, 58, 20));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(EditDialogTest, ExecuteShowsCaptionAndTextAndStartsWithNothingPending) {
    open("ab");
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"modal: Form4"});
    EXPECT_EQ(dialog.windowTitle(), "Insert new exception");
    EXPECT_EQ(dialog.Edit1->text(), "ab");
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
    EXPECT_EQ(started.count(), 1);
}

TEST_F(EditDialogTest, ValidEntryIsAcceptedAsTypedByOkAndByEnter) {
    for (bool byEnter : {false, true}) {
        dialog.setResult(QDialog::Rejected);
        accepted.clear();
        open(" Мо-ло-ко ");
        if (byEnter)
            QTest::keyClick(dialog.Edit1, Qt::Key_Return);
        else
            dialog.btOK->click();
        EXPECT_EQ(accepted.count(), 1) << byEnter;
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << byEnter;
        EXPECT_EQ(dialog.text(), QString::fromUtf8(" Мо-ло-ко ")) << byEnter; // not trimmed
    }
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Beep), 0);
}

TEST_F(EditDialogTest, RefusalsBeepAndKeepTheDialogOpen) {
    struct Case {
        const char* typed;
        bool selected; // the whole text is selected for every refusal but an empty entry
    } cases[] = {
        {"мо--ло-ко", true}, {"мо---локо", true}, {"мо-loко", true}, {"don't", true},
        {"ab1", true},       {"   ", false},      {"", false},
    };
    for (const Case& c : cases) {
        dialog.setResult(QDialog::Rejected);
        platform.clearRecord();
        open(QString::fromUtf8(c.typed));
        dialog.Edit1->deselect();
        QTest::keyClick(dialog.Edit1, Qt::Key_Return);
        EXPECT_EQ(platform.transcript(), (std::vector<std::string>{"modal: Form4", "beep"}))
            << c.typed;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.typed;
        EXPECT_EQ(dialog.Edit1->text(), QString::fromUtf8(c.typed)) << c.typed;
        EXPECT_EQ(dialog.Edit1->hasSelectedText(), c.selected) << c.typed;
        if (c.selected) {
            EXPECT_EQ(dialog.Edit1->selectedText(), QString::fromUtf8(c.typed));
        }
        EXPECT_EQ(dialog.focusWidget(), dialog.Edit1) << c.typed;
    }
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(cancelled.count(), 0);
}

TEST_F(EditDialogTest, CancelEscAndAnyOtherDismissalCancel) {
    const std::function<void()> ways[] = {
        [this] { dialog.btCancel->click(); },
        [this] { QTest::keyClick(dialog.Edit1, Qt::Key_Escape); },
        [this] { dialog.reject(); },
    };
    for (const auto& cancel : ways) {
        open("мо-ло-ко");
        cancel();
    }
    EXPECT_EQ(cancelled.count(), 3);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Beep), 0);
}

} // namespace
} // namespace cantiva::ui
