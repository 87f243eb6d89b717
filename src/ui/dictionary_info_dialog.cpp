#include "ui/dictionary_info_dialog.h"

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

DictionaryInfoDialog::DictionaryInfoDialog(Platform& platform,
                                           const dictionaries::DictionaryState& state,
                                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      platform_(platform), state_(state) {
    setObjectName("dictionaryInfoDialog");
    setWindowTitle("Pattern dictionary info");
    setSizeGripEnabled(false);
    // The designed outer size is 256 by 369; this is its client area under a usual frame.
    resize(248, 342);

    infoList_ = new QListWidget(this);
    infoList_->setObjectName("infoList");
    infoList_->setGeometry(8, 10, 230, 287);
    infoList_->setFont(DialogFont());
    infoList_->setUniformItemSizes(true);

    closeButton_ = new QPushButton("Close", this);
    closeButton_->setObjectName("closeButton");
    closeButton_->setGeometry(77, 309, 100, 23);
    closeButton_->setFont(DialogFont());
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(closeButton_, infoList_);
}

void DictionaryInfoDialog::showListing(dictionaries::DictionaryKind kind) {
    fill(kind);
    closeButton_->setFocus();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    platform_.showModal(*this);
}

void DictionaryInfoDialog::fill(dictionaries::DictionaryKind kind) {
    infoList_->clear();
    const dictionaries::DictionaryInfo info = dictionaries::GetDictionaryInfo(state_, kind);
    setWindowTitle(ToQString(info.caption));
    for (const std::string& line : info.lines) {
        auto* item = new QListWidgetItem(ToQString(line), infoList_);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

} // namespace cantiva::ui
