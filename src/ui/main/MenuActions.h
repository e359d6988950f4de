#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

namespace nudgely {

// A menu item named like its control, with an optional shortcut.
QAction *AddAction(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key = {});

} // namespace nudgely
