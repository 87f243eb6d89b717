#include "ui/finale_export_dialog.h"

#include "ui/designed_layout.h"
#include "ui/dialog_parts.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace cantiva::ui {

FinaleExportDialog::FinaleExportDialog(QWidget* parent) : QDialog(parent, kToolDialogFlags) {
    setObjectName("finaleExportDialog");
    setWindowTitle("Export as Finale Lyrics");
    setFixedSize(193, 114);
    move(476, 338);

    clipboardButton_ = new QRadioButton("Export to Clipboard", this);
    clipboardButton_->setObjectName("clipboardButton");
    clipboardButton_->setGeometry(10, 8, 113, 17);
    clipboardButton_->setChecked(true);

    fileButton_ = new QRadioButton("Export to File", this);
    fileButton_->setObjectName("fileButton");
    fileButton_->setGeometry(10, 30, 113, 17);

    bindDashesCheck_ = new QCheckBox("NBSP before em-dash / en-dash", this);
    bindDashesCheck_->setObjectName("bindDashesCheck");
    bindDashesCheck_->setGeometry(12, 52, 181, 17);
    bindDashesCheck_->setChecked(true);

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    okButton_->setGeometry(11, 75, 75, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    // Esc and the close box reject the dialog as this button does.
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(110, 75, 75, 25);
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
