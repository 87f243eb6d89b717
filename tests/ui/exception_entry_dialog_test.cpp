// The entry dialog of the exceptions editor: how it accepts an entry and how it refuses one.
#include "support/cp1251.h"
#include "support/scripted_platform.h"
#include "ui/exception_entry_dialog.h"
#include "ui/support/find_child.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace cantiva::ui {
namespace {

using test_support::Child;
using test_support::ScriptedPlatform;
// The dialog driven as the user would: text typed, then OK, Enter or Esc.
class ExceptionEntryDialogTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    ExceptionEntryDialog dialog{platform};
    QSignalSpy started{&dialog, &ExceptionEntryDialog::editingStarted};
    QSignalSpy accepted{&dialog, &ExceptionEntryDialog::entryAccepted};
    QSignalSpy cancelled{&dialog, &ExceptionEntryDialog::editingCancelled};

    void open(const QString& text) {
        platform.onModal = [](QDialog& d) { return d.result(); };
        dialog.edit("Insert new exception", text);
    }
    QLineEdit* entryEdit() { return Child<QLineEdit>(dialog, "entryEdit"); }
    QPushButton* okButton() { return Child<QPushButton>(dialog, "okButton"); }
    QPushButton* cancelButton() { return Child<QPushButton>(dialog, "cancelButton"); }
};

// Laid out at 120 pixels per inch, shown at 96: every designed length times 0.8.
TEST_F(ExceptionEntryDialogTest, LayoutIsScaledFromItsDesign) {
    EXPECT_EQ(dialog.windowTitle(), "Edit");
    EXPECT_EQ(dialog.size(), QSize(386, 75)); // a row below the buttons for a refusal's reason
    EXPECT_EQ(dialog.pos(), QPoint(268, 280));
    EXPECT_EQ(entryEdit()->geometry(), QRect(13, 7, 359, 19));
    EXPECT_EQ(okButton()->geometry(), QRect(106, 31, 60, 20));
    EXPECT_EQ(cancelButton()->geometry(), QRect(205, 31, 58, 20));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(ExceptionEntryDialogTest, EditShowsCaptionAndTextAndStartsWithNothingPending) {
    open("ab");
    EXPECT_EQ(platform.transcript(), std::vector<std::string>{"modal: exceptionEntryDialog"});
    EXPECT_EQ(dialog.windowTitle(), "Insert new exception");
    EXPECT_EQ(entryEdit()->text(), "ab");
    EXPECT_EQ(dialog.focusWidget(), entryEdit());
    EXPECT_EQ(started.count(), 1);
}

TEST_F(ExceptionEntryDialogTest, ValidEntryIsAcceptedAsTypedByOkAndByEnter) {
    for (bool byEnter : {false, true}) {
        dialog.setResult(QDialog::Rejected);
        accepted.clear();
        open(" Мо-ло-ко ");
        if (byEnter)
            QTest::keyClick(entryEdit(), Qt::Key_Return);
        else
            okButton()->click();
        EXPECT_EQ(accepted.count(), 1) << byEnter;
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << byEnter;
        EXPECT_EQ(dialog.text(), QString::fromUtf8(" Мо-ло-ко ")) << byEnter; // not trimmed
    }
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Beep), 0);
}

TEST_F(ExceptionEntryDialogTest, RefusalsBeepAndKeepTheDialogOpen) {
    struct Case {
        const char* typed;
        bool selected; // the whole text is selected for every refusal but an empty entry
        const char* reason;
    } cases[] = {
        {"мо--ло-ко", true, "Refused: two hyphens in a row"},
        {"мо---локо", true, "Refused: two hyphens in a row"},
        {"мо-loко", true, "Refused: letters outside Russian"},
        {"don't", true, "Refused: letters outside Russian"},
        {"ab1", true, "Refused: letters outside Russian"},
        {"мо-лк-о", true, "Refused: a syllable has no vowel"},
        {"   ", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        dialog.setResult(QDialog::Rejected);
        platform.clearRecord();
        open(QString::fromUtf8(c.typed));
        entryEdit()->deselect();
        QTest::keyClick(entryEdit(), Qt::Key_Return);
        EXPECT_EQ(platform.transcript(),
                  (std::vector<std::string>{"modal: exceptionEntryDialog", "beep"}))
            << c.typed;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.typed;
        EXPECT_EQ(entryEdit()->text(), QString::fromUtf8(c.typed)) << c.typed;
        EXPECT_EQ(entryEdit()->hasSelectedText(), c.selected) << c.typed;
        if (c.selected) {
            EXPECT_EQ(entryEdit()->selectedText(), QString::fromUtf8(c.typed));
        }
        EXPECT_EQ(dialog.focusWidget(), entryEdit()) << c.typed;
        EXPECT_EQ(Child<QLabel>(dialog, "reasonLabel")->text(), QString::fromUtf8(c.reason));
    }
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(cancelled.count(), 0);
}

TEST_F(ExceptionEntryDialogTest, CancelEscAndAnyOtherDismissalCancel) {
    const std::function<void()> ways[] = {
        [this] { cancelButton()->click(); },
        [this] { QTest::keyClick(entryEdit(), Qt::Key_Escape); },
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
