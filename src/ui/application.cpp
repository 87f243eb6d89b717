#include "ui/application.h"

#include "ui/about_dialog.h"
#include "ui/dictionary_info_dialog.h"
#include "ui/exception_entry_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/finale_export_dialog.h"
#include "ui/lay_lyrics_dialog.h"
#include "ui/main_window.h"
#include "ui/notation_export_dialog.h"
#include "ui/score_export_dialog.h"

#include <QApplication>

namespace cantiva::ui {

int RunApplication(Platform& platform, const QString& file) {
    MainWindow mainWindow(platform);
    if (mainWindow.startupFailed())
        return 0;

    DictionaryInfoDialog dictionaryInfo(platform, mainWindow.state(), &mainWindow);
    ExceptionsEditor exceptionsEditor(platform, mainWindow.state(), &mainWindow);
    ExceptionEntryDialog entryDialog(platform, &mainWindow);
    exceptionsEditor.setEntryDialog(entryDialog);
    AboutDialog about(&mainWindow);
    ScoreExportDialog scoreExport(platform, &mainWindow);
    FinaleExportDialog finaleExport(&mainWindow);
    NotationExportDialog lilyPondExport(QStringLiteral("Export as LilyPond lyrics"),
                                        QStringLiteral("lilyPondExportDialog"), &mainWindow);
    NotationExportDialog gabcExport(QStringLiteral("Export as gabc"),
                                    QStringLiteral("gabcExportDialog"), &mainWindow);
    LayLyricsDialog layLyrics(&mainWindow);
    mainWindow.setDialogs({&dictionaryInfo, &exceptionsEditor, &entryDialog, &about, &scoreExport,
                           &finaleExport, &lilyPondExport, &gabcExport, &layLyrics});

    mainWindow.show();
    if (!file.isEmpty())
        mainWindow.openFile(file);
    return QApplication::exec();
}

} // namespace cantiva::ui
