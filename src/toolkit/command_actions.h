#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

namespace lorvex {

// A menu item for a numbered command: the action is named "command<number>"
// so that tests and enabling functions find it.
inline QAction* addCommand(QMenu* menu, int command, const QString& text,
                           const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("command%1").arg(command));
    action->setData(command);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

}  // namespace lorvex
