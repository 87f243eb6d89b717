#include "ui/dictionary_info_dialog.h"

#include "dictionaries/dictionary_state.h"
#include "ui/cp1251_string.h"
#include "ui/dialog_parts.h"
#include "ui/placed_control.h"
#include "ui/platform.h"

#include <QListWidget>
#include <QPushButton>

namespace cantiva::ui {

namespace {

constexpr int kItemHeight = 16;

} // namespace

DictionaryInfoDialog::DictionaryInfoDialog(Platform& platform,
                                           const dictionaries::DictionaryState& state,
                                           QWidget* parent)
    : QDialog(parent, kDialogFlags), platform_(platform), state_(state) {
    setObjectName("dictionaryInfoDialog");
    setWindowTitle("Pattern dictionary info");
    setSizeGripEnabled(false);
    // The designed outer size is 256 by 369; this is its client area under a usual frame.
    resize(248, 342);

    infoList_ = Placed<QListWidget>(this, "infoList", {8, 10, 230, 287});
    infoList_->setUniformItemSizes(true);

    closeButton_ = Placed<QPushButton>(this, "closeButton", {77, 309, 100, 23}, "Close");
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(closeButton_, infoList_);
}

void DictionaryInfoDialog::showListing(dictionaries::DictionaryKind kind) {
    fill(kind);
    closeButton_->setFocus();
    CentreOnScreen(*this);
    platform_.showModal(*this);
}

void DictionaryInfoDialog::fill(dictionaries::DictionaryKind kind) {
    infoList_->clear();
    const dictionaries::DictionaryInfo info = dictionaries::GetDictionaryInfo(state_, kind);
    const text::CodePage& codePage =
        *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage;
    setWindowTitle(FromCodePage(info.caption, codePage));
    for (const std::string& line : info.lines) {
        auto* item = new QListWidgetItem(FromCodePage(line, codePage), infoList_);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

} // namespace cantiva::ui
