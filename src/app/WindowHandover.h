#pragma once

#include <QString>

namespace nudgely {

// The windows are a program of their own, so that the command line never loads Qt's window
// libraries: the nudgely command hands a window run over to it, with its own arguments.

// The environment variable that tells the window program which command started it.
inline constexpr char CommandPathVariable[] = "NUDGELY_COMMAND";

// Replaces this process with the window program, found beside the command (a build folder)
// or in ../libexec/nudgely/ from it (an installed one). Returns only when that failed, with
// the exit status after saying why.
int handOverToWindowProgram(char **argv);

// In the window program: the command that started it (and no longer passed on to programs it
// starts), or nothing when it was started by itself.
QString takeCommandPath();

} // namespace nudgely
