#include "ui/io_error_report.h"

#include "io/io_error.h"
#include "ui/platform.h"

#include <QString>

namespace cantiva::ui {

void ReportIoError(Platform& platform, QWidget* parent, const IoError& error) {
    platform.error(parent, QString::fromStdString(IoErrorMessage(error.code())));
}

} // namespace cantiva::ui
