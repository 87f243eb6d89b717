#pragma once

#include "export/score_macro.h"
#include "ui/platform.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cantiva::ui {

// The SCORE macro export dialog: which pane to export, the hyphen code, the font, the staff and
// the vertical position of the text; "Go!" writes the macro to a file the user chooses. The mode
// and the vertical position stay as the user left them; the opener resets the three lists before
// every showing.
class ScoreExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScoreExportDialog(Platform& platform, QWidget* parent = nullptr);

    // The texts of the input and the result pane, as the opener saw them when showing the dialog.
    void setPaneTexts(const QString& inputPane, const QString& resultPane);

    // The hyphen, font and staff lists back at their defaults.
    void resetLists();

    // Which pane is exported.
    exporting::ScoreMode mode() const;
    void setMode(exporting::ScoreMode mode);

    // "Go!": the macro of the chosen pane is written to a file the user picks, then the dialog
    // closes; a blank pane beeps, a failed write reports and keeps the dialog open.
    void writeMacro();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLists();
    void buildButtons();
    void buildModeGroup();
    void buildCaptions();
    void applyTabOrder();
    exporting::ScoreMacroOptions chosenOptions() const;

    Platform& platform_;
    QString inputPane_;
    QString resultPane_;
    FileDialogRequest request_; // remembers the last name chosen in it

    QGroupBox* modeGroup_;
    QButtonGroup* modeButtons_;
    QComboBox* hyphenCombo_;
    QComboBox* fontCombo_;
    QComboBox* staffCombo_;
    QLineEdit* verticalPositionEdit_;
    QLabel* hyphenLabel_;
    QLabel* fontLabel_;
    QLabel* staffLabel_;
    QLabel* verticalPositionLabel_;
    QPushButton* goButton_;
    QPushButton* cancelButton_;
};

} // namespace cantiva::ui
