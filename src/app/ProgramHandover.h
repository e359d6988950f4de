#pragma once

#include <QString>

namespace nudgely {

// The windows are a program of their own, and so are the runs that need D-Bus or libical, so
// that the command line never loads their libraries: the nudgely command hands such a run
// over, with its own arguments.

// The environment variable that tells the program handed over to which command started it.
inline constexpr char CommandPathVariable[] = "NUDGELY_COMMAND";

// Replaces this process with the program of that name (nudgely-window, nudgely-full), found
// beside the command (a build folder) or in ../libexec/nudgely/ from it (an installed one).
// Returns only when that failed, with the exit status after saying why.
int handOverToProgram(const QString &name, char **argv);

// In a program handed over to: the command that started it (and no longer passed on to
// programs it starts), or nothing when it was started by itself.
QString takeCommandPath();

} // namespace nudgely
