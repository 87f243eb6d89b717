#include "support/cp1251.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/pane_codec.h"
#include "ui/support/current_directory.h"
#include "ui/support/scripted_platform.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <optional>

namespace cantiva::ui {
namespace {

using dictionaries::Language;
using test_support::MainSource;
using test_support::W;

// Every character of a text comes back from the window and from cantiva-cli, which agree.
class UnicodeRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDictionaries(
            MainSource(Language::Russian, {"", W("а1м")}), "",
            MainSource(Language::English, {"", "a1f"}),
            MainSource(Language::Latin, {"", "a1e", "", "", "", "e1l", "", "", "", "i1a", "", "",
                                         "", "", "", "o1r"}));
        cwd.emplace(folder.path());
        window = std::make_unique<MainWindow>(platform);
    }

    QString windowResult(const char* button, const std::string& utf8) {
        window->findChild<QRadioButton*>(QString::fromLatin1(button))->click();
        window->findChild<QPlainTextEdit*>("inputPane")->setPlainText(QString::fromStdString(utf8));
        window->findChild<QAction*>("actionHyphenate")->trigger();
        return PaneText(*window->findChild<QPlainTextEdit*>("resultPane"));
    }

    test_support::TempFolder folder;
    std::optional<test_support::ScopedCurrentDirectory> cwd;
    test_support::ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(UnicodeRoundTrip, TheWindowAndTheCommandLineKeepEveryCharacter) {
    struct Case {
        const char* button;
        const char* cliLanguage;
        std::string text;
        std::string divided; // the window's result, without its final line break
    } cases[] = {
        {"latinButton", "la", "Glória cæli CǼLI caéli", "Gló-ri-a cæ-li CǼ-LI ca-é-li"},
        {"latinButton", "la", "Glo\u0301ria ca\u0308eli", "Glo\u0301-ri-a ca\u0308-e-li"}, // NFD
        {"latinButton", "la", "œ Œ ǽ ā ĭ ÿ Ÿ ç ß ø", "œ Œ ǽ ā ĭ ÿ Ÿ ç ß ø"},
        {"russianButton", "ru", "ма́ма МА́МА\nма\u0301ма\u0301", "ма́-ма МА́-МА\nма\u0301-ма\u0301"},
        {"russianButton", "ru", "мама😀 👍🏽 👩\u200D👩\u200D👧 🇷🇺",
         "мама😀 👍🏽 👩\u200D👩\u200D👧 🇷🇺"},
        {"russianButton", "ru", "Ἀλληλούϊα 中文字 한국어 עברית", "Ἀλληλούϊα 中文字 한국어 עברית"},
        {"russianButton", "ru", "мамаαмама 𝄞мама", "мамаαмама 𝄞мама"}, // scripts mixed in one word
        {"englishButton", "en", "café Café\u00A0CAFÉ naïve", "ca-fé Ca-fé\u00A0CA-FÉ na-ïve"},
        {"englishButton", "en", "a\u0300\u0301\u0302 e\u20DD \uFEFFtext\u200B",
         "a\u0300\u0301\u0302 e\u20DD \uFEFFtext\u200B"},
    };
    for (const Case& c : cases) {
        const QString shown = windowResult(c.button, c.text);
        EXPECT_EQ(shown.toStdString(), c.divided + "\n") << c.text;
        const test_support::CliResult cli = test_support::RunCli(
            {"hyphenate", "--lang", c.cliLanguage, "--dict-dir", folder.path().string(), "--lf"},
            c.text);
        EXPECT_EQ(cli.status, 0) << cli.err;
        EXPECT_EQ(cli.out, shown.toStdString()) << c.text;

        std::string back = cli.out;
        std::erase(back, '-');
        EXPECT_EQ(back, c.text + "\n") << c.text;
    }
}

} // namespace
} // namespace cantiva::ui
