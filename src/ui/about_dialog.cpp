#include "ui/about_dialog.h"

#include "ui/dialog_parts.h"
#include "ui/placed_control.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cantiva::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Cantiva"));
    setWindowFlags(kDialogFlags);
    setFixedSize(118, 105);

    creditsLabel_ = new QLabel(this);
    creditsLabel_->setObjectName(QStringLiteral("creditsLabel"));
    creditsLabel_->setText(QStringLiteral("Version 0.97 beta\n"
                                          "September 2003\n"
                                          "The Cantiva team\n"
                                          "mail@example.org"));
    creditsLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    creditsLabel_->setGeometry(0, 8, 118, 60);

    okButton_ = Placed<QPushButton>(this, "okButton", {22, 72, 75, 25}, QStringLiteral("OK"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

} // namespace cantiva::ui
