// The main window's text files and what it tells about its panes: opening a file in the encoding
// its bytes show (or one the user picks), the result marked as stale while the input changes,
// and the language the letters of an undivided text ask for.
#include "dictionaries/letters_language.h"
#include "text/cp1251.h"
#include "text/text_encoding.h"
#include "ui/main_window.h"
#include "ui/menu_item.h"
#include "ui/pane_codec.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace cantiva::ui {
namespace {

const QString kStaleMessage = QStringLiteral("The text has changed: press Hyphenate");

struct ReopenChoice {
    const char* caption;
    const char* name;
    text::TextEncoding encoding;
};

constexpr ReopenChoice kReopenChoices[] = {
    {"UTF-&8", "actionReopenUtf8", text::TextEncoding::Utf8},
    {"UTF-&16", "actionReopenUtf16", text::TextEncoding::Utf16LittleEndian},
    {"Windows-125&1 (Cyrillic)", "actionReopenWindows1251", text::TextEncoding::Windows1251},
    {"Windows-125&2 (Western)", "actionReopenWindows1252", text::TextEncoding::Windows1252},
};

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

void MainWindow::buildReopenMenu(QMenu& file) {
    reopenMenu_ = file.addMenu(QStringLiteral("&Reopen as"));
    reopenMenu_->setObjectName(QStringLiteral("menuReopen"));
    reopenMenu_->setEnabled(false);
    for (const ReopenChoice& choice : kReopenChoices)
        AddMenuItem(reopenMenu_, choice.caption, choice.name, {}, this,
                    [this, encoding = choice.encoding] { reopenAs(encoding); });
}

std::optional<QByteArray> MainWindow::readTextFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        platform_.error(this, QStringLiteral("Cannot open file %1").arg(name));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        platform_.error(this, QStringLiteral("Failed to Load Stream"));
        return std::nullopt;
    }
    return bytes;
}

void MainWindow::openFile(const QString& name) {
    const std::optional<QByteArray> bytes = readTextFile(name);
    if (!bytes)
        return;
    const std::optional<PaneFile> file = FileBytesToPane(
        View(*bytes), *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage);
    if (!file) {
        platform_.error(this, QStringLiteral("%1 is not a text file: it holds NUL bytes and is "
                                             "not UTF-16")
                                  .arg(QFileInfo(name).fileName()));
        return;
    }
    showOpenedFile(name, *file);
}

void MainWindow::reopenAs(text::TextEncoding encoding) {
    if (openedFile_.isEmpty())
        return;
    const std::optional<QByteArray> bytes = readTextFile(openedFile_);
    if (!bytes)
        return;
    // UTF-16 in the byte order its mark gives; little-endian without one.
    if (encoding == text::TextEncoding::Utf16LittleEndian && bytes->startsWith("\xFE\xFF"))
        encoding = text::TextEncoding::Utf16BigEndian;
    showOpenedFile(openedFile_, FileBytesToPaneAs(View(*bytes), encoding));
}

void MainWindow::showOpenedFile(const QString& name, const PaneFile& file) {
    ShowPaneText(*inputPane_, file.text);
    openedFile_ = name;
    reopenMenu_->setEnabled(true);
    const std::string_view encoding = text::EncodingName(file.encoding);
    QString message =
        QStringLiteral("Opened %1 (%2)")
            .arg(QFileInfo(name).fileName(),
                 QString::fromLatin1(encoding.data(), static_cast<qsizetype>(encoding.size())));
    if (resultStale_)
        message += QStringLiteral(". ") + kStaleMessage;
    showStatus(message);
}

void MainWindow::markResultStale(bool stale) {
    if (stale == resultStale_)
        return;
    resultStale_ = stale;
    resultPane_->setProperty("stale", stale);
    QPalette palette = resultPalette_;
    if (stale)
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    resultPane_->setPalette(palette);
    if (stale) {
        for (QAction* action : {actionResultSave_, actionExportScore_, actionExportFinale_,
                                actionExportLilyPond_, actionExportGabc_, actionLayLyrics_})
            action->setEnabled(false);
        statusBar()->showMessage(kStaleMessage);
    } else if (statusBar()->currentMessage().endsWith(kStaleMessage)) {
        statusBar()->clearMessage();
    }
    switchLanguageButton_->hide();
}

void MainWindow::offerLanguageOfTheLetters(const text::CodePageText& input,
                                           std::string_view resultText) {
    // A run that divides a word adds a hyphen; one that divided none gives the text back.
    if (resultText.size() > text::TrimView(input.bytes).size() + text::kCrLf.size())
        return;
    const text::CodePage& codePage =
        *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage;
    const std::optional<dictionaries::Language> suggested = dictionaries::LanguageOfTheLetters(
        text::CodePageToUtf8(input.bytes, input.foreign, codePage), state_.currentLanguage());
    if (!suggested || !languageButton(*suggested)->isEnabled())
        return;
    const QString name =
        QString::fromLatin1(dictionaries::LanguageInfoOf(*suggested).languageName).trimmed();
    statusBar()->showMessage(QStringLiteral("These words look %1: switch to %1?").arg(name));
    switchLanguageButton_->setText(QStringLiteral("Switch to %1").arg(name));
    suggestedLanguage_ = *suggested;
    switchLanguageButton_->show();
}

void MainWindow::takeSuggestedLanguage() {
    switchLanguageButton_->hide();
    statusBar()->clearMessage();
    languageButton(suggestedLanguage_)->click();
}

} // namespace cantiva::ui
