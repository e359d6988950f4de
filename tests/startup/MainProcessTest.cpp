#include "support/TestEnvironment.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

struct ProcessResult {
    int status = -1;
    QString out;
    QString err;
};

// Runs the program as a user would, without a display, in the test's own folders.
class MainProcessTest : public ::testing::Test {
protected:
    ProcessResult run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.xdgConfigHome());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(env.root());
        process.start(QStringLiteral(NUDGELY_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    TestEnvironment env;
};

TEST_F(MainProcessTest, VersionNamesTheVersion)
{
    const ProcessResult result = run({QStringLiteral("--version")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("Nudgely version 1.4 rev 2"))) << qPrintable(result.out);
}

TEST_F(MainProcessTest, HelpListsEveryOption)
{
    const ProcessResult result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.status, 0);
    for (const char *option : {"/I", "--list", "--today=YYYY-MM-DD", "--help", "--version"})
        EXPECT_TRUE(result.out.contains(QLatin1String(option))) << option;
}

TEST_F(MainProcessTest, BadOptionsExitWithStatusTwo)
{
    for (const char *argument : {"--bogus", "--today=2026-13-01"}) {
        const ProcessResult result = run({QString::fromLatin1(argument)});
        EXPECT_EQ(result.status, 2) << argument;
        EXPECT_TRUE(result.err.contains(QStringLiteral("--help"))) << qPrintable(result.err);
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(MainProcessTest, WithoutADisplayTheMessagesGoToStandardErrorAndTheAnswerIsNo)
{
    const ProcessResult noFile = run({QStringLiteral("--list"), QStringLiteral("/I")});
    EXPECT_EQ(noFile.status, 2);
    EXPECT_TRUE(noFile.err.contains(QStringLiteral("Configuration file not found on command line after /i parameter!")))
        << qPrintable(noFile.err);

    const ProcessResult missing = run({QStringLiteral("/I"), env.root() + "/missing.ini"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no display"))) << qPrintable(missing.err);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Are you sure you want to continue?"))) << qPrintable(missing.err);
    EXPECT_FALSE(env.exists("missing.ini"));
}

} // namespace
} // namespace nudgely
