#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace cantiva::ui {

// The Finale lyrics export dialog: where the lyrics go and whether a free-standing dash keeps the
// space before it. It has no logic of its own; the main window reads the choice after it closed
// with OK. The controls keep their state from one export to the next.
class FinaleExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit FinaleExportDialog(QWidget* parent = nullptr);

    // A free-standing em or en dash is bound to the word before it by a no-break space.
    bool bindDashes() const;
    // The lyrics go to the clipboard, else to a file.
    bool toClipboard() const;

private:
    QRadioButton* clipboardButton_;
    QRadioButton* fileButton_;
    QCheckBox* bindDashesCheck_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace cantiva::ui
