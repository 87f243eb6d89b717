#pragma once

#include "text/byte_set.h"

#include <QDialog>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace cantiva::ui {

class Platform;

// The characters an exception may be written with (Windows-1251). Blank, hyphen and no-break
// space belong to both sets, so they combine with either alphabet.
inline constexpr text::ByteSet kCyrillicEntryChars =
    text::ByteSet::of({0x20, 0x2D, 0xA0, 0xA8, 0xB8}) | text::ByteSet::range(0xC0, 0xFF);
// 'A' to 'z' includes the six characters [ \ ] ^ _ ` between the capitals and the small letters.
inline constexpr text::ByteSet kLatinEntryChars =
    text::ByteSet::of({0x20, 0x2D, 0xA0}) | text::ByteSet::range(0x41, 0x7A);

bool IsCyrillicEntry(std::string_view entry);
bool IsLatinEntry(std::string_view entry);
bool HasDoubleHyphen(std::string_view entry);

enum class EntryCheck {
    Valid,
    Empty,   // nothing but blanks and control characters
    Invalid, // mixed or foreign characters, or "--"
};
// Checks an entry as typed (Windows-1251); its surrounding blanks do not count.
EntryCheck CheckEntry(std::string_view entry);

// The one-line edit dialog of the exceptions editor ("Form4"). The caller sets the caption and
// the text and runs Execute(); the dialog tells the editor through its signals whether an entry
// was accepted, which is the editor's record of a pending change.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(Platform& platform, QWidget* parent = nullptr);

    // Shows the dialog modally with `caption` and `text` in the edit box; returns once it closed.
    void Execute(const QString& caption, const QString& text);

    QString text() const;

    // Activation: the edit box gets the focus, no change is pending.
    void SetEditFocus();
    // OK and Enter: a valid entry closes the dialog, anything else beeps and keeps it open.
    void CheckStringAndClose();
    // Cancel and Esc.
    void btCancelClick();

    // Every other way of dismissing the dialog counts as Cancel.
    void reject() override;

    QLineEdit* Edit1;
    QPushButton* btOK;
    QPushButton* btCancel;

signals:
    void editingStarted();   // no change pending
    void entryAccepted();    // a change is pending; the editor enables "Save"
    void editingCancelled(); // no change pending; the editor disables "Save"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& platform_;
};

} // namespace cantiva::ui
