#include "ui/uFinale.h"

#include "ui/designed_layout.h"

#include <QCheckBox>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>

namespace cantiva::ui {

TtFormFinale::TtFormFinale(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("tFormFinale");
    setWindowTitle("Export as Finale Lyrics");
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(193, 114);
    move(476, 338);

    rbClipboard = new QRadioButton("Export to Clipboard", this);
    rbClipboard->setObjectName("rbClipboard");
    rbClipboard->setGeometry(10, 8, 113, 17);
    rbClipboard->setChecked(true);

    rbFile = new QRadioButton("Export to File", this);
    rbFile->setObjectName("rbFile");
    rbFile->setGeometry(10, 30, 113, 17);

    cbEmDash = new QCheckBox("NBSP before em-dash / en-dash", this);
    cbEmDash->setObjectName("cbEmDash");
    cbEmDash->setGeometry(12, 52, 181, 17);
    cbEmDash->setChecked(true);

    btOK = new QPushButton("OK", this);
    btOK->setObjectName("btOK");
    btOK->setGeometry(11, 75, 75, 25);
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);

    // Esc and the close box reject the dialog as this button does.
    btCancel = new QPushButton("Cancel", this);
    btCancel->setObjectName("btCancel");
    btCancel->setGeometry(110, 75, 75, 25);
    btCancel->setAutoDefault(false);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(rbClipboard, rbFile);
    setTabOrder(rbFile, btOK);
    setTabOrder(btOK, btCancel);
    setTabOrder(btCancel, cbEmDash);
    WidenToFitTexts(*this);
}

} // namespace cantiva::ui
