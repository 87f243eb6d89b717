// A whole run in the main window on Qt's offscreen platform: the text is opened as a file given
// on the command line, then File > Hyphenate is triggered. Prints the run's wall and CPU seconds
// (from the trigger until the result pane holds the text) and the process's peak memory.
//   window_run DICT_DIR TEXT_FILE [ru|en|la|us]
#include "ui/main_window.h"
#include "ui/platform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sys/resource.h>

namespace {

// Answers nothing and shows nothing; a message during the run is printed.
class SilentPlatform final : public cantiva::ui::Platform {
public:
    void error(QWidget*, const QString& t) override { print("error", t); }
    bool warningYesNo(QWidget*, const QString&) override { return false; }
    void information(QWidget*, const QString& t) override { print("information", t); }
    void warning(QWidget*, const QString& t) override { print("warning", t); }
    void message(QWidget*, const QString& t) override { print("message", t); }
    void beep() override {}
    void pushBusyCursor() override {}
    void popBusyCursor() override {}
    QString openFileName(QWidget*, const cantiva::ui::FileDialogRequest&) override { return file; }
    QString saveFileName(QWidget*, const cantiva::ui::FileDialogRequest&) override { return {}; }
    void setClipboardText(const QString&) override {}
    int question(QWidget*, const QString&, const QStringList& buttons) override {
        return static_cast<int>(buttons.size()) - 1;
    }
    int showModal(QDialog&) override { return QDialog::Rejected; }
    QString file;

private:
    static void print(const char* kind, const QString& t) {
        std::fprintf(stderr, "%s: %s\n", kind, qPrintable(t));
    }
};

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // the user's settings stay untouched
    QApplication app(argc, argv);
    QSettings(QStringLiteral("Cantiva"), QStringLiteral("Cantiva")).clear(); // a first start
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_run DICT_DIR TEXT_FILE [ru|en|la|us]\n");
        return 2;
    }
    SilentPlatform platform;
    platform.file = QFile::decodeName(std::filesystem::absolute(argv[2]).c_str());
    std::filesystem::current_path(argv[1]);
    cantiva::ui::MainWindow window(platform);
    window.show();
    QApplication::processEvents();
    const QString lang = argc > 3 ? QString::fromLatin1(argv[3]) : QStringLiteral("ru");
    const char* button = lang == "en"   ? "englishButton"
                         : lang == "la" ? "latinButton"
                         : lang == "us" ? "americanButton"
                                        : "russianButton";
    window.findChild<QRadioButton*>(button)->click();
    window.findChild<QAction*>("actionSourceOpen")->trigger();
    QApplication::processEvents();

    const auto wall = std::chrono::steady_clock::now();
    const double cpu = CpuSeconds();
    window.findChild<QAction*>("actionHyphenate")->trigger();
    QApplication::processEvents();
    const double cpuSeconds = CpuSeconds() - cpu;
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto* result = window.findChild<QPlainTextEdit*>("resultPane");
    std::printf("window run: %.2f s wall, %.2f s CPU, result %lld characters, peak %.0f MB\n",
                wallSeconds, cpuSeconds,
                static_cast<long long>(result->document()->characterCount()),
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
