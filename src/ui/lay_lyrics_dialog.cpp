#include "ui/lay_lyrics_dialog.h"

#include "ui/dialog_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace cantiva::ui {
namespace {

constexpr int kHighestNumber = 99;
constexpr int kHighestMeasure = 9999;

QSpinBox* NumberSpin(QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(1, kHighestNumber);
    return spin;
}

// A number that may be left out: 0 shows `none` and means no bound or no verse.
QSpinBox* OptionalSpin(QWidget* parent, const char* name, int highest, const char* none) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, highest);
    spin->setSpecialValueText(QString::fromUtf8(none));
    return spin;
}

} // namespace

LayLyricsDialog::LayLyricsDialog(QWidget* parent) : QDialog(parent, kToolDialogFlags) {
    setObjectName("layLyricsDialog");
    setWindowTitle("Lay lyrics onto a MusicXML score");

    scoreLabel_ = new QLabel(this);
    scoreLabel_->setObjectName("scoreLabel");
    partCombo_ = new QComboBox(this);
    partCombo_->setObjectName("partCombo");
    voiceSpin_ = NumberSpin(this, "voiceSpin");
    verseSpin_ = NumberSpin(this, "verseSpin");
    fromMeasureSpin_ = OptionalSpin(this, "fromMeasureSpin", kHighestMeasure, "first");
    toMeasureSpin_ = OptionalSpin(this, "toMeasureSpin", kHighestMeasure, "last");
    followVerseSpin_ = OptionalSpin(this, "followVerseSpin", kHighestNumber, "none");
    slurMelismaCheck_ = new QCheckBox("Every slur is a melisma", this);
    slurMelismaCheck_->setObjectName("slurMelismaCheck");
    connect(partCombo_, &QComboBox::currentIndexChanged, this, &LayLyricsDialog::onPartChosen);

    const OkCancel buttons = AddOkCancel(*this);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* form = new QFormLayout;
    form->addRow("Score:", scoreLabel_);
    form->addRow("&Part:", partCombo_);
    form->addRow("&Voice:", voiceSpin_);
    form->addRow("V&erse:", verseSpin_);
    form->addRow("&From measure:", fromMeasureSpin_);
    form->addRow("&To measure:", toMeasureSpin_);
    form->addRow("F&ollow verse:", followVerseSpin_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(slurMelismaCheck_);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LayLyricsDialog::setScore(const QString& fileName,
                               const std::vector<notation::PartSummary>& parts) {
    scoreLabel_->setText(QFileInfo(fileName).fileName());
    parts_ = parts;
    partCombo_->clear();
    for (const notation::PartSummary& part : parts_) {
        const QString id = QString::fromStdString(part.id);
        partCombo_->addItem(part.name.empty() ? id
                                              : QStringLiteral("%1 (%2)").arg(
                                                    id, QString::fromStdString(part.name)));
    }
    onPartChosen(partCombo_->currentIndex());
}

void LayLyricsDialog::onPartChosen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= parts_.size())
        return;
    const std::vector<int>& voices = parts_[static_cast<std::size_t>(index)].voices;
    voiceSpin_->setValue(voices.empty() ? 1 : voices.front());
}

notation::LayRequest LayLyricsDialog::request() const {
    notation::LayRequest request;
    const int index = partCombo_->currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < parts_.size())
        request.part = parts_[static_cast<std::size_t>(index)].id;
    request.voice = voiceSpin_->value();
    request.verse = verseSpin_->value();
    request.fromMeasure = fromMeasureSpin_->value();
    request.toMeasure = toMeasureSpin_->value();
    request.followVerse = followVerseSpin_->value();
    request.slurMelisma = slurMelismaCheck_->isChecked();
    return request;
}

} // namespace cantiva::ui
