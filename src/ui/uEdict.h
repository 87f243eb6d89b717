#pragma once

#include <QDialog>
#include <QListWidget>
#include <string>
#include <vector>

class QAction;
class QMenuBar;
class QPushButton;

namespace cantiva::dictionaries {
class DictionaryState;
}

namespace cantiva::ui {

class Platform;
class TForm4;

// The exceptions source as the editor writes it: the entries in order, CR LF between them and
// none after the last.
std::string JoinEntries(const std::vector<std::string>& entries);

// The entry list of the editor: Enter and Esc are the editor's, and gaining the focus never
// makes an entry current by itself (after the first entry was deleted none is current).
class EntryListBox : public QListWidget {
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

// The exceptions editor ("Form3"): lists the loaded exceptions of the current language, lets the
// user add, edit, delete and sort them, and on "Save" writes the exceptions source and compiles
// it, which reloads the exceptions the next run uses.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(Platform& platform, dictionaries::DictionaryState& state, QWidget* parent = nullptr);

    // The edit dialog is created after the editor; until it is given, Add and Edit do nothing.
    void setEditDialog(TForm4& editDialog);

    // Fills the editor anew and shows it modally; returns once it closed.
    void Execute();

    // An accepted entry or a deletion not yet saved. It outlives a closing by "E&xit".
    bool changesPending() const { return changesPending_; }
    bool sorted() const { return sorted_; }
    // The entries as listed, in Windows-1251.
    std::vector<std::string> entries() const;

    void ActivateForm();
    void EditCurrent();
    void InsertString();
    void Delete1Click();
    void Sort1Click();
    void btSaveClick();
    void btCloseClick();
    void Exit1Click();
    void SaveAndRegenXPatterns();

    QMenuBar* MainMenu1;
    QAction* Addnew1;
    QAction* Editcurrent1;
    QAction* Delete1;
    QAction* Sort1;
    QAction* Exit1;
    EntryListBox* ListBox1;
    QPushButton* btSave;
    QPushButton* btClose;

protected:
    // Esc belongs to the list only; elsewhere in the editor it does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void escapeInList();
    void addEntry(const QString& entry);
    void sortEntries();
    void setChangesPending(bool pending);
    void reportIoError(int code);

    Platform& platform_;
    dictionaries::DictionaryState& state_;
    TForm4* editDialog_ = nullptr;
    bool changesPending_ = false;
    bool sorted_ = false;
};

} // namespace cantiva::ui
