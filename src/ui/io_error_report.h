#pragma once

#include "dictionaries/compile_lock.h"
#include "io/io_error.h"
#include "ui/platform.h"

#include <QString>

class QWidget;

namespace cantiva::ui {

// The generic report of a failed file operation: an error box with "File not found", …,
// "I/O error %d".
void ReportIoError(Platform& platform, QWidget* parent, const IoError& error);

// Runs a step that reads, writes or compiles dictionary files. A folder busy with another
// compile, or a failed file operation, is reported to the user and gives false.
template <class Step>
bool RunReportingFileErrors(Platform& platform, QWidget* parent, Step&& step) {
    try {
        step();
        return true;
    } catch (const dictionaries::DictionaryBusyError& e) {
        platform.error(parent, QString::fromLatin1(e.what()));
    } catch (const IoError& e) {
        ReportIoError(platform, parent, e);
    }
    return false;
}

} // namespace cantiva::ui
