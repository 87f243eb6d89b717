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
    return dictionaries::ShippedDictionaryFolder(
        QFile::encodeName(programFolder).toStdString(),
        QFile::encodeName(relativeToProgram).toStdString());
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
