#pragma once

#include "ui/platform.h"

#include <QString>
#include <QWidget>
#include <new>
#include <utility>

namespace cantiva::ui {

// Runs one window command; running out of memory on the way is told to the user ("Not enough
// memory to …") instead of ending the program. Commands change state and files only once they
// have what they need, so nothing is left half done.
template <class Command>
void RunGuardingMemory(Platform& platform, QWidget* window, const char* task, Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const std::bad_alloc&) {
        platform.error(window, QStringLiteral("Not enough memory to %1").arg(QLatin1String(task)));
    }
}

} // namespace cantiva::ui
