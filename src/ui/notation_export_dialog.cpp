#include "ui/notation_export_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cantiva::ui {

NotationExportDialog::NotationExportDialog(const QString& caption, const QString& objectName,
                                           QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(objectName);
    setWindowTitle(caption);

    clipboardButton_ = new QRadioButton("Export to Clipboard", this);
    clipboardButton_->setObjectName("clipboardButton");
    clipboardButton_->setChecked(true);
    fileButton_ = new QRadioButton("Export to File", this);
    fileButton_->setObjectName("fileButton");

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    okButton_->setObjectName("okButton");
    okButton_->setDefault(true);
    cancelButton_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clipboardButton_);
    layout->addWidget(fileButton_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool NotationExportDialog::toClipboard() const {
    return clipboardButton_->isChecked();
}

} // namespace cantiva::ui
