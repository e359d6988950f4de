#include "config/Settings.h"

#include "config/AutostartEntry.h"
#include "events/EventTables.h"
#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

class SettingsTest : public ::testing::Test {
protected:
    TestEnvironment env;
};

void ExpectDefaultSettings(const SettingsRecord &s)
{
    EXPECT_EQ(s.Filter, 1);
    EXPECT_EQ(s.FilterLength, 6);
    EXPECT_EQ(s.ShowMissed, 1);
    EXPECT_EQ(s.MissedLength, 7);
    EXPECT_EQ(s.Centre, 1);
    EXPECT_EQ(s.FontName, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(s.FontSize, 8);
    EXPECT_EQ(s.FontStyle, 0);
    EXPECT_EQ(s.HideUnknown, 0);
    EXPECT_EQ(s.AppendToAge, 1);
    EXPECT_EQ(s.Delimiter, 0);
    EXPECT_EQ(s.DayPos, 1);
    EXPECT_EQ(s.MonthPos, 2);
    EXPECT_EQ(s.YearPos, 3);
    EXPECT_EQ(s.UseDefault, 1);
    EXPECT_EQ(s.Path, QString());
    EXPECT_EQ(s.MultiFile, 0);
    EXPECT_EQ(s.AutoStart, 0);
}

TEST_F(SettingsTest, MissingEmptyOrJunkFileGivesTheDefaults)
{
    const QByteArray files[] = {QByteArray(), QByteArray("\x00\x01\xFF\xFE garbage\n[[[", 16)};
    LoadSettings();
    ExpectDefaultSettings(Settings);
    for (const QByteArray &bytes : files) {
        env.writeIni(bytes);
        Settings.Filter = 0;
        LoadSettings();
        ExpectDefaultSettings(Settings);
        for (int slot = 1; slot <= MaxDataFiles; ++slot)
            EXPECT_TRUE(DataFiles[slot].szFileName.isEmpty()) << slot;
    }
}

TEST_F(SettingsTest, DatesTxtBesideTheProgramIsTheDefaultDataFile)
{
    env.writeFile(env.programFolder() + "/dates.txt", "25/12/XXXX Christmas\n");
    LoadSettings();
    const DataFileEntry &slot = DataFiles[1];
    EXPECT_EQ(slot.szFileName, env.programFolder() + "/dates.txt");
    EXPECT_EQ(slot.lngFutureColourF, 1);
    EXPECT_EQ(slot.lngFutureColourB, 0);
    EXPECT_EQ(slot.lngTodayColourF, 0);
    EXPECT_EQ(slot.lngTodayColourB, 65535);
    EXPECT_EQ(slot.lngPastColourF, 16777215);
    EXPECT_EQ(slot.lngPastColourB, 12632256);
    EXPECT_TRUE(DataFiles[2].szFileName.isEmpty());
}

TEST_F(SettingsTest, AConfiguredDataFileWinsOverDatesTxt)
{
    env.writeFile(env.programFolder() + "/dates.txt", "");
    env.writeIni("[DataFiles]\n1File=/data/mine.txt\n");
    LoadSettings();
    EXPECT_EQ(DataFiles[1].szFileName, QStringLiteral("/data/mine.txt"));
    // Colour keys missing: the per-key defaults, not those of dates.txt.
    EXPECT_EQ(DataFiles[1].lngFutureColourF, 0);
    EXPECT_EQ(DataFiles[1].lngFutureColourB, 16777215);
    EXPECT_EQ(DataFiles[1].lngTodayColourB, 65535);
    EXPECT_EQ(DataFiles[1].lngPastColourB, 12632256);
}

TEST_F(SettingsTest, LoadingStopsAtTheFirstEmptySlot)
{
    env.writeIni("[DataFiles]\n1File=/d/one.txt\n3File=/d/three.txt\n"
                 "[ColoursFuture]\n1Fore=255\n3Fore=7\n[ColoursPast]\n1Back=-5\n");
    LoadSettings();
    EXPECT_EQ(DataFiles[1].szFileName, QStringLiteral("/d/one.txt"));
    EXPECT_EQ(DataFiles[1].lngFutureColourF, 255);
    EXPECT_EQ(DataFiles[1].lngPastColourB, -5);
    EXPECT_TRUE(DataFiles[2].szFileName.isEmpty());
    EXPECT_TRUE(DataFiles[3].szFileName.isEmpty());
    EXPECT_EQ(DataFiles[3].lngFutureColourF, 0);
}

struct NumberCase {
    const char *text;
    int expected; // FilterLength after loading; its default is 6
};

class SettingsNumberTest : public SettingsTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(SettingsNumberTest, OnlyWholeNumbersInRangeAreTaken)
{
    env.writeIni("[Display]\nFilterLength=" + QByteArray(GetParam().text) + "\n");
    LoadSettings();
    EXPECT_EQ(Settings.FilterLength, GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsNumberTest,
                         ::testing::Values(NumberCase{"0", 0}, NumberCase{"200", 200}, NumberCase{"255", 255},
                                           NumberCase{"+12", 12}, NumberCase{"007", 7}, NumberCase{" 9 ", 9},
                                           NumberCase{"256", 6}, NumberCase{"-1", 6}, NumberCase{"abc", 6},
                                           NumberCase{"", 6}, NumberCase{"1.5", 6}, NumberCase{"12abc", 6},
                                           NumberCase{"0x10", 6}, NumberCase{"99999999999999999999", 6}));

TEST_F(SettingsTest, SignedFieldsTakeNegativesAndRejectOverflow)
{
    env.writeIni("[Display]\nFontSize=-3\nFilter=-1\n[DataFiles]\n1File=/x\n"
                 "[ColoursFuture]\n1Fore=-2147483648\n1Back=2147483648\n");
    LoadSettings();
    EXPECT_EQ(Settings.FontSize, -3);
    EXPECT_EQ(Settings.Filter, 1);
    EXPECT_EQ(DataFiles[1].lngFutureColourF, -2147483648);
    EXPECT_EQ(DataFiles[1].lngFutureColourB, 16777215);
}

TEST_F(SettingsTest, PositionsAreLoadedUncheckedAndTextsUnchanged)
{
    env.writeIni("[DateFormat]\nDayPos=2\nMonthPos=2\nYearPos=9\n[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\n"
                 "[Display]\nFontName=DejaVu Sans\nFontName=second\n");
    LoadSettings();
    EXPECT_EQ(Settings.DayPos, 2);
    EXPECT_EQ(Settings.MonthPos, 2);
    EXPECT_EQ(Settings.YearPos, 9);
    EXPECT_EQ(Settings.UseDefault, 0);
    EXPECT_EQ(Settings.Path, QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(Settings.FontName, QStringLiteral("DejaVu Sans"));
}

TEST_F(SettingsTest, AutoStartMirrorsTheAutostartEntry)
{
    LoadSettings();
    EXPECT_EQ(Settings.AutoStart, 0);
    env.writeFile(AutostartEntryPath(), "[Desktop Entry]\nExec=/elsewhere/nudgely\n");
    LoadSettings();
    EXPECT_EQ(Settings.AutoStart, 1);
}

TEST_F(SettingsTest, SaveWritesEveryKeyInOrder)
{
    Settings.Path = QStringLiteral("/usr/bin/gedit");
    DataFiles[1] = {QStringLiteral("/d/one.txt"), 1, 2, 3, 4, 5, -6};
    DataFiles[2] = {QStringLiteral("/d/two.txt"), 0, 16777215, 0, 65535, 0, 12632256};
    SaveSettings();
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\nFilterLength=6\nShowMissed=1\nMissedLength=7\nCentre=1\n"
                                        "FontName=MS Sans Serif\nFontSize=8\nFontStyle=0\nHideUnknown=0\nAppendToAge=1\n"
                                        "\n[DateFormat]\nDelimiter=0\nDayPos=1\nMonthPos=2\nYearPos=3\n"
                                        "\n[Editor]\nUseDefault=1\nPath=/usr/bin/gedit\nMultiFile=0\n"
                                        "\n[DataFiles]\n1File=/d/one.txt\n2File=/d/two.txt\n"
                                        "\n[ColoursFuture]\n1Fore=1\n1Back=2\n2Fore=0\n2Back=16777215\n"
                                        "\n[ColoursToday]\n1Fore=3\n1Back=4\n2Fore=0\n2Back=65535\n"
                                        "\n[ColoursPast]\n1Fore=5\n1Back=-6\n2Fore=0\n2Back=12632256\n"));
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(SettingsTest, AnEmptiedSlotAndAnEmptyPathLeaveNoKeysBehind)
{
    env.writeIni("[Editor]\nPath=/usr/bin/gedit\n[DataFiles]\n1File=/a\n2File=/b\n3File=/c\n"
                 "[ColoursFuture]\n3Fore=1\n3Back=2\n[ColoursToday]\n3Fore=3\n3Back=4\n[ColoursPast]\n3Fore=5\n3Back=6\n"
                 "[Mine]\nkept=yes\n");
    LoadSettings();
    DataFiles[3].szFileName.clear();
    Settings.Path.clear();
    SaveSettings();
    const QByteArray after = env.readIni();
    for (const char *gone : {"3File", "3Fore", "3Back", "Path="})
        EXPECT_FALSE(after.contains(gone)) << gone << "\n" << after.constData();
    EXPECT_TRUE(after.contains("[Mine]\nkept=yes\n"));
    LoadSettings();
    EXPECT_EQ(Settings.Path, QString());
    EXPECT_EQ(DataFiles[2].szFileName, QStringLiteral("/b"));
}

TEST_F(SettingsTest, AGapIsSavedAsSuchAndTheNextLoadStopsThere)
{
    DataFiles[1].szFileName = QStringLiteral("/a");
    DataFiles[3].szFileName = QStringLiteral("/c");
    SaveSettings();
    EXPECT_TRUE(env.readIni().contains("[DataFiles]\n1File=/a\n3File=/c\n"));
    DataFiles = {};
    LoadSettings();
    EXPECT_EQ(DataFiles[1].szFileName, QStringLiteral("/a"));
    EXPECT_TRUE(DataFiles[3].szFileName.isEmpty());
}

TEST_F(SettingsTest, ReadOnlyFileShowsTheSaveFailureOnceAndKeepsTheFile)
{
    env.writeIni("[Display]\nFilter=1\n");
    QFile::setPermissions(env.iniPath(), QFile::ReadOwner);
    Settings.Filter = 0;
    SaveSettings();
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(env.presenter.messages.front().text,
              "Nudgely failed to write to configuration file while saving settings:\n" + env.iniPath() +
                  "\n\nError 13: Permission denied");
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nFilter=1\n"));
    EXPECT_EQ(Settings.Filter, 0); // the settings in memory stay as they are
}

} // namespace
} // namespace nudgely
