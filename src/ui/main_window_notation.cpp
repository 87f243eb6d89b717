// The main window's commands for today's notation programs: LilyPond lyrics, gabc, and lyrics
// laid onto a MusicXML score.
#include "export/pane_text.h"
#include "export/user_file.h"
#include "io/file_io.h"
#include "notation/gabc_score.h"
#include "notation/lilypond_lyrics.h"
#include "notation/lyric_laying.h"
#include "ui/file_choice.h"
#include "ui/io_error_report.h"
#include "ui/lay_lyrics_dialog.h"
#include "ui/main_window.h"
#include "ui/notation_export_dialog.h"
#include "ui/pane_codec.h"
#include "ui/window_settings.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <optional>

namespace cantiva::ui {
namespace {

bool IsSameFile(const QString& a, const QString& b) {
    std::error_code ec;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath() ||
           std::filesystem::equivalent(LocalPath(a), LocalPath(b), ec);
}

} // namespace

void MainWindow::exportLilyPondLyrics() {
    exportNotationText(dialogs_.lilyPondExport, lilyPondFileRequest_, &notation::LilyPondLyrics);
}

void MainWindow::exportGabc() {
    exportNotationText(dialogs_.gabcExport, gabcFileRequest_, &notation::GabcScore);
}

void MainWindow::exportNotationText(NotationExportDialog* dialog, FileDialogRequest& fileRequest,
                                    std::string (*exportText)(std::string_view)) {
    const std::string pane = PaneText(*resultPane_).toStdString();
    if (exporting::IsBlankPane(pane)) {
        platform_.beep();
        return;
    }
    if (!dialog || platform_.showModal(*dialog) != QDialog::Accepted)
        return;

    // UTF-8 in the file too: LilyPond and Gregorio read nothing else.
    const std::string text = exportText(pane);
    if (dialog->toClipboard()) {
        platform_.setClipboardText(QString::fromStdString(text));
        return;
    }
    const QString fileName = ChooseFileToSave(platform_, this, fileRequest);
    if (fileName.isEmpty())
        return;
    try {
        exporting::WriteUserFile(LocalPath(fileName), text);
    } catch (const IoError& e) {
        ReportIoError(platform_, this, e);
    }
}

void MainWindow::layLyricsOntoScore() {
    const std::string pane = PaneText(*resultPane_).toStdString();
    if (exporting::IsBlankPane(pane)) {
        platform_.beep();
        return;
    }
    LayLyricsDialog* dialog = dialogs_.layLyrics;
    if (!dialog)
        return;
    const QString scoreName = ChooseFileToOpen(platform_, this, scoreFileRequest_);
    if (scoreName.isEmpty())
        return;
    std::optional<notation::ScoreContainer> score = readScore(scoreName);
    if (!score)
        return;
    dialog->setScore(scoreName, notation::ScoreParts(*score));
    if (platform_.showModal(*dialog) != QDialog::Accepted)
        return;
    notation::LayRequest request = dialog->request();

    const QString outName = chooseLaidScoreFile(scoreName);
    if (outName.isEmpty())
        return;
    const std::optional<notation::LayReport> report = layAskingToReplace(*score, pane, request);
    if (!report)
        return;
    try {
        exporting::WriteUserFile(LocalPath(outName),
                                 score->bytes(notation::ScoreFormOfName(outName.toStdString())));
    } catch (const IoError& e) {
        ReportIoError(platform_, this, e);
        return;
    } catch (const notation::ScoreError& e) {
        platform_.error(this, QString::fromStdString(e.what()));
        return;
    }
    platform_.information(this, QString::fromStdString(notation::LayReportText(*report, request)));
}

std::optional<notation::ScoreContainer> MainWindow::readScore(const QString& scoreName) {
    try {
        return notation::ScoreContainer(ReadWholeFile(LocalPath(scoreName)));
    } catch (const IoError& e) {
        ReportIoError(platform_, this, e);
    } catch (const notation::ScoreError& e) {
        platform_.error(this, QString::fromStdString(e.what()));
    }
    return std::nullopt;
}

QString MainWindow::chooseLaidScoreFile(const QString& scoreName) {
    // A new file beside the score; its own name only when the user says so.
    FileDialogRequest laidFile = scoreFileRequest_;
    laidFile.folder = QFileInfo(scoreName).absolutePath();
    laidFile.initialFile = FromLocalPath(notation::LaidScorePath(LocalPath(scoreName)));
    laidFile.defaultSuffix = QFileInfo(scoreName).suffix();
    const QString outName = platform_.saveFileName(this, laidFile);
    if (outName.isEmpty())
        return {};
    if (IsSameFile(outName, scoreName) &&
        !platform_.warningYesNo(this, QStringLiteral("Replace the original score %1?")
                                          .arg(QDir::toNativeSeparators(scoreName))))
        return {};
    settings::RememberSavedFile(outName);
    return outName;
}

std::optional<notation::LayReport> MainWindow::layAskingToReplace(notation::ScoreContainer& score,
                                                                  const std::string& pane,
                                                                  notation::LayRequest& request) {
    for (;;) {
        try {
            return notation::LayLyrics(score, pane, request);
        } catch (const notation::ScoreError& e) {
            const bool ask =
                e.kind() == notation::ScoreError::Kind::VerseTaken && !request.replaceVerse;
            if (ask && platform_.warningYesNo(this, QString::fromStdString(e.what()) +
                                                        QStringLiteral(". Replace them?"))) {
                request.replaceVerse = true;
                continue;
            }
            if (!ask)
                platform_.error(this, QString::fromStdString(e.what()));
            return std::nullopt;
        }
    }
}

} // namespace cantiva::ui
