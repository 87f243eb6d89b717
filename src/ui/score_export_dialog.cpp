#include "ui/score_export_dialog.h"

#include "export/pane_text.h"
#include "export/score_unwritable.h"
#include "export/user_file.h"
#include "ui/designed_layout.h"
#include "ui/dialog_parts.h"
#include "ui/file_choice.h"
#include "ui/io_error_report.h"
#include "ui/pane_codec.h"
#include "ui/placed_control.h"
#include "ui/platform.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

namespace cantiva::ui {
namespace {

QString FromAscii(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr int kDropDownHeight = 21;

QComboBox* DropDownList(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = Placed<QComboBox>(parent, name, {left, top, width, kDropDownHeight});
    box->setEditable(false);
    return box;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text, int left, int top,
                QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    label->setBuddy(buddy);
    return label;
}

} // namespace

ScoreExportDialog::ScoreExportDialog(Platform& platform, QWidget* parent)
    : QDialog(parent, kDialogFlags), platform_(platform) {
    setObjectName("scoreExportDialog");
    setWindowTitle("Export as Score macro");
    setFixedSize(233, 256);
    buildLists();
    buildButtons();
    buildModeGroup();
    buildCaptions();
    applyTabOrder();
    WidenToFitTexts(*this);
    request_.filter = "Text file (*.txt);;Any file (*)";
    request_.defaultSuffix = "txt";
    request_.confirmOverwrite = true;
}

void ScoreExportDialog::buildLists() {
    hyphenCombo_ = DropDownList(this, "hyphenCombo", 134, 77, 83);
    for (std::string_view item : exporting::kScoreHyphenItems)
        hyphenCombo_->addItem(FromAscii(item));

    fontCombo_ = DropDownList(this, "fontCombo", 89, 113, 128);
    for (std::string_view item : exporting::kScoreFontItems)
        fontCombo_->addItem(FromAscii(item));

    staffCombo_ = DropDownList(this, "staffCombo", 144, 150, 74);
    for (const std::string& item : exporting::ScoreStaffItems())
        staffCombo_->addItem(QString::fromStdString(item));

    verticalPositionEdit_ =
        Placed<QLineEdit>(this, "verticalPositionEdit", {184, 186, 33, kDropDownHeight},
                          FromAscii(exporting::kScoreDefaultVerticalPosition));
}

void ScoreExportDialog::buildButtons() {
    goButton_ = Placed<QPushButton>(this, "goButton", {9, 218, 75, 25}, "Go!");
    connect(goButton_, &QPushButton::clicked, this, &ScoreExportDialog::writeMacro);

    cancelButton_ = Placed<QPushButton>(this, "cancelButton", {142, 218, 75, 25}, "Cancel");
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void ScoreExportDialog::buildModeGroup() {
    modeGroup_ = Placed<QGroupBox>(this, "modeGroup", {5, 10, 212, 57});
    modeButtons_ = new QButtonGroup(this);
    const char* const modeButtonNames[] = {"exportInputButton", "exportOutputButton"};
    static_assert(std::size(modeButtonNames) == exporting::kScoreModeItems.size());
    for (int i = 0; i < static_cast<int>(exporting::kScoreModeItems.size()); ++i) {
        auto* item = new QRadioButton(FromAscii(exporting::kScoreModeItems[i]), modeGroup_);
        item->setObjectName(QString::fromLatin1(modeButtonNames[i]));
        item->setGeometry(8, 10 + 20 * i, 196, 17);
        modeButtons_->addButton(item, i);
    }
    setMode(exporting::ScoreMode::Output);
}

void ScoreExportDialog::buildCaptions() {
    hyphenLabel_ = Caption(this, "hyphenLabel", "Hyph. character:", 8, 80, hyphenCombo_);
    fontLabel_ = Caption(this, "fontLabel", "Font:", 8, 117, fontCombo_);
    staffLabel_ = Caption(this, "staffLabel", "Text staff number:", 8, 154, staffCombo_);
    verticalPositionLabel_ = Caption(this, "verticalPositionLabel", "Vertical position of text:", 8,
                                     191, verticalPositionEdit_);
}

void ScoreExportDialog::applyTabOrder() {
    setTabOrder(hyphenCombo_, fontCombo_);
    setTabOrder(fontCombo_, goButton_);
    setTabOrder(goButton_, cancelButton_);
    setTabOrder(cancelButton_, modeButtons_->button(0));
    setTabOrder(modeButtons_->button(0), modeButtons_->button(1));
    setTabOrder(modeButtons_->button(1), staffCombo_);
    setTabOrder(staffCombo_, verticalPositionEdit_);
}

void ScoreExportDialog::setPaneTexts(const QString& inputPane, const QString& resultPane) {
    inputPane_ = inputPane;
    resultPane_ = resultPane;
}

void ScoreExportDialog::resetLists() {
    hyphenCombo_->setCurrentIndex(exporting::kScoreDefaultHyphen);
    fontCombo_->setCurrentIndex(exporting::kScoreDefaultFont);
    staffCombo_->setCurrentIndex(exporting::kScoreDefaultStaff);
}

exporting::ScoreMode ScoreExportDialog::mode() const {
    return modeButtons_->checkedId() == static_cast<int>(exporting::ScoreMode::Input)
               ? exporting::ScoreMode::Input
               : exporting::ScoreMode::Output;
}

void ScoreExportDialog::setMode(exporting::ScoreMode mode) {
    modeButtons_->button(static_cast<int>(mode))->setChecked(true);
}

void ScoreExportDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    goButton_->setFocus();
}

exporting::ScoreMacroOptions ScoreExportDialog::chosenOptions() const {
    exporting::ScoreMacroOptions options;
    options.mode = mode();
    options.hyphen = hyphenCombo_->currentIndex();
    options.font = fontCombo_->currentIndex();
    options.staff = staffCombo_->currentIndex();
    options.verticalPosition = PaneToCore(verticalPositionEdit_->text()).bytes;
    return options;
}

void ScoreExportDialog::writeMacro() {
    const exporting::ScoreMacroOptions options = chosenOptions();
    const text::Cp1251Text pane =
        PaneToCore(options.mode == exporting::ScoreMode::Input ? inputPane_ : resultPane_);
    if (exporting::IsBlankPane(pane.bytes)) {
        platform_.beep();
        return;
    }
    // Characters Windows-1251 cannot hold are written as "?": the macro is always Windows-1251.
    // The user hears which ones before anything is written, and may stop here.
    const text::CodePageText verticalPosition = PaneToCore(verticalPositionEdit_->text());
    const std::vector<std::string> unwritable =
        exporting::ScoreUnwritableCharacters({&pane.foreign, &verticalPosition.foreign});
    if (!unwritable.empty() &&
        !platform_.warningYesNo(
            this, QString::fromStdString(exporting::ScoreUnwritableMessage(unwritable) +
                                         "\nThey will be written as \"?\". Write the macro?")))
        return;
    const std::string macro = exporting::BuildScoreMacro(pane.bytes, options);

    const QString fileName = ChooseFileToSave(platform_, this, request_);
    if (!fileName.isEmpty()) {
        try {
            exporting::WriteUserFile(LocalPath(fileName), macro);
        } catch (const IoError& e) {
            // The dialog stays open for another try.
            ReportIoError(platform_, this, e);
            return;
        }
    }
    accept();
}

} // namespace cantiva::ui
