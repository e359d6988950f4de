#pragma once

#include "app/DueNotice.h"

#include <QDBusMessage>
#include <QObject>

namespace nudgely {

// Nudgely's notification on the desktop, through the freedesktop notification service on the
// session bus. Each one replaces the one shown before.
class DesktopNotifications final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Sent without waiting for the service; without one nothing happens. A click on it
    // emits clicked.
    void show(const DueNotice &notice);
    // Sent, waiting for the service's answer: empty when shown, else why not. It offers no
    // click of its own, as nothing would be left to answer it: the desktop opens Nudgely by
    // its desktop entry instead.
    QString showAndWait(const DueNotice &notice);

Q_SIGNALS:
    void clicked();

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    QDBusMessage notifyMessage(const DueNotice &notice, bool clickable) const;

    uint id_ = 0; // the service's number for the one shown, 0 for none
    bool listening_ = false;
};

} // namespace nudgely
