#include "app/ProgramOptions.h"
#include "app/Startup.h"

#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The options in one line: "error" if any, the flags set, today, and what is left, comma-separated.
QString parsed(const QStringList &arguments)
{
    const auto o = parseProgramOptions(arguments);
    return (o.error.isEmpty() ? "" : "error ") + QString(o.list ? "list " : "") + (o.notify ? "notify " : "") +
           (o.help ? "help " : "") + (o.version ? "version " : "") + o.today.toString(Qt::ISODate) + "|" +
           o.arguments.join(u',');
}

TEST(ProgramOptionsTest, OwnOptionsAreTakenOutTheRestKeepsItsOrderAndBadOnesAreErrors)
{
    EXPECT_EQ(parsed({"--list", "/I", "--today=2026-12-05", "my.ini"}), "list 2026-12-05|/I,my.ini");
    EXPECT_EQ(parsed({"--help", "--version"}), "help version |");
    EXPECT_EQ(parsed({"--notify", "--list"}), "error list notify |"); // one or the other
    EXPECT_EQ(parsed({"/I", "--", "--odd.ini", "--list"}), "|/I,--odd.ini,--list"); // "--" ends them
    EXPECT_EQ(parsed({"/I", "-notes.ini"}), "|/I,-notes.ini"); // a file may well be called "-notes.ini"
    for (const char *bad : {"--bogus", "--today=2026-02-30", "--today=5.12.2026", "--today=", "--today=26-12-05",
                            "--LIST", "--today"})
        EXPECT_EQ(parsed({bad}), "error |") << bad; // and no date
}

TEST(ProgramOptionsTest, FormatAndPeriodImplyTheListAndTakeOnlyWhatTheyKnow)
{
    const auto o = parseProgramOptions({"--format=json", "--days=0", "--past=36500"});
    EXPECT_TRUE(o.error.isEmpty() && o.list && o.format == ListFormat::Json && o.days == 0 && o.past == 36500);
    EXPECT_EQ(parseProgramOptions({"--format=ics"}).format, ListFormat::Ics);
    EXPECT_TRUE(parseProgramOptions({"--past=3"}).list);
    for (const char *bad : {"--format=xml", "--format=CSV", "--format", "--days=-1", "--days=1w", "--days=",
                            "--past=36501", "--past=+3"})
        EXPECT_FALSE(parseProgramOptions({bad}).error.isEmpty()) << bad;
    EXPECT_FALSE(parseProgramOptions({"--format=csv", "--notify"}).error.isEmpty());
}

struct Startup {
    std::optional<QString> settle(const QStringList &args) { return settleConfigurationFile(args, paths, messages); }

    test::TempFolder folder;
    test::RecordingMessages messages;
    AppPaths paths{folder.path("program"), folder.path("program/nudgely"), folder.path("config/Nudgely"), {}};
    QString beside = folder.path("program/Nudgely.ini"), inUserFolder = folder.path("config/Nudgely/Nudgely.ini");
};

TEST(StartupTest, WithoutTheSwitchTheFileIsSearchedFor)
{
    Startup s;
    s.folder.write(s.inUserFolder, "[Display]\n");
    QDir().mkpath(s.beside);
    EXPECT_EQ(s.settle({"/x", "x.ini"}), s.inUserFolder); // a folder is no configuration file; only "/I" switches
    QDir().rmdir(s.beside);
    QFile::remove(s.inUserFolder);
    EXPECT_EQ(s.settle({}), s.inUserFolder); // where the first write creates it, even beside a writable program
    EXPECT_FALSE(s.folder.exists(s.beside) || s.folder.exists(s.inUserFolder)); // searching creates nothing
    s.folder.write(s.beside, "[Display]\n");
    QFile::setPermissions(s.paths.programFolder, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(s.settle({}), s.beside); // first, even in a folder that cannot be written
}

TEST(StartupTest, TheSwitchTakesItsFileMadeAbsoluteAndWithoutOneEndsTheStartOrAsks)
{
    Startup s;
    const QString given = s.folder.path("My Files/n.ini"), missing = s.folder.path("missing.ini");
    s.folder.write(given, "[Display]\n");
    s.folder.write(s.beside, "[Display]\n"); // not searched for
    for (const char *switchText : {"/I", "/i", "/ini", "/Ifoo"})
        EXPECT_EQ(s.settle({QLatin1String(switchText), given}), given) << switchText;
    EXPECT_EQ(s.settle({"/I", QDir().relativeFilePath(given)}), given);
    EXPECT_EQ(s.settle({"/i"}), std::nullopt);
    EXPECT_EQ(s.settle({"/I", ""}), std::nullopt);
    EXPECT_EQ(s.settle({"/I", missing}), std::nullopt);
    s.messages.answer = true;
    EXPECT_EQ(s.settle({"/I", missing}), missing);
    // Nothing said of a file found; without a file nothing asked; of a missing one only asked.
    EXPECT_EQ(s.messages.warnings, QStringList(2, "Configuration file not found on command line after /i parameter!\n\n"
                                                  "Please check the command or launcher that starts Nudgely and try again."));
    EXPECT_EQ(s.messages.questions, QStringList(2, "Configuration file specified as command line parameter not "
                                                   "found:\n" + missing + "\n\nAre you sure you want to continue?"));
    EXPECT_FALSE(s.folder.exists(missing));
}

TEST(StartupTest, TheUserGuideIsBesideTheProgramElseWhereAnInstallPutsIt)
{
    Startup s;
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("program/Nudgely.html"));
    s.folder.write("share/nudgely/Nudgely.html", "<html>");
    s.folder.write("share/nudgely/dates.txt", "");
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("share/nudgely/Nudgely.html"));
    EXPECT_EQ(s.paths.sampleDataFile(), s.folder.path("share/nudgely/dates.txt")); // the sample likewise
    s.folder.write("program/Nudgely.html", "<html>");
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("program/Nudgely.html"));
    s.paths.programFolder = QStringLiteral("/");
    EXPECT_EQ(s.paths.helpFile(), QStringLiteral("/Nudgely.html"));
}

} // namespace
} // namespace nudgely
