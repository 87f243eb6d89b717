#pragma once

class QWidget;

namespace cantiva {
class IoError;
}

namespace cantiva::ui {

class Platform;

// The generic report of a failed file operation: an error box with "File not found", …,
// "I/O error %d".
void ReportIoError(Platform& platform, QWidget* parent, const IoError& error);

} // namespace cantiva::ui
