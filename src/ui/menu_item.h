#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

namespace cantiva::ui {

// A menu command: its caption (UTF-8, with its '&' accelerator), object name and shortcut,
// triggering `command` of `receiver`.
template <class Receiver, class Command>
QAction* AddMenuItem(QMenu* menu, const char* caption, const char* name,
                     const QKeySequence& shortcut, Receiver* receiver, Command command) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, receiver, command);
    return action;
}

} // namespace cantiva::ui
