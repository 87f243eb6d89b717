#include "ui/main_window.h"

#include "dictionaries/language.h"
#include "dictionaries/missing_dictionary_error.h"
#include "engine/hyphenation_run.h"
#include "io/io_error.h"
#include "ui/about_dialog.h"
#include "ui/dialog_parts.h"
#include "ui/file_choice.h"
#include "ui/io_error_report.h"
#include "ui/memory_guard.h"
#include "ui/menu_item.h"
#include "ui/pane_codec.h"
#include "ui/placed_control.h"
#include "ui/stretching_area.h"
#include "ui/window_settings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <type_traits>
#include <utility>

namespace cantiva::ui {
namespace {

// The program's message, then the folder it looked in, so the user knows where the files belong.
QString MissingDictionaryText(const dictionaries::MissingDictionaryError& error) {
    return CoreToPane(error.what()) + QLatin1Char('\n') +
           QString::fromStdString(dictionaries::LookedInText(error));
}

using dictionaries::Language;

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 382;
constexpr int kLogItemHeight = 13;

constexpr int kStatusMilliseconds = 5000;

// The one local file of a drop, or empty when the drop is not exactly one local file.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool IsUndoKey(QEvent* event) {
    return (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
           static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo);
}

QPlainTextEdit* MakePane(QWidget* parent, const char* name, QRect geometry, bool readOnly) {
    auto* pane = Placed<QPlainTextEdit>(parent, name, geometry);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabChangesFocus(true);
    pane->setReadOnly(readOnly);
    return pane;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    return Placed<QRadioButton>(parent, name, geometry, QString::fromLatin1(caption));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = Placed<QPushButton>(parent, name, geometry, QString::fromLatin1(caption));
    button->setAutoDefault(false);
    return button;
}

// The run's progress and its one message, shown as it happens.
class WindowRunObserver final : public engine::RunObserver {
public:
    WindowRunObserver(QWidget* window, Platform& platform, QProgressBar* bar)
        : window_(window), platform_(platform), bar_(bar) {}
    void information(std::string_view message) override {
        platform_.information(window_, CoreToPane(message));
    }
    void progressRange(int minimum, int maximum) override {
        bar_->setRange(minimum, maximum);
        paintStep_ = std::max(1, (maximum - minimum) / 100);
        painted_ = minimum;
    }
    // The run keeps the event loop waiting, so the bar is painted by hand, about once a percent.
    // Setting the bar's value costs as much as dividing a word, so it moves only that often.
    void progressPosition(int position) override {
        if (position - painted_ < paintStep_ && position != bar_->maximum())
            return;
        painted_ = position;
        bar_->setValue(position);
        bar_->repaint();
    }

private:
    QWidget* window_;
    Platform& platform_;
    QProgressBar* bar_;
    int paintStep_ = 1;
    int painted_ = 0;
};

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(".") {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    applyTabOrder();

    openSourceRequest_.filter =
        QStringLiteral("Text file (*.txt);;Exception dictionary (*.xcp);;All files (*)");
    resultFileRequest_.filter = QStringLiteral("Text file (*.txt);;All files (*)");
    resultFileRequest_.defaultSuffix = QStringLiteral("txt");
    resultFileRequest_.confirmOverwrite = true;
    finaleFileRequest_ = resultFileRequest_;
    lilyPondFileRequest_.filter = QStringLiteral("LilyPond file (*.ly);;All files (*)");
    lilyPondFileRequest_.defaultSuffix = QStringLiteral("ly");
    lilyPondFileRequest_.confirmOverwrite = true;
    gabcFileRequest_.filter = QStringLiteral("gabc file (*.gabc);;All files (*)");
    gabcFileRequest_.defaultSuffix = QStringLiteral("gabc");
    gabcFileRequest_.confirmOverwrite = true;
    scoreFileRequest_.filter =
        QStringLiteral("MusicXML score (*.musicxml *.xml *.mxl);;All files (*)");
    scoreFileRequest_.confirmOverwrite = true;

    loadDictionaries();
    updateCaption();
    if (!startupFailed())
        restoreSettings();
}

MainWindow::~MainWindow() {
    state_.release();
}

template <class Command> auto MainWindow::guarded(const char* task, Command command) {
    return [this, task, command] {
        RunGuardingMemory(platform_, this, task, [&] {
            if constexpr (std::is_member_function_pointer_v<Command>)
                (this->*command)();
            else
                command();
        });
    };
}

void MainWindow::buildControls() {
    auto* client = new StretchingArea(QSize(kClientWidth, kClientHeight), this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);

    inputPane_ = MakePane(client, "inputPane", {7, 1, 405, 170}, false);
    resultPane_ = MakePane(client, "resultPane", {7, 181, 405, 170}, true);

    languageGroup_ = new QGroupBox(QStringLiteral("Select dictionary"), client);
    languageGroup_->setObjectName(QStringLiteral("languageGroup"));
    languageGroup_->setGeometry(419, 3, 209, 101);
    russianButton_ = MakeRadio(languageGroup_, "russianButton", "Russian", {16, 17, 80, 17});
    englishButton_ = MakeRadio(languageGroup_, "englishButton", "English", {17, 37, 80, 17});
    latinButton_ = MakeRadio(languageGroup_, "latinButton", "Latin", {18, 57, 80, 17});
    americanButton_ = MakeRadio(languageGroup_, "americanButton", "American", {104, 17, 97, 17});
    frenchButton_ = MakeRadio(languageGroup_, "frenchButton", "French", {104, 37, 97, 17});
    germanButton_ = MakeRadio(languageGroup_, "germanButton", "German", {104, 57, 97, 17});
    italianButton_ = MakeRadio(languageGroup_, "italianButton", "Italian", {18, 77, 80, 17});
    spanishButton_ = MakeRadio(languageGroup_, "spanishButton", "Spanish", {104, 77, 97, 17});
    russianButton_->setChecked(true);

    logList_ = new QListWidget(client);
    logList_->setObjectName(QStringLiteral("logList"));
    logList_->setGeometry(419, 106, 209, 217);
    logList_->setUniformItemSizes(true);

    hyphenateButton_ = MakeButton(client, "hyphenateButton", "Hyphenate", {419, 328, 81, 25});
    clearButton_ = MakeButton(client, "clearButton", "Clear", {504, 328, 60, 25});
    quitButton_ = MakeButton(client, "quitButton", "Quit", {568, 328, 60, 25});

    progressBar_ = new QProgressBar(client);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setGeometry(8, 360, 622, 15);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    stretchWithWindow(*client);
    nameForAccessibility();
    connectPanesAndButtons();
    for (Language language : dictionaries::kAllLanguages)
        connect(languageButton(language), &QRadioButton::clicked, this,
                guarded("switch the language", [this, language] { switchLanguage(language); }));
}

QRadioButton* MainWindow::languageButton(Language language) const {
    switch (language) {
    case Language::Russian:
        return russianButton_;
    case Language::English:
        return englishButton_;
    case Language::Latin:
        return latinButton_;
    case Language::American:
        return americanButton_;
    case Language::German:
        return germanButton_;
    case Language::French:
        return frenchButton_;
    case Language::Italian:
        return italianButton_;
    case Language::Spanish:
        return spanishButton_;
    }
    return russianButton_;
}

void MainWindow::stretchWithWindow(StretchingArea& client) {
    // The panes share the extra height, the log takes all of it; the right column and the
    // buttons keep their width.
    client.follow(inputPane_, {0, 0, 1, 0.5});
    client.follow(resultPane_, {0, 0.5, 1, 0.5});
    client.follow(languageGroup_, {1, 0, 0, 0});
    client.follow(logList_, {1, 0, 0, 1});
    for (QWidget* button : {hyphenateButton_, clearButton_, quitButton_})
        client.follow(button, {1, 1, 0, 0});
    client.follow(progressBar_, {0, 1, 1, 0});
}

void MainWindow::nameForAccessibility() {
    const std::pair<QWidget*, const char*> accessibleNames[] = {
        {inputPane_, "Lyrics to divide"},
        {resultPane_, "Divided lyrics"},
        {languageGroup_, "Dictionary"},
        {logList_, "Hyphenation log"},
        {hyphenateButton_, "Hyphenate"},
        {clearButton_, "Clear both panes"},
        {quitButton_, "Quit"},
        {progressBar_, "Progress"},
    };
    for (auto [widget, name] : accessibleNames)
        widget->setAccessibleName(QString::fromLatin1(name));
}

void MainWindow::connectPanesAndButtons() {
    for (QPlainTextEdit* pane : {inputPane_, resultPane_}) {
        pane->installEventFilter(this);
        pane->viewport()->installEventFilter(this);
    }
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    switchLanguageButton_ = new QPushButton(statusBar());
    switchLanguageButton_->setObjectName(QStringLiteral("switchLanguageButton"));
    switchLanguageButton_->hide();
    // The language buttons already take the keyboard; this one is a shortcut for the mouse.
    switchLanguageButton_->setFocusPolicy(Qt::NoFocus);
    statusBar()->addPermanentWidget(switchLanguageButton_);
    connect(switchLanguageButton_, &QPushButton::clicked, this,
            guarded("switch the language", &MainWindow::takeSuggestedLanguage));
    resultPalette_ = resultPane_->palette();

    connect(inputPane_, &QPlainTextEdit::textChanged, this, &MainWindow::onInputChanged);
    connect(resultPane_, &QPlainTextEdit::textChanged, this, &MainWindow::onResultChanged);
    connect(hyphenateButton_, &QPushButton::clicked, this,
            guarded("hyphenate the text", &MainWindow::startHyphenation));
    connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearPanes);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::close);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // The panes must not take the menu shortcuts (Insert above all) for themselves.
    bar->setNativeMenuBar(false);
    buildFileMenu(*bar);
    buildOptionsMenu(*bar);

    // "About" is a command of the bar itself, without a drop-down.
    actionAbout_ = bar->addAction(QStringLiteral("&About"));
    actionAbout_->setObjectName(QStringLiteral("actionAbout"));
    connect(actionAbout_, &QAction::triggered, this, &MainWindow::showAboutDialog);

    // Nothing to divide or export until the panes hold text.
    for (QAction* action :
         {actionHyphenate_, actionResultSave_, actionExportScore_, actionExportFinale_,
          actionExportLilyPond_, actionExportGabc_, actionLayLyrics_})
        action->setEnabled(false);
    hyphenateButton_->setEnabled(false);
}

void MainWindow::buildFileMenu(QMenuBar& bar) {
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    actionHyphenate_ =
        AddMenuItem(file, "&Hyphenate", "actionHyphenate", QKeySequence(Qt::Key_Insert), this,
                    guarded("hyphenate the text", &MainWindow::startHyphenation));
    actionExceptionsEdit_ = AddMenuItem(
        file, "&Edit custom dictionary", "actionExceptionsEdit", Qt::CTRL | Qt::Key_E, this,
        guarded("edit the dictionary of exceptions", &MainWindow::editExceptions));
    actionWordFix_ =
        AddMenuItem(file, "Fi&x the division of a word\u2026", "actionWordFix", Qt::Key_F2, this,
                    guarded("fix the word", &MainWindow::fixWordInResult));
    actionSourceOpen_ = AddMenuItem(file, "&Open source", "actionSourceOpen", Qt::CTRL | Qt::Key_O,
                                    this, guarded("open the file", &MainWindow::openSource));
    buildReopenMenu(*file);
    actionResultSave_ =
        AddMenuItem(file, "&Save result to file", "actionResultSave", Qt::CTRL | Qt::Key_S, this,
                    guarded("save the result", &MainWindow::saveResult));
    actionExportScore_ =
        AddMenuItem(file, "Export as Score &macro", "actionExportScore", Qt::CTRL | Qt::Key_M, this,
                    guarded("export the SCORE macro", &MainWindow::exportScoreMacro));
    actionExportFinale_ =
        AddMenuItem(file, "Export as &Finale Lyrics", "actionExportFinale", Qt::CTRL | Qt::Key_F,
                    this, guarded("export the Finale lyrics", &MainWindow::exportFinaleLyrics));
    actionExportLilyPond_ =
        AddMenuItem(file, "Export as Lily&Pond lyrics\u2026", "actionExportLilyPond", {}, this,
                    guarded("export the LilyPond lyrics", &MainWindow::exportLilyPondLyrics));
    actionExportGabc_ = AddMenuItem(file, "Export as &gabc\u2026", "actionExportGabc", {}, this,
                                    guarded("export the gabc file", &MainWindow::exportGabc));
    actionLayLyrics_ =
        AddMenuItem(file, "&Lay lyrics onto a MusicXML score\u2026", "actionLayLyrics", {}, this,
                    guarded("lay the lyrics onto the score", &MainWindow::layLyricsOntoScore));
    actionExit_ = AddMenuItem(file, "E&xit", "actionExit", Qt::CTRL | Qt::Key_Q, this,
                              guarded("close the window", [this] { close(); }));
    // Insert is missing on many laptops.
    actionHyphenate_->setShortcuts(
        {QKeySequence(Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_Return)});
    connect(actionHyphenate_, &QAction::enabledChanged, hyphenateButton_, &QWidget::setEnabled);
    // Ctrl+Z after Clear, wherever the focus is; the input pane passes it on (eventFilter).
    auto* undoClearAction = new QAction(this);
    undoClearAction->setObjectName(QStringLiteral("actionUndoClear"));
    undoClearAction->setShortcut(QKeySequence::Undo);
    connect(undoClearAction, &QAction::triggered, this, &MainWindow::undoClear);
    addAction(undoClearAction);
}

void MainWindow::buildOptionsMenu(QMenuBar& bar) {
    QMenu* options = bar.addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("menuOptions"));
    actionShowLog_ = AddMenuItem(options, "&Show hyphenation log", "actionShowLog", {}, this,
                                 guarded("change the log setting", &MainWindow::onLogToggled));
    actionShowLog_->setCheckable(true);
    actionShowLog_->setChecked(true);
    actionMainDictionaryRebuild_ =
        AddMenuItem(options, "&Rebuild main dictionary", "actionMainDictionaryRebuild",
                    QKeySequence(Qt::Key_F9), this,
                    guarded("rebuild the main dictionary", &MainWindow::rebuildMainDictionary));
    actionMainDictionaryInfo_ = AddMenuItem(
        options, "&Main dictionary info", "actionMainDictionaryInfo", {}, this,
        guarded("show the dictionary information", &MainWindow::showMainDictionaryInfo));
    actionExceptionsRebuild_ = AddMenuItem(
        options, "R&ebuild dictionary of exceptions", "actionExceptionsRebuild",
        QKeySequence(Qt::Key_F8), this,
        guarded("rebuild the dictionary of exceptions", &MainWindow::rebuildExceptions));
    actionExceptionsInfo_ =
        AddMenuItem(options, "E&xceptions dictionary info", "actionExceptionsInfo", {}, this,
                    guarded("show the dictionary information", &MainWindow::showExceptionsInfo));
}

void MainWindow::applyTabOrder() {
    QWidget* order[] = {quitButton_,    logList_,         russianButton_, englishButton_,
                        latinButton_,   americanButton_,  frenchButton_,  germanButton_,
                        italianButton_, spanishButton_,   progressBar_,   inputPane_,
                        resultPane_,    hyphenateButton_, clearButton_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindow::loadDictionaries() {
    try {
        state_.openAtStartup();
    } catch (const dictionaries::MissingDictionaryError& e) {
        // The window never appears: the box has no parent.
        platform_.error(nullptr, MissingDictionaryText(e));
        return;
    } catch (const IoError& e) {
        ReportIoError(platform_, this, e);
    }
    showLoadWarning();
    if (startupFailed())
        return;
    for (Language language : dictionaries::kAllLanguages)
        if (!dictionaries::IsRequired(language))
            disableIfUnavailable(language);
}

bool MainWindow::disableIfUnavailable(Language language) {
    const std::optional<std::string> missing = state_.unopenableFile(language);
    if (!missing)
        return false;
    QRadioButton* button = languageButton(language);
    if (button->isEnabled()) {
        button->setEnabled(false);
        platform_.warning(
            this, CoreToPane("Cannot find " + *missing + ". " +
                             std::string(dictionaries::LanguageInfoOf(language).languageName) +
                             "is not available"));
    }
    return true;
}

void MainWindow::showLoadWarning() {
    if (std::optional<std::string> warning = state_.takeLoadWarning())
        platform_.warning(this, CoreToPane(*warning));
}

void MainWindow::restoreSettings() {
    if (const QByteArray geometry = settings::MainWindowGeometry(); !geometry.isEmpty())
        centred_ = restoreGeometry(geometry); // a remembered place is kept, not centred
    fitPending_ = centred_;                   // once the frame is known, when the window is shown
    if (const auto language = settings::Language();
        language && *language != state_.currentLanguage() && languageButton(*language)->isEnabled())
        switchLanguage(*language);
}

void MainWindow::fitIntoScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect available = shownOn->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    resize(size().boundedTo(available.size() - frameExtra));
    const QRect frame = frameGeometry();
    move(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())),
         std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!startupFailed())
        settings::SetMainWindowGeometry(saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::showStatus(const QString& text) {
    statusBar()->showMessage(text, kStatusMilliseconds);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    guarded("open the file", [this, file] { openFile(file); })();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // A dropped file is opened, not pasted into a pane as its name.
        auto* drop = static_cast<QDropEvent*>(event);
        if (DroppedFile(drop->mimeData()).isEmpty())
            break;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            guarded("open the file",
                    [this, file = DroppedFile(drop->mimeData())] { openFile(file); })();
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == resultPane_->viewport()) {
            // The cursor goes to the word first, then the word is fixed.
            resultPane_->setTextCursor(resultPane_->cursorForPosition(
                static_cast<QMouseEvent*>(event)->position().toPoint()));
            guarded("fix the word", &MainWindow::fixWordInResult)();
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (IsUndoKey(event) && cleared_) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                undoClear();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (std::exchange(fitPending_, false))
        fitIntoScreen();
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(*this);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        onFirstActivation();
    }
}

void MainWindow::updateCaption() {
    setWindowTitle(CoreToPane(dictionaries::WindowCaption(state_.currentLanguage())));
}

void MainWindow::onFirstActivation() {
    updateCaption();
    checkLanguageButton(state_.currentLanguage());
    inputPane_->setFocus();
}

void MainWindow::checkLanguageButton(Language language) {
    languageButton(language)->setChecked(true);
}

void MainWindow::onInputChanged() {
    cleared_.reset();
    actionHyphenate_->setEnabled(!inputPane_->document()->isEmpty());
    if (!resultPane_->document()->isEmpty())
        markResultStale(true);
}

void MainWindow::onResultChanged() {
    markResultStale(false);
    const bool hasResult = !resultPane_->document()->isEmpty();
    actionResultSave_->setEnabled(hasResult);
    actionExportScore_->setEnabled(hasResult);
    actionExportFinale_->setEnabled(hasResult);
    actionExportLilyPond_->setEnabled(hasResult);
    actionExportGabc_->setEnabled(hasResult);
    actionLayLyrics_->setEnabled(hasResult);
    actionHyphenate_->setEnabled(hasResult);
}

void MainWindow::clearPanes() {
    ClearedPanes cleared{PaneText(*inputPane_), PaneText(*resultPane_)};
    inputPane_->clear();
    resultPane_->clear();
    inputPane_->setFocus();
    if (cleared.input.isEmpty() && cleared.result.isEmpty())
        return;
    cleared_ = std::move(cleared);
    showStatus(QStringLiteral("Cleared. Ctrl+Z brings the text back"));
}

bool MainWindow::undoClear() {
    if (!cleared_) {
        // A word fixed in the result pane, else nothing.
        if (!resultPane_->document()->isUndoAvailable())
            return false;
        resultPane_->document()->undo();
        return true;
    }
    const ClearedPanes cleared = std::move(*cleared_);
    cleared_.reset();
    ShowPaneText(*inputPane_, cleared.input);
    ShowPaneText(*resultPane_, cleared.result);
    inputPane_->setFocus();
    return true;
}

void MainWindow::onLogToggled() {
    // The check mark has already been inverted by the action itself.
    logList_->setVisible(actionShowLog_->isChecked());
    if (!actionShowLog_->isChecked())
        logList_->clear();
}

void MainWindow::showAboutDialog() {
    if (dialogs_.about)
        platform_.showModal(*dialogs_.about);
}

void MainWindow::openSource() {
    const QString name = ChooseFileToOpen(platform_, this, openSourceRequest_);
    if (!name.isEmpty())
        openFile(name);
}

void MainWindow::startHyphenation() {
    if (inputPane_->document()->isEmpty()) {
        platform_.beep();
        return;
    }
    logList_->clear();
    runHyphenation();
}

void MainWindow::runHyphenation() {
    BusyCursor busy(platform_);
    const text::CodePage& codePage =
        *dictionaries::LanguageInfoOf(state_.currentLanguage()).codePage;
    // The pane's text is not kept through the run: a long text would be held three times over.
    const text::CodePageText input = PaneToCore(PaneText(*inputPane_), codePage);
    WindowRunObserver observer(this, platform_, progressBar_);
    const engine::RunResult run =
        engine::RunHyphenation(input, state_, actionShowLog_->isChecked(), &observer);

    // The log lines written before a stop stay as well.
    for (const std::string& line : run.log) {
        auto* item = new QListWidgetItem(CoreToPane(line, {}, codePage), logList_);
        item->setSizeHint(QSize(0, kLogItemHeight));
    }
    progressBar_->setValue(0);

    switch (run.status) {
    case engine::RunStatus::Done:
        ShowPaneText(*resultPane_, CoreToPane(run.resultText, input.foreign, codePage));
        if (!run.longWords.empty())
            tellLongWords(input.bytes, run.longWords);
        else
            offerLanguageOfTheLetters(input, run.resultText);
        break;
    case engine::RunStatus::EmptyAfterTrim:
        platform_.beep();
        break;
    case engine::RunStatus::IoFailure:
        ReportIoError(platform_, this, IoError(run.ioCode));
        break;
    }
}

void MainWindow::tellLongWords(std::string_view input, const std::vector<engine::LongWord>& words) {
    QString message = QStringLiteral("Line %1: a word longer than %2 letters is left whole")
                          .arg(engine::LineNumberAt(input, words.front().start))
                          .arg(engine::kMaxWordLength);
    if (words.size() > 1)
        message += QStringLiteral(" (and %1 more after it)").arg(words.size() - 1);
    showStatus(message);
}

void MainWindow::closeForMissingDictionary(const dictionaries::MissingDictionaryError& error) {
    platform_.error(this, MissingDictionaryText(error));
    close();
    QCoreApplication::exit(0);
}

void MainWindow::switchLanguage(Language language) {
    // A language the program can do without is refused while its files are gone.
    if (language != state_.currentLanguage() && !dictionaries::IsRequired(language) &&
        disableIfUnavailable(language)) {
        checkLanguageButton(state_.currentLanguage());
        inputPane_->setFocus();
        return;
    }
    try {
        if (!state_.switchLanguage(language))
            return;
    } catch (const dictionaries::MissingDictionaryError& e) {
        closeForMissingDictionary(e);
        return;
    } catch (const IoError& e) {
        // The new language is current, its exceptions unusable; the caption and the buttons
        // still tell which language is loaded.
        ReportIoError(platform_, this, e);
    }
    showLoadWarning();
    updateCaption();
    inputPane_->setFocus();
    checkLanguageButton(state_.currentLanguage());
    settings::SetLanguage(state_.currentLanguage());
}

} // namespace cantiva::ui
