#include "ui/exception_entry_dialog.h"

#include "dictionaries/exception_entry.h"
#include "ui/cp1251_string.h"
#include "ui/placed_control.h"
#include "ui/platform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace cantiva::ui {

namespace {

// The dialog was laid out at 120 pixels per inch; Qt's logical pixels are at 96.
int Scaled(int designPixels) {
    return static_cast<int>(std::lround(designPixels * 96.0 / 120.0));
}

QRect ScaledRect(int left, int top, int width, int height) {
    return {Scaled(left), Scaled(top), Scaled(width), Scaled(height)};
}

} // namespace

ExceptionEntryDialog::ExceptionEntryDialog(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      platform_(platform) {
    setObjectName("exceptionEntryDialog");
    setWindowTitle("Edit");
    setFixedSize(Scaled(483), Scaled(94));
    move(Scaled(335), Scaled(350));

    entryEdit_ = Placed<QLineEdit>(this, "entryEdit", ScaledRect(16, 9, 449, 24));
    entryEdit_->installEventFilter(this);

    okButton_ = Placed<QPushButton>(this, "okButton", ScaledRect(133, 39, 75, 25), "OK");
    connect(okButton_, &QPushButton::clicked, this, &ExceptionEntryDialog::acceptIfValid);

    cancelButton_ =
        Placed<QPushButton>(this, "cancelButton", ScaledRect(256, 39, 73, 25), "Cancel");
    connect(cancelButton_, &QPushButton::clicked, this, &ExceptionEntryDialog::cancel);

    // Why an entry is refused, under the buttons.
    reasonLabel_ = Placed<QLabel>(this, "reasonLabel", ScaledRect(16, 68, 449, 20), "");

    setTabOrder(entryEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

void ExceptionEntryDialog::edit(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    entryEdit_->setText(text);
    reasonLabel_->clear();
    startEditing();
    platform_.showModal(*this);
}

QString ExceptionEntryDialog::text() const {
    return entryEdit_->text();
}

void ExceptionEntryDialog::startEditing() {
    entryEdit_->setFocus();
    emit editingStarted();
}

void ExceptionEntryDialog::acceptIfValid() {
    const dictionaries::ExceptionEntryCheck check = dictionaries::CheckExceptionEntry(
        ToCodePage(entryEdit_->text(), *dictionaries::LanguageInfoOf(language_).codePage),
        language_);
    if (check != dictionaries::ExceptionEntryCheck::Valid) {
        const std::string reason = dictionaries::ExceptionEntryRefusal(
            ToCodePage(entryEdit_->text(), *dictionaries::LanguageInfoOf(language_).codePage),
            language_);
        reasonLabel_->setText(
            reason.empty() ? QString()
                           : QStringLiteral("Refused: %1").arg(QString::fromStdString(reason)));
        platform_.beep();
        entryEdit_->setFocus();
        if (check == dictionaries::ExceptionEntryCheck::Invalid)
            entryEdit_->selectAll();
        return;
    }
    emit entryAccepted();
    accept();
}

void ExceptionEntryDialog::cancel() {
    emit editingCancelled();
    QDialog::reject();
}

void ExceptionEntryDialog::reject() {
    cancel();
}

// Enter and Esc in the edit box (InputEnd): consumed here, so the dialog's own default-button and
// Esc handling never sees them.
bool ExceptionEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entryEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            acceptIfValid();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancel();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cantiva::ui
