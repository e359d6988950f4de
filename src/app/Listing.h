#pragma once

#include "app/ProgramOptions.h"
#include "eventlist/EventList.h"

#include <cstdio>

namespace nudgely {

// Exit statuses of the program.
inline constexpr int ExitConfigurationProblem = 2;

// Every row of the list, header first, cells joined by tabs, each row ending in LF; the
// summary goes to err.
void printEventList(const EventList &list, std::FILE *out, std::FILE *err);

// A run without a window: the start-up and the load chain as the window runs them, then the
// list is printed. Returns the exit status.
int runListing(int argc, char **argv, const ProgramOptions &options);

} // namespace nudgely
