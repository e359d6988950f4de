#include "app/DesktopCommands.h"

#include "app/AppPaths.h"
#include "app/DueEventsNotifier.h"
#include "app/IcsWriter.h"
#include "app/Listing.h"
#include "app/MessagePresenter.h"
#include "app/Session.h"
#include "eventlist/EventList.h"

#include <QCoreApplication>

#include <cstdlib>

namespace nudgely {

int printEventListOrCalendar(const Session &session, std::FILE *out, std::FILE *err, ListFormat format)
{
    if (format != ListFormat::Ics)
        return printEventList(session, out, err, format);
    const IcsCalendar calendar =
        icsCalendar(session.table(), session.dateFormat(), session.dataFiles(), session.resolvedFor());
    QStringList notes;
    if (calendar.badDates > 0)
        notes.append(pluraliseCount(calendar.badDates, QStringLiteral("bad date")) +
                     QStringLiteral(" left out of the calendar"));
    if (calendar.noRule > 0)
        notes.append(pluraliseCount(calendar.noRule, QStringLiteral("event")) +
                     QStringLiteral(" left out of the calendar: a weekday counted past the fifth week has no "
                                    "calendar rule"));
    return writeList(session, calendar.text, out, err, notes);
}

int runNotification(int argc, char **argv, const ProgramOptions &options, const QString &commandPath)
{
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    int status = 0;
    Session *session = loadWithoutWindow(options, AppPaths::forThisProgram(commandPath), messages, status);
    if (!session)
        return status;
    // A timer's log is where a file that was not read shows.
    printProblems(*session, stderr);
    if (const auto notice = sessionDueNotice(*session)) {
        const QString failure = DesktopNotifications().showAndWait(*notice);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "nudgely: no notification shown: %s\n", failure.toUtf8().constData());
            status = ExitNotShown;
        }
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace nudgely
