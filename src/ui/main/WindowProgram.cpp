#include "ui/main/WindowProgram.h"

#include "app/DueEventsNotifier.h"
#include "app/Listing.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "app/Version.h"
#include "ui/common/MessageBoxPresenter.h"
#include "ui/main/FirstPaintReport.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace nudgely {

int runWindow(int argc, char **argv, const ProgramOptions &options, const QString &commandPath)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nudgely"));
    app.setApplicationVersion(QLatin1String(VersionString));
    app.setDesktopFileName(QStringLiteral("nudgely"));

    MessageBoxPresenter messages;
    const AppPaths paths = AppPaths::forThisProgram(commandPath);
    const auto configPath = settleConfigurationFile(options.arguments, paths, messages);
    if (!configPath)
        return ExitConfigurationProblem;
    Session session(paths, *configPath, messages);
    session.clock().setToday(options.today);
    session.setConfigurationNamed(namesConfigurationFile(options.arguments));
    MainWindow window(session);
    // bench/window-timing.sh times the start to the first painted rows, then the run ends.
    const QString firstPaintReport = qEnvironmentVariable("NUDGELY_FIRST_PAINT_REPORT");
    if (!firstPaintReport.isEmpty())
        QObject::connect(new FirstPaintReport(window.listView(), firstPaintReport), &FirstPaintReport::reported, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
    window.load();

    DueEventsNotifier notifier(session);
    QObject::connect(&notifier, &DueEventsNotifier::clicked, &window, [&window] {
        if (window.isMinimized() || window.isHidden())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // The icon loads the SVG libraries: set after the load, which painted the rows when the
    // window was already on the screen, as the notice is.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/nudgely.svg"))); });
    // Once the event loop runs: the window is up before the bus is spoken to.
    QTimer::singleShot(0, &notifier, &DueEventsNotifier::notifyDueEvents);
    QObject::connect(&session, &Session::dayChanged, &notifier, &DueEventsNotifier::notifyDueEvents);
    return app.exec();
}

} // namespace nudgely
