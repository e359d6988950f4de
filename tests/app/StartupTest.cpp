#include "app/ProgramOptions.h"
#include "app/Startup.h"

#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(ProgramOptionsTest, OwnOptionsAreTakenOutAndTheRestKeepsItsOrder)
{
    auto options = parseProgramOptions({"--list", "/I", "--today=2026-12-05", "my.ini"});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_TRUE(options.list && !options.help && !options.version);
    EXPECT_EQ(options.today, QDate(2026, 12, 5));
    EXPECT_EQ(options.arguments, QStringList({"/I", "my.ini"}));
    options = parseProgramOptions({"--help", "--version"});
    EXPECT_TRUE(options.help && options.version && !options.list);
    EXPECT_TRUE(options.arguments.isEmpty());
    options = parseProgramOptions({"/I", "--", "--odd.ini", "--list"});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_FALSE(options.list);
    EXPECT_EQ(options.arguments, QStringList({"/I", "--odd.ini", "--list"}));
}

TEST(ProgramOptionsTest, AnArgumentWithOneDashIsLeftForTheStartUp)
{
    // Only "--" options are the program's own: a file may well be called "-notes.ini".
    const auto options = parseProgramOptions({"/I", "-notes.ini"});
    EXPECT_TRUE(options.error.isEmpty()) << qPrintable(options.error);
    EXPECT_EQ(options.arguments, QStringList({"/I", "-notes.ini"}));
}

TEST(ProgramOptionsTest, BadOptionsAreErrors)
{
    for (const char *argument :
         {"--bogus", "--today=2026-02-30", "--today=5.12.2026", "--today=", "--today=26-12-05", "--LIST", "--today"}) {
        const auto options = parseProgramOptions({QString::fromLatin1(argument)});
        EXPECT_FALSE(options.error.isEmpty()) << argument;
        EXPECT_FALSE(options.today.isValid()) << argument;
    }
}

// A program folder and a user configuration folder of the test's own.
struct Startup {
    Startup() { QDir().mkpath(paths.programFolder); }
    std::optional<QString> settle(const QStringList &arguments)
    {
        return settleConfigurationFile(arguments, paths, messages);
    }

    test::TempFolder folder;
    test::RecordingMessages messages;
    AppPaths paths{folder.path("program"), folder.path("program/nudgely"), folder.path("config/Nudgely"), {}};
};

TEST(StartupTest, WithoutTheSwitchTheFileIsSearchedFor)
{
    struct {
        bool besideProgram, inUserFolder, folderInTheWay, programReadOnly;
        const char *expected; // the folder of the file settled on
    } const cases[] = {
        {true, true, false, false, "program"},
        {false, true, false, false, "config/Nudgely"},
        {false, false, false, false, "program"}, // where the first write creates it
        {false, false, false, true, "config/Nudgely"},
        {true, false, false, true, "program"},
        {false, true, true, false, "config/Nudgely"}, // a folder is not a configuration file
    };
    for (const auto &c : cases) {
        Startup s;
        if (c.besideProgram)
            s.folder.write("program/Nudgely.ini", "[Display]\n");
        if (c.inUserFolder)
            s.folder.write("config/Nudgely/Nudgely.ini", "[Display]\n");
        if (c.folderInTheWay)
            QDir().mkpath(s.folder.path("program/Nudgely.ini"));
        if (c.programReadOnly)
            QFile::setPermissions(s.paths.programFolder, QFile::ReadOwner | QFile::ExeOwner);
        const QString expected = s.folder.path(QLatin1String(c.expected) + "/Nudgely.ini");
        EXPECT_EQ(s.settle({}), expected) << &c - cases;
        EXPECT_EQ(s.settle({"/x", "x.ini"}), expected) << &c - cases;
        EXPECT_TRUE(s.messages.warnings.isEmpty() && s.messages.questions.isEmpty());
        EXPECT_EQ(s.folder.exists("program/Nudgely.ini"), c.besideProgram || c.folderInTheWay);
        EXPECT_EQ(s.folder.exists("config/Nudgely/Nudgely.ini"), c.inUserFolder);
    }
}

TEST(StartupTest, TheSwitchWithAFileUsesItMadeAbsolute)
{
    Startup s;
    const QString given = s.folder.path("My Files/n.ini");
    s.folder.write(given, "[Display]\n");
    s.folder.write("program/Nudgely.ini", "[Display]\n");
    for (const char *switchText : {"/I", "/i", "/ini", "/Ifoo"})
        EXPECT_EQ(s.settle({QLatin1String(switchText), given}), given) << switchText;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(s.folder.path("My Files"));
    const QString expected = QDir::currentPath() + "/n.ini";
    EXPECT_EQ(s.settle({"/I", "n.ini"}), expected);
    QDir::setCurrent(saved);
    EXPECT_TRUE(s.messages.warnings.isEmpty() && s.messages.questions.isEmpty());
}

TEST(StartupTest, TheSwitchWithoutAFileEndsTheStart)
{
    Startup s;
    EXPECT_EQ(s.settle({"/i"}), std::nullopt);
    EXPECT_EQ(s.settle({"/I", ""}), std::nullopt);
    const QString warning = "Configuration file not found on command line after /i parameter!\n\n"
                            "Please update your Nudgely shortcut and try again.";
    EXPECT_EQ(s.messages.warnings, QStringList({warning, warning}));
    EXPECT_TRUE(s.messages.questions.isEmpty());
}

TEST(StartupTest, AMissingFileGoesOnOnlyWhenTheUserSaysYes)
{
    Startup s;
    const QString missing = s.folder.path("missing.ini");
    EXPECT_EQ(s.settle({"/I", missing}), std::nullopt);
    s.messages.answer = true;
    EXPECT_EQ(s.settle({"/I", missing}), missing);
    const QString question = "Configuration file specified as command line parameter not found:\n" + missing +
                             "\n\nAre you sure you want to continue?";
    EXPECT_EQ(s.messages.questions, QStringList({question, question}));
    EXPECT_TRUE(s.messages.warnings.isEmpty());
    EXPECT_FALSE(s.folder.exists("missing.ini"));
}

TEST(StartupTest, TheUserGuideIsBesideTheProgramElseWhereAnInstallPutsIt)
{
    Startup s;
    s.paths.programFolder = s.folder.path("bin");
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("bin/Nudgely.html"));
    s.folder.write("share/nudgely/Nudgely.html", "<html>");
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("share/nudgely/Nudgely.html"));
    s.folder.write("bin/Nudgely.html", "<html>");
    EXPECT_EQ(s.paths.helpFile(), s.folder.path("bin/Nudgely.html"));
    s.paths.programFolder = QStringLiteral("/");
    EXPECT_EQ(s.paths.helpFile(), QStringLiteral("/Nudgely.html"));
}

} // namespace
} // namespace nudgely
