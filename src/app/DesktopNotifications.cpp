#include "app/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace nudgely {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

QDBusMessage DesktopNotifications::notifyMessage(const DueNotice &notice, bool clickable) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    const QStringList actions = clickable ? QStringList{QStringLiteral("default"), QStringLiteral("Show Nudgely")}
                                          : QStringList();
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("nudgely")}};
    message << QStringLiteral("Nudgely") << id_ << QStringLiteral("nudgely") << notice.summary << notice.body
            << actions << hints << qint32(-1);
    return message;
}

void DesktopNotifications::show(const DueNotice &notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!listening_) {
        // Any sender: only the service speaks on its interface, and naming it would have
        // the bus looked up for its owner now, and again whenever the service restarts.
        bus.connect(QString(), Path, Interface, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
        bus.connect(QString(), Path, Interface, QStringLiteral("NotificationClosed"), this,
                    SLOT(notificationClosed(uint, uint)));
        listening_ = true;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(notifyMessage(notice, true)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isValid())
            id_ = reply.value();
        call->deleteLater();
    });
}

QString DesktopNotifications::showAndWait(const DueNotice &notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QStringLiteral("no session bus to reach the desktop's notification service: ") +
               bus.lastError().message();
    const QDBusMessage reply = bus.call(notifyMessage(notice, false));
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {};
    const QDBusError error(reply);
    if (error.type() == QDBusError::ServiceUnknown)
        return QStringLiteral("no desktop notification service (%1) is running on the session bus").arg(Service);
    return QStringLiteral("the desktop notification service did not show it: ") + error.message();
}

void DesktopNotifications::actionInvoked(uint id, const QString &action)
{
    if (id != 0 && id == id_ && action == u"default")
        Q_EMIT clicked();
}

void DesktopNotifications::notificationClosed(uint id, uint)
{
    // A closed one cannot be replaced: the next is a new one.
    if (id == id_)
        id_ = 0;
}

} // namespace nudgely
