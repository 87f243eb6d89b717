// The dictionary information window: what it lists for each dictionary, refilled at every showing.
#include "dictionaries/dictionary_state.h"
#include "support/cp1251.h"
#include "support/temp_folder.h"
#include "ui/rhyphen.h"
#include "ui/support/current_directory.h"
#include "ui/support/scripted_platform.h"
#include "ui/uDict.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::DictionaryState;
using dictionaries::Language;
using testing::MainSource;
using testing::ScriptedPlatform;
using testing::W;
using Lines = std::vector<std::string>;

Lines Listed(const TForm2& form) {
    Lines out;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        out.push_back(form.ListBox1->item(i)->text().toStdString());
    return out;
}

class DictInfoTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    ScriptedPlatform platform;
    std::optional<DictionaryState> state;

    TForm2& open(Language language) {
        state.emplace(folder.path());
        state->open();
        state->switchLanguage(language);
        form.emplace(platform, *state);
        return *form;
    }
    std::optional<TForm2> form;
};

TEST_F(DictInfoTest, EmptyRussianMainDictionary) {
    folder.writeDictionaries();
    TForm2& w = open(Language::Russian);
    w.Execute(TForm2::kMainDictionary);
    EXPECT_EQ(platform.transcript(), Lines{"modal: Form2"});
    EXPECT_EQ(w.windowTitle(), "Info for [RHYPHEN.PT]");
    const Lines lines = Listed(w);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], "ABCrus [1]= 46, 0");
    EXPECT_EQ(lines[33], "ABCrus [34]= 255, -1");
    EXPECT_EQ(lines[34], "Pattern maxLen: 0 symbols");
    EXPECT_EQ(lines[35], "Total records: 0");
}

TEST_F(DictInfoTest, LatinListingStopsBeforeItsClosingEntry) {
    folder.writeDictionaries("", "", "", MainSource(Language::Latin, {".a1b", "a1b"}));
    TForm2& w = open(Language::Latin);
    w.GetDictInfo(TForm2::kMainDictionary);
    EXPECT_EQ(w.windowTitle(), "Info for [LHYPHEN.PT]");
    const Lines lines = Listed(w);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[25], "ABClat [26]= 122, 27");
    EXPECT_EQ(lines[26], "Pattern maxLen: 4 symbols");
    EXPECT_EQ(lines[27], "Total records: 27");
}

TEST_F(DictInfoTest, ExceptionsAreListedTrimmedAndEachShowingStartsAfresh) {
    folder.writeDictionaries("", W("  Ав-то-мат \r\nex-cep-tion"));
    TForm2& w = open(Language::Russian);
    w.GetDictInfo(TForm2::kMainDictionary);
    w.GetDictInfo(0);
    EXPECT_EQ(w.windowTitle(), "Info for [RHYPHEN.XCD]");
    EXPECT_EQ(Listed(w), (Lines{"ав-то-мат", "ex-cep-tion", "Pattern maxLen: 11 symbols",
                                "Total records: 2"}));
}

TEST_F(DictInfoTest, EmptyExceptionsShowOnlyTheSummary) {
    folder.writeDictionaries();
    TForm2& w = open(Language::English);
    w.GetDictInfo(7); // any kind but 1 is the exceptions
    EXPECT_EQ(w.windowTitle(), "Info for [EHYPHEN.XCD]");
    EXPECT_EQ(Listed(w), (Lines{"Pattern maxLen: 0 symbols", "Total records: 0"}));
}

TEST_F(DictInfoTest, LayoutAndClose) {
    folder.writeDictionaries();
    TForm2& w = open(Language::Russian);
    EXPECT_EQ(w.windowTitle(), "Pattern dictionary info");
    EXPECT_EQ(w.ListBox1->geometry(), QRect(8, 10, 230, 287));
    EXPECT_EQ(w.Button1->geometry(), QRect(77, 309, 100, 23));
    EXPECT_EQ(w.Button1->text(), "Close");
    w.Execute(0);
    EXPECT_EQ(w.focusWidget(), w.Button1); // Close comes first in the tab order
    w.setResult(QDialog::Rejected);
    w.Button1->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// Through the main window's two menu commands.
TEST(DictInfoMenu, BothCommandsShowTheWindowForTheirDictionary) {
    testing::TempFolder folder;
    folder.writeDictionaries("", W("ав-то"));
    testing::ScopedCurrentDirectory cwd(folder.path());
    ScriptedPlatform platform;
    TForm1 window(platform);
    TForm2 form2(platform, window.state(), &window);
    OtherWindows others;
    others.dictInfo = &form2;
    window.setOtherWindows(others);

    Lines captions;
    platform.onModal = [&](QDialog& dialog) {
        captions.push_back(dialog.windowTitle().toStdString());
        return QDialog::Accepted;
    };
    window.Patterndictinfo1Click();
    window.Exceptionsdictinfo1Click();
    EXPECT_EQ(captions, (Lines{"Info for [RHYPHEN.PT]", "Info for [RHYPHEN.XCD]"}));
    EXPECT_EQ(Listed(form2).front(), "ав-то");
}

} // namespace
} // namespace cantiva::ui
