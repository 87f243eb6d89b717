// The desktop program. It takes no options: the dictionaries are found in the current directory
// and every start begins with Russian.
#include "ui/qt_platform.h"
#include "ui/rhyphen.h"
#include "ui/uAbout.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantiva"));
    cantiva::ui::QtPlatform platform;

    // The windows are created in a fixed order, the main window first; its creation checks and
    // loads the dictionaries. A missing compiled dictionary has been reported by then, and the
    // program ends without showing anything.
    cantiva::ui::TForm1 form1(platform);
    if (form1.startupFailed())
        return 0;

    cantiva::ui::OtherWindows others;
    // TForm2 (dictionary information), TForm3 (exceptions editor) and TForm4 (edit line) come
    // here, before the About box.
    cantiva::ui::TForm5 form5(&form1);
    others.about = &form5;
    // TScoreForm and TtFormFinale come here, after the About box.
    form1.setOtherWindows(others);

    form1.show();
    return QApplication::exec();
}
