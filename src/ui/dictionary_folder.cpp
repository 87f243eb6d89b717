#include "ui/dictionary_folder.h"

#include "dictionaries/shipped_updates.h"
#include "io/io_error.h"
#include "ui/platform.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

namespace cantiva::ui {

std::optional<std::filesystem::path> ShippedDictionaryFolder(const QString& programFolder,
                                                             const QString& relativeToProgram) {
    const QString named = qEnvironmentVariable("CANTIVA_SHIPPED_DICTIONARIES");
    if (!named.isEmpty())
        return std::filesystem::path(QFile::encodeName(named).toStdString());
    const QString installed = QDir(programFolder).filePath(relativeToProgram);
    if (QFileInfo(installed).isDir())
        return std::filesystem::path(QFile::encodeName(QDir::cleanPath(installed)).toStdString());
    return std::nullopt;
}

std::filesystem::path UserDictionaryFolder() {
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return std::filesystem::path(dataHome.toStdString()) / "cantiva";
    return std::filesystem::path(qgetenv("HOME").toStdString()) / ".local/share/cantiva";
}

void EnterUserDictionaryFolder(Platform& platform, const std::filesystem::path& shipped) {
    const std::filesystem::path folder = UserDictionaryFolder();
    QString notice;
    try {
        const auto report = dictionaries::UpdateFromShipped(shipped, folder);
        notice = QString::fromStdString(dictionaries::NewerShippedNotice(report, folder));
        const std::string refused = dictionaries::RefusedShippedNotice(report);
        if (!refused.empty())
            platform.warning(nullptr, QString::fromStdString(refused));
    } catch (const IoError& e) {
        platform.error(nullptr, QString::fromStdString(IoErrorMessage(e.code())));
    }
    if (::chdir(folder.c_str()) != 0)
        platform.error(nullptr, QString::fromStdString(IoErrorMessage(IoCodeFromErrno(errno))));
    if (!notice.isEmpty())
        platform.information(nullptr, notice);
}

} // namespace cantiva::ui
