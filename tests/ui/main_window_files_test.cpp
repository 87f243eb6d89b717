// What the main window tells the user about their text: the encoding a file was read in (and
// reading it in another), a result made of an older text, the language an undivided text's
// letters ask for, captions that read right, and a window that fits its screen.
#include "support/cp1251.h"
#include "ui/about_dialog.h"
#include "ui/dictionary_info_dialog.h"
#include "ui/exception_entry_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/finale_export_dialog.h"
#include "ui/lay_lyrics_dialog.h"
#include "ui/main_window.h"
#include "ui/notation_export_dialog.h"
#include "ui/score_export_dialog.h"
#include "ui/support/window_fixture.h"
#include "ui/window_settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextCursor>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace cantiva::ui {
namespace {

using dictionaries::Language;
using test_support::Child;
using test_support::ScriptedPlatform;
using test_support::W;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class MainWindowFilesTest : public test_support::WindowFixture {
protected:
    void SetUp() override { useTinyDictionaries(); }

    QString status() const { return window->statusBar()->currentMessage(); }
    void openNamed(const std::string& name) {
        platform.openFileAnswers.push_back(file(name.c_str()));
        action("actionSourceOpen")->trigger();
    }
    void run(const QString& text) {
        input()->setPlainText(text);
        action("actionHyphenate")->trigger();
    }
    bool exportsEnabled() const {
        for (const char* name : {"actionResultSave", "actionExportScore", "actionExportFinale",
                                 "actionExportLilyPond", "actionExportGabc", "actionLayLyrics"})
            if (!action(name)->isEnabled())
                return false;
        return true;
    }
};

TEST_F(MainWindowFilesTest, OpenReadsEachEncodingAndSaysWhichAndRefusesBinaries) {
    struct Case {
        const char* language;
        std::string bytes;
        const char* pane;
        const char* status;
    } cases[] = {
        {"russianButton", "\xEF\xBB\xBFМама", "Мама", "Opened song.txt (UTF-8)"},
        {"russianButton", std::string("\xFF\xFE\x1C\x04\x30\x04", 6), "Ма",
         "Opened song.txt (UTF-16)"},
        {"russianButton", W("Мама мыла"), "Мама мыла", "Opened song.txt (Windows-1251)"},
        {"germanButton", "R\xF6slein Pr\xEAte", "Röslein Prête", "Opened song.txt (Windows-1252)"},
        // A western file under Russian is not read as Cyrillic ("Rцslein").
        {"russianButton", "R\xF6slein Pr\xEAte", "Röslein Prête", "Opened song.txt (Windows-1252)"},
    };
    open();
    for (const Case& c : cases) {
        child<QRadioButton>(c.language)->click();
        folder.write("song.txt", c.bytes);
        openNamed("song.txt");
        EXPECT_EQ(input()->toPlainText(), Q(c.pane)) << c.status;
        EXPECT_EQ(status(), Q(c.status));
    }
    EXPECT_EQ(platform.count(ScriptedPlatform::Kind::Error), 0);

    folder.write("song.mxl", std::string("PK\x03\x04\0\0", 6));
    openNamed("song.mxl");
    EXPECT_EQ(platform.transcript().back(),
              "error: song.mxl is not a text file: it holds NUL bytes and is not UTF-16");
    EXPECT_EQ(input()->toPlainText(), Q("Röslein Prête")) << "the pane keeps its text";
}

TEST_F(MainWindowFilesTest, ReopenAsReadsTheFileAgainInTheChosenEncoding) {
    open();
    auto* reopen = child<QMenu>("menuReopen");
    EXPECT_FALSE(reopen->isEnabled()) << "nothing opened yet";
    folder.write("song.txt", "R\xF6slein");
    openNamed("song.txt");
    EXPECT_TRUE(reopen->isEnabled());
    const struct {
        const char* action;
        const char* pane;
        const char* status;
    } cases[] = {
        {"actionReopenWindows1251", "Rцslein", "Opened song.txt (Windows-1251)"},
        {"actionReopenUtf8", "R\uFFFDslein", "Opened song.txt (UTF-8)"},
        {"actionReopenWindows1252", "Röslein", "Opened song.txt (Windows-1252)"},
    };
    for (const auto& c : cases) {
        action(c.action)->trigger();
        EXPECT_EQ(input()->toPlainText(), Q(c.pane)) << c.action;
        EXPECT_EQ(status(), Q(c.status));
    }
}

TEST_F(MainWindowFilesTest, AChangedInputMarksTheResultStaleUntilTheNextRun) {
    folder.write("other.txt", "amam");
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(file("other.txt"))});
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"typing", [this] { input()->insertPlainText(Q(" мама")); }},
        {"Open", [this] { openNamed("other.txt"); }},
        {"a drop",
         [this, &drop] {
             QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &drop, Qt::LeftButton,
                                   Qt::NoModifier);
             QApplication::sendEvent(window.get(), &enter);
             QDropEvent event(QPointF(5, 5), Qt::CopyAction, &drop, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(window.get(), &event);
         }},
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        run(Q("мама"));
        ASSERT_EQ(result()->toPlainText(), Q("ма-ма\n"));
        EXPECT_FALSE(result()->property("stale").toBool());
        EXPECT_TRUE(exportsEnabled());

        c.change();
        EXPECT_EQ(result()->toPlainText(), Q("ма-ма\n")) << "kept, but marked";
        EXPECT_TRUE(result()->property("stale").toBool());
        EXPECT_NE(result()->palette().color(QPalette::Text),
                  window->palette().color(QPalette::Text));
        EXPECT_TRUE(status().endsWith(Q("The text has changed: press Hyphenate")))
            << status().toStdString();
        EXPECT_FALSE(exportsEnabled());
        EXPECT_TRUE(action("actionHyphenate")->isEnabled());

        action("actionHyphenate")->trigger();
        EXPECT_FALSE(result()->property("stale").toBool());
        EXPECT_TRUE(exportsEnabled());
        EXPECT_FALSE(status().endsWith(Q("The text has changed: press Hyphenate")));
    }
    // Clear empties both: nothing is stale, nothing to export.
    child<QPushButton>("clearButton")->click();
    EXPECT_FALSE(result()->property("stale").toBool());
    EXPECT_FALSE(action("actionResultSave")->isEnabled());
}

TEST_F(MainWindowFilesTest, AnUndividedTextInAnotherAlphabetOffersItsLanguage) {
    const struct {
        const char* selected;
        const char* text;
        const char* status; // empty: no offer
        Language offered;
    } cases[] = {
        {"englishButton", "Мама мыла раму", "These words look Russian: switch to Russian?",
         Language::Russian},
        {"russianButton", "Röslein süß", "These words look German: switch to German?",
         Language::German},
        {"russianButton", "bonjour", "These words look English: switch to English?",
         Language::English},
        {"russianButton", "мама bonjour", "", Language::Russian}, // a word was divided
        {"englishButton", "bonjour", "", Language::English},      // the alphabet fits
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        child<QRadioButton>(c.selected)->click();
        run(Q(c.text));
        auto* offer = child<QPushButton>("switchLanguageButton");
        EXPECT_EQ(status(), Q(c.status));
        EXPECT_EQ(offer->isVisible(), *c.status != '\0');
        if (!offer->isVisible())
            continue;
        offer->click();
        EXPECT_EQ(window->state().currentLanguage(), c.offered);
        EXPECT_FALSE(offer->isVisible());
    }
}

TEST_F(MainWindowFilesTest, AWordFixedInTheResultBecomesAnExceptionTheNextRunUses) {
    open();
    ExceptionEntryDialog entry(platform, window.get());
    window->setDialogs({.entryDialog = &entry});
    QString typed;
    QString offered; // what the dialog showed
    platform.onModal = [&](QDialog& dialog) {
        if (&dialog == &entry) {
            offered = Child<QLineEdit>(entry, "entryEdit")->text();
            Child<QLineEdit>(entry, "entryEdit")->setText(typed);
            Child<QPushButton>(entry, "okButton")->click();
        }
        return dialog.result();
    };
    const struct {
        const char* how;
        const char* offered; // as the run divided it
        const char* typed;
        bool saveAnswer;
        const char* pane;   // the result pane afterwards
        const char* source; // the exceptions list afterwards
    } cases[] = {
        {"F2", "Ма-ма", "мам-а", false, "Ма-ма, ма-ма\n", ""}, // not saved: nothing changes
        {"F2", "Ма-ма", "мм-а", true, "Ма-ма, ма-ма\n", ""},   // refused by the entry rules
        {"double-click", "Ма-ма", "Мам-а", true, "Мам-а, ма-ма\n", "Мам-а"},
        // The run divides by it now; a new fix of the same word (sung whole) takes its place.
        {"F2", "Мам-а", "мама", true, "мама, мам-а\n", "мама"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        run(Q("Мама, мама"));
        typed = Q(c.typed);
        platform.yesNoAnswers = {c.saveAnswer};
        QTextCursor cursor = result()->textCursor();
        cursor.setPosition(2);
        result()->setTextCursor(cursor);
        if (std::string_view(c.how) == "F2")
            action("actionWordFix")->trigger();
        else
            QTest::mouseDClick(result()->viewport(), Qt::LeftButton, {},
                               result()->cursorRect(cursor).center());
        EXPECT_EQ(offered, Q(c.offered));
        EXPECT_EQ(result()->toPlainText(), Q(c.pane));
        EXPECT_EQ(folder.exists("RHYPHEN.XCP") ? folder.read("RHYPHEN.XCP") : "", W(c.source));
    }
    // Ctrl+Z takes back the fix in the pane; the exception stays.
    action("actionUndoClear")->trigger();
    EXPECT_EQ(result()->toPlainText(), Q("Мам-а, мам-а\n"));
    EXPECT_EQ(folder.read("RHYPHEN.XCP"), W("мама"));
    run(Q("Мама"));
    EXPECT_EQ(result()->toPlainText(), Q("Мама\n"));
}

// Text shown in the user's display: no mojibake of UTF-8 read as Latin-1 or Windows-1252
// ("â€¦"), no C1 control characters, no replacement characters.
bool ReadsRight(const QString& text) {
    if (text.contains(QStringLiteral("\u00E2\u20AC")) || text.contains(QStringLiteral("\u00C3")) ||
        text.contains(QChar(0xFFFD)))
        return false;
    for (QChar c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            return false;
    return true;
}

void ExpectCaptionsReadRight(const QWidget& window) {
    SCOPED_TRACE(window.objectName().toStdString());
    EXPECT_TRUE(ReadsRight(window.windowTitle())) << window.windowTitle().toStdString();
    for (const QAction* a : window.findChildren<QAction*>())
        EXPECT_TRUE(ReadsRight(a->text())) << a->text().toStdString();
    for (const QMenu* m : window.findChildren<QMenu*>())
        EXPECT_TRUE(ReadsRight(m->title())) << m->title().toStdString();
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        EXPECT_TRUE(ReadsRight(b->text())) << b->text().toStdString();
    for (const QLabel* l : window.findChildren<QLabel*>())
        EXPECT_TRUE(ReadsRight(l->text())) << l->text().toStdString();
    for (const QGroupBox* g : window.findChildren<QGroupBox*>())
        EXPECT_TRUE(ReadsRight(g->title())) << g->title().toStdString();
}

TEST_F(MainWindowFilesTest, EveryMenuAndDialogCaptionReadsRight) {
    open();
    const QString ellipsis(QChar(0x2026));
    EXPECT_EQ(action("actionExportLilyPond")->text(), Q("Export as Lily&Pond lyrics") + ellipsis);
    ExpectCaptionsReadRight(*window);
    DictionaryInfoDialog info(platform, window->state(), window.get());
    ExceptionsEditor editor(platform, window->state(), window.get());
    ExceptionEntryDialog entry(platform, window.get());
    AboutDialog about(window.get());
    ScoreExportDialog score(platform, window.get());
    FinaleExportDialog finale(window.get());
    NotationExportDialog lilyPond(QStringLiteral("Export as LilyPond lyrics"),
                                  QStringLiteral("lilyPondExportDialog"), window.get());
    LayLyricsDialog lay(window.get());
    for (const QWidget* dialog : std::initializer_list<const QWidget*>{
             &info, &editor, &entry, &about, &score, &finale, &lilyPond, &lay})
        ExpectCaptionsReadRight(*dialog);
}

TEST_F(MainWindowFilesTest, ASizeSavedAtScaleTwoIsFittedIntoTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        // What a window saved at twice the scale of this screen looks like here: twice as big,
        // and placed above and left of it.
        MainWindow big(platform);
        big.setGeometry(screen.left() - 300, screen.top() - 200, screen.width() * 2,
                        screen.height() * 2);
        settings::SetMainWindowGeometry(big.saveGeometry());
    }
    open();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(screen.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
}

} // namespace
} // namespace cantiva::ui
