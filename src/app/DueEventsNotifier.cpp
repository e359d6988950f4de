#include "app/DueEventsNotifier.h"

#include "app/Session.h"
#include "events/OccurrenceResolver.h"

namespace nudgely {

std::optional<DueNotice> sessionDueNotice(Session &session)
{
    if (session.reminders().notify != 1)
        return std::nullopt;
    const QDate today = session.clock().today();
    if (session.resolvedFor() == today)
        return dueNotice(session.table(), session.reminders().daysAhead, session.settings().appendToAge == 1);
    // The list stays on the day it was made for (no update at midnight); the notice tells of today.
    EventTable table = session.table().copy();
    resolveEvents(table, session.dateFormat(), today);
    return dueNotice(table, session.reminders().daysAhead, session.settings().appendToAge == 1);
}

DueEventsNotifier::DueEventsNotifier(Session &session, QObject *parent) : QObject(parent), session_(session)
{
    connect(&notifications_, &DesktopNotifications::clicked, this, &DueEventsNotifier::clicked);
}

void DueEventsNotifier::notifyDueEvents()
{
    if (const auto notice = sessionDueNotice(session_))
        notifications_.show(*notice);
}

} // namespace nudgely
