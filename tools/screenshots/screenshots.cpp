// The user guide's screenshots, grabbed from the real windows on Qt's offscreen platform:
//   screenshots DICT_DIR OUT_DIR
// The dictionaries are copied nowhere: the program reads them from DICT_DIR as usual.
#include "text/utf8_codec.h"
#include "ui/exception_entry_dialog.h"
#include "ui/exceptions_editor.h"
#include "ui/finale_export_dialog.h"
#include "ui/main_window.h"
#include "ui/platform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

class QuietPlatform final : public cantiva::ui::Platform {
public:
    void error(QWidget*, const QString&) override {}
    bool warningYesNo(QWidget*, const QString&) override { return false; }
    void information(QWidget*, const QString&) override {}
    void warning(QWidget*, const QString&) override {}
    void message(QWidget*, const QString&) override {}
    int question(QWidget*, const QString&, const QStringList& b) override {
        return static_cast<int>(b.size()) - 1;
    }
    void beep() override {}
    void pushBusyCursor() override {}
    void popBusyCursor() override {}
    QString openFileName(QWidget*, const cantiva::ui::FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const cantiva::ui::FileDialogRequest&) override { return {}; }
    void setClipboardText(const QString&) override {}
    int showModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        return QDialog::Accepted;
    }
};

void Save(QWidget& widget, const QString& file) {
    QApplication::processEvents();
    if (!widget.grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QSettings(QStringLiteral("Cantiva"), QStringLiteral("Cantiva")).clear(); // a first start
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshots DICT_DIR OUT_DIR\n");
        return 2;
    }
    const QDir out(QFile::decodeName(std::filesystem::absolute(argv[2]).c_str()));
    std::filesystem::current_path(argv[1]);
    QuietPlatform platform;

    cantiva::ui::MainWindow window(platform);
    window.resize(760, 460);
    window.show();
    // A Windows-1251 file, opened as the user would: the status line names its encoding.
    const std::filesystem::path song = std::filesystem::temp_directory_path() / "song.txt";
    {
        const std::string bytes = cantiva::text::Utf8ToCp1251("Ночь тиха, над рекой\r\n"
                                                              "Колокольчики звенели,\r\n"
                                                              "и луна золотая\r\n"
                                                              "проплывает над землёй.\r\n")
                                      .bytes;
        std::FILE* file = std::fopen(song.c_str(), "wb");
        if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
            return 1;
        std::fclose(file);
    }
    window.openFile(QFile::decodeName(song.c_str()));
    std::filesystem::remove(song);
    window.startHyphenation();
    Save(window, out.filePath("main-window.png"));

    // The input changed after the run: the result is greyed and not exported.
    window.findChild<QPlainTextEdit*>("inputPane")->appendPlainText(QString::fromUtf8("Тишина"));
    Save(window, out.filePath("stale-result.png"));

    // Russian words with English selected: the status line offers Russian.
    window.findChild<QRadioButton*>("englishButton")->click();
    window.startHyphenation();
    Save(window, out.filePath("language-hint.png"));
    window.findChild<QRadioButton*>("russianButton")->click();

    cantiva::ui::ExceptionEntryDialog entry(platform, &window);
    entry.edit(QStringLiteral("Edit"), QString::fromUtf8("мо-лк-о"));
    entry.findChild<QPushButton*>("okButton")->click();
    Save(entry, out.filePath("entry-refused.png"));
    entry.hide();

    cantiva::ui::ExceptionsEditor editor(platform, window.state(), &window);
    editor.reloadEntries();
    editor.show();
    Save(editor, out.filePath("exceptions-editor.png"));
    editor.hide();

    cantiva::ui::FinaleExportDialog finale(&window);
    finale.show();
    Save(finale, out.filePath("finale-export.png"));
    return 0;
}
