#pragma once

#include "dictionaries/dictionary_state.h"
#include "ui/platform.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace cantiva {
class IoError;
namespace dictionaries {
class MissingDictionaryError;
}
} // namespace cantiva

namespace cantiva::ui {

class TForm2;       // dictionary information window (uDict)
class TForm3;       // exceptions editor (uEdict)
class TForm4;       // edit-line dialog (uEdit)
class TForm5;       // About box (uAbout)
class TScoreForm;   // SCORE export dialog (uScore)
class TtFormFinale; // Finale export dialog (uFinale)

// The windows the main window opens modally. The application creates them after the main window
// and hands them over with setOtherWindows(); a missing one makes its command do nothing.
struct OtherWindows {
    TForm2* dictInfo = nullptr;
    TForm3* exceptionsEditor = nullptr;
    TForm4* editLine = nullptr;
    TForm5* about = nullptr;
    TScoreForm* score = nullptr;
    TtFormFinale* finale = nullptr;
};

// The main window: input and result panes, the language group, the log list and the menus. It
// owns the dictionary state and hands runs to the engine; it converts only at the pane boundary.
//
// The handlers' bodies live in three files:
//   rhyphen.cpp              this window's own commands (panes, languages, runs, open, about)
//   rhyphen_dictionaries.cpp the exceptions editor, the two rebuilds and the information window
//   rhyphen_exports.cpp      saving the result and the SCORE and Finale exports
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Creates the controls and runs FormCreate (the dictionaries are checked and loaded from the
    // current directory). When a compiled dictionary is missing the error has been shown and
    // startupFailed() is true: the window must not be shown.
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    void setOtherWindows(const OtherWindows& windows) { others_ = windows; }
    const OtherWindows& otherWindows() const { return others_; }

    bool startupFailed() const { return state_.startupFailed; }
    dictionaries::DictionaryState& state() { return state_; }
    Platform& platform() { return platform_; }

    // The file dialogs' settings; each remembers the name chosen last. SaveDialog1 is shared by
    // "Save result to file" and the Finale export.
    FileDialogRequest OpenDialog1;
    FileDialogRequest SaveDialog1;

    // Puts the caption, the radio button and the focus in place for the first activation and
    // disables the log and main-dictionary items while logging is not allowed.
    void ActivateMemo();

    // Checks the radio button of the language (a language without one, none).
    void SelectButton(dictionaries::Language language);

    // Starts a run for the current language: a beep when the input pane is empty.
    void StartHyph();
    // The run itself, from the input pane into the result pane.
    void Hyphenate1();

    // The program closes because a compiled main dictionary cannot be opened: the error box,
    // then the window closes and the event loop ends with status 0.
    void EndForMissingDictionary(const dictionaries::MissingDictionaryError& error);
    // The generic report of a failed file operation ("File not found", …).
    void ReportIoError(const IoError& error);

public slots:
    void RichEdit1Change();
    void RichEdit2Change();
    void btClearClick();
    void btQuitClick();
    void Exit2Click();
    void Open1Click();
    void miHyphenateClick();
    void miLogClick();
    void miAboutClick();
    void rbRussianClick();
    void rbEnglishClick();
    void rbLatinClick();
    void rbUSAClick();
    void rbUSA2Click();
    void rbGermanClick();

    // Defined in rhyphen_dictionaries.cpp.
    void Editcustomdictionary1Click();
    void miRegenXPatternsClick();
    void Regeneratepatterns1Click();
    void Patterndictinfo1Click();
    void Exceptionsdictinfo1Click();

    // Defined in rhyphen_exports.cpp.
    void Saveresult1Click();
    void miScoreOutputClick();
    void ExportFinaleLyrics1Click();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void buildControls();
    void buildMenus();
    void setTabOrder();
    QAction* addMenuItem(QMenu* menu, const char* caption, const char* name,
                         const QKeySequence& shortcut, void (TForm1::*handler)(), const char* task);
    // Connects a control's signal to a command guarded against running out of memory.
    template <class Signal, class Sender>
    void connectCommand(Sender* sender, Signal signal, void (TForm1::*handler)(), const char* task);
    // The warning of the main dictionary just loaded (empty, cut short), if any.
    void showLoadWarning();
    void SwitchLanguage(dictionaries::Language language);
    void RefuseLanguage();
    void showCaption();

    Platform& platform_;
    dictionaries::DictionaryState state_;
    OtherWindows others_;
    bool activated_ = false;
    bool centred_ = false;

    // Controls, named as their object names.
    QPlainTextEdit* RichEdit1 = nullptr;
    QPlainTextEdit* RichEdit2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* rbRussian = nullptr;
    QRadioButton* rbEnglish = nullptr;
    QRadioButton* rbLatin = nullptr;
    QRadioButton* rbUSA = nullptr;
    QRadioButton* rbUSA2 = nullptr;
    QRadioButton* rbGerman = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btQuit = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    QAction* miHyphenate = nullptr;
    QAction* Editcustomdictionary1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Saveresult1 = nullptr;
    QAction* miScoreOutput = nullptr;
    QAction* ExportFinaleLyrics1 = nullptr;
    QAction* Exit2 = nullptr;
    QAction* miLog = nullptr;
    QAction* Regeneratepatterns1 = nullptr;
    QAction* Patterndictinfo1 = nullptr;
    QAction* miRegenXPatterns = nullptr;
    QAction* Exceptionsdictinfo1 = nullptr;
    QAction* miAbout = nullptr;
};

} // namespace cantiva::ui
