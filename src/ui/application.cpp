#include "ui/application.h"

#include "ui/rhyphen.h"
#include "ui/uAbout.h"
#include "ui/uFinale.h"
#include "ui/uScore.h"

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
    TScoreForm scoreForm(platform, &form1);
    others.score = &scoreForm;
    TtFormFinale tFormFinale(&form1);
    others.finale = &tFormFinale;
    form1.setOtherWindows(others);

    form1.show();
    return QApplication::exec();
}

} // namespace cantiva::ui
