#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace cantiva::dictionaries {
class DictionaryState;
}

namespace cantiva::ui {

class Platform;

// The dictionary information window ("Form2"): the letter index of the loaded main dictionary,
// or the loaded exceptions, with the longest entry and the number of records. It reads only the
// loaded state and is filled anew for every showing.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(Platform& platform, const dictionaries::DictionaryState& state,
           QWidget* parent = nullptr);

    static constexpr int kMainDictionary = 1; // any other kind lists the exceptions

    // Fills the window for `kind` and shows it modally; returns once it closed.
    void Execute(int kind);

    void GetDictInfo(int kind);
    void Button1Click();

    QListWidget* ListBox1;
    QPushButton* Button1;

private:
    Platform& platform_;
    const dictionaries::DictionaryState& state_;
};

} // namespace cantiva::ui
