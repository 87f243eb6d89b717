#pragma once

#include "notation/lyric_laying.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace cantiva::ui {

// "Lay lyrics onto a MusicXML score": which part, voice and verse of the chosen score take the
// syllables, on which measures, following which verse, and whether every slur is a melisma. The
// main window reads the request after OK.
class LayLyricsDialog : public QDialog {
    Q_OBJECT
public:
    explicit LayLyricsDialog(QWidget* parent = nullptr);

    // Shows the score's name and lists its parts; the first part and its first voice are chosen,
    // the verse and the melisma option stay as they were.
    void setScore(const QString& fileName, const std::vector<notation::PartSummary>& parts);

    notation::LayRequest request() const;

private:
    void onPartChosen(int index);

    std::vector<notation::PartSummary> parts_;
    QLabel* scoreLabel_;
    QComboBox* partCombo_;
    QSpinBox* voiceSpin_;
    QSpinBox* verseSpin_;
    QSpinBox* fromMeasureSpin_;
    QSpinBox* toMeasureSpin_;
    QSpinBox* followVerseSpin_;
    QCheckBox* slurMelismaCheck_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace cantiva::ui
