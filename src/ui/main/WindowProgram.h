#pragma once

#include "app/ProgramOptions.h"

namespace nudgely {

// A run with the main window, for the nudgely command at commandPath. Returns the exit status.
int runWindow(int argc, char **argv, const ProgramOptions &options, const QString &commandPath);

} // namespace nudgely
