// The dictionary information window: what it lists for each dictionary, refilled at every showing.
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/dictionary_info_dialog.h"
#include "ui/main_window.h"
#include "ui/support/current_directory.h"
#include "ui/support/find_child.h"
#include "ui/support/scripted_platform.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::DictionaryKind;
using dictionaries::DictionaryState;
using dictionaries::Language;
using test_support::Child;
using test_support::MainSource;
using test_support::ScriptedPlatform;
using test_support::W;
using Lines = std::vector<std::string>;

QListWidget* InfoList(const DictionaryInfoDialog& dialog) {
    return Child<QListWidget>(dialog, "infoList");
}

QPushButton* CloseButton(const DictionaryInfoDialog& dialog) {
    return Child<QPushButton>(dialog, "closeButton");
}

Lines Listed(const DictionaryInfoDialog& dialog) {
    Lines out;
    for (int i = 0; i < InfoList(dialog)->count(); ++i)
        out.push_back(InfoList(dialog)->item(i)->text().toStdString());
    return out;
}

class DictionaryInfoDialogTest : public ::testing::Test {
protected:
    test_support::TempFolder folder;
    ScriptedPlatform platform;
    std::optional<DictionaryState> state;

    DictionaryInfoDialog& open(Language language) {
        state.emplace(folder.path());
        state->openAtStartup();
        state->switchLanguage(language);
        dialog.emplace(platform, *state);
        return *dialog;
    }
    std::optional<DictionaryInfoDialog> dialog;
};

TEST_F(DictionaryInfoDialogTest, EmptyRussianMainDictionary) {
    folder.writeDictionaries();
    DictionaryInfoDialog& w = open(Language::Russian);
    w.showListing(DictionaryKind::Main);
    EXPECT_EQ(platform.transcript(), Lines{"modal: dictionaryInfoDialog"});
    EXPECT_EQ(w.windowTitle(), "Info for [RHYPHEN.PT]");
    const Lines lines = Listed(w);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], "ABCrus [1]= 46, 0");
    EXPECT_EQ(lines[33], "ABCrus [34]= 255, -1");
    EXPECT_EQ(lines[34], "Pattern maxLen: 0 symbols");
    EXPECT_EQ(lines[35], "Total records: 0");
}

TEST_F(DictionaryInfoDialogTest, LatinListingStopsBeforeItsClosingEntry) {
    folder.writeDictionaries("", "", "", MainSource(Language::Latin, {".a1b", "a1b"}));
    DictionaryInfoDialog& w = open(Language::Latin);
    w.fill(DictionaryKind::Main);
    EXPECT_EQ(w.windowTitle(), "Info for [LHYPHEN.PT]");
    const Lines lines = Listed(w);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[25], "ABClat [26]= 122, 27");
    EXPECT_EQ(lines[26], "Pattern maxLen: 4 symbols");
    EXPECT_EQ(lines[27], "Total records: 27");
}

TEST_F(DictionaryInfoDialogTest, ExceptionsAreListedTrimmedAndEachShowingStartsAfresh) {
    folder.writeDictionaries("", W("  Ав-то-мат \r\nex-cep-tion"));
    DictionaryInfoDialog& w = open(Language::Russian);
    w.fill(DictionaryKind::Main);
    w.fill(DictionaryKind::Exceptions);
    EXPECT_EQ(w.windowTitle(), "Info for [RHYPHEN.XCD]");
    EXPECT_EQ(Listed(w), (Lines{"ав-то-мат", "ex-cep-tion", "Pattern maxLen: 11 symbols",
                                "Total records: 2"}));
}

TEST_F(DictionaryInfoDialogTest, EmptyExceptionsShowOnlyTheSummary) {
    folder.writeDictionaries();
    DictionaryInfoDialog& w = open(Language::English);
    w.fill(DictionaryKind::Exceptions);
    EXPECT_EQ(w.windowTitle(), "Info for [EHYPHEN.XCD]");
    EXPECT_EQ(Listed(w), (Lines{"Pattern maxLen: 0 symbols", "Total records: 0"}));
}

TEST_F(DictionaryInfoDialogTest, LayoutAndClose) {
    folder.writeDictionaries();
    DictionaryInfoDialog& w = open(Language::Russian);
    EXPECT_EQ(w.windowTitle(), "Pattern dictionary info");
    EXPECT_EQ(InfoList(w)->geometry(), QRect(8, 10, 230, 287));
    EXPECT_EQ(CloseButton(w)->geometry(), QRect(77, 309, 100, 23));
    EXPECT_EQ(CloseButton(w)->text(), "Close");
    w.showListing(DictionaryKind::Exceptions);
    EXPECT_EQ(w.focusWidget(), CloseButton(w)); // Close comes first in the tab order
    w.setResult(QDialog::Rejected);
    CloseButton(w)->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// Through the main window's two menu commands.
TEST(DictionaryInfoMenu, BothCommandsShowTheWindowForTheirDictionary) {
    test_support::TempFolder folder;
    folder.writeDictionaries("", W("ав-то"));
    test_support::ScopedCurrentDirectory cwd(folder.path());
    ScriptedPlatform platform;
    MainWindow window(platform);
    DictionaryInfoDialog dictionaryInfo(platform, window.state(), &window);
    MainWindowDialogs dialogs;
    dialogs.dictionaryInfo = &dictionaryInfo;
    window.setDialogs(dialogs);

    Lines captions;
    platform.onModal = [&](QDialog& dialog) {
        captions.push_back(dialog.windowTitle().toStdString());
        return QDialog::Accepted;
    };
    window.showMainDictionaryInfo();
    window.showExceptionsInfo();
    EXPECT_EQ(captions, (Lines{"Info for [RHYPHEN.PT]", "Info for [RHYPHEN.XCD]"}));
    EXPECT_EQ(Listed(dictionaryInfo).front(), "ав-то");
}

} // namespace
} // namespace cantiva::ui
