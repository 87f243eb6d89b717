#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace cantiva::ui {

// Where the LilyPond lyrics or the gabc file go: the clipboard or a file. One class serves both
// exports, told apart by caption and object name; the choice stays from one export to the next.
class NotationExportDialog : public QDialog {
    Q_OBJECT
public:
    NotationExportDialog(const QString& caption, const QString& objectName,
                         QWidget* parent = nullptr);

    bool toClipboard() const;

private:
    QRadioButton* clipboardButton_;
    QRadioButton* fileButton_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace cantiva::ui
