#pragma once

#include "app/ProgramOptions.h"

#include <cstdio>

namespace nudgely {

class Session;

// Exit statuses of the program.
inline constexpr int ExitOutputFailure = 1;
inline constexpr int ExitNotShown = 1; // no notification service could be reached
inline constexpr int ExitBadLines = 1;  // --check found a bad date or a file not read whole
inline constexpr int ExitNotImported = 1; // --import-contacts wrote no data file
inline constexpr int ExitConfigurationProblem = 2;

// The list in the format asked for (tsv: every row, header first, cells joined by tabs, each
// row ending in LF; ics: every event of the data files); each data file's problems
// ("nudgely: PATH: reason") and the summary go to err, and for ics what was left out. 0, or
// the errno value that stopped writing the list.
int printEventList(const Session &session, std::FILE *out, std::FILE *err, ListFormat format = ListFormat::Tsv);

// A run without a window: the start-up and the load chain as the window runs them, then the
// list is printed. Returns the exit status.
int runListing(int argc, char **argv, const ProgramOptions &options);

// Each bad date as "PATH:LINE: reason: the line as written" to out, in slot then line order,
// and each data file's problems to err. 0 when all is clean, otherwise ExitBadLines.
int printDateCheck(const Session &session, std::FILE *out, std::FILE *err);

// --check: the start-up and the load chain, then the bad dates. Returns the exit status.
int runCheck(int argc, char **argv, const ProgramOptions &options);

// --import-contacts FILE --to NEW: the configuration's date format, then the new data file.
// The summary goes to standard output, a refusal to standard error. Returns the exit status.
int runContactImport(int argc, char **argv, const ProgramOptions &options);

// --notify: the start-up and the load chain, then a desktop notification of what is due,
// unless the settings turn notifications off. Returns the exit status.
int runNotification(int argc, char **argv, const ProgramOptions &options);

} // namespace nudgely
