#include "ui/uDict.h"

#include "dictionaries/dictionary_info.h"
#include "dictionaries/dictionary_state.h"
#include "text/utf8_codec.h"
#include "ui/platform.h"

#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace cantiva::ui {

namespace {

QString ToQString(std::string_view cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

QFont DialogFont() {
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

constexpr int kItemHeight = 16;

} // namespace

TForm2::TForm2(Platform& platform, const dictionaries::DictionaryState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      platform_(platform), state_(state) {
    setObjectName("Form2");
    setWindowTitle("Pattern dictionary info");
    setSizeGripEnabled(false);
    // The designed outer size is 256 by 369; this is its client area under a usual frame.
    resize(248, 342);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(8, 10, 230, 287);
    ListBox1->setFont(DialogFont());
    ListBox1->setUniformItemSizes(true);

    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(77, 309, 100, 23);
    Button1->setFont(DialogFont());
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    setTabOrder(Button1, ListBox1);
}

void TForm2::Execute(int kind) {
    GetDictInfo(kind);
    Button1->setFocus();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    platform_.showModal(*this);
}

void TForm2::GetDictInfo(int kind) {
    ListBox1->clear();
    const dictionaries::DictionaryInfo info = dictionaries::GetDictionaryInfo(
        state_, kind == kMainDictionary ? dictionaries::DictionaryKind::Main
                                        : dictionaries::DictionaryKind::Exceptions);
    setWindowTitle(ToQString(info.caption));
    for (const std::string& line : info.lines) {
        auto* item = new QListWidgetItem(ToQString(line), ListBox1);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

void TForm2::Button1Click() {
    accept();
}

} // namespace cantiva::ui
