// The desktop program. It takes no options: the dictionaries are found in the current directory
// and every start begins with Russian.
#include "ui/application.h"
#include "ui/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantiva"));
    cantiva::ui::QtPlatform platform;
    return cantiva::ui::RunApplication(platform);
}
