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
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
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

TEST_F(MainProcessTest, ListPrintsTheEventsGridAndTheSummary)
{
    env.writeFile("data/family.txt", "; family\r\n"
                                     "05/12/1990 Ann's birthday\r\n"
                                     "04/12/1990 Bob's birthday\r\n"
                                     "1SU/12/XXXX Advent\r\n"
                                     "20/12/2026 /A Party at J\xc3\xb6rg's\r\n"
                                     "99/xx/19 Broken line\r\n"
                                     "01/03/XXXX Far away\r\n");
    env.writeIni("[DataFiles]\n1File=" + env.path("data/family.txt").toUtf8() + "\n");
    const ProcessResult result =
        run({QStringLiteral("--list"), QStringLiteral("--today=2026-12-05"), QStringLiteral("/I"), env.iniPath()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString::fromUtf8("date\tday\tage\ttime left\tevent description\n"
                                            "04/12/1990\tFri\t36th\t-1\tBob's birthday\n"
                                            "05/12/1990\tSat\t36th\t0\tAnn's birthday\n"
                                            "1SU/12/XXXX\tSun\t \t1\tAdvent\n"
                                            "20/12/2026\tSun\t \t15\tParty at J\xc3\xb6rg's\n"
                                            "99/xx/19\t?\t?\t?\tBroken line\n"));
    EXPECT_EQ(result.err, QStringLiteral("6 events in 1 datafile, 1 bad date, 5 events displayed\n"));
}

TEST_F(MainProcessTest, ListOfNothingIsTheHeaderAndOneEmptyRow)
{
    // A configured file that is missing: the sample beside the program is not used then.
    env.writeIni("[DataFiles]\n1File=" + env.path("missing.txt").toUtf8() + "\n");
    const ProcessResult result = run({QStringLiteral("--list"), QStringLiteral("/I"), env.iniPath()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("date\tday\tage\ttime left\tevent description\n\t\t\t\t\n"));
    EXPECT_EQ(result.err, QStringLiteral("0 events in 0 datafiles, 0 bad dates, 0 events displayed\n"));
}

} // namespace
} // namespace nudgely
