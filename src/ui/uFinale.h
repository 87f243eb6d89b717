#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace cantiva::ui {

// The Finale lyrics export dialog ("tFormFinale"): where the lyrics go and whether a free-standing
// dash keeps the space before it. It has no logic of its own; the main window reads its controls
// after it closed with OK. The controls keep their state from one export to the next.
class TtFormFinale : public QDialog {
    Q_OBJECT
public:
    explicit TtFormFinale(QWidget* parent = nullptr);

    QRadioButton* rbClipboard;
    QRadioButton* rbFile;
    QCheckBox* cbEmDash;
    QPushButton* btOK;
    QPushButton* btCancel;
};

} // namespace cantiva::ui
