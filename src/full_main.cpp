#include "app/DesktopCommands.h"
#include "app/Listing.h"
#include "app/ProgramHandover.h"

#include <cstdio>

// The runs of the nudgely command that need D-Bus or libical: --notify and --format=ics.
int main(int argc, char **argv)
{
    using namespace nudgely;
    const ProgramOptions options = parseProgramOptions(programArguments(argc, argv));
    if (!options.error.isEmpty() || !(options.notify || options.list)) {
        std::fprintf(stderr, "nudgely-full: started by the nudgely command for --notify and --format=ics only\n");
        return ExitConfigurationProblem;
    }
    const QString commandPath = takeCommandPath();
    if (options.notify)
        return runNotification(argc, argv, options, commandPath);
    return runListing(options, commandPath, printEventListOrCalendar);
}
