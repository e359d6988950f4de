#include "app/Session.h"

#include "support/TestSession.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace nudgely {
namespace {

const QByteArray Family = "05/12/1990 Ann's birthday\r\n04/12/1990 Bob's birthday\r\n99/xx/19 Broken line\r\n";
const QByteArray LegacyExport = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n"
                                "\"frmCentre\"=dword:00000000\r\n\"Filter\"=dword:00000000\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\"1File\"=\"/old/dates.txt\"\r\n";
const QString Sorting = QStringLiteral("sorting events in ascending order by 'time left'...");
const QString Sorted = QStringLiteral("events sorted in ascending order by 'time left'");

class SessionTest : public ::testing::Test {
protected:
    SessionTest()
    {
        Session *s = &t.session;
        QObject::connect(s, &Session::statusMessage, [this](const QString &text) { heard.append(text); });
        QObject::connect(s, &Session::busyChanged, [this](bool busy) { heard.append(busy ? "<busy>" : "<idle>"); });
        QObject::connect(s, &Session::listAboutToChange, [this] { heard.append("<about to change>"); });
        QObject::connect(s, &Session::listChanged,
                         [this](ListChange c) { heard.append(c == ListChange::Rebuilt ? "<rebuilt>" : "<sorted>"); });
    }

    // Family as the only data file, loaded and shown, and nothing heard yet.
    QString loadFamily(const QByteArray &moreIni = {})
    {
        const QString path = t.writeDataFile("family.txt", Family);
        t.configureDataFile(path, moreIni);
        t.session.loadConfiguration();
        t.session.reloadDataFiles();
        heard.clear();
        return path;
    }
    // What the preferences dialog holds when it opens on the default settings.
    WorkingPreferences working() const
    {
        WorkingPreferences w;
        w.files.assign(t.session.dataFiles().begin(), t.session.dataFiles().end());
        w.dateOrder.select(DayElement, 1);
        w.dateOrder.select(MonthElement, 2);
        w.dateOrder.select(YearElement, 3);
        w.fontName = t.session.settings().fontName;
        return w;
    }
    QString firstDescription() const { return t.session.list().text(0, DescriptionColumn); }
    QString summary() const { return t.session.list().summaryText(); }
    QString writeFailure(const char *activity) const
    {
        return QStringLiteral("Nudgely failed to write to configuration file while %1:\n%2\n\n"
                              "Error 13: Permission denied").arg(QLatin1String(activity), t.iniPath());
    }

    QStringList heard; // every signal of the session, in order
    test::TestSession t;
};

TEST_F(SessionTest, LoadingMigratesWhenDueThenReadsSettingsFilesAndAutostart)
{
    t.writeIni("[Display]\nCentre=1\n");
    QFile::setPermissions(t.iniPath(), QFile::ReadOwner);
    t.folder.write(t.paths.registryExport(), LegacyExport);
    t.session.loadConfiguration();
    EXPECT_EQ(t.messages.warnings, QStringList(writeFailure("migrating settings")));
    EXPECT_EQ(t.readIni(), QByteArray("[Display]\nCentre=1\n"));
    EXPECT_EQ(t.session.settings().filter, 1);

    // Still due at the next start, and read at once.
    QFile::setPermissions(t.iniPath(), QFile::ReadOwner | QFile::WriteOwner);
    t.session.loadConfiguration();
    EXPECT_EQ(t.session.settings().filter, 0);
    EXPECT_EQ(t.session.settings().centre, 1); // the file's own value is newer
    EXPECT_EQ(t.session.dataFiles()[0].path, QStringLiteral("/old/dates.txt"));
    EXPECT_FALSE(t.session.settings().autoStart);
    EXPECT_EQ(t.messages.warnings.size(), 1);
    t.folder.write(t.paths.autostartEntry(), "[Desktop Entry]\n");
    t.session.loadConfiguration();
    EXPECT_TRUE(t.session.settings().autoStart);
}

TEST_F(SessionTest, TheLoadChainSaysEachStepAndSkipsAMissingFile)
{
    const QString family = t.writeDataFile("family.txt", Family);
    const QString missing = t.folder.path("data/missing.txt");
    // /proc/self/mem opens like a file, but reading its first byte fails.
    t.configureDataFile(family, "2File=/proc/self/mem\n3File=" + missing.toUtf8() + "\n");
    t.session.loadConfiguration();
    t.session.reloadDataFiles();
    EXPECT_EQ(heard, QStringList({"<busy>", "<about to change>", "reading datafile: " + family + "...",
                                  "reading datafile: /proc/self/mem...", "failed to read line...",
                                  "reading datafile: " + missing + "...", "calculating dates, ages, etc...",
                                  "preparing to display events...", "sorting events...", Sorting, Sorted,
                                  "3 events in 2 datafiles, 1 bad date, 3 events displayed", "<rebuilt>", "<idle>"}));
    EXPECT_EQ(firstDescription(), QStringLiteral("Bob's birthday"));
}

TEST_F(SessionTest, RefreshUsesTheEventsAsLastResolvedAndOnlyAReloadReadsTheFilesAgain)
{
    loadFamily();
    t.writeDataFile("family.txt", "06/12/1990 Cleo's birthday\r\n");
    t.session.refresh();
    EXPECT_EQ(heard, QStringList({"<busy>", "<about to change>", "preparing to display events...", "sorting events...",
                                  Sorting, Sorted, "3 events in 1 datafile, 1 bad date, 3 events displayed",
                                  "<rebuilt>", "<idle>"}));
    t.session.reloadDataFiles();
    EXPECT_EQ(summary(), QStringLiteral("1 event in 1 datafile, 0 bad dates, 1 event displayed"));
}

TEST_F(SessionTest, SortingSaysOnlyItsTwoMessages)
{
    loadFamily();
    t.session.sortBy({SortKey::Description, true});
    EXPECT_EQ(heard, QStringList({"<about to change>", "sorting events in descending order by 'event description'...",
                                  "events sorted in descending order by 'event description'", "<sorted>"}));
    EXPECT_EQ(firstDescription(), QStringLiteral("Broken line"));
}

TEST_F(SessionTest, ApplyingSavesAlwaysAndReloadsOrRedisplaysAsNeeded)
{
    const QString family = loadFamily();
    QFile::remove(t.iniPath());
    WorkingPreferences w = working();
    const ApplyOutcome unchanged = t.session.applyPreferences(w);
    EXPECT_FALSE(unchanged.reloadNeeded || unchanged.redisplayNeeded);
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_TRUE(t.readIni().contains("\n[DataFiles]\n1File=" + family.toUtf8() + "\n"));

    // Shown again from the events already read, not from the file as it is now.
    t.writeDataFile("family.txt", "06/12/1990 Cleo's birthday\r\n");
    w.hideUnknown = true;
    t.session.applyPreferences(w);
    EXPECT_EQ(summary(), QStringLiteral("3 events in 1 datafile, 1 bad date, 2 events displayed"));
    EXPECT_TRUE(t.readIni().contains("HideUnknown=1\n"));
    EXPECT_TRUE(t.messages.warnings.isEmpty());

    // A file that cannot be saved is reported, and the rest goes on: another delimiter reads
    // the files again, and "06/12/1990" is then a bad date.
    QFile::setPermissions(t.iniPath(), QFile::ReadOwner);
    const QByteArray before = t.readIni();
    w.delimiter = 1;
    t.session.applyPreferences(w);
    EXPECT_EQ(t.messages.warnings, QStringList(writeFailure("saving settings")));
    EXPECT_EQ(summary(), QStringLiteral("1 event in 1 datafile, 1 bad date, 0 events displayed"));
    EXPECT_EQ(t.readIni(), before);
}

TEST_F(SessionTest, TheAutostartEntryIsSwitchedOnlyWhenItsBoxChanged)
{
    loadFamily();
    const QString entry = t.folder.path("config/autostart/Nudgely.desktop");
    WorkingPreferences w = working();
    t.folder.write(entry, "someone else's\n");
    t.session.applyPreferences(w);
    EXPECT_EQ(t.folder.read(entry), QByteArray("someone else's\n"));
    w.autoStart = true;
    t.session.applyPreferences(w);
    EXPECT_TRUE(t.folder.read(entry).contains("\nExec=" + t.paths.programPath.toUtf8() + "\n"));
    t.folder.write(entry, "someone else's\n");
    t.session.applyPreferences(w);
    EXPECT_EQ(t.folder.read(entry), QByteArray("someone else's\n"));
    w.autoStart = false;
    t.session.applyPreferences(w);
    EXPECT_FALSE(t.folder.exists(entry));
}

// Stands in for the editor a person would see; it never starts.
class FailingLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &error) override
    {
        started.push_back(command);
        error = QStringLiteral("gone");
        return false;
    }
    std::vector<EditorCommand> started;
};

TEST_F(SessionTest, EditingGoesThroughTheLauncherWithTheConfiguredEditor)
{
    const QString family = loadFamily("[Editor]\nUseDefault=0\nPath=/usr/bin/ed\n");
    FailingLauncher launcher;
    t.session.setProgramLauncher(&launcher);
    t.session.editDataFiles({family}, false);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, QStringLiteral("/usr/bin/ed"));
    EXPECT_EQ(launcher.started[0].arguments, QStringList(family));
    EXPECT_EQ(t.messages.warnings, QStringList("Error launching editor: gone"));
}

} // namespace
} // namespace nudgely
