#include "ui/main/AppMain.h"

#include "config/LegacyMigration.h"
#include "config/Settings.h"
#include "eventlist/EventListing.h"
#include "events/Today.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"
#include "startup/CommandLine.h"
#include "startup/ConfigFileSearch.h"
#include "startup/ProgramOptions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MessageBoxPresenter.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace nudgely {

namespace {

constexpr int ExitConfigurationProblem = 2;

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QStringList RawArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The start-up's command line, from the arguments the application left after taking its own.
QString StartupCommandLine()
{
    return RebuildCommandLine(ParseProgramOptions(QCoreApplication::arguments().mid(1)).startupArgs);
}

// Settles the configuration file and loads the settings; false when start-up must end.
bool StartUp()
{
    if (!SettleConfigurationFile(StartupCommandLine()))
        return false;
    MigrateLegacySettings();
    LoadSettings();
    return true;
}

int RunListing(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(AppTitle);
    if (!StartUp())
        return ExitConfigurationProblem;
    PrintEventList(stdout, stderr);
    // Everything is printed: tearing down tens of thousands of events and rows one by one
    // would only delay the exit.
    std::fflush(nullptr);
    std::_Exit(0);
}

int RunWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(AppTitle);
    app.setApplicationVersion(QLatin1String(VersionString));
    app.setDesktopFileName(QStringLiteral("nudgely"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/nudgely.svg")));
    MessageBoxPresenter presenter;
    InstallMessagePresenter(&presenter);
    if (!SettleConfigurationFile(StartupCommandLine()))
        return ExitConfigurationProblem;

    frmMain window;
    window.Form_Load();
    const int status = app.exec();
    InstallMessagePresenter(nullptr);
    return status;
}

} // namespace

int Main(int argc, char **argv)
{
    const ProgramOptions options = ParseProgramOptions(RawArguments(argc, argv));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "nudgely: %s\nTry 'nudgely --help' for the options.\n", qPrintable(options.error));
        return ExitConfigurationProblem;
    }
    if (options.help) {
        const QCoreApplication app(argc, argv); // for the program's folder
        std::fputs(qPrintable(ProgramUsage(FindHelpFile())), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %s (%s)\n", qPrintable(AppTitle), qPrintable(VersionText()), VersionString);
        return 0;
    }
    if (options.today.isValid())
        SetToday(options.today);

    if (options.list)
        return RunListing(argc, argv);
    if (!HasDisplay()) {
        std::fprintf(stderr, "%s: no display found; printing the events list as with --list\n", qPrintable(AppTitle));
        return RunListing(argc, argv);
    }
    return RunWindow(argc, argv);
}

} // namespace nudgely
