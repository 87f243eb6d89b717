#include "ui/application.h"

#include "ui/rhyphen.h"
#include "ui/uAbout.h"

#include <QApplication>

namespace cantiva::ui {

int RunApplication(Platform& platform) {
    TForm1 form1(platform);
    if (form1.startupFailed())
        return 0;

    OtherWindows others;
    // TForm2 (dictionary information), TForm3 (exceptions editor) and TForm4 (edit line) come
    // here, before the About box.
    TForm5 form5(&form1);
    others.about = &form5;
    // TScoreForm and TtFormFinale come here, after the About box.
    form1.setOtherWindows(others);

    form1.show();
    return QApplication::exec();
}

} // namespace cantiva::ui
