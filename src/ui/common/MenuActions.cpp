#include "ui/common/MenuActions.h"

#include <QAction>
#include <QMenu>

namespace nudgely {

QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    return action;
}

} // namespace nudgely
