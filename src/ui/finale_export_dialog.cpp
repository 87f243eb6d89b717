#include "ui/finale_export_dialog.h"

#include "ui/designed_layout.h"
#include "ui/dialog_parts.h"
#include "ui/placed_control.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace cantiva::ui {

FinaleExportDialog::FinaleExportDialog(QWidget* parent) : QDialog(parent, kToolDialogFlags) {
    setObjectName("finaleExportDialog");
    setWindowTitle("Export as Finale Lyrics");
    setFixedSize(193, 114);
    move(476, 338);

    clipboardButton_ =
        Placed<QRadioButton>(this, "clipboardButton", {10, 8, 113, 17}, "Export to Clipboard");
    clipboardButton_->setChecked(true);

    fileButton_ = Placed<QRadioButton>(this, "fileButton", {10, 30, 113, 17}, "Export to File");

    bindDashesCheck_ = Placed<QCheckBox>(this, "bindDashesCheck", {12, 52, 181, 17},
                                         "NBSP before em-dash / en-dash");
    bindDashesCheck_->setChecked(true);

    okButton_ = Placed<QPushButton>(this, "okButton", {11, 75, 75, 25}, "OK");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // Esc and the close box reject the dialog as this button does.
    cancelButton_ = Placed<QPushButton>(this, "cancelButton", {110, 75, 75, 25}, "Cancel");
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(clipboardButton_, fileButton_);
    setTabOrder(fileButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, bindDashesCheck_);
    WidenToFitTexts(*this);
}

bool FinaleExportDialog::bindDashes() const {
    return bindDashesCheck_->isChecked();
}

bool FinaleExportDialog::toClipboard() const {
    return clipboardButton_->isChecked();
}

} // namespace cantiva::ui
