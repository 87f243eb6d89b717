// The main window's dictionary commands: the exceptions editor, the two compilations and the
// dictionary information window.
#include "dictionaries/dictionary_info.h"
#include "dictionaries/language.h"
#include "dictionaries/missing_dictionary_error.h"
#include "ui/dictionary_info_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/io_error_report.h"
#include "ui/main_window.h"

namespace cantiva::ui {

using dictionaries::LanguageInfoOf;

void MainWindow::editExceptions() {
    if (dialogs_.exceptionsEditor != nullptr)
        dialogs_.exceptionsEditor->editCurrentLanguage();
}

// No question first and no message box after: the compiled exceptions are simply renewed, and the
// status bar says so.
void MainWindow::rebuildExceptions() {
    if (!RunReportingFileErrors(platform_, this, [this] { state_.rebuildExceptions(); }))
        return;
    showStatus(QStringLiteral("Exceptions dictionary rebuilt: %1 entries")
                   .arg(state_.exceptionTexts().size()));
}

void MainWindow::rebuildMainDictionary() {
    const dictionaries::LanguageInfo& language = LanguageInfoOf(state_.currentLanguage());
    const QString question = "Regenerate" + QString::fromLatin1(language.promptName) + "patterns?";
    if (!platform_.warningYesNo(this, question))
        return;
    try {
        if (!RunReportingFileErrors(platform_, this, [this] { state_.rebuildMainDictionary(); }))
            return;
    } catch (const dictionaries::MissingDictionaryError& e) {
        closeForMissingDictionary(e);
        return;
    }
    showLoadWarning();
    platform_.information(this, "Patterns in \"" + QString::fromLatin1(language.baseName) +
                                    "\" regenerated successfully!");
}

void MainWindow::showMainDictionaryInfo() {
    if (dialogs_.dictionaryInfo != nullptr)
        dialogs_.dictionaryInfo->showListing(dictionaries::DictionaryKind::Main);
}

void MainWindow::showExceptionsInfo() {
    if (dialogs_.dictionaryInfo != nullptr)
        dialogs_.dictionaryInfo->showListing(dictionaries::DictionaryKind::Exceptions);
}

} // namespace cantiva::ui
