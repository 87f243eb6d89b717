#include "ui/uEdict.h"

#include "dictionaries/compile_lock.h"
#include "dictionaries/dictionary_state.h"
#include "text/cp1251.h"
#include "text/file_io.h"
#include "text/io_error.h"
#include "text/utf8_codec.h"
#include "ui/memory_guard.h"
#include "ui/platform.h"
#include "ui/uEdit.h"

#include <QAction>
#include <QFont>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace cantiva::ui {

using dictionaries::DictFile;

std::string JoinEntries(const std::vector<std::string>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            out += text::kCrLf;
        out += entries[i];
    }
    return out;
}

void EntryListBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void EntryListBox::focusInEvent(QFocusEvent* event) {
    const bool noneCurrent = currentRow() < 0;
    QListWidget::focusInEvent(event);
    if (noneCurrent && currentRow() >= 0)
        setCurrentRow(-1);
}

void EntryListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

namespace {

QString ToQString(std::string_view cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

std::string ToCp1251(const QString& s) {
    return text::Utf8ToCp1251(s.toStdString()).bytes;
}

// The sorted list's order: alphabetical, ignoring case.
bool EntryLess(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

constexpr int kItemHeight = 13;

QListWidgetItem* NewItem(const QString& entry) {
    auto* item = new QListWidgetItem(entry);
    item->setSizeHint(QSize(0, kItemHeight));
    return item;
}

} // namespace

TForm3::TForm3(Platform& platform, dictionaries::DictionaryState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      platform_(platform), state_(state) {
    setObjectName("Form3");
    setWindowTitle("Custom dictionary");
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    QMenu* file = MainMenu1->addMenu("File");
    auto addAction = [this, file](const char* name, const QString& caption,
                                  const QKeySequence& shortcut, void (TForm3::*handler)()) {
        QAction* action = file->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    Addnew1 = addAction("Addnew1", "&Add", QKeySequence(Qt::Key_Insert), &TForm3::InsertString);
    Editcurrent1 =
        addAction("Editcurrent1", "&Edit current", QKeySequence(Qt::Key_F4), &TForm3::EditCurrent);
    Delete1 = addAction("Delete1", "&Delete", QKeySequence(Qt::Key_Delete), &TForm3::Delete1Click);
    Sort1 = addAction("Sort1", "&Sorted", QKeySequence(), &TForm3::Sort1Click);
    Sort1->setCheckable(true);
    Exit1 = addAction("Exit1", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_F4), &TForm3::Exit1Click);

    // The designed client area lies below the menu bar.
    auto* client = new QWidget(this);
    client->setFixedSize(191, 409);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ListBox1 = new EntryListBox(client);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(4, 0, 181, 369);
    connect(ListBox1, &EntryListBox::enterPressed, this, &TForm3::EditCurrent);
    connect(ListBox1, &EntryListBox::doubleClicked, this, &TForm3::EditCurrent);
    connect(ListBox1, &EntryListBox::escapePressed, this, [this] {
        RunGuardingMemory(platform_, this, "save the exceptions", [this] { escapeInList(); });
    });

    btSave = new QPushButton("Save", client);
    btSave->setObjectName("btSave");
    btSave->setGeometry(17, 377, 73, 25);
    btSave->setEnabled(false);
    connect(btSave, &QPushButton::clicked, this, [this] {
        RunGuardingMemory(platform_, this, "save the exceptions", [this] { btSaveClick(); });
    });

    btClose = new QPushButton("Close", client);
    btClose->setObjectName("btClose");
    btClose->setGeometry(103, 377, 73, 25);
    connect(btClose, &QPushButton::clicked, this, &TForm3::btCloseClick);

    setTabOrder(ListBox1, btSave);
    setTabOrder(btSave, btClose);
}

void TForm3::setEditDialog(TForm4& editDialog) {
    editDialog_ = &editDialog;
    // The edit dialog's answer is the shared pending-change record.
    connect(editDialog_, &TForm4::editingStarted, this, [this] { changesPending_ = false; });
    connect(editDialog_, &TForm4::entryAccepted, this, [this] { setChangesPending(true); });
    connect(editDialog_, &TForm4::editingCancelled, this, [this] { setChangesPending(false); });
}

void TForm3::Execute() {
    ActivateForm();
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    platform_.showModal(*this);
}

std::vector<std::string> TForm3::entries() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i)
        out.push_back(ToCp1251(ListBox1->item(i)->text()));
    return out;
}

void TForm3::setChangesPending(bool pending) {
    changesPending_ = pending;
    btSave->setEnabled(pending);
}

void TForm3::ActivateForm() {
    ListBox1->clear();
    setWindowTitle(QString::fromStdString(
        "Edit [" + dictionaries::FileName(state_.currentLanguage(), DictFile::ExceptionsCompiled) +
        "]"));
    for (const std::string& entry : state_.exceptionList())
        addEntry(ToQString(text::TrimView(entry)));
    ListBox1->setFocus();
    ListBox1->setCurrentRow(ListBox1->count() > 0 ? 0 : -1);
    btSave->setEnabled(false);
}

// At the end, or at its sorted place (before the first entry that sorts after it) while sorted.
void TForm3::addEntry(const QString& entry) {
    int row = ListBox1->count();
    if (sorted_) {
        for (int i = 0; i < ListBox1->count(); ++i) {
            if (EntryLess(entry, ListBox1->item(i)->text())) {
                row = i;
                break;
            }
        }
    }
    ListBox1->insertItem(row, NewItem(entry));
}

void TForm3::sortEntries() {
    QStringList texts;
    for (int i = 0; i < ListBox1->count(); ++i)
        texts << ListBox1->item(i)->text();
    std::stable_sort(texts.begin(), texts.end(), EntryLess);
    const int current = ListBox1->currentRow();
    const QString currentText = current >= 0 ? ListBox1->item(current)->text() : QString();
    ListBox1->clear();
    for (const QString& t : texts)
        ListBox1->addItem(NewItem(t));
    if (current >= 0)
        ListBox1->setCurrentRow(static_cast<int>(texts.indexOf(currentText)));
}

void TForm3::EditCurrent() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (item == nullptr || editDialog_ == nullptr)
        return;
    editDialog_->Execute("Edit exception", item->text());
    // The entry keeps its place even while the list is sorted.
    if (changesPending_)
        item->setText(editDialog_->text());
}

void TForm3::InsertString() {
    if (editDialog_ == nullptr)
        return;
    editDialog_->Execute("Insert new exception", QString());
    if (!changesPending_)
        return;
    const QString entry = editDialog_->text();
    addEntry(entry);
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (QString::compare(ListBox1->item(i)->text(), entry, Qt::CaseInsensitive) == 0) {
            ListBox1->setCurrentRow(i);
            break;
        }
    }
}

void TForm3::Delete1Click() {
    if (!platform_.warningYesNo(this, "Are you sure?"))
        return;
    const int row = ListBox1->currentRow();
    if (row >= 0) {
        delete ListBox1->takeItem(row);
        ListBox1->setCurrentRow(row - 1);
    }
    setChangesPending(true);
}

void TForm3::Sort1Click() {
    sorted_ = !sorted_;
    Sort1->setChecked(sorted_);
    if (sorted_)
        sortEntries();
}

void TForm3::btSaveClick() {
    SaveAndRegenXPatterns();
}

void TForm3::btCloseClick() {
    QDialog::reject();
    setChangesPending(false);
}

void TForm3::Exit1Click() {
    QDialog::reject();
}

void TForm3::escapeInList() {
    if (changesPending_) {
        try {
            state_.compileExceptions();
        } catch (const dictionaries::DictionaryBusyError& e) {
            platform_.error(this, QString::fromLatin1(e.what()));
            return;
        } catch (const IoError& e) {
            reportIoError(e.code());
            return;
        }
    }
    QDialog::reject();
    changesPending_ = false;
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::SaveAndRegenXPatterns() {
    const std::string fileName =
        dictionaries::FileName(state_.currentLanguage(), DictFile::ExceptionsSource);
    try {
        // A failed write leaves the previous source whole.
        ReplaceFile(state_.pathOf(DictFile::ExceptionsSource), JoinEntries(entries()));
    } catch (const IoError& e) {
        reportIoError(e.code());
        return;
    }
    platform_.information(this, QString::fromStdString("Changes in [" + fileName + "] saved"));
    try {
        state_.compileExceptions();
    } catch (const dictionaries::DictionaryBusyError& e) {
        platform_.error(this, QString::fromLatin1(e.what()));
        return;
    } catch (const IoError& e) {
        reportIoError(e.code());
        return;
    }
    setChangesPending(false);
}

void TForm3::reportIoError(int code) {
    platform_.error(this, QString::fromStdString(IoErrorMessage(code)));
}

} // namespace cantiva::ui
