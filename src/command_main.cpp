#include "app/AppPaths.h"
#include "app/DisplayPresence.h"
#include "app/Listing.h"
#include "app/ProgramHandover.h"
#include "app/ProgramOptions.h"
#include "app/Version.h"

#include <cstdio>

// The nudgely command's runs, with Qt Core only, loaded by the nudgely program. Runs that need
// more go to the programs that have it: windows to nudgely-window, notifications and
// calendars to nudgely-full.

extern "C" __attribute__((visibility("default"))) int nudgelyCommandMain(int argc, char **argv)
{
    using namespace nudgely;
    const ProgramOptions options = parseProgramOptions(programArguments(argc, argv));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "nudgely: %s\nTry 'nudgely --help' for the options.\n", qPrintable(options.error));
        return ExitConfigurationProblem;
    }
    if (options.help) {
        std::fputs(qPrintable(programUsage(AppPaths::forThisProgram().helpFile())), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", VersionLine);
        return 0;
    }
    if (options.notify || (options.list && options.format == ListFormat::Ics))
        return handOverToProgram(QStringLiteral("nudgely-full"), argv);
    if (options.list)
        return runListing(options);
    if (options.check)
        return runCheck(options);
    if (!options.importContacts.isEmpty())
        return runContactImport(argc, argv, options);
    if (!hasDisplay()) {
        std::fprintf(stderr, "Nudgely: no display found; printing the events list as with --list\n");
        return runListing(options);
    }
    return handOverToProgram(QStringLiteral("nudgely-window"), argv);
}
