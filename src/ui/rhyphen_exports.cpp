// The main window's output commands: saving the result, the SCORE macro and the Finale lyrics.
#include "export/finale_lyrics.h"
#include "export/pane_text.h"
#include "export/score_macro.h"
#include "export/user_file.h"
#include "text/utf8_codec.h"
#include "ui/pane_codec.h"
#include "ui/rhyphen.h"
#include "ui/uFinale.h"
#include "ui/uScore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace cantiva::ui {
namespace {

std::filesystem::path LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

void TForm1::Saveresult1Click() {
    // Not trimmed: a pane of line breaks or blanks alone is saved as it is.
    const QString paneText = PaneText(*RichEdit2);
    if (paneText.isEmpty()) {
        platform_.beep();
        return;
    }
    const QString fileName = platform_.saveFileName(this, SaveDialog1);
    if (fileName.isEmpty())
        return;
    SaveDialog1.initialFile = fileName;

    const text::Cp1251Text core = PaneToCore(paneText);
    try {
        exporting::WriteUserFile(LocalPath(fileName),
                                 exporting::UserFileBytes(core.bytes, core.foreign));
    } catch (const exporting::UserFileError& e) {
        if (e.stage() == exporting::UserFileError::Stage::Create)
            platform_.error(
                this,
                QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(fileName)));
        else
            platform_.error(this, QStringLiteral("Failed to Save Stream"));
    }
}

void TForm1::miScoreOutputClick() {
    if (state_.currentLanguage() != dictionaries::Language::Russian) {
        platform_.information(this, QStringLiteral("So far works only with Russian texts"));
        return;
    }
    TScoreForm* form = others_.score;
    if (!form)
        return;
    form->ComboBox1->setCurrentIndex(exporting::kScoreDefaultHyphen);
    form->ComboBox2->setCurrentIndex(exporting::kScoreDefaultFont);
    form->ComboBox3->setCurrentIndex(exporting::kScoreDefaultStaff);
    form->setPaneTexts(PaneText(*RichEdit1), PaneText(*RichEdit2));
    platform_.showModal(*form);
}

void TForm1::ExportFinaleLyrics1Click() {
    const text::Cp1251Text core = PaneToCore(PaneText(*RichEdit2));
    if (exporting::IsBlankPane(core.bytes)) {
        platform_.beep();
        return;
    }
    TtFormFinale* form = others_.finale;
    if (!form || platform_.showModal(*form) != QDialog::Accepted)
        return;

    // Each line keeps its length, so the characters Windows-1251 cannot hold go back in place.
    const std::string lyrics = exporting::FinaleExportText(core.bytes, form->cbEmDash->isChecked());
    if (form->rbClipboard->isChecked()) {
        platform_.setClipboardText(
            QString::fromStdString(text::Cp1251ToUtf8(lyrics, core.foreign)));
        return;
    }

    const QString fileName = platform_.saveFileName(this, SaveDialog1);
    if (fileName.isEmpty())
        return;
    SaveDialog1.initialFile = fileName;
    try {
        exporting::WriteUserFile(LocalPath(fileName),
                                 exporting::UserFileBytes(lyrics, core.foreign));
    } catch (const IoError& e) {
        ReportIoError(e);
    }
}

} // namespace cantiva::ui
