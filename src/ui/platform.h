#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace cantiva::ui {

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString filter;        // Qt form: "Text file (*.txt);;All files (*.*)"
    QString defaultSuffix; // "txt", or empty
    QString initialFile;   // the name remembered from the last use, or empty
    QString folder;        // the folder the dialog opens in (a relative initialFile is in it)
    bool confirmOverwrite = false;
};

// Everything a window shows or asks outside its own controls goes through here: message boxes,
// the beep, the busy cursor, file dialogs, the clipboard and modal windows. The application
// installs the Qt implementation; tests install a scripted one that records and answers.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void error(QWidget* parent, const QString& text) = 0;        // error box, OK
    virtual bool warningYesNo(QWidget* parent, const QString& text) = 0; // true for Yes
    virtual void information(QWidget* parent, const QString& text) = 0;  // information box, OK
    virtual void warning(QWidget* parent, const QString& text) = 0;      // warning box, OK
    virtual void message(QWidget* parent, const QString& text) = 0;      // plain box, OK
    // A question with the given buttons, the first the default: the index of the button pressed,
    // or the last (the cancelling one) when the box is closed otherwise.
    virtual int question(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    virtual void beep() = 0;

    // The hourglass while a command works; calls nest.
    virtual void pushBusyCursor() = 0;
    virtual void popBusyCursor() = 0;

    // The chosen file name, or empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    virtual void setClipboardText(const QString& text) = 0;

    // Shows a window of the program modally and returns its result code.
    virtual int showModal(QDialog& dialog) = 0;
};

// The busy cursor for the life of a scope, restored on every way out.
class BusyCursor {
public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.pushBusyCursor(); }
    ~BusyCursor() { platform_.popBusyCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Platform& platform_;
};

} // namespace cantiva::ui
