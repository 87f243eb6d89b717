#pragma once

#include "ui/platform.h"
#include "ui/support/qt_printers.h"

#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace cantiva::test_support {

// A platform seam for window tests: nothing is shown and nothing blocks.
//
// - Every call is recorded in order; transcript() gives them as readable lines such as
//   "beep", "error: Cannot find RHYPHEN.PT. Closing", "open-file: Text file (*.txt);;…",
//   "modal: aboutDialog", so a test compares the whole conversation with one EXPECT_EQ.
// - Questions are answered from queues the test fills: yesNoAnswers for warningYesNo,
//   openFileAnswers / saveFileAnswers for the file dialogs. An empty queue answers "No" or
//   "cancelled" (an empty name) — the harmless choice.
// - The last clipboard text is kept in `clipboard`.
// - Busy-cursor calls are counted; busyDepth() is 0 once every push was popped.
// - showModal() calls `onModal` when set (a test can inspect or fill the dialog and return its
//   result code, e.g. QDialog::Accepted), else returns QDialog::Rejected without showing it.
class ScriptedPlatform : public ui::Platform {
public:
    enum class Kind {
        Error,
        WarningYesNo,
        Information,
        Warning,
        Message,
        Beep,
        OpenFile,
        SaveFile,
        Clipboard,
        Modal,
        Question,
    };
    struct Call {
        Kind kind;
        QString text; // the message, the dialog filter, the clipboard text or the dialog's name
    };

    // Answers, consumed front first.
    std::deque<bool> yesNoAnswers;
    std::deque<int> questionAnswers; // button indexes; empty: the last (cancelling) button
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    std::function<int(QDialog&)> onModal;

    // What happened.
    std::vector<Call> calls;
    std::vector<ui::FileDialogRequest> fileRequests; // open and save requests, in order
    QString clipboard;
    int busyPushes = 0;
    int busyPops = 0;
    int busyDepth() const { return busyPushes - busyPops; }

    // The calls as lines "kind: text" ("beep" has no text); UTF-8.
    std::vector<std::string> transcript() const;
    // The texts of the calls of one kind, in order.
    std::vector<std::string> texts(Kind kind) const;
    int count(Kind kind) const;
    // Forgets what was recorded (answers and the modal handler stay).
    void clearRecord();

    void error(QWidget* parent, const QString& text) override;
    bool warningYesNo(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
    int question(QWidget* parent, const QString& text, const QStringList& buttons) override;
    void beep() override;
    void pushBusyCursor() override;
    void popBusyCursor() override;
    QString openFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const ui::FileDialogRequest& request) override;
    void setClipboardText(const QString& text) override;
    int showModal(QDialog& dialog) override;

private:
    void record(Kind kind, const QString& text = {});
};

// The name transcript() uses for a kind: "error", "yes-no", "information", "warning", "message",
// "beep", "open-file", "save-file", "clipboard", "modal", "question" (its text, then the
// buttons in brackets: "… [Save|Discard|Cancel]").
const char* KindName(ScriptedPlatform::Kind kind);

} // namespace cantiva::test_support
