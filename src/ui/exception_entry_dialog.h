#pragma once

#include "dictionaries/language.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cantiva::ui {

class Platform;

// The one-line entry dialog of the exceptions editor. The caller runs edit() with the caption and
// the text; the dialog tells the editor through its signals whether an entry was accepted, which
// is the editor's record of a pending change.
class ExceptionEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExceptionEntryDialog(Platform& platform, QWidget* parent = nullptr);

    // Shows the dialog modally with `caption` and `text` in the edit box; returns once it closed.
    void edit(const QString& caption, const QString& text);

    QString text() const;

    // The language whose entries the dialog accepts.
    void setLanguage(dictionaries::Language language) { language_ = language; }

    // Every other way of dismissing the dialog counts as Cancel.
    void reject() override;

signals:
    void editingStarted();   // no change pending
    void entryAccepted();    // a change is pending; the editor enables "Save"
    void editingCancelled(); // no change pending; the editor disables "Save"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Activation: the edit box gets the focus, no change is pending.
    void startEditing();
    // OK and Enter: a valid entry closes the dialog, anything else beeps and keeps it open.
    void acceptIfValid();
    // Cancel and Esc.
    void cancel();

    Platform& platform_;
    dictionaries::Language language_ = dictionaries::Language::Russian;
    QLineEdit* entryEdit_;
    QLabel* reasonLabel_ = nullptr;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace cantiva::ui
