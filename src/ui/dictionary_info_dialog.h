#pragma once

#include "dictionaries/dictionary_info.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace cantiva::dictionaries {
class DictionaryState;
}

namespace cantiva::ui {

class Platform;

// The dictionary information window: the letter index of the loaded main dictionary, or the
// loaded exceptions, with the longest entry and the number of records. It reads only the loaded
// state and is filled anew for every showing.
class DictionaryInfoDialog : public QDialog {
    Q_OBJECT
public:
    DictionaryInfoDialog(Platform& platform, const dictionaries::DictionaryState& state,
                         QWidget* parent = nullptr);

    // Fills the window for `kind` and shows it modally; returns once it closed.
    void showListing(dictionaries::DictionaryKind kind);

    // The caption and the lines for `kind`.
    void fill(dictionaries::DictionaryKind kind);

private:
    Platform& platform_;
    const dictionaries::DictionaryState& state_;
    QListWidget* infoList_;
    QPushButton* closeButton_;
};

} // namespace cantiva::ui
