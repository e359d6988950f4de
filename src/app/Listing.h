#pragma once

#include "app/ProgramOptions.h"

#include <QByteArrayView>
#include <QStringList>

#include <cstdio>

namespace nudgely {

class MessagePresenter;
class Session;
struct AppPaths;

// Exit statuses of the program.
inline constexpr int ExitOutputFailure = 1;
inline constexpr int ExitNotShown = 1; // no notification service could be reached
inline constexpr int ExitBadLines = 1;  // --check found a bad date or a file not read whole
inline constexpr int ExitNotImported = 1; // --import-contacts wrote no data file
inline constexpr int ExitConfigurationProblem = 2;

// The list in the format asked for (tsv: every row, header first, cells joined by tabs, each
// row ending in LF), then each data file's problems ("nudgely: PATH: reason") and the summary
// to err. 0, or the errno value that stopped writing the list. Not ics, which needs the
// calendar library: printEventListOrCalendar.
int printEventList(const Session &session, std::FILE *out, std::FILE *err, ListFormat format = ListFormat::Tsv);
using ListPrinter = int (*)(const Session &, std::FILE *, std::FILE *, ListFormat);

// Writes a list's text as printEventList does, with each note ("nudgely: note") before the
// summary.
int writeList(const Session &session, QByteArrayView text, std::FILE *out, std::FILE *err,
              const QStringList &notes = {});
void printProblems(const Session &session, std::FILE *err);

// The start-up and the load chain as the window runs them; nothing when the start-up ended.
// The session is never destroyed: tearing down tens of thousands of events one by one would
// only delay the exit. status becomes 2 when a needed write to the configuration failed.
Session *loadWithoutWindow(const ProgramOptions &options, const AppPaths &paths, MessagePresenter &messages,
                           int &status);

// A run without a window: the start-up and the load chain as the window runs them, then the
// list is printed. Returns the exit status.
// commandPath: the nudgely command that handed the run over; empty for this program.
int runListing(const ProgramOptions &options, const QString &commandPath = {},
               ListPrinter print = printEventList);

// Each bad date as "PATH:LINE: reason: the line as written" to out, in slot then line order,
// and each data file's problems to err. 0 when all is clean, otherwise ExitBadLines.
int printDateCheck(const Session &session, std::FILE *out, std::FILE *err);

// --check: the start-up and the load chain, then the bad dates. Returns the exit status.
int runCheck(const ProgramOptions &options);

// --import-contacts FILE --to NEW: the configuration's date format, then the new data file.
// The summary goes to standard output, a refusal to standard error. Returns the exit status.
int runContactImport(int argc, char **argv, const ProgramOptions &options);

} // namespace nudgely
