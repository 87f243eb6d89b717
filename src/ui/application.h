#pragma once

#include "ui/platform.h"

namespace cantiva::ui {

// The program after QApplication exists: creates the windows in their fixed order (the main
// window first, whose creation checks and loads the dictionaries), shows the main window and runs
// the event loop until it closes. A missing compiled dictionary has been reported by the main
// window's creation; then nothing is shown and the status is 0.
int RunApplication(Platform& platform);

} // namespace cantiva::ui
