#pragma once

#include "ui/platform.h"

#include <QString>
#include <filesystem>

class QWidget;

namespace cantiva::ui {

// A command's file dialog: it starts in the folder last used for opening (or for saving), else
// the user's documents folder, and proposes the name this command chose last. The name and its
// folder are remembered. Empty when the user cancels.
QString ChooseFileToOpen(Platform& platform, QWidget* parent, FileDialogRequest& request);
QString ChooseFileToSave(Platform& platform, QWidget* parent, FileDialogRequest& request);

// The path of a chosen file as the file calls take it (the locale's 8-bit form).
std::filesystem::path LocalPath(const QString& fileName);
QString FromLocalPath(const std::filesystem::path& path);

} // namespace cantiva::ui
