#pragma once

#include "app/ProgramOptions.h"

namespace nudgely {

// A run with the main window. Returns the exit status.
int runWindow(int argc, char **argv, const ProgramOptions &options);

} // namespace nudgely
