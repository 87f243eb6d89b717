#pragma once

#include "ui/platform.h"

#include <QString>
#include <QWidget>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

namespace cantiva::ui {

// Runs one window command; running out of memory on the way (or a size no allocation can hold)
// is told to the user ("Not enough memory to …") instead of ending the program, and so is a
// library's own failure ("Cannot …: " and its text). Commands change state and files only once
// they have what they need, so nothing is left half done and the panes are kept.
template <class Command>
void RunGuardingMemory(Platform& platform, QWidget* window, const char* task, Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const std::bad_alloc&) {
        platform.error(window, QStringLiteral("Not enough memory to %1").arg(QLatin1String(task)));
    } catch (const std::length_error&) {
        platform.error(window, QStringLiteral("Not enough memory to %1").arg(QLatin1String(task)));
    } catch (const std::exception& e) {
        platform.error(
            window,
            QStringLiteral("Cannot %1: %2").arg(QLatin1String(task), QString::fromUtf8(e.what())));
    }
}

} // namespace cantiva::ui
