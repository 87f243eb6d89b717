#pragma once

#include "ui/platform.h"

namespace cantiva::ui {

// The platform seam on real Qt: message boxes, the beep, the override cursor, file dialogs and the
// system clipboard. The application installs one; tests use a scripted one instead.
class QtPlatform final : public Platform {
public:
    void error(QWidget* parent, const QString& text) override;
    bool warningYesNo(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
    int question(QWidget* parent, const QString& text, const QStringList& buttons) override;
    void beep() override;

    void pushBusyCursor() override;
    void popBusyCursor() override;

    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;

    void setClipboardText(const QString& text) override;

    int showModal(QDialog& dialog) override;
};

} // namespace cantiva::ui
