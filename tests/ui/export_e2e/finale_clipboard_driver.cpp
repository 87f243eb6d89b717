// Plays the user of the real program under an X server: types a text into the input pane, runs
// "Hyphenate", exports the Finale lyrics to the clipboard (OK in the dialog) and then asks another
// program, xclip, for the system clipboard. Exit status 0 when xclip reads the expected bytes.
//
// usage: finale_clipboard_driver INPUT_UTF8_FILE EXPECTED_FILE
#include "ui/application.h"
#include "ui/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QByteArray ReadFile(const char* name) {
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QWidget* TopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

void Fail(const char* what) {
    std::fprintf(stderr, "finale_clipboard_driver: %s\n", what);
    QCoreApplication::exit(1);
}

// Presses OK in the Finale dialog as soon as it is the modal window.
void AcceptFinaleDialogWhenShown() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("finaleExportDialog") ||
            !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        modal->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    poll->start(50);
}

void ReadClipboardWithXclip(const QByteArray& expected) {
    auto* xclip = new QProcess(qApp);
    QObject::connect(xclip, &QProcess::finished, [xclip, expected](int code) {
        const QByteArray got = xclip->readAllStandardOutput();
        if (code != 0) {
            Fail("xclip failed");
            return;
        }
        if (got != expected) {
            std::fprintf(stderr, "clipboard:\n%s\nexpected:\n%s\n", got.toHex(' ').constData(),
                         expected.toHex(' ').constData());
            Fail("the clipboard does not hold the converted text");
            return;
        }
        QCoreApplication::exit(0);
    });
    // Asynchronous, so this process keeps answering the clipboard request it owns.
    xclip->start(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
}

void PlayTheUser(const QString& input, const QByteArray& expected) {
    QWidget* mainWindow = TopLevel("mainWindow");
    if (!mainWindow || !mainWindow->isVisible()) {
        QTimer::singleShot(100, [input, expected] { PlayTheUser(input, expected); });
        return;
    }
    mainWindow->findChild<QPlainTextEdit*>(QStringLiteral("inputPane"))->setPlainText(input);
    mainWindow->findChild<QAction*>(QStringLiteral("actionHyphenate"))->trigger();
    QAction* finale = mainWindow->findChild<QAction*>(QStringLiteral("actionExportFinale"));
    if (!finale->isEnabled()) {
        Fail("no result after the run");
        return;
    }
    AcceptFinaleDialogWhenShown();
    finale->trigger(); // returns once the dialog closed and the clipboard was set
    ReadClipboardWithXclip(expected);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: finale_clipboard_driver INPUT_UTF8_FILE EXPECTED_FILE\n");
        return 2;
    }
    const QString input = QString::fromUtf8(ReadFile(argv[1]));
    const QByteArray expected = ReadFile(argv[2]);
    if (input.isEmpty() || expected.isEmpty()) {
        std::fprintf(stderr, "finale_clipboard_driver: empty input or expectation\n");
        return 2;
    }
    QTimer::singleShot(60000, [] { Fail("timed out"); });
    QTimer::singleShot(0, [input, expected] { PlayTheUser(input, expected); });

    cantiva::ui::QtPlatform platform;
    return cantiva::ui::RunApplication(platform);
}
