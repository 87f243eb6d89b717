#include "ui/file_choice.h"

#include "ui/window_settings.h"

#include <QFile>
#include <QFileInfo>

namespace cantiva::ui {

namespace {

using FileDialog = QString (Platform::*)(QWidget*, const FileDialogRequest&);

QString Choose(Platform& platform, QWidget* parent, FileDialogRequest& request,
               const QString& folder, FileDialog dialog, void (*remember)(const QString&)) {
    request.folder = folder;
    const QString name = (platform.*dialog)(parent, request);
    if (name.isEmpty())
        return {};
    request.initialFile = QFileInfo(name).fileName();
    remember(name);
    return name;
}

} // namespace

QString ChooseFileToOpen(Platform& platform, QWidget* parent, FileDialogRequest& request) {
    return Choose(platform, parent, request, settings::OpenFolder(), &Platform::openFileName,
                  &settings::RememberOpenedFile);
}

QString ChooseFileToSave(Platform& platform, QWidget* parent, FileDialogRequest& request) {
    return Choose(platform, parent, request, settings::SaveFolder(), &Platform::saveFileName,
                  &settings::RememberSavedFile);
}

std::filesystem::path LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QString FromLocalPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace cantiva::ui
