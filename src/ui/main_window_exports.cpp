// The main window's output commands: saving the result, the SCORE macro and the Finale lyrics.
#include "export/finale_lyrics.h"
#include "export/pane_text.h"
#include "export/score_macro.h"
#include "export/user_file.h"
#include "text/utf8_codec.h"
#include "ui/file_choice.h"
#include "ui/finale_export_dialog.h"
#include "ui/io_error_report.h"
#include "ui/main_window.h"
#include "ui/pane_codec.h"
#include "ui/score_export_dialog.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace cantiva::ui {

void MainWindow::saveResult() {
    // Not trimmed: a pane of line breaks or blanks alone is saved as it is.
    const QString paneText = PaneText(*resultPane_);
    if (paneText.isEmpty()) {
        platform_.beep();
        return;
    }
    const QString fileName = ChooseFileToSave(platform_, this, resultFileRequest_);
    if (fileName.isEmpty())
        return;

    const text::Cp1251Text core = PaneToCore(paneText);
    try {
        exporting::WriteUserFile(LocalPath(fileName),
                                 exporting::UserFileBytes(core.bytes, core.foreign));
        showStatus(QStringLiteral("Result saved to %1").arg(QFileInfo(fileName).fileName()));
    } catch (const exporting::UserFileError& e) {
        if (e.stage() == exporting::UserFileError::Stage::Create)
            platform_.error(
                this,
                QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(fileName)));
        else
            platform_.error(this, QStringLiteral("Failed to Save Stream"));
    }
}

void MainWindow::exportScoreMacro() {
    if (!dictionaries::LanguageInfoOf(state_.currentLanguage()).scoreMacro) {
        platform_.information(
            this, QString::fromUtf8(
                      exporting::kScoreMacroLanguageMessage.data(),
                      static_cast<qsizetype>(exporting::kScoreMacroLanguageMessage.size())));
        return;
    }
    ScoreExportDialog* form = dialogs_.scoreExport;
    if (!form)
        return;
    form->resetLists();
    form->setPaneTexts(PaneText(*inputPane_), PaneText(*resultPane_));
    platform_.showModal(*form);
}

void MainWindow::exportFinaleLyrics() {
    const text::Cp1251Text core = PaneToCore(PaneText(*resultPane_));
    if (exporting::IsBlankPane(core.bytes)) {
        platform_.beep();
        return;
    }
    FinaleExportDialog* form = dialogs_.finaleExport;
    if (!form || platform_.showModal(*form) != QDialog::Accepted)
        return;

    // Each line keeps its length, so the characters Windows-1251 cannot hold go back in place.
    const std::string lyrics = exporting::FinaleExportText(core.bytes, form->bindDashes());
    if (form->toClipboard()) {
        platform_.setClipboardText(
            QString::fromStdString(text::Cp1251ToUtf8(lyrics, core.foreign)));
        showStatus(QStringLiteral("Finale lyrics copied to the clipboard"));
        return;
    }

    // Its own name: proposing the result file's would let Enter overwrite the saved result.
    const QString fileName = ChooseFileToSave(platform_, this, finaleFileRequest_);
    if (fileName.isEmpty())
        return;
    try {
        exporting::WriteUserFile(LocalPath(fileName),
                                 exporting::UserFileBytes(lyrics, core.foreign));
        showStatus(QStringLiteral("Finale lyrics saved to %1").arg(QFileInfo(fileName).fileName()));
    } catch (const IoError& e) {
        ReportIoError(platform_, this, e);
    }
}

} // namespace cantiva::ui
