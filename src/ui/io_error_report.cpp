#include "ui/io_error_report.h"

#include "io/io_error.h"
#include "ui/platform.h"

#include <QString>

namespace cantiva::ui {

void ReportIoError(Platform& platform, QWidget* parent, const IoError& error) {
    // A reason of the program's own names the file it concerns.
    if (!error.reason().empty()) {
        platform.error(parent, QString::fromStdString(error.file().filename().string() + ": " +
                                                      error.reason()));
        return;
    }
    platform.error(parent, QString::fromStdString(IoErrorMessage(error.code())));
}

} // namespace cantiva::ui
