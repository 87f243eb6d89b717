#pragma once

#include <Qt>

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace cantiva::ui {

// A modal window of the program: a title bar with the system menu and a close button, nothing to
// minimise or maximise.
inline constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                Qt::WindowSystemMenuHint;
// A small export question: a narrow tool title bar with a close button.
inline constexpr Qt::WindowFlags kToolDialogFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Moves a window, frame included, to the middle of its screen.
void CentreOnScreen(QWidget& window);

// OK (the default) and Cancel, accepting and rejecting `dialog`, named "okButton" and
// "cancelButton".
struct OkCancel {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel AddOkCancel(QDialog& dialog);

} // namespace cantiva::ui
