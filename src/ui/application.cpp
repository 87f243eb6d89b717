#include "ui/application.h"

#include "ui/rhyphen.h"
#include "ui/uAbout.h"
#include "ui/uDict.h"
#include "ui/uEdict.h"
#include "ui/uEdit.h"
#include "ui/uFinale.h"
#include "ui/uScore.h"

#include <QApplication>

namespace cantiva::ui {

int RunApplication(Platform& platform) {
    TForm1 form1(platform);
    if (form1.startupFailed())
        return 0;

    OtherWindows others;
    TForm2 form2(platform, form1.state(), &form1);
    others.dictInfo = &form2;
    TForm3 form3(platform, form1.state(), &form1);
    others.exceptionsEditor = &form3;
    TForm4 form4(platform, &form1);
    others.editLine = &form4;
    form3.setEditDialog(form4);
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
