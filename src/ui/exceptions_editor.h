#pragma once

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace cantiva::dictionaries {
class DictionaryState;
}

namespace cantiva::ui {

class Platform;
class ExceptionEntryDialog;

// The entry list of the editor: Enter and Esc are the editor's, and gaining the focus never
// makes an entry current by itself (after the first entry was deleted none is current).
class ExceptionListWidget : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void enterPressed();
    void escapePressed();
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The exceptions editor: lists the loaded exceptions of the current language, lets the user add,
// edit, delete and sort them, and on "Save" writes the exceptions source and compiles it, which
// reloads the exceptions the next run uses.
class ExceptionsEditor : public QDialog {
    Q_OBJECT
public:
    ExceptionsEditor(Platform& platform, dictionaries::DictionaryState& state,
                     QWidget* parent = nullptr);

    // The entry dialog is created after the editor; until it is given, Add and Edit do nothing.
    void setEntryDialog(ExceptionEntryDialog& entryDialog);

    // Fills the editor anew and shows it modally; returns once it closed.
    void editCurrentLanguage();

    // An accepted entry or a deletion not yet saved. It outlives a closing by "E&xit".
    bool changesPending() const { return changesPending_; }
    bool sorted() const { return sorted_; }
    // The entries as listed, in the code page of the language's dictionary.
    std::vector<std::string> entries() const;

    // The editor's commands, as its menu, buttons and keys run them.
    void reloadEntries();
    void editCurrentEntry();
    void addNewEntry();
    void deleteCurrentEntry();
    void toggleSorted();
    void saveAndCompile();
    void closeAndForgetChanges();
    void closeKeepingChanges();
    // Only the entries holding `text` (in any case) are shown.
    void showMatching(const QString& text);

    // The list differs from what was loaded or last saved.
    bool hasUnsavedChanges() const { return entries() != savedEntries_; }

    // Every way of closing comes here: with unsaved changes the user chooses Save, Discard or
    // Cancel (Cancel keeps the editor open).
    void reject() override;

protected:
    // Esc belongs to the list only; elsewhere in the editor it does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenuBar();
    void buildClientArea();
    // Asks about unsaved changes; true when the editor may close.
    bool confirmClose();
    // Saves; false when it did not (cancelled, reloaded or failed).
    bool save();
    void compilePendingAndClose();
    void addEntry(const QString& entry);
    void sortEntries();
    void setChangesPending(bool pending);

    Platform& platform_;
    dictionaries::DictionaryState& state_;
    ExceptionEntryDialog* entryDialog_ = nullptr;
    bool changesPending_ = false;
    bool sorted_ = false;
    std::vector<std::string> savedEntries_;   // as loaded or last saved
    std::optional<std::string> loadedSource_; // the exceptions source file then

    QMenuBar* menuBar_;
    QAction* actionAdd_;
    QAction* actionEditCurrent_;
    QAction* actionDelete_;
    QAction* actionSorted_;
    QAction* actionExit_;
    ExceptionListWidget* entryList_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
    QLineEdit* searchEdit_;
    QLabel* statusLabel_; // what the last save did
};

} // namespace cantiva::ui
