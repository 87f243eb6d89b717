// Fixing a word where it is wrong: a word of the result pane, divided anew by the user, becomes an
// exception of the current language (the entry dialog's rules, then the editor's save and
// compile), so the next run divides it so.
#include "dictionaries/exceptions_source.h"
#include "io/file_io.h"
#include "io/io_error.h"
#include "ui/cp1251_string.h"
#include "ui/exception_entry_dialog.h"
#include "ui/io_error_report.h"
#include "ui/main_window.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace cantiva::ui {
namespace {

bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('-') || c == QLatin1Char('\'') ||
           c == QChar(0x2019);
}

// The word of `pane` at `position`, hyphens included: its start and length (0 when none).
std::pair<int, int> WordAt(const QString& pane, int position) {
    int start = std::min(position, static_cast<int>(pane.size()));
    if (start == pane.size() || !IsWordCharacter(pane.at(start)))
        --start; // just after the word
    if (start < 0 || !IsWordCharacter(pane.at(start)))
        return {position, 0};
    int end = start;
    while (start > 0 && IsWordCharacter(pane.at(start - 1)))
        --start;
    while (end < pane.size() && IsWordCharacter(pane.at(end)))
        ++end;
    // Hyphens at its ends belong to the line, not to the word.
    while (start < end && pane.at(start) == QLatin1Char('-'))
        ++start;
    while (end > start && pane.at(end - 1) == QLatin1Char('-'))
        --end;
    return {start, end - start};
}

} // namespace

void MainWindow::fixWordInResult() {
    const QString pane = resultPane_->toPlainText();
    const auto [start, length] = WordAt(pane, resultPane_->textCursor().position());
    if (length == 0 || dialogs_.entryDialog == nullptr || resultStale_) {
        platform_.beep();
        return;
    }
    const dictionaries::Language language = state_.currentLanguage();
    ExceptionEntryDialog& dialog = *dialogs_.entryDialog;
    dialog.setLanguage(language);
    dialog.setResult(QDialog::Rejected);
    dialog.edit(QStringLiteral("Fix the division"), pane.mid(start, length));
    if (dialog.result() != QDialog::Accepted)
        return;
    const QString fixed = dialog.text().trimmed();
    const QString name =
        QString::fromLatin1(dictionaries::LanguageInfoOf(language).languageName).trimmed();
    if (!platform_.warningYesNo(this,
                                QStringLiteral("Save %1 as an exception of %2?").arg(fixed, name)))
        return;
    if (!saveFixedWord(ToCodePage(fixed, *dictionaries::LanguageInfoOf(language).codePage)))
        return;
    // One edit of the pane, so Ctrl+Z takes it back.
    QTextCursor cursor(resultPane_->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(fixed);
    showStatus(QStringLiteral("%1 is an exception of %2 now").arg(fixed, name));
}

bool MainWindow::saveFixedWord(const std::string& entry) {
    return RunReportingFileErrors(platform_, this, [&] {
        std::string source;
        try {
            source = ReadWholeFile(state_.pathOf(dictionaries::DictFile::ExceptionsSource));
        } catch (const IoError& e) {
            if (e.code() != io_code::kFileNotFound)
                throw; // a list that is there but unreadable is not replaced
        }
        state_.saveExceptions(dictionaries::WithException(
            dictionaries::ExceptionsSourceEntries(source), entry, state_.currentLanguage()));
    });
}

} // namespace cantiva::ui
