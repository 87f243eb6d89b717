#include "ui/notation_export_dialog.h"

#include "ui/dialog_parts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cantiva::ui {

NotationExportDialog::NotationExportDialog(const QString& caption, const QString& objectName,
                                           QWidget* parent)
    : QDialog(parent, kToolDialogFlags) {
    setObjectName(objectName);
    setWindowTitle(caption);

    clipboardButton_ = new QRadioButton("Export to Clipboard", this);
    clipboardButton_->setObjectName("clipboardButton");
    clipboardButton_->setChecked(true);
    fileButton_ = new QRadioButton("Export to File", this);
    fileButton_->setObjectName("fileButton");

    const OkCancel buttons = AddOkCancel(*this);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clipboardButton_);
    layout->addWidget(fileButton_);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool NotationExportDialog::toClipboard() const {
    return clipboardButton_->isChecked();
}

} // namespace cantiva::ui
