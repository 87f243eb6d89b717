#pragma once

#include "ui/platform.h"

#include <QString>

namespace cantiva::ui {

// The program after QApplication exists: creates the windows in their fixed order (the main
// window first, whose creation checks and loads the dictionaries), shows the main window and runs
// the event loop until it closes. A missing compiled dictionary has been reported by the main
// window's creation; then nothing is shown and the status is 0. A `file` given is opened in
// the input pane once the window shows.
int RunApplication(Platform& platform, const QString& file = {});

} // namespace cantiva::ui
