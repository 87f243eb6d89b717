#include "ui/exceptions_editor.h"

#include "dictionaries/dictionary_state.h"
#include "dictionaries/exceptions_source.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "text/cp1251.h"
#include "ui/cp1251_string.h"
#include "ui/dialog_parts.h"
#include "ui/exception_entry_dialog.h"
#include "ui/io_error_report.h"
#include "ui/memory_guard.h"
#include "ui/menu_item.h"
#include "ui/placed_control.h"
#include "ui/platform.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace cantiva::ui {

using dictionaries::DictFile;

void ExceptionListWidget::keyPressEvent(QKeyEvent* event) {
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

void ExceptionListWidget::focusInEvent(QFocusEvent* event) {
    const bool noneCurrent = currentRow() < 0;
    QListWidget::focusInEvent(event);
    if (noneCurrent && currentRow() >= 0)
        setCurrentRow(-1);
}

void ExceptionListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

namespace {

// The sorted list's order: alphabetical, ignoring case.
bool EntryLess(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

constexpr int kItemHeight = 13;

// The exceptions source as it is on disk now, or nothing when it cannot be read.
std::optional<std::string> SourceOnDisk(const dictionaries::DictionaryState& state) {
    try {
        return ReadWholeFile(state.pathOf(DictFile::ExceptionsSource));
    } catch (const IoError&) {
        return std::nullopt;
    }
}

QListWidgetItem* NewItem(const QString& entry) {
    auto* item = new QListWidgetItem(entry);
    item->setSizeHint(QSize(0, kItemHeight));
    return item;
}

} // namespace

ExceptionsEditor::ExceptionsEditor(Platform& platform, dictionaries::DictionaryState& state,
                                   QWidget* parent)
    : QDialog(parent, kDialogFlags), platform_(platform), state_(state) {
    setObjectName("exceptionsEditor");
    setWindowTitle("Custom dictionary");
    buildMenuBar();
    buildClientArea();
}

void ExceptionsEditor::buildMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    QMenu* file = menuBar_->addMenu("File");
    actionAdd_ = AddMenuItem(file, "&Add", "actionAdd", QKeySequence(Qt::Key_Insert), this,
                             &ExceptionsEditor::addNewEntry);
    actionEditCurrent_ =
        AddMenuItem(file, "&Edit current", "actionEditCurrent", QKeySequence(Qt::Key_F4), this,
                    &ExceptionsEditor::editCurrentEntry);
    actionDelete_ = AddMenuItem(file, "&Delete", "actionDelete", QKeySequence(Qt::Key_Delete), this,
                                &ExceptionsEditor::deleteCurrentEntry);
    actionSorted_ = AddMenuItem(file, "&Sorted", "actionSorted", QKeySequence(), this,
                                &ExceptionsEditor::toggleSorted);
    actionSorted_->setCheckable(true);
    actionExit_ = AddMenuItem(file, "E&xit", "actionExit", QKeySequence(Qt::CTRL | Qt::Key_F4),
                              this, &ExceptionsEditor::closeKeepingChanges);
}

void ExceptionsEditor::buildClientArea() {
    // The designed client area lies below the menu bar.
    auto* client = new QWidget(this);
    client->setFixedSize(191, 453); // the designed area, then the search box and the status line
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    entryList_ = Placed<ExceptionListWidget>(client, "entryList", {4, 0, 181, 369});
    connect(entryList_, &ExceptionListWidget::enterPressed, this,
            &ExceptionsEditor::editCurrentEntry);
    connect(entryList_, &ExceptionListWidget::doubleClicked, this,
            &ExceptionsEditor::editCurrentEntry);
    connect(entryList_, &ExceptionListWidget::escapePressed, this, [this] {
        RunGuardingMemory(platform_, this, "save the exceptions",
                          [this] { compilePendingAndClose(); });
    });

    saveButton_ = Placed<QPushButton>(client, "saveButton", {17, 377, 73, 25}, "Save");
    saveButton_->setEnabled(false);
    connect(saveButton_, &QPushButton::clicked, this, [this] {
        RunGuardingMemory(platform_, this, "save the exceptions", [this] { saveAndCompile(); });
    });

    closeButton_ = Placed<QPushButton>(client, "closeButton", {103, 377, 73, 25}, "Close");
    connect(closeButton_, &QPushButton::clicked, this, &ExceptionsEditor::closeAndForgetChanges);

    searchEdit_ = Placed<QLineEdit>(client, "searchEdit", {4, 409, 181, 22});
    searchEdit_->setPlaceholderText(QStringLiteral("Search"));
    searchEdit_->setClearButtonEnabled(true);
    connect(searchEdit_, &QLineEdit::textChanged, this, &ExceptionsEditor::showMatching);

    statusLabel_ = Placed<QLabel>(client, "statusLabel", {4, 434, 181, 17}, "");

    setTabOrder(entryList_, saveButton_);
    setTabOrder(saveButton_, closeButton_);
    setTabOrder(closeButton_, searchEdit_);
}

void ExceptionsEditor::setEntryDialog(ExceptionEntryDialog& entryDialog) {
    entryDialog_ = &entryDialog;
    // The edit dialog's answer is the shared pending-change record.
    connect(entryDialog_, &ExceptionEntryDialog::editingStarted, this,
            [this] { changesPending_ = false; });
    connect(entryDialog_, &ExceptionEntryDialog::entryAccepted, this,
            [this] { setChangesPending(true); });
    connect(entryDialog_, &ExceptionEntryDialog::editingCancelled, this,
            [this] { setChangesPending(false); });
}

void ExceptionsEditor::showMatching(const QString& text) {
    // Hidden, not removed: the list that is saved stays whole.
    for (int i = 0; i < entryList_->count(); ++i) {
        QListWidgetItem* item = entryList_->item(i);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
    if (QListWidgetItem* current = entryList_->currentItem(); current && current->isHidden())
        for (int i = 0; i < entryList_->count(); ++i)
            if (!entryList_->item(i)->isHidden()) {
                entryList_->setCurrentRow(i);
                break;
            }
}

void ExceptionsEditor::editCurrentLanguage() {
    searchEdit_->clear();
    statusLabel_->clear();
    reloadEntries();
    adjustSize();
    CentreOnScreen(*this);
    platform_.showModal(*this);
}

std::vector<std::string> ExceptionsEditor::entries() const {
    const text::CodePage& codePage =
        *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage;
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(entryList_->count()));
    for (int i = 0; i < entryList_->count(); ++i)
        out.push_back(ToCodePage(entryList_->item(i)->text(), codePage));
    return out;
}

void ExceptionsEditor::setChangesPending(bool pending) {
    changesPending_ = pending;
    saveButton_->setEnabled(pending);
}

void ExceptionsEditor::reloadEntries() {
    entryList_->clear();
    setWindowTitle(QString::fromStdString(
        "Edit [" + dictionaries::FileName(state_.currentLanguage(), DictFile::ExceptionsCompiled) +
        "]"));
    const text::CodePage& codePage =
        *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage;
    if (entryDialog_ != nullptr)
        entryDialog_->setLanguage(state_.currentLanguage());
    for (const std::string& entry : state_.exceptionTexts())
        addEntry(FromCodePage(text::TrimView(entry), codePage));
    savedEntries_ = entries();
    loadedSource_ = SourceOnDisk(state_);
    entryList_->setFocus();
    entryList_->setCurrentRow(entryList_->count() > 0 ? 0 : -1);
    saveButton_->setEnabled(false);
}

// At the end, or at its sorted place (before the first entry that sorts after it) while sorted.
void ExceptionsEditor::addEntry(const QString& entry) {
    int row = entryList_->count();
    if (sorted_) {
        for (int i = 0; i < entryList_->count(); ++i) {
            if (EntryLess(entry, entryList_->item(i)->text())) {
                row = i;
                break;
            }
        }
    }
    entryList_->insertItem(row, NewItem(entry));
}

void ExceptionsEditor::sortEntries() {
    QStringList texts;
    for (int i = 0; i < entryList_->count(); ++i)
        texts << entryList_->item(i)->text();
    std::stable_sort(texts.begin(), texts.end(), EntryLess);
    const int current = entryList_->currentRow();
    const QString currentText = current >= 0 ? entryList_->item(current)->text() : QString();
    entryList_->clear();
    for (const QString& t : texts)
        entryList_->addItem(NewItem(t));
    if (current >= 0)
        entryList_->setCurrentRow(static_cast<int>(texts.indexOf(currentText)));
}

void ExceptionsEditor::editCurrentEntry() {
    QListWidgetItem* item = entryList_->currentItem();
    if (item == nullptr || entryDialog_ == nullptr)
        return;
    entryDialog_->edit("Edit exception", item->text());
    // The entry keeps its place even while the list is sorted.
    if (changesPending_)
        item->setText(entryDialog_->text());
}

void ExceptionsEditor::addNewEntry() {
    if (entryDialog_ == nullptr)
        return;
    entryDialog_->edit("Insert new exception", QString());
    if (!changesPending_)
        return;
    const QString entry = entryDialog_->text();
    addEntry(entry);
    for (int i = 0; i < entryList_->count(); ++i) {
        if (QString::compare(entryList_->item(i)->text(), entry, Qt::CaseInsensitive) == 0) {
            entryList_->setCurrentRow(i);
            break;
        }
    }
}

void ExceptionsEditor::deleteCurrentEntry() {
    if (!platform_.warningYesNo(this, "Are you sure?"))
        return;
    const int row = entryList_->currentRow();
    if (row >= 0) {
        delete entryList_->takeItem(row);
        entryList_->setCurrentRow(row - 1);
    }
    setChangesPending(true);
}

void ExceptionsEditor::toggleSorted() {
    sorted_ = !sorted_;
    actionSorted_->setChecked(sorted_);
    if (sorted_)
        sortEntries();
}

void ExceptionsEditor::reject() {
    if (confirmClose())
        QDialog::reject();
}

bool ExceptionsEditor::confirmClose() {
    if (!hasUnsavedChanges())
        return true;
    const QString text = QString::fromStdString(
        "Save the changes to [" +
        dictionaries::FileName(state_.currentLanguage(), DictFile::ExceptionsSource) + "]?");
    switch (platform_.question(this, text, {"Save", "Discard", "Cancel"})) {
    case 0:
        return save();
    case 1:
        return true;
    default:
        return false;
    }
}

void ExceptionsEditor::closeAndForgetChanges() {
    if (!confirmClose())
        return;
    QDialog::reject();
    setChangesPending(false);
}

void ExceptionsEditor::closeKeepingChanges() {
    if (confirmClose())
        QDialog::reject();
}

void ExceptionsEditor::compilePendingAndClose() {
    if (!confirmClose())
        return;
    if (changesPending_ &&
        !RunReportingFileErrors(platform_, this, [this] { state_.rebuildExceptions(); }))
        return;
    QDialog::reject();
    changesPending_ = false;
}

void ExceptionsEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExceptionsEditor::saveAndCompile() {
    save();
}

bool ExceptionsEditor::save() {
    const std::string fileName =
        dictionaries::FileName(state_.currentLanguage(), DictFile::ExceptionsSource);
    // Another copy of the program, or the user by hand, may have changed the file meanwhile.
    if (SourceOnDisk(state_) != loadedSource_) {
        const QString text = QString::fromStdString(
            "[" + fileName +
            "] was changed on disk since the editor loaded it, by another copy of Cantiva or "
            "by hand.\n\nReload it (your changes here are lost), or overwrite it with this list?");
        switch (platform_.question(this, text, {"Reload", "Overwrite", "Cancel"})) {
        case 0:
            RunReportingFileErrors(platform_, this, [this] { state_.rebuildExceptions(); });
            reloadEntries();
            setChangesPending(false);
            return false;
        case 1:
            break;
        default:
            return false;
        }
    }
    const QString savedMessage = QString::fromStdString("Changes in [" + fileName + "] saved");
    const std::vector<std::string> list = entries();
    // A failed save keeps the previous source whole and compiles nothing.
    const bool done = RunReportingFileErrors(platform_, this, [&] {
        state_.saveExceptions(list, [&] {
            savedEntries_ = list;
            loadedSource_ = dictionaries::ExceptionsSourceText(list);
            statusLabel_->setText(savedMessage);
        });
    });
    if (!done)
        return false;
    setChangesPending(false);
    return true;
}

} // namespace cantiva::ui
