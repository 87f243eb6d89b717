#include "ui/window_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace cantiva::ui::settings {
namespace {

const QString kLanguageKey = QStringLiteral("language");
const QString kGeometryKey = QStringLiteral("mainWindow/geometry");
const QString kOpenFolderKey = QStringLiteral("folders/open");
const QString kSaveFolderKey = QStringLiteral("folders/save");

QSettings Store() {
    return QSettings(QStringLiteral("Cantiva"), QStringLiteral("Cantiva"));
}

QString ExistingFolderOrDocuments(const QString& key) {
    const QString remembered = Store().value(key).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

std::optional<dictionaries::Language> Language() {
    return dictionaries::LanguageFromCliName(Store().value(kLanguageKey).toString().toStdString());
}

void SetLanguage(dictionaries::Language language) {
    Store().setValue(kLanguageKey, QString::fromLatin1(
                                       dictionaries::LanguageInfoOf(language).cliName.data(),
                                       static_cast<qsizetype>(
                                           dictionaries::LanguageInfoOf(language).cliName.size())));
}

QByteArray MainWindowGeometry() {
    return Store().value(kGeometryKey).toByteArray();
}

void SetMainWindowGeometry(const QByteArray& geometry) {
    Store().setValue(kGeometryKey, geometry);
}

QString OpenFolder() {
    return ExistingFolderOrDocuments(kOpenFolderKey);
}

QString SaveFolder() {
    return ExistingFolderOrDocuments(kSaveFolderKey);
}

void RememberOpenedFile(const QString& fileName) {
    Store().setValue(kOpenFolderKey, QFileInfo(fileName).absolutePath());
}

void RememberSavedFile(const QString& fileName) {
    Store().setValue(kSaveFolderKey, QFileInfo(fileName).absolutePath());
}

} // namespace cantiva::ui::settings
