#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace cantiva::ui {
namespace {

const QString kApplicationTitle = QStringLiteral("Cantiva");

int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

// One dialog set up as the request says. Qt's dialogs never change the process's current
// directory and have no read-only check box, so those two options need nothing here.
QString RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setSizeGripEnabled(true);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPlatform::error(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool QtPlatform::warningYesNo(QWidget* parent, const QString& text) {
    return ShowBox(parent, QMessageBox::Warning, QStringLiteral("Warning"), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPlatform::information(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtPlatform::warning(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtPlatform::message(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, QMessageBox::Ok);
}

int QtPlatform::question(QWidget* parent, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const auto role = i + 1 == buttons.size() ? QMessageBox::RejectRole
                          : i == 0                ? QMessageBox::AcceptRole
                                                  : QMessageBox::DestructiveRole;
        added << box.addButton(buttons[i], role);
    }
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.setEscapeButton(added.last());
    }
    box.exec();
    const auto pressed = added.indexOf(box.clickedButton());
    return pressed < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(pressed);
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::pushBusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtPlatform::popBusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

int QtPlatform::showModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace cantiva::ui
