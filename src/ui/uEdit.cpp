#include "ui/uEdit.h"

#include "text/cp1251.h"
#include "text/utf8_codec.h"
#include "ui/platform.h"

#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace cantiva::ui {

bool IsCyrillicEntry(std::string_view entry) {
    return !entry.empty() && kCyrillicEntryChars.containsAll(entry);
}

bool IsLatinEntry(std::string_view entry) {
    return !entry.empty() && kLatinEntryChars.containsAll(entry);
}

bool HasDoubleHyphen(std::string_view entry) {
    return entry.find("--") != std::string_view::npos;
}

EntryCheck CheckEntry(std::string_view entry) {
    const std::string_view t = text::TrimView(entry);
    if (t.empty())
        return EntryCheck::Empty;
    if (!IsCyrillicEntry(t) && !IsLatinEntry(t))
        return EntryCheck::Invalid;
    if (HasDoubleHyphen(t))
        return EntryCheck::Invalid;
    return EntryCheck::Valid;
}

namespace {

// The dialog was laid out at 120 pixels per inch; Qt's logical pixels are at 96.
int Scaled(int designPixels) {
    return static_cast<int>(std::lround(designPixels * 96.0 / 120.0));
}

QRect ScaledRect(int left, int top, int width, int height) {
    return {Scaled(left), Scaled(top), Scaled(width), Scaled(height)};
}

} // namespace

TForm4::TForm4(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      platform_(platform) {
    setObjectName("Form4");
    setWindowTitle("Edit");
    QFont font("MS Sans Serif");
    font.setPixelSize(Scaled(13));
    setFont(font);
    setFixedSize(Scaled(483), Scaled(70));
    move(Scaled(335), Scaled(350));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(ScaledRect(16, 9, 449, 24));
    Edit1->installEventFilter(this);

    btOK = new QPushButton("OK", this);
    btOK->setObjectName("btOK");
    btOK->setGeometry(ScaledRect(133, 39, 75, 25));
    connect(btOK, &QPushButton::clicked, this, &TForm4::CheckStringAndClose);

    btCancel = new QPushButton("Cancel", this);
    btCancel->setObjectName("btCancel");
    btCancel->setGeometry(ScaledRect(256, 39, 73, 25));
    connect(btCancel, &QPushButton::clicked, this, &TForm4::btCancelClick);

    setTabOrder(Edit1, btOK);
    setTabOrder(btOK, btCancel);
}

void TForm4::Execute(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    Edit1->setText(text);
    SetEditFocus();
    platform_.showModal(*this);
}

QString TForm4::text() const {
    return Edit1->text();
}

void TForm4::SetEditFocus() {
    Edit1->setFocus();
    emit editingStarted();
}

void TForm4::CheckStringAndClose() {
    const EntryCheck check = CheckEntry(text::Utf8ToCp1251(Edit1->text().toStdString()).bytes);
    if (check != EntryCheck::Valid) {
        platform_.beep();
        Edit1->setFocus();
        if (check == EntryCheck::Invalid)
            Edit1->selectAll();
        return;
    }
    emit entryAccepted();
    accept();
}

void TForm4::btCancelClick() {
    emit editingCancelled();
    QDialog::reject();
}

void TForm4::reject() {
    btCancelClick();
}

// Enter and Esc in the edit box (InputEnd): consumed here, so the dialog's own default-button and
// Esc handling never sees them.
bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CheckStringAndClose();
            return true;
        }
        if (key == Qt::Key_Escape) {
            btCancelClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cantiva::ui
