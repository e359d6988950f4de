#include "app/AppPaths.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// Runs the program as a user would, without a display, in the test's own folder.
class ProgramProcessTest : public ::testing::Test {
protected:
    // The exit status, -1 for a crash; what was printed is left in out and err.
    int run(const QStringList &arguments, const QString &outputFile = {})
    {
        QProcess process;
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path("config"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.root());
        // "-" for the program: the shell starts it with standard output closed.
        if (arguments.value(0) == u"-")
            process.start("/bin/sh", QStringList({"-c", "exec \"$0\" \"$@\" >&-", NUDGELY_EXECUTABLE}) + arguments.mid(1));
        else
            process.start(QStringLiteral(NUDGELY_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    test::TempFolder folder;
    QString out, err;
};

// The command answers --version without its module, and names the part it could not load.
TEST_F(ProgramProcessTest, TheCommandAloneAnswersItsVersionAndNamesTheModuleItMisses)
{
    const QString alone = folder.path("bin/nudgely");
    ASSERT_TRUE(QDir().mkpath(folder.path("bin")) && QFile::copy(QStringLiteral(NUDGELY_EXECUTABLE), alone));
    QProcess process;
    process.start(alone, {"--version"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.readAllStandardOutput(), "Nudgely version 1.4 rev 2 (1.4.0.2)\n");
    process.start(alone, {"--list"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError(),
              "nudgely: cannot load nudgely-command.so: not found beside the program nor in ../libexec/nudgely/\n");
    // Without a "--" option on a display, the window program is started without the module.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(alone, {"/I", folder.path("Nudgely.ini")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError(),
              "nudgely: cannot start nudgely-window: not found beside the program nor in ../libexec/nudgely/\n");
}

// Without a display the messages go to standard error, and the answer to a question is No.
TEST_F(ProgramProcessTest, VersionHelpAndProblemsEndTheProgramWithTheirExitStatus)
{
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_TRUE(out.startsWith(u"Nudgely version 1.4 rev 2")) << qPrintable(out);
    EXPECT_EQ(run({"--help"}), 0);
    for (const char *option : {"/I", "--list", "--notify", "--check", "--import-contacts", "--to", "--today=YYYY-MM-DD",
                               "--help", "--version", "--format=FORMAT", "--days=N", "--past=N", "csv", "json", "ics"})
        EXPECT_TRUE(out.contains(QLatin1String(option))) << option;
    const AppPaths program{QFileInfo(QStringLiteral(NUDGELY_EXECUTABLE)).absolutePath(), {}, {}, {}};
    EXPECT_TRUE(out.endsWith("\nThe user guide: " + program.helpFile() + "\n")) << qPrintable(out);
    EXPECT_EQ(run({"--list", "--today=2026-13-01"}), 2);
    EXPECT_TRUE(err.contains(u"--help") && out.isEmpty()) << qPrintable(err);
    EXPECT_EQ(run({"/I", folder.path("missing.ini")}), 2);
    EXPECT_TRUE(err.contains(u"no display") && err.contains(u"Are you sure you want to continue?")) << qPrintable(err);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(QDir(folder.root()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

    // Settings to carry over into a file that cannot take them: the list, and the failure.
    folder.write("config/Nudgely/registry.reg", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\n"
                                                "\"frmCentre\"=dword:00000000\n");
    folder.write("ro.ini", "[Display]\n");
    QFile::setPermissions(folder.path("ro.ini"), QFile::ReadOwner);
    EXPECT_EQ(run({"--list", "/I", "ro.ini"}), 2);
    EXPECT_TRUE(out.startsWith(u"date\t") && err.contains(u"Permission denied")) << qPrintable(err);
}

TEST_F(ProgramProcessTest, ListPrintsTheEventsGridAndTheSummary)
{
    folder.write("data/family.txt", "; family\r\n05/12/1990 Ann's birthday\r\n04/12/1990 Bob's birthday\r\n"
                                    "1SU/12/XXXX Advent\r\n20/12/2026 /A Party at J\xc3\xb6rg's\r\n"
                                    "99/xx/19 Broken line\r\n01/03/XXXX Far away\r\n");
    // Found in the working folder, by its name exactly as given.
    folder.write("sp \"q.ini", "[DataFiles]\n1File=" + folder.path("data/family.txt").toUtf8() + "\n");
    EXPECT_EQ(run({"--list", "--today=2026-12-05", "/I", "sp \"q.ini"}), 0);
    EXPECT_EQ(out, QString::fromUtf8("date\tday\tage\ttime left\tevent description\n"
                                     "04/12/1990\tFri\t36th\t-1\tBob's birthday\n"
                                     "05/12/1990\tSat\t36th\t0\tAnn's birthday\n"
                                     "1SU/12/XXXX\tSun\t \t1\tAdvent\n"
                                     "20/12/2026\tSun\t \t15\tParty at J\xc3\xb6rg's\n"
                                     "99/xx/19\t?\t?\t?\tBroken line\n"));
    EXPECT_EQ(err, QStringLiteral("6 events in 1 datafile, 1 bad date, 5 events displayed\n"));

    // A configured file that is missing: the sample beside the program is not used then.
    folder.write("Nudgely.ini", "[DataFiles]\n1File=" + folder.path("missing.txt").toUtf8() + "\n");
    EXPECT_EQ(run({"--list", "/I", "Nudgely.ini"}), 0);
    EXPECT_EQ(out, QStringLiteral("date\tday\tage\ttime left\tevent description\n\t\t\t\t\n"));
    EXPECT_EQ(err, "nudgely: " + folder.path("missing.txt") + ": No such file or directory\n"
                   "0 events in 0 datafiles, 0 bad dates, 0 events displayed; 1 datafile not read\n");
}

TEST_F(ProgramProcessTest, AListThatCannotBeWrittenEndsInFailure)
{
    folder.write("Nudgely.ini", "[DataFiles]\n1File=" NUDGELY_SOURCE_DIR "/examples/dates.txt\n");
    const std::pair<QStringList, const char *> cases[] = {
        {{"--list", "/I", "Nudgely.ini"}, "No space left on device"}, // to a full disk
        {{"-", "--list", "/I", "Nudgely.ini"}, "Bad file descriptor"}}; // to a closed output
    for (const auto &[arguments, reason] : cases) {
        EXPECT_EQ(run(arguments, arguments[0] == u"-" ? QString() : QStringLiteral("/dev/full")), 1);
        EXPECT_TRUE(err.endsWith(QStringLiteral("\nnudgely: writing the list: %1\n").arg(reason))) << qPrintable(err);
    }
}

TEST_F(ProgramProcessTest, CheckNamesEachBadLineWithItsNumberAndReason)
{
    folder.write("clean.ini", "[DataFiles]\n1File=" NUDGELY_SOURCE_DIR "/examples/dates.txt\n");
    EXPECT_EQ(run({"--check", "/I", "clean.ini"}), 0);
    EXPECT_EQ(out + err, QString());

    folder.write("a.txt", "; a\r\n12/13/1970 carried, so fine\r\n\r\n2FR/05/XXXX  Bad weekday\r\n31/Foo/XXXX x\r\n");
    folder.write("b.txt", "12-05-1970 Other delimiter\nword\n");
    folder.write("bad.ini", "[DataFiles]\n1File=a.txt\n2File=b.txt\n3File=gone.txt\n");
    EXPECT_EQ(run({"--check", "/I", "bad.ini"}), 1);
    EXPECT_EQ(out, "a.txt:4: \"FR\" is not a weekday: write SU, MO, TU, WE, TH, FI or SA: 2FR/05/XXXX  Bad weekday\n"
                   "a.txt:5: \"Foo\" is not a month: 31/Foo/XXXX x\n"
                   "b.txt:1: \"12-05-1970\" needs a day, a month and a year separated by \"/\": 12-05-1970 Other delimiter\n"
                   "b.txt:2: the line is a single word, with no date before it: word\n");
    EXPECT_EQ(err, "nudgely: gone.txt: No such file or directory\n");
    EXPECT_EQ(run({"--check", "--list"}), 2);
}

TEST_F(ProgramProcessTest, ImportContactsWritesANewDataFileAndNeverAnExistingOne)
{
    folder.write("c.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Sam Smith\r\nBDAY:--0415\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bo\r\nEND:VCARD\r\n");
    folder.write("dmy.ini", "[DateFormat]\nDelimiter=2\nDayPos=2\nMonthPos=1\n");
    EXPECT_EQ(run({"--import-contacts", "c.vcf", "--to", "new.txt", "/I", "dmy.ini"}), 0);
    EXPECT_EQ(out, "Imported 1 date from 2 contact cards into new.txt.\nCards without a birthday or anniversary: Bo.\n");
    EXPECT_EQ(folder.read("new.txt"), "; Birthdays and anniversaries from c.vcf, imported by Nudgely.\n"
                                      "04.15.XXXX Sam Smith's birthday\n");
    folder.write("old.txt", "01/01/XXXX keep me\n");
    EXPECT_EQ(run({"--import-contacts=c.vcf", "--to=old.txt"}), 1);
    EXPECT_EQ(err, "nudgely: old.txt already exists. Nudgely never writes over a file: choose a new name for the "
                   "imported dates.\n");
    EXPECT_EQ(folder.read("old.txt"), "01/01/XXXX keep me\n");
    EXPECT_EQ(run({"--import-contacts", "c.vcf"}), 2);
}

} // namespace
} // namespace nudgely
