#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cantiva::ui {

class Platform;

// The SCORE macro export dialog ("ScoreForm"): which pane to export, the hyphen code, the font,
// the staff and the vertical position of the text; "Go!" writes the macro to a file the user
// chooses. The mode and the vertical position stay as the user left them; the opener resets the
// three lists before every showing.
class TScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TScoreForm(Platform& platform, QWidget* parent = nullptr);

    // The texts of the input and the result pane, as the opener saw them when showing the dialog.
    void setPaneTexts(const QString& inputPane, const QString& resultPane);

    // The chosen position of the mode group: 0 the input pane, 1 the result pane.
    int RadioGroup2ItemIndex() const;
    void setRadioGroup2ItemIndex(int index);

    void btGoClick();
    void btCancelClick();
    void CreateScoreMacro();

    QComboBox* ComboBox1; // hyphen character
    QComboBox* ComboBox2; // font
    QPushButton* btGo;
    QPushButton* btCancel;
    QGroupBox* RadioGroup2;
    QButtonGroup* RadioGroup2Items;
    QComboBox* ComboBox3; // staff
    QLineEdit* Edit1;     // vertical position
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Platform& platform_;
    QString inputPane_;
    QString resultPane_;
    QString saveFileName_; // the dialog's own save dialog remembers the last name chosen in it
};

} // namespace cantiva::ui
