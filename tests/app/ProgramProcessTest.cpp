#include "app/AppPaths.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

struct ProcessResult {
    int status = -1;
    QString out;
    QString err;
};

// Runs the program as a user would, without a display, in the test's own folder.
class ProgramProcessTest : public ::testing::Test {
protected:
    ProcessResult run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path("config"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.root());
        process.start(QStringLiteral(NUDGELY_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString iniPath() const { return folder.path("Nudgely.ini"); }

    test::TempFolder folder;
};

TEST_F(ProgramProcessTest, VersionAndHelp)
{
    const ProcessResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("Nudgely version 1.4 rev 2"))) << qPrintable(version.out);
    const ProcessResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"/I", "--list", "--today=YYYY-MM-DD", "--help", "--version"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    AppPaths program;
    program.programFolder = QFileInfo(QStringLiteral(NUDGELY_EXECUTABLE)).absolutePath();
    EXPECT_TRUE(help.out.endsWith("\nThe user guide: " + program.helpFile() + "\n")) << qPrintable(help.out);
}

TEST_F(ProgramProcessTest, BadOptionsExitWithStatusTwoAndAHint)
{
    for (const char *argument : {"--bogus", "--today=2026-13-01", "--today"}) {
        const ProcessResult result = run({"--list", QString::fromLatin1(argument)});
        EXPECT_EQ(result.status, 2) << argument;
        EXPECT_TRUE(result.err.contains(QStringLiteral("--help"))) << qPrintable(result.err);
        EXPECT_TRUE(result.out.isEmpty()) << argument;
    }
}

TEST_F(ProgramProcessTest, WithoutADisplayTheMessagesGoToStandardErrorAndTheAnswerIsNo)
{
    const ProcessResult noFile = run({"/I"});
    EXPECT_EQ(noFile.status, 2);
    EXPECT_TRUE(noFile.err.contains(QStringLiteral("Configuration file not found on command line after /i parameter!")))
        << qPrintable(noFile.err);

    const ProcessResult missing = run({"/I", folder.path("missing.ini")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no display"))) << qPrintable(missing.err);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Are you sure you want to continue?"))) << qPrintable(missing.err);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(QDir(folder.root()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(ProgramProcessTest, ListPrintsTheEventsGridAndTheSummary)
{
    folder.write("data/family.txt", "; family\r\n"
                                    "05/12/1990 Ann's birthday\r\n"
                                    "04/12/1990 Bob's birthday\r\n"
                                    "1SU/12/XXXX Advent\r\n"
                                    "20/12/2026 /A Party at J\xc3\xb6rg's\r\n"
                                    "99/xx/19 Broken line\r\n"
                                    "01/03/XXXX Far away\r\n");
    folder.write(iniPath(), "[DataFiles]\n1File=" + folder.path("data/family.txt").toUtf8() + "\n");
    const ProcessResult result = run({"--list", "--today=2026-12-05", "/I", iniPath()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString::fromUtf8("date\tday\tage\ttime left\tevent description\n"
                                            "04/12/1990\tFri\t36th\t-1\tBob's birthday\n"
                                            "05/12/1990\tSat\t36th\t0\tAnn's birthday\n"
                                            "1SU/12/XXXX\tSun\t \t1\tAdvent\n"
                                            "20/12/2026\tSun\t \t15\tParty at J\xc3\xb6rg's\n"
                                            "99/xx/19\t?\t?\t?\tBroken line\n"));
    EXPECT_EQ(result.err, QStringLiteral("6 events in 1 datafile, 1 bad date, 5 events displayed\n"));
}

TEST_F(ProgramProcessTest, ListOfNothingIsTheHeaderAndOneEmptyRow)
{
    // A configured file that is missing: the sample beside the program is not used then.
    folder.write(iniPath(), "[DataFiles]\n1File=" + folder.path("missing.txt").toUtf8() + "\n");
    const ProcessResult result = run({"--list", "/I", iniPath()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("date\tday\tage\ttime left\tevent description\n\t\t\t\t\n"));
    EXPECT_EQ(result.err, QStringLiteral("0 events in 0 datafiles, 0 bad dates, 0 events displayed\n"));
}

} // namespace
} // namespace nudgely
