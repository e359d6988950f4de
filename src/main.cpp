#include "app/AppPaths.h"
#include "app/Listing.h"
#include "app/ProgramOptions.h"
#include "app/Version.h"
#include "app/WindowHandover.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace nudgely;
    const ProgramOptions options = parseProgramOptions(arguments(argc, argv));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "nudgely: %s\nTry 'nudgely --help' for the options.\n", qPrintable(options.error));
        return ExitConfigurationProblem;
    }
    if (options.help) {
        const QCoreApplication app(argc, argv); // for the program's folder
        std::fputs(qPrintable(programUsage(AppPaths::forThisProgram().helpFile())), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Nudgely %s (%s)\n", qPrintable(versionText()), VersionString);
        return 0;
    }
    if (options.list)
        return runListing(argc, argv, options);
    if (options.notify)
        return runNotification(argc, argv, options);
    if (options.check)
        return runCheck(argc, argv, options);
    if (!options.importContacts.isEmpty())
        return runContactImport(argc, argv, options);
    if (!hasDisplay()) {
        std::fprintf(stderr, "Nudgely: no display found; printing the events list as with --list\n");
        return runListing(argc, argv, options);
    }
    return handOverToWindowProgram(argv);
}
