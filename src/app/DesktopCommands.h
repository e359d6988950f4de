#pragma once

#include "app/ProgramOptions.h"

#include <QString>

#include <cstdio>

namespace nudgely {

class Session;

// The command's runs that need more than Qt Core: D-Bus for notifications, libical for a
// calendar. They live in the full program, which the nudgely command hands them over to, so
// that the common runs load neither.

// printEventList, and for ics every event of the data files as a calendar, with what was
// left out said on err.
int printEventListOrCalendar(const Session &session, std::FILE *out, std::FILE *err, ListFormat format);

// --notify: the start-up and the load chain, then a desktop notification of what is due,
// unless the settings turn notifications off. Returns the exit status.
int runNotification(int argc, char **argv, const ProgramOptions &options, const QString &commandPath);

} // namespace nudgely
