#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

namespace nudgely {

// A menu item named by its role, with an optional shortcut.
QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key = {});

} // namespace nudgely
