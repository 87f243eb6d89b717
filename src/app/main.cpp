// The desktop program. Installed (or started by the launcher) it works in the per-user dictionary
// folder, brought up to date with the shipped dictionaries first; otherwise in the current
// directory.
#include "ui/application.h"
#include "ui/dictionary_folder.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QFile>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char* kUsage = "usage: cantiva [FILE]\n"
                               "       cantiva --help | --version\n"
                               "\n"
                               "Divides the words of song lyrics into syllables. FILE is opened in "
                               "the input pane.\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts: no display and no dictionaries are needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "cantiva " CANTIVA_VERSION "\n";
            return 0;
        }
    }

    QApplication app(argc, argv); // takes Qt's own options out of argv
    QApplication::setApplicationName(QStringLiteral("Cantiva"));
    QApplication::setApplicationVersion(QStringLiteral(CANTIVA_VERSION));
    QString file;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' || !file.isEmpty()) {
            std::cerr << "cantiva: unexpected argument " << argv[i] << '\n' << kUsage;
            return 2;
        }
        // The program moves into the dictionary folder: the file is found from where it started.
        file = QFile::decodeName(std::filesystem::absolute(argv[i]).c_str());
    }

    cantiva::ui::QtPlatform platform;
    if (const auto shipped = cantiva::ui::ShippedDictionaryFolder(
            QApplication::applicationDirPath(), QStringLiteral(CANTIVA_SHIPPED_RELATIVE)))
        cantiva::ui::EnterUserDictionaryFolder(platform, *shipped);
    return cantiva::ui::RunApplication(platform, file);
}
