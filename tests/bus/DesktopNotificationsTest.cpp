#include "app/DueEventsNotifier.h"

#include "support/TestSession.h"

#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The desktop's notification service, on a connection of its own to the private bus the
// tests run on: it records each notification and answers with its number.
class FakeNotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    FakeNotificationService()
    {
        bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllContents);
        EXPECT_TRUE(bus.registerService("org.freedesktop.Notifications")) << "run the tests with dbus-run-session";
    }
    ~FakeNotificationService() override { QDBusConnection::disconnectFromBus(bus.name()); }

    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
    QStringList calls; // "app|replaces|icon|actions|desktop-entry|timeout|summary|body"

public Q_SLOTS:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        calls.append(QStringList{app, QString::number(replaces), icon, actions.join(u','),
                                 hints.value("desktop-entry").toString(), QString::number(timeout), summary, body}
                         .join(u'|'));
        return replaces ? replaces : 40 + uint(calls.size());
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
};

// On 5 December 2026: two anniversaries today, an appointment in 3 days, a party in 9.
constexpr const char *Events = "14/12/2026 /A Party\n05/12/1989 Alex's birthday\n"
                               "08/12/XXXX Dentist at 9:30\n05/12/1969 Wedding anniversary\n";
const QString Today = QStringLiteral("Today: Alex's birthday (37th), Wedding anniversary (57th).");

class DesktopNotificationsTest : public ::testing::Test {
protected:
    // Runs the program on the test's configuration until it ends, or until the window has
    // shown a notification. The event loop turns meanwhile, so that the service can answer.
    int run(const QStringList &arguments, bool window = false)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", env.folder.path("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(NUDGELY_EXECUTABLE, QStringList("--today=2026-12-05") + arguments << "/I" << env.iniPath());
        const auto done = [&] { return process.state() == QProcess::NotRunning || (window && service.calls.size()); };
        EXPECT_TRUE(QTest::qWaitFor(done, 60000));
        process.kill();
        process.waitForFinished();
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    FakeNotificationService service;
    test::TestSession env;
    QString family = env.writeDataFile("family.txt", Events), err;
};

TEST_F(DesktopNotificationsTest, TheWindowTellsWhatIsDueOnceItIsUp)
{
    env.configureDataFile(family, "[Reminders]\nDaysAhead=3\n");
    run({}, true);
    EXPECT_EQ(service.calls, QStringList("Nudgely|0|nudgely|default,Show Nudgely|nudgely|-1|"
                                         "Nudgely: 2 events today, 1 in the next 3 days|" + Today +
                                         "\nIn 3 days: Dentist at 9:30."));
}

TEST_F(DesktopNotificationsTest, TheNotifierHearsOnlyItsOwnClickAndReplacesItsNotification)
{
    env.configureDataFile(family);
    env.session.loadConfiguration();
    env.session.reloadDataFiles();
    DueEventsNotifier notifier(env.session);
    const QSignalSpy clicked(&notifier, &DueEventsNotifier::clicked);
    notifier.notifyDueEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 1; }, 10000));
    // The service's answer, number 41, reaches the notifier before its signals do.
    Q_EMIT service.ActionInvoked(7, QStringLiteral("default"));
    Q_EMIT service.ActionInvoked(41, QStringLiteral("default"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 10000));
    notifier.notifyDueEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 2; }, 10000));
    EXPECT_EQ(service.calls[1], QString(service.calls[0]).replace("Nudgely|0|", "Nudgely|41|"));
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(DesktopNotificationsTest, NotifyShowsWhatIsDueAndSaysWhenNoServiceShowedIt)
{
    // Nothing would answer a click: the desktop starts Nudgely by its entry instead.
    env.configureDataFile(family, "[Reminders]\nDaysAhead=0\n");
    EXPECT_EQ(run({"--notify"}), 0);
    EXPECT_EQ(service.calls, QStringList("Nudgely|0|nudgely||nudgely|-1|Nudgely: 2 events today|" + Today));
    // Many due: eight named, the rest counted. Turned off: nothing sent.
    env.configureDataFile(env.writeDataFile("many.txt", QByteArray("06/12/XXXX Fair\n").repeated(11)));
    EXPECT_EQ(run({"--notify"}), 0);
    EXPECT_EQ(service.calls.value(1), "Nudgely|0|nudgely||nudgely|-1|Nudgely: 11 events in the next 3 days|Tomorrow: Fair" +
                                          QString(", Fair").repeated(7) + ".\nAnd 3 more.");
    env.configureDataFile(family, "[Reminders]\nNotify=0\n");
    EXPECT_EQ(run({"--notify"}), 0);
    EXPECT_EQ(service.calls.size(), 2);

    env.configureDataFile(family);
    service.bus.unregisterService("org.freedesktop.Notifications");
    EXPECT_EQ(run({"--notify"}), 1);
    EXPECT_EQ(err, QStringLiteral("nudgely: no notification shown: no desktop notification service "
                                  "(org.freedesktop.Notifications) is running on the session bus\n"));
    // Nothing due, or turned off: nothing is sent, so nothing fails.
    env.configureDataFile(family, "[Reminders]\nDaysAhead=0\n");
    EXPECT_EQ(run({"--notify", "--today=2026-12-06"}), 0);
    env.configureDataFile(family, "[Reminders]\nNotify=0\n");
    EXPECT_EQ(run({"--notify"}), 0);
    EXPECT_EQ(err, QString());
}

} // namespace
} // namespace nudgely

#include "DesktopNotificationsTest.moc"
