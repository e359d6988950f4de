#pragma once

#include <QString>
#include <QStringList>

namespace nudgely {

// The quoting of a desktop entry's Exec command line, as freedesktop.org defines it: arguments
// separated by spaces, an argument that needs it in double quotes, inside which a backslash
// goes before each ", `, $ and backslash. Field codes and the entry file's own escapes are not
// part of it.

// One argument, quoted when it holds a reserved character or is empty.
QString desktopExecArgument(const QString &argument);

// The arguments of a command line. False, with the reason, when its quoting is malformed;
// other reserved characters are taken as they are, for no shell sees them.
bool splitDesktopExec(const QString &command, QStringList &arguments, QString &problem);

} // namespace nudgely
