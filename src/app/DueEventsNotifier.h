#pragma once

#include "app/DesktopNotifications.h"
#include "app/DueNotice.h"

#include <QObject>

#include <optional>

namespace nudgely {

class Session;

// The notice of what is due by the session's events as last resolved and its settings;
// nothing when notifications are off or nothing is due.
std::optional<DueNotice> sessionDueNotice(Session &session);

// Tells the desktop what is due, for a running window.
class DueEventsNotifier final : public QObject {
    Q_OBJECT

public:
    explicit DueEventsNotifier(Session &session, QObject *parent = nullptr);

public Q_SLOTS:
    // Shows the session's notice now, replacing the one shown before; never waits.
    void notifyDueEvents();

Q_SIGNALS:
    // The user clicked the notification.
    void clicked();

private:
    Session &session_;
    DesktopNotifications notifications_;
};

} // namespace nudgely
