#include "app/DueEventsNotifier.h"

#include "app/Session.h"

namespace nudgely {

std::optional<DueNotice> sessionDueNotice(Session &session)
{
    if (session.reminders().notify != 1)
        return std::nullopt;
    return dueNotice(session.table(), session.clock().today(), session.reminders().daysAhead,
                     session.settings().appendToAge == 1);
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
