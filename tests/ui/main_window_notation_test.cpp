// The LilyPond and gabc exports and laying lyrics onto a MusicXML score, driven through the main
// window's menu with the scripted platform.
#include "support/current_directory.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"
#include "ui/lay_lyrics_dialog.h"
#include "ui/main_window.h"
#include "ui/notation_export_dialog.h"
#include "ui/support/find_child.h"
#include "ui/support/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>
#include <memory>

namespace cantiva::ui {
namespace {

using test_support::Child;
using test_support::ScriptedPlatform;
using test_support::TempFolder;
using Lines = std::vector<std::string>;

const std::string kScoreFilter = "MusicXML score (*.musicxml *.xml *.mxl);;All files (*)";

std::string Score(int notes, const std::string& lyric = "") {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise>"
                      "<part-list><score-part id=\"P1\"><part-name>Voice</part-name></score-part>"
                      "</part-list><part id=\"P1\"><measure number=\"1\">";
    for (int i = 0; i < notes; ++i)
        out += "<note><pitch><step>C</step><octave>4</octave></pitch>" + lyric + "</note>";
    return out + "</measure></part></score-partwise>\n";
}

class MainWindowNotationTest : public test_support::WindowFixture {
protected:
    void SetUp() override {
        useEmptyDictionaries();
        window = std::make_unique<MainWindow>(platform);
        ASSERT_FALSE(window->startupFailed());
        lilyPond = new NotationExportDialog("Export as LilyPond lyrics", "lilyPondExportDialog",
                                            window.get());
        gabc = new NotationExportDialog("Export as gabc", "gabcExportDialog", window.get());
        lay = new LayLyricsDialog(window.get());
        MainWindowDialogs dialogs;
        dialogs.lilyPondExport = lilyPond;
        dialogs.gabcExport = gabc;
        dialogs.layLyrics = lay;
        window->setDialogs(dialogs);
        platform.clearRecord();
    }
    // The lay dialog answers OK with the given verse and melisma option.
    void answerLayDialog(int verse, bool slurMelisma) {
        platform.onModal = [=](QDialog& dialog) {
            Child<QSpinBox>(dialog, "verseSpin")->setValue(verse);
            Child<QCheckBox>(dialog, "slurMelismaCheck")->setChecked(slurMelisma);
            return static_cast<int>(QDialog::Accepted);
        };
    }

    NotationExportDialog* lilyPond = nullptr;
    NotationExportDialog* gabc = nullptr;
    LayLyricsDialog* lay = nullptr;
};

TEST_F(MainWindowNotationTest, CommandsNeedAResult) {
    const char* names[] = {"actionExportLilyPond", "actionExportGabc", "actionLayLyrics"};
    for (const char* name : names) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
        action(name)->trigger();
    }
    EXPECT_TRUE(platform.calls.empty());
    showResult(" \n");
    for (const char* name : names) {
        EXPECT_TRUE(action(name)->isEnabled()) << name;
        action(name)->trigger();
    }
    EXPECT_EQ(platform.transcript(), (Lines{"beep", "beep", "beep"}));
}

TEST_F(MainWindowNotationTest, LilyPondAndGabcGoToTheClipboardOrAFile) {
    const struct {
        const char* action;
        bool toFile;
        std::string saveDialog;
        std::string text;
    } cases[] = {
        {"actionExportLilyPond", false, "", "\\lyricmode {\n  Ký -- ri -- e ♪\n}\n"},
        {"actionExportLilyPond", true, "save-file: LilyPond file (*.ly);;All files (*)",
         "\\lyricmode {\n  Ký -- ri -- e ♪\n}\n"},
        {"actionExportGabc", false, "", "name: Kýrie ♪;\n%%\n(c4)\nKý()ri()e() ♪() (::)\n"},
        {"actionExportGabc", true, "save-file: gabc file (*.gabc);;All files (*)",
         "name: Kýrie ♪;\n%%\n(c4)\nKý()ri()e() ♪() (::)\n"},
    };
    for (const auto& c : cases) {
        showResult(QString::fromUtf8("Ký-ri-e ♪\n"));
        platform.onModal = [&](QDialog& dialog) {
            Child<QRadioButton>(dialog, c.toFile ? "fileButton" : "clipboardButton")
                ->setChecked(true);
            return static_cast<int>(QDialog::Accepted);
        };
        platform.saveFileAnswers.push_back(file("out"));
        action(c.action)->trigger();
        if (c.toFile) {
            EXPECT_EQ(platform.transcript().back(), c.saveDialog);
            EXPECT_EQ(folder.read("out"), c.text);
        } else {
            EXPECT_EQ(platform.clipboard, QString::fromStdString(c.text));
            platform.saveFileAnswers.clear();
        }
    }
}

// Each export proposes its own last name in the last folder saved to, never the dictionaries'.
TEST_F(MainWindowNotationTest, ExportsProposeTheirOwnNameInTheLastSaveFolder) {
    showResult("Glo-ri-a");
    platform.onModal = [](QDialog& dialog) {
        Child<QRadioButton>(dialog, "fileButton")->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    };
    TempFolder elsewhere;
    platform.saveFileAnswers = {QString::fromStdString((elsewhere / "a.ly").string()), "", ""};
    action("actionExportLilyPond")->trigger();
    action("actionExportGabc")->trigger();
    action("actionExportLilyPond")->trigger();
    ASSERT_EQ(platform.fileRequests.size(), 3U);
    const QString dictionaries = QString::fromStdString(folder.path().string());
    const QString saved = QString::fromStdString(elsewhere.path().string());
    EXPECT_NE(platform.fileRequests[0].folder, dictionaries);
    EXPECT_EQ(platform.fileRequests[1].folder, saved);
    EXPECT_EQ(platform.fileRequests[1].initialFile, "");
    EXPECT_EQ(platform.fileRequests[2].folder, saved);
    EXPECT_EQ(platform.fileRequests[2].initialFile, "a.ly");
}

TEST_F(MainWindowNotationTest, LaysOntoANewFileBesideTheScore) {
    folder.write("hymn.musicxml", Score(3));
    showResult("Glo-ri-a");
    platform.openFileAnswers.push_back(file("hymn.musicxml"));
    answerLayDialog(2, false);
    platform.saveFileAnswers.push_back(file("hymn-lyrics.mxl"));
    action("actionLayLyrics")->trigger();

    EXPECT_EQ(
        platform.transcript(),
        (Lines{"open-file: " + kScoreFilter, "modal: layLyricsDialog", "save-file: " + kScoreFilter,
               "information: Laid 3 syllables on part P1, voice 1, verse 2."}));
    EXPECT_EQ(platform.fileRequests.back().initialFile, file("hymn-lyrics.musicxml"));
    EXPECT_EQ(folder.read("hymn.musicxml"), Score(3));
    EXPECT_TRUE(folder.read("hymn-lyrics.mxl").starts_with("PK"));
}

TEST_F(MainWindowNotationTest, AsksBeforeReplacingTheOriginalOrAVerse) {
    const std::string withVerse = Score(1, "<lyric number=\"1\"><text>old</text></lyric>");
    const struct {
        std::deque<bool> answers;
        std::string laidText; // in the file afterwards, empty: the file as it was
    } cases[] = {
        {{false}, ""},        // keep the original
        {{true, false}, ""},  // overwrite it, but keep verse 1
        {{true, true}, "new"} // overwrite it and replace verse 1
    };
    for (const auto& c : cases) {
        folder.write("hymn.xml", withVerse);
        showResult("new");
        platform.openFileAnswers.push_back(file("hymn.xml"));
        answerLayDialog(1, false);
        platform.saveFileAnswers.push_back(file("hymn.xml"));
        platform.yesNoAnswers = c.answers;
        action("actionLayLyrics")->trigger();
        const std::string bytes = folder.read("hymn.xml");
        if (c.laidText.empty())
            EXPECT_EQ(bytes, withVerse);
        else
            EXPECT_NE(bytes.find("<text>" + c.laidText + "</text>"), std::string::npos) << bytes;
    }
    EXPECT_EQ(platform.transcript()[3],
              "yes-no: Replace the original score " + file("hymn.xml").toStdString() + "?");
    EXPECT_EQ(platform.transcript()[4],
              "yes-no: Verse 1 of part P1, voice 1 already has lyrics. Replace them?");
}

TEST_F(MainWindowNotationTest, BadScoresAreReportedAndNothingIsWritten) {
    const struct {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"not xml", "error: Not a MusicXML score: "},
        {std::string("PK\x03\x04", 4) + "cut", "error: The compressed score is damaged ("},
        {test_support::ZipArchive(
             {{"META-INF/container.xml", test_support::ContainerNaming("s.xml"), {}, true, {}},
              {"s.xml", Score(1), std::uint64_t{1} << 63, true, {}}}),
         "error: The compressed score is too large (s.xml unpacks to more than 256 MB)"},
        {test_support::ZipArchive(
             {{"META-INF/container.xml", test_support::ContainerNaming("../s.xml"), {}, true, {}}}),
         "error: The compressed score is damaged (its container names the score ../s.xml"},
    };
    for (const auto& c : cases) {
        folder.write("bad.mxl", c.bytes);
        showResult("a");
        platform.openFileAnswers.push_back(file("bad.mxl"));
        action("actionLayLyrics")->trigger();
        ASSERT_EQ(platform.transcript().size(), 2u);
        EXPECT_TRUE(platform.transcript()[1].starts_with(c.message)) << platform.transcript()[1];
        EXPECT_EQ(result()->toPlainText(), QStringLiteral("a"));
    }
    EXPECT_FALSE(folder.exists("bad-lyrics.mxl"));
}

} // namespace
} // namespace cantiva::ui
