#pragma once

#include "dictionaries/dictionary_state.h"
#include "engine/hyphenation_run.h"
#include "notation/lyric_laying.h"
#include "notation/score_container.h"
#include "text/text_encoding.h"
#include "ui/platform.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPalette>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QGroupBox;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QMimeData;

namespace cantiva::dictionaries {
class MissingDictionaryError;
}

namespace cantiva::ui {

class AboutDialog;
class DictionaryInfoDialog;
class ExceptionEntryDialog;
class ExceptionsEditor;
class FinaleExportDialog;
class LayLyricsDialog;
class NotationExportDialog;
class ScoreExportDialog;
class StretchingArea;
struct PaneFile;

// The dialogs the main window opens modally. The application creates them after the main window
// and hands them over with setDialogs(); a missing one makes its command do nothing.
struct MainWindowDialogs {
    DictionaryInfoDialog* dictionaryInfo = nullptr;
    ExceptionsEditor* exceptionsEditor = nullptr;
    ExceptionEntryDialog* entryDialog = nullptr;
    AboutDialog* about = nullptr;
    ScoreExportDialog* scoreExport = nullptr;
    FinaleExportDialog* finaleExport = nullptr;
    NotationExportDialog* lilyPondExport = nullptr;
    NotationExportDialog* gabcExport = nullptr;
    LayLyricsDialog* layLyrics = nullptr;
};

// The main window: input and result panes, the language group, the log list and the menus. It
// owns the dictionary state and hands runs to the engine; it converts only at the pane boundary.
//
// The commands live in four files:
//   main_window.cpp              this window's own commands (panes, languages, runs, open, about)
//   main_window_dictionaries.cpp the exceptions editor, the two rebuilds and the information window
//   main_window_exports.cpp      saving the result and the SCORE and Finale exports
//   main_window_files.cpp        opening files, the stale result, the language the letters ask for
//   main_window_notation.cpp     LilyPond lyrics, gabc, lyrics laid onto a MusicXML score
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Creates the controls and loads the dictionaries from the current directory (after checking
    // them all). When a compiled dictionary is missing the error has been shown and
    // startupFailed() is true: the window must not be shown.
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setDialogs(const MainWindowDialogs& dialogs) { dialogs_ = dialogs; }
    const MainWindowDialogs& dialogs() const { return dialogs_; }

    bool startupFailed() const { return state_.startupFailed(); }
    dictionaries::DictionaryState& state() { return state_; }
    Platform& platform() { return platform_; }

    // The file dialogs' settings; each command remembers the name chosen in it last.
    const FileDialogRequest& openSourceRequest() const { return openSourceRequest_; }
    const FileDialogRequest& resultFileRequest() const { return resultFileRequest_; }
    const FileDialogRequest& finaleFileRequest() const { return finaleFileRequest_; }

    // Reads a text file into the input pane, as "Open source" does once a file is chosen (the
    // file argument and a dropped file come here too), in the encoding its bytes show; the status
    // line names it. Defined in main_window_files.cpp, as are the next three.
    void openFile(const QString& fileName);
    // The file opened last, read again in `encoding` ("Reopen as").
    void reopenAs(text::TextEncoding encoding);

    // A short message in the status bar that goes away after a few seconds.
    void showStatus(const QString& text);

    // Starts a run for the current language: a beep when the input pane is empty.
    void startHyphenation();

    // The word at the result pane's cursor, divided anew in the entry dialog, saved as an
    // exception of the current language and put in place (Ctrl+Z takes the pane's change back;
    // the exception stays). Double-click or F2. Defined in main_window_word_fix.cpp.
    void fixWordInResult();

public slots:
    void openSource();
    void clearPanes();
    void onLogToggled();
    void showAboutDialog();

    // Defined in main_window_dictionaries.cpp.
    void editExceptions();
    void rebuildExceptions();
    void rebuildMainDictionary();
    void showMainDictionaryInfo();
    void showExceptionsInfo();

    // Defined in main_window_exports.cpp.
    void saveResult();
    void exportScoreMacro();
    void exportFinaleLyrics();

    // Defined in main_window_notation.cpp.
    void exportLilyPondLyrics();
    void exportGabc();
    void layLyricsOntoScore();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The panes hand dropped files and Ctrl+Z after Clear to the window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void stretchWithWindow(StretchingArea& client);
    void nameForAccessibility();
    void connectPanesAndButtons();
    void buildMenus();
    void buildFileMenu(QMenuBar& bar);
    void buildOptionsMenu(QMenuBar& bar);
    void applyTabOrder();
    // A command (a member function or a callable) that tells the user when memory runs out
    // instead of ending the program; `task` completes "Not enough memory to …".
    template <class Command> auto guarded(const char* task, Command command);
    // The warning of the main dictionary just loaded (empty, cut short), if any.
    void showLoadWarning();
    void loadDictionaries();
    void restoreSettings();
    // A size and place saved at another scale factor can reach past the screen: the window is
    // made to fit the screen it opens on.
    void fitIntoScreen();
    // Brings back the text of both panes as it was before Clear; false when there is none.
    bool undoClear();

    // Puts the caption, the radio button and the focus in place for the first activation.
    void onFirstActivation();
    void updateCaption();
    // Checks the radio button of the language.
    void checkLanguageButton(dictionaries::Language language);
    QRadioButton* languageButton(dictionaries::Language language) const;
    void onInputChanged();
    void onResultChanged();

    // The run itself, from the input pane into the result pane.
    void runHyphenation();
    // The status line names the line of the first word the run left whole for its length.
    void tellLongWords(std::string_view input, const std::vector<engine::LongWord>& words);
    void buildReopenMenu(QMenu& file);
    std::optional<QByteArray> readTextFile(const QString& name);
    void showOpenedFile(const QString& name, const PaneFile& file);
    // While the input differs from what the result was made of, the result is greyed, the
    // status line says so and nothing exports it.
    void markResultStale(bool stale);
    // A run that divided nothing: when the letters are another language's, the status line
    // offers it.
    void offerLanguageOfTheLetters(const text::CodePageText& input, std::string_view resultText);
    void takeSuggestedLanguage();
    // The entry joins the current language's exceptions list, which is saved and compiled.
    bool saveFixedWord(const std::string& entry);
    void switchLanguage(dictionaries::Language language);
    // A language other than the required four whose compiled files cannot be opened: its button
    // is disabled and the user told which file is missing. False when it is available.
    bool disableIfUnavailable(dictionaries::Language language);

    // The LilyPond or gabc text of the result pane, to the clipboard or a file as the dialog says.
    void exportNotationText(NotationExportDialog* dialog, FileDialogRequest& fileRequest,
                            std::string (*exportText)(std::string_view));
    // The steps of laying lyrics onto a score; each reports its own failure and gives nothing.
    std::optional<notation::ScoreContainer> readScore(const QString& scoreName);
    QString chooseLaidScoreFile(const QString& scoreName);
    std::optional<notation::LayReport> layAskingToReplace(notation::ScoreContainer& score,
                                                          const std::string& pane,
                                                          notation::LayRequest& request);

    // The program closes because a compiled main dictionary cannot be opened: the error box,
    // then the window closes and the event loop ends with status 0.
    void closeForMissingDictionary(const dictionaries::MissingDictionaryError& error);

    Platform& platform_;
    dictionaries::DictionaryState state_;
    MainWindowDialogs dialogs_;
    FileDialogRequest openSourceRequest_;
    FileDialogRequest resultFileRequest_;
    FileDialogRequest lilyPondFileRequest_;
    FileDialogRequest gabcFileRequest_;
    FileDialogRequest scoreFileRequest_; // the score to lay lyrics on, and where the result goes
    FileDialogRequest finaleFileRequest_;
    bool activated_ = false;
    bool centred_ = false;
    bool fitPending_ = false;
    struct ClearedPanes {
        QString input;
        QString result;
    };
    std::optional<ClearedPanes> cleared_; // until the input pane changes again
    QString openedFile_;
    bool resultStale_ = false;
    QPalette resultPalette_;
    dictionaries::Language suggestedLanguage_ = dictionaries::Language::Russian;

    QPlainTextEdit* inputPane_ = nullptr;
    QPlainTextEdit* resultPane_ = nullptr;
    QGroupBox* languageGroup_ = nullptr;
    QRadioButton* russianButton_ = nullptr;
    QRadioButton* englishButton_ = nullptr;
    QRadioButton* latinButton_ = nullptr;
    QRadioButton* americanButton_ = nullptr;
    QRadioButton* frenchButton_ = nullptr;
    QRadioButton* germanButton_ = nullptr;
    QRadioButton* italianButton_ = nullptr;
    QRadioButton* spanishButton_ = nullptr;
    QListWidget* logList_ = nullptr;
    QPushButton* hyphenateButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* switchLanguageButton_ = nullptr; // in the status line, while a language is offered
    QMenu* reopenMenu_ = nullptr;

    QAction* actionHyphenate_ = nullptr;
    QAction* actionExceptionsEdit_ = nullptr;
    QAction* actionWordFix_ = nullptr;
    QAction* actionSourceOpen_ = nullptr;
    QAction* actionResultSave_ = nullptr;
    QAction* actionExportScore_ = nullptr;
    QAction* actionExportFinale_ = nullptr;
    QAction* actionExportLilyPond_ = nullptr;
    QAction* actionExportGabc_ = nullptr;
    QAction* actionLayLyrics_ = nullptr;
    QAction* actionExit_ = nullptr;
    QAction* actionShowLog_ = nullptr;
    QAction* actionMainDictionaryRebuild_ = nullptr;
    QAction* actionMainDictionaryInfo_ = nullptr;
    QAction* actionExceptionsRebuild_ = nullptr;
    QAction* actionExceptionsInfo_ = nullptr;
    QAction* actionAbout_ = nullptr;
};

} // namespace cantiva::ui
