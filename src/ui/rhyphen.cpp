#include "ui/rhyphen.h"

#include "dictionaries/compile_lock.h"
#include "dictionaries/language.h"
#include "dictionaries/missing_dictionary.h"
#include "engine/run.h"
#include "text/io_error.h"
#include "ui/memory_guard.h"
#include "ui/pane_codec.h"
#include "ui/uAbout.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace cantiva::ui {
namespace {

using dictionaries::Language;

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 382;
constexpr int kLogItemHeight = 13;

QString FromCore(std::string_view cp1251) {
    return CoreToPane(cp1251);
}

QString FromAscii(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// The window font: the designer's "MS Sans Serif" 8 pt, fixed at 11 pixels so the layout does
// not grow with the desktop's font settings; fontconfig picks the nearest sans serif face.
QFont WindowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QPlainTextEdit* MakePane(QWidget* parent, const char* name, QRect geometry, bool readOnly) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setGeometry(geometry);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabChangesFocus(true);
    pane->setReadOnly(readOnly);
    return pane;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// The run's progress and its one message, shown as it happens.
class WindowRunObserver final : public engine::RunObserver {
public:
    WindowRunObserver(QWidget* window, Platform& platform, QProgressBar* bar)
        : window_(window), platform_(platform), bar_(bar) {}
    void information(std::string_view message) override {
        platform_.information(window_, FromCore(message));
    }
    void progressRange(int minimum, int maximum) override {
        bar_->setRange(minimum, maximum);
        paintStep_ = std::max(1, (maximum - minimum) / 100);
        painted_ = minimum;
    }
    // The run keeps the event loop waiting, so the bar is painted by hand, about once a percent.
    void progressPosition(int position) override {
        bar_->setValue(position);
        if (position - painted_ >= paintStep_) {
            painted_ = position;
            bar_->repaint();
        }
    }

private:
    QWidget* window_;
    Platform& platform_;
    QProgressBar* bar_;
    int paintStep_ = 1;
    int painted_ = 0;
};

} // namespace

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(".") {
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    buildControls();
    buildMenus();
    setTabOrder();

    OpenDialog1.filter =
        QStringLiteral("Text file (*.txt);;Exception dictionary (*.xcp);;All files (*)");
    SaveDialog1.filter = QStringLiteral("Text file (*.txt);;All files (*)");
    SaveDialog1.defaultSuffix = QStringLiteral("txt");
    SaveDialog1.confirmOverwrite = true;

    FormCreate();
    showCaption();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    // The client area fixes the window's size: single border, no resizing, no maximise.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    RichEdit1 = MakePane(client, "RichEdit1", {7, 1, 405, 170}, false);
    RichEdit1->setFont(WindowFont());
    RichEdit2 = MakePane(client, "RichEdit2", {7, 181, 405, 170}, true);

    GroupBox1 = new QGroupBox(QStringLiteral("Select dictionary"), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(419, 3, 209, 81);
    rbRussian = MakeRadio(GroupBox1, "rbRussian", "Russian", {16, 17, 80, 17});
    rbEnglish = MakeRadio(GroupBox1, "rbEnglish", "English", {17, 37, 80, 17});
    rbLatin = MakeRadio(GroupBox1, "rbLatin", "Latin", {18, 57, 80, 17});
    rbUSA = MakeRadio(GroupBox1, "rbUSA", "American", {104, 17, 97, 17});
    rbUSA2 = MakeRadio(GroupBox1, "rbUSA2", "French", {104, 37, 97, 17});
    rbGerman = MakeRadio(GroupBox1, "rbGerman", "German", {104, 57, 97, 17});
    rbRussian->setChecked(true);

    ListBox1 = new QListWidget(client);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(419, 86, 209, 237);
    ListBox1->setUniformItemSizes(true);

    btClear = MakeButton(client, "btClear", "Clear", {419, 328, 102, 25});
    btQuit = MakeButton(client, "btQuit", "Quit", {528, 328, 101, 24});

    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 360, 622, 15);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TForm1::RichEdit1Change);
    connect(RichEdit2, &QPlainTextEdit::textChanged, this, &TForm1::RichEdit2Change);
    connect(btClear, &QPushButton::clicked, this, &TForm1::btClearClick);
    connect(btQuit, &QPushButton::clicked, this, &TForm1::btQuitClick);
    connectCommand(rbRussian, &QRadioButton::clicked, &TForm1::rbRussianClick,
                   "switch the language");
    connectCommand(rbEnglish, &QRadioButton::clicked, &TForm1::rbEnglishClick,
                   "switch the language");
    connectCommand(rbLatin, &QRadioButton::clicked, &TForm1::rbLatinClick, "switch the language");
    connectCommand(rbUSA, &QRadioButton::clicked, &TForm1::rbUSAClick, "switch the language");
    connect(rbUSA2, &QRadioButton::clicked, this, &TForm1::rbUSA2Click);
    connect(rbGerman, &QRadioButton::clicked, this, &TForm1::rbGermanClick);
}

template <class Signal, class Sender>
void TForm1::connectCommand(Sender* sender, Signal signal, void (TForm1::*handler)(),
                            const char* task) {
    connect(sender, signal, this, [this, handler, task] {
        RunGuardingMemory(platform_, this, task, [&] { (this->*handler)(); });
    });
}

QAction* TForm1::addMenuItem(QMenu* menu, const char* caption, const char* name,
                             const QKeySequence& shortcut, void (TForm1::*handler)(),
                             const char* task) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connectCommand(action, &QAction::triggered, handler, task);
    return action;
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The panes must not take the menu shortcuts (Insert above all) for themselves.
    bar->setNativeMenuBar(false);

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    miHyphenate = addMenuItem(file, "&Hyphenate", "miHyphenate", QKeySequence(Qt::Key_Insert),
                              &TForm1::miHyphenateClick, "hyphenate the text");
    Editcustomdictionary1 =
        addMenuItem(file, "&Edit custom dictionary", "Editcustomdictionary1", Qt::CTRL | Qt::Key_E,
                    &TForm1::Editcustomdictionary1Click, "edit the dictionary of exceptions");
    Open1 = addMenuItem(file, "&Open source", "Open1", Qt::CTRL | Qt::Key_O, &TForm1::Open1Click,
                        "open the file");
    Saveresult1 = addMenuItem(file, "&Save result to file", "Saveresult1", Qt::CTRL | Qt::Key_S,
                              &TForm1::Saveresult1Click, "save the result");
    miScoreOutput =
        addMenuItem(file, "Export as Score &macro", "miScoreOutput", Qt::CTRL | Qt::Key_M,
                    &TForm1::miScoreOutputClick, "export the SCORE macro");
    ExportFinaleLyrics1 =
        addMenuItem(file, "Export as &Finale Lyrics", "ExportFinaleLyrics1", Qt::CTRL | Qt::Key_F,
                    &TForm1::ExportFinaleLyrics1Click, "export the Finale lyrics");
    Exit2 = addMenuItem(file, "E&xit", "Exit2", {}, &TForm1::Exit2Click, "close the window");

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    miLog = addMenuItem(options, "&Show hyphenation log", "miLog", {}, &TForm1::miLogClick,
                        "change the log setting");
    miLog->setCheckable(true);
    miLog->setChecked(true);
    Regeneratepatterns1 = addMenuItem(options, "&Rebuild main dictionary", "Regeneratepatterns1",
                                      QKeySequence(Qt::Key_F9), &TForm1::Regeneratepatterns1Click,
                                      "rebuild the main dictionary");
    Patterndictinfo1 =
        addMenuItem(options, "&Main dictionary info", "Patterndictinfo1", {},
                    &TForm1::Patterndictinfo1Click, "show the dictionary information");
    miRegenXPatterns = addMenuItem(options, "R&ebuild dictionary of exceptions", "miRegenXPatterns",
                                   QKeySequence(Qt::Key_F8), &TForm1::miRegenXPatternsClick,
                                   "rebuild the dictionary of exceptions");
    Exceptionsdictinfo1 =
        addMenuItem(options, "E&xceptions dictionary info", "Exceptionsdictinfo1", {},
                    &TForm1::Exceptionsdictinfo1Click, "show the dictionary information");

    // "About" is a command of the bar itself, without a drop-down.
    miAbout = bar->addAction(QStringLiteral("About"));
    miAbout->setObjectName(QStringLiteral("miAbout"));
    connect(miAbout, &QAction::triggered, this, &TForm1::miAboutClick);

    miHyphenate->setEnabled(false);
    Saveresult1->setEnabled(false);
    miScoreOutput->setEnabled(false);
    ExportFinaleLyrics1->setEnabled(false);
}

void TForm1::setTabOrder() {
    QWidget* order[] = {btQuit, ListBox1, rbRussian,    rbEnglish, rbLatin,   rbUSA,
                        rbUSA2, rbGerman, ProgressBar1, RichEdit1, RichEdit2, btClear};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TForm1::FormCreate() {
    try {
        state_.open();
    } catch (const dictionaries::MissingDictionaryError& e) {
        // The window never appears: the box has no parent.
        platform_.error(nullptr, FromCore(e.what()));
        return;
    } catch (const IoError& e) {
        ReportIoError(e);
    }
    showLoadWarning();
}

void TForm1::showLoadWarning() {
    if (std::optional<std::string> warning = state_.takeLoadWarning())
        platform_.warning(this, FromCore(*warning));
}

void TForm1::FormDestroy() {
    state_.release();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        ActivateMemo();
    }
}

void TForm1::showCaption() {
    setWindowTitle(FromCore(dictionaries::WindowCaption(state_.currentLanguage())));
}

void TForm1::ActivateMemo() {
    showCaption();
    SelectButton(state_.currentLanguage());
    RichEdit1->setFocus();
    if (!state_.logAllowed) {
        // Nothing enables these again: the log and the main dictionary's maintenance stay out of
        // reach for the rest of the session.
        miLog->setEnabled(false);
        Regeneratepatterns1->setEnabled(false);
        Patterndictinfo1->setEnabled(false);
    }
}

void TForm1::SelectButton(Language language) {
    switch (language) {
    case Language::Russian:
        rbRussian->setChecked(true);
        break;
    case Language::English:
        rbEnglish->setChecked(true);
        break;
    case Language::Latin:
        rbLatin->setChecked(true);
        break;
    case Language::American:
        rbUSA->setChecked(true);
        break;
    }
}

void TForm1::RichEdit1Change() {
    miHyphenate->setEnabled(!RichEdit1->document()->isEmpty());
}

void TForm1::RichEdit2Change() {
    const bool hasResult = !RichEdit2->document()->isEmpty();
    Saveresult1->setEnabled(hasResult);
    miScoreOutput->setEnabled(hasResult);
    ExportFinaleLyrics1->setEnabled(hasResult);
    miHyphenate->setEnabled(hasResult);
}

void TForm1::btClearClick() {
    RichEdit1->clear();
    RichEdit2->clear();
    RichEdit1->setFocus();
}

void TForm1::btQuitClick() {
    close();
}

void TForm1::Exit2Click() {
    close();
}

void TForm1::miLogClick() {
    // The check mark has already been inverted by the action itself.
    state_.logAllowed = false;
}

void TForm1::miAboutClick() {
    if (others_.about)
        platform_.showModal(*others_.about);
}

void TForm1::Open1Click() {
    const QString name = platform_.openFileName(this, OpenDialog1);
    if (name.isEmpty())
        return;
    OpenDialog1.initialFile = name;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        platform_.error(this, QStringLiteral("Cannot open file %1").arg(name));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        platform_.error(this, QStringLiteral("Failed to Load Stream"));
        return;
    }
    RichEdit1->setPlainText(FileBytesToPane(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void TForm1::miHyphenateClick() {
    StartHyph();
}

void TForm1::StartHyph() {
    if (RichEdit1->document()->isEmpty()) {
        platform_.beep();
        return;
    }
    ListBox1->clear();
    Hyphenate1();
}

void TForm1::Hyphenate1() {
    BusyCursor busy(platform_);
    const QString paneText = PaneText(*RichEdit1);
    const text::Cp1251Text input = PaneToCore(paneText);
    WindowRunObserver observer(this, platform_, ProgressBar1);
    const engine::RunResult run =
        engine::RunHyphenation(input.bytes, state_, miLog->isEnabled(), &observer);

    // The log lines written before a stop stay as well.
    for (const std::string& line : run.log) {
        auto* item = new QListWidgetItem(FromCore(line), ListBox1);
        item->setSizeHint(QSize(0, kLogItemHeight));
    }
    ProgressBar1->setValue(0);

    switch (run.status) {
    case engine::RunStatus::Done:
        RichEdit2->setPlainText(CoreToPane(run.paneText, input.foreign));
        break;
    case engine::RunStatus::EmptyAfterTrim:
        platform_.beep();
        break;
    case engine::RunStatus::WordTooLong: {
        platform_.warning(this, FromCore(engine::kWordTooLongMessage));
        // The user's text stays; the offending word is selected so it can be fixed in place.
        QTextCursor cursor = RichEdit1->textCursor();
        cursor.setPosition(static_cast<int>(PanePositionOf(paneText, run.wordStart)));
        cursor.setPosition(
            static_cast<int>(PanePositionOf(paneText, run.wordStart + run.wordLength)),
            QTextCursor::KeepAnchor);
        RichEdit1->setTextCursor(cursor);
        RichEdit1->setFocus();
        break;
    }
    case engine::RunStatus::IoFailure:
        ReportIoError(IoError(run.ioCode));
        break;
    }
}

void TForm1::ReportIoError(const IoError& error) {
    platform_.error(this, FromAscii(IoErrorMessage(error.code())));
}

void TForm1::EndForMissingDictionary(const dictionaries::MissingDictionaryError& error) {
    state_.startupFailed = true;
    platform_.error(this, FromCore(error.what()));
    close();
    QCoreApplication::exit(0);
}

void TForm1::SwitchLanguage(Language language) {
    try {
        if (!state_.switchLanguage(language))
            return;
    } catch (const dictionaries::MissingDictionaryError& e) {
        EndForMissingDictionary(e);
        return;
    } catch (const IoError& e) {
        // The new language is current, its exceptions unusable; the caption and the buttons
        // still tell which language is loaded.
        ReportIoError(e);
    }
    showLoadWarning();
    showCaption();
    RichEdit1->setFocus();
    SelectButton(state_.currentLanguage());
}

void TForm1::RefuseLanguage() {
    platform_.beep();
    platform_.message(this, FromCore(dictionaries::kRefusedLanguageMessage));
    SelectButton(state_.currentLanguage());
    RichEdit1->setFocus();
}

void TForm1::rbRussianClick() {
    SwitchLanguage(Language::Russian);
}

void TForm1::rbEnglishClick() {
    SwitchLanguage(Language::English);
}

void TForm1::rbLatinClick() {
    SwitchLanguage(Language::Latin);
}

void TForm1::rbUSAClick() {
    SwitchLanguage(Language::American);
}

void TForm1::rbUSA2Click() {
    RefuseLanguage();
}

void TForm1::rbGermanClick() {
    RefuseLanguage();
}

} // namespace cantiva::ui
