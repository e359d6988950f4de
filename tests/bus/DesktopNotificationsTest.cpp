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
        bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
        EXPECT_TRUE(bus.registerService(Name)) << "run the tests with dbus-run-session";
    }
    ~FakeNotificationService() override { QDBusConnection::disconnectFromBus(bus.name()); }

    const QString Name = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
    // Each call as "app|replaces|icon|actions|hints|timeout", its summary and its body.
    QStringList calls, summaries, bodies;

public Q_SLOTS:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        calls.append(QStringLiteral("%1|%2|%3|%4|%5|%6").arg(app).arg(replaces).arg(icon, actions.join(u','))
                         .arg(hints.value("desktop-entry").toString()).arg(timeout));
        summaries.append(summary);
        bodies.append(body);
        return replaces ? replaces : 40 + uint(calls.size());
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &action);
};

// Two anniversaries today, an appointment in 3 days, a party in 9.
constexpr const char *Events = "14/12/2026 /A Party\n05/12/1989 Alex's birthday\n"
                               "08/12/XXXX Dentist at 9:30\n05/12/1969 Wedding anniversary\n";
const QString Today = QStringLiteral("Today: Alex's birthday (37th), Wedding anniversary (57th).");

class DesktopNotificationsTest : public ::testing::Test {
protected:
    void SetUp() override { family = env.writeDataFile("family.txt", Events); }
    // The program on the test's configuration, in the test's folders and without a display.
    void start(QProcess &process, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.folder.path("config"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(NUDGELY_EXECUTABLE), arguments + QStringList{"/I", env.iniPath()});
    }
    // Runs it to its end with the event loop turning, so that the service can answer it.
    int run(const QStringList &arguments)
    {
        QProcess process;
        start(process, arguments);
        EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000));
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    FakeNotificationService service;
    test::TestSession env;
    QString family, err;
};

TEST_F(DesktopNotificationsTest, TheWindowTellsWhatIsDueOnceItIsUp)
{
    env.configureDataFile(family, "[Reminders]\nDaysAhead=3\n");
    QProcess window;
    start(window, {"--today=2026-12-05"});
    const bool told = QTest::qWaitFor([&] { return !service.calls.isEmpty(); }, 60000);
    window.kill();
    window.waitForFinished();
    ASSERT_TRUE(told) << window.readAllStandardError().constData();
    EXPECT_EQ(service.calls, QStringList("Nudgely|0|nudgely|default,Show Nudgely|nudgely|-1"));
    EXPECT_EQ(service.summaries[0], QStringLiteral("Nudgely: 2 events today, 1 in the next 3 days"));
    EXPECT_EQ(service.bodies[0], Today + "\nIn 3 days: Dentist at 9:30.");
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
    // The service's answer reaches the notifier before its signals do.
    Q_EMIT service.ActionInvoked(7, QStringLiteral("default"));
    Q_EMIT service.ActionInvoked(41, QStringLiteral("default"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 10000));
    notifier.notifyDueEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 2; }, 10000));
    EXPECT_TRUE(service.calls[1].startsWith(u"Nudgely|41|")) << qPrintable(service.calls[1]);
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(DesktopNotificationsTest, NotifyShowsWhatIsDueAndSaysWhenNoServiceShowedIt)
{
    env.configureDataFile(family, "[Reminders]\nDaysAhead=0\n");
    EXPECT_EQ(run({"--notify", "--today=2026-12-05"}), 0);
    EXPECT_EQ(err, QString());
    EXPECT_EQ(service.summaries, QStringList("Nudgely: 2 events today"));
    EXPECT_EQ(service.bodies, QStringList(Today));
    // Nothing would answer a click: the desktop starts Nudgely by its entry instead.
    EXPECT_EQ(service.calls, QStringList("Nudgely|0|nudgely||nudgely|-1"));

    // Nothing due, or turned off: nothing to show, and no failure.
    EXPECT_EQ(run({"--notify", "--today=2026-12-06"}), 0);
    env.configureDataFile(family, "[Reminders]\nNotify=0\n");
    EXPECT_EQ(run({"--notify", "--today=2026-12-05"}), 0);
    EXPECT_EQ(service.calls.size(), 1);

    env.configureDataFile(family);
    service.bus.unregisterService(service.Name);
    EXPECT_EQ(run({"--notify", "--today=2026-12-05"}), 1);
    EXPECT_EQ(err, QStringLiteral("nudgely: no notification shown: no desktop notification service "
                                  "(org.freedesktop.Notifications) is running on the session bus\n"));
}

} // namespace
} // namespace nudgely

#include "DesktopNotificationsTest.moc"
