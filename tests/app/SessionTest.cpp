#include "app/Session.h"

#include "app/DueEventsNotifier.h"
#include "config/ConfigFile.h"
#include "config/LegacyMigration.h"
#include "config/SettingsStore.h"
#include "support/TestSession.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

namespace nudgely {
namespace {

const QByteArray Family = "05/12/1990 Ann's birthday\r\n04/12/1990 Bob's birthday\r\n99/xx/19 Broken line\r\n";
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
                         [this](ListChange c) { heard.append(QStringList{"<rebuilt>", "<sorted>", "<renewed>"}[int(c)]); });
        QObject::connect(s, &Session::dayChanged, [this] { heard.append("<new day>"); });
    }

    QStringList heard; // every signal of the session, in order
    test::TestSession t;
};

// A migration that cannot be written: ProgramProcessTest and MigrationTest.
TEST_F(SessionTest, LoadingMigratesWhenDueThenReadsSettingsFilesAndAutostart)
{
    t.writeIni("[Display]\n");
    t.folder.write(t.paths.registryExport(),
                   "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n"
                   "\"frmCentre\"=dword:0\r\n");
    t.folder.write(t.paths.autostartEntry(), "[Desktop Entry]\n");
    EXPECT_TRUE(t.session.loadConfiguration());
    EXPECT_EQ(t.session.settings().centre, 0);
    EXPECT_TRUE(t.session.settings().autoStart && t.messages.warnings.isEmpty());
}

TEST_F(SessionTest, TheLoadChainSaysEachStepAndRefreshAndSortingRedoOnlyTheirOwn)
{
    const QString Summary = "3 events in 2 datafiles, 1 bad date, 3 events displayed; 1 datafile not read, "
                            "1 datafile read in part";
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
                                  Summary, "<rebuilt>", "<idle>"}));
    EXPECT_EQ(t.session.list().text(0, DescriptionColumn), QStringLiteral("Bob's birthday")); // sorted by time left
    // Each file's problem, for the window and --list to name.
    QStringList problems;
    for (const DataFileProblem &p : t.session.problems())
        problems.append(p.path + ": " + p.reason);
    EXPECT_EQ(problems, QStringList({"/proc/self/mem: a read error stopped it; only the lines before it were read",
                                     missing + ": No such file or directory"}));

    // A refresh uses the events as last read; only a reload reads the files again.
    heard.clear();
    t.writeDataFile("family.txt", "06/12/1990 Cleo's birthday\r\n");
    t.session.refresh();
    t.session.sortBy({SortKey::Description, true});
    EXPECT_EQ(heard, QStringList({"<busy>", "<about to change>", "preparing to display events...", "sorting events...",
                                  Sorting, Sorted, Summary, "<rebuilt>", "<idle>", "<about to change>",
                                  "sorting events in descending order by 'event description'...",
                                  "events sorted in descending order by 'event description'", "<sorted>"}));
    EXPECT_EQ(t.session.list().text(0, DescriptionColumn), QStringLiteral("Broken line"));
    t.session.reloadDataFiles();
    EXPECT_EQ(t.session.summaryText(), "1 event in 2 datafiles, 0 bad dates, 1 event displayed; 1 datafile not read, "
                                       "1 datafile read in part");
}

TEST_F(SessionTest, ApplyingSavesAlwaysSwitchesAutostartOnlyWhenItsBoxChangedAndReloadsOrRedisplaysAsNeeded)
{
    const QString family = t.writeDataFile("family.txt", Family);
    t.configureDataFile(family);
    t.session.loadConfiguration();
    t.session.reloadDataFiles();
    WorkingPreferences w; // the data files and date order as loaded, and starting at login
    w.files.assign(t.session.dataFiles().begin(), t.session.dataFiles().end());
    for (const DateElement element : {DayElement, MonthElement, YearElement})
        w.dateOrder.select(element, element + 1);
    w.autoStart = true;
    t.session.applyPreferences(w);
    EXPECT_TRUE(t.folder.read(t.paths.autostartEntry()).contains("\nExec=" + t.paths.programPath.toUtf8() + "\n"));

    // The same again: nothing switched, read or shown, but saved all the same.
    t.folder.write(t.paths.autostartEntry(), "someone else's\n");
    QFile::remove(t.iniPath());
    heard.clear();
    t.session.applyPreferences(w);
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_EQ(t.folder.read(t.paths.autostartEntry()), QByteArray("someone else's\n"));
    EXPECT_TRUE(t.readIni().contains("\n[DataFiles]\n1File=" + family.toUtf8() + "\n"));
    EXPECT_TRUE(t.readIni().endsWith("\n\n[Reminders]\nNotify=1\nDaysAhead=3\nKeepInTray=0\nUpdateAtMidnight=1\nReloadOnChange=1\n"));

    // Shown again from the events already read, not from the file as it is now.
    t.writeDataFile("family.txt", "06/12/1990 Cleo's birthday\r\n");
    w.hideUnknown = true;
    t.session.applyPreferences(w);
    EXPECT_EQ(t.session.list().summaryText(), QStringLiteral("3 events in 1 datafile, 1 bad date, 2 events displayed"));
    EXPECT_TRUE(t.readIni().contains("HideUnknown=1\n"));

    // A file that cannot be saved is reported, and the rest goes on: another delimiter reads
    // the files again, and "06/12/1990" is then a bad date.
    QFile::setPermissions(t.iniPath(), QFile::ReadOwner);
    w.delimiter = 1;
    w.autoStart = false;
    t.session.applyPreferences(w);
    EXPECT_EQ(t.messages.warnings, QStringList(configWriteFailureText("saving settings", t.iniPath(), EACCES)));
    EXPECT_EQ(t.session.list().summaryText(), QStringLiteral("1 event in 1 datafile, 1 bad date, 0 events displayed"));
    EXPECT_FALSE(t.folder.exists(t.paths.autostartEntry()));
    // Started with /I FILE: started at login with the same file.
    t.session.setConfigurationNamed(true);
    w.autoStart = true;
    t.session.applyPreferences(w);
    const QString exec = "\nExec=" + t.paths.programPath + " /I " + t.iniPath() + "\n";
    EXPECT_TRUE(t.folder.read(t.paths.autostartEntry()).contains(exec.toUtf8()));
}

// Hours later, or the next morning after a sleep: only the date counts.
TEST_F(SessionTest, ANewDayResolvesTheEventsAgainWithoutReadingTheFiles)
{
    t.configureDataFile(t.writeDataFile("family.txt", Family));
    t.session.loadConfiguration();
    EXPECT_FALSE(t.session.checkForNewDay()); // nothing resolved yet
    t.session.reloadDataFiles();
    heard.clear();
    t.session.clock().setNow(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    EXPECT_TRUE(t.session.checkForNewDay() && !t.session.checkForNewDay());
    EXPECT_EQ(heard.first(3) + heard.last(3), QStringList({"<busy>", "<about to change>", "calculating dates, ages, etc...",
                                                           "<renewed>", "<idle>", "<new day>"}));
    EXPECT_EQ(t.session.list().text(0, TimeLeftColumn), u"-3"); // Bob's, on the 4th

    // Without the update at midnight the list stays; the new day is still told of, and its
    // notice is today's.
    t.writeIni(t.readIni() + "[Reminders]\nUpdateAtMidnight=0\n");
    t.session.loadConfiguration();
    heard.clear();
    t.session.clock().setNow(QDateTime(QDate(2028, 12, 3), QTime(0, 0, 5))); // back from a long sleep
    EXPECT_TRUE(t.session.checkForNewDay());
    EXPECT_EQ(heard, QStringList("<new day>"));
    EXPECT_EQ(t.session.list().text(0, TimeLeftColumn), u"-3");
    EXPECT_EQ(sessionDueNotice(t.session).value_or(DueNotice()).body,
              u"Tomorrow: Bob's birthday (38th).\nIn 2 days: Ann's birthday (38th).");
}

TEST_F(SessionTest, ImportedContactsBecomeANewDataFileAtTheEndOfTheListUnlessItIsFull)
{
    const QString family = t.writeDataFile("family.txt", Family);
    const QString vcard = t.writeDataFile("c.vcf", "BEGIN:VCARD\nFN:Cleo\nBDAY:--1206\nEND:VCARD\n");
    t.configureDataFile(family);
    t.session.loadConfiguration();
    t.session.reloadDataFiles();
    const QString target = t.folder.path("data/contacts.txt");
    ASSERT_TRUE(t.session.importContacts(vcard, target));
    EXPECT_EQ(t.messages.information, QStringList("Imported 1 date from 1 contact card into " + target + "."));
    EXPECT_EQ(t.session.dataFiles()[1], DataFile({target, NewFileColours}));
    EXPECT_TRUE(t.readIni().contains("2File=" + target.toUtf8()));
    EXPECT_EQ(t.session.list().summaryText(), "4 events in 2 datafiles, 1 bad date, 4 events displayed");
    // Again to the same file: refused, and the file stays as it was.
    const QByteArray written = t.folder.read(target);
    EXPECT_FALSE(t.session.importContacts(vcard, target));
    EXPECT_EQ(t.folder.read(target), written);
    EXPECT_TRUE(t.messages.warnings.value(0).startsWith(target + " already exists.")) << qPrintable(t.messages.warnings.join(u'|'));

    // A full list takes no more: nothing is written.
    QByteArray ini = "[DataFiles]\n";
    for (int slot = 1; slot <= MaxDataFiles; ++slot)
        ini += QByteArray::number(slot) + "File=" + family.toUtf8() + "\n";
    t.writeIni(ini);
    t.session.loadConfiguration();
    EXPECT_FALSE(t.session.importContacts(vcard, t.folder.path("data/more.txt")));
    EXPECT_EQ(t.messages.warnings.last(), dataFilesFullText());
    EXPECT_FALSE(QFile::exists(t.folder.path("data/more.txt")));
}

} // namespace
} // namespace nudgely
