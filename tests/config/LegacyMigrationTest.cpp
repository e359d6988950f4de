#include "config/LegacyMigration.h"

#include "config/IniSettings.h"
#include "config/Registry.h"
#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

const QByteArray Header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray SettingsKey = "[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n";

class MigrationTest : public ::testing::Test {
protected:
    QString ini(const char *section, const char *key) const
    {
        return ReadIniString(QString::fromLatin1(section), QString::fromLatin1(key), IniFilePath, QStringLiteral("<none>"));
    }
    bool inRegistry(const char *key, const char *name) const
    {
        QString text;
        return ReadRegString(RegRoot::CurrentUser, QStringLiteral("Software\\Nudgely\\") + QLatin1String(key),
                             QString::fromLatin1(name), text);
    }
    bool keyExists(const char *key) const
    {
        return env.readRegistry().contains(QByteArray("[HKEY_CURRENT_USER\\Software\\Nudgely\\") + key + "]");
    }

    TestEnvironment env;
};

TEST_F(MigrationTest, NothingToMigrateTouchesNothing)
{
    const QByteArray registry = Header + SettingsKey + "\"Filter\"=dword:00000000\r\n";
    env.writeRegistry(registry);
    MigrateLegacySettings();
    EXPECT_EQ(env.readRegistry(), registry);
    EXPECT_FALSE(QFile::exists(IniFilePath));

    // The marker must be a number: as text it marks nothing.
    env.writeRegistry(Header + SettingsKey + "\"frmCentre\"=\"1\"\r\n");
    MigrateLegacySettings();
    EXPECT_FALSE(QFile::exists(IniFilePath));

    QFile::remove(RegistryFilePath());
    MigrateLegacySettings();
    EXPECT_FALSE(QFile::exists(IniFilePath));
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(MigrationTest, OnlyTheMarkerMovesAndRemovesThePerFileKeys)
{
    env.writeRegistry(Header + SettingsKey + "\"frmCentre\"=dword:00000000\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursFuture]\r\n\"1Fore\"=\"5\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"Other\"=\"x\"\r\n");
    MigrateLegacySettings();
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nCentre=0\n"));
    EXPECT_FALSE(inRegistry("Settings", "frmCentre"));
    EXPECT_FALSE(keyExists("ColoursFuture"));
    EXPECT_FALSE(keyExists("DataFiles"));
    EXPECT_TRUE(keyExists("Settings")); // the old key itself stays
    EXPECT_TRUE(env.readRegistry().contains("\"Other\"=\"x\""));

    // Done once: the next start finds no marker and leaves the file alone.
    env.writeIni("[Display]\nCentre=1\n");
    MigrateLegacySettings();
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nCentre=1\n"));
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(MigrationTest, EverySingleValueMovesToItsKey)
{
    struct Row {
        const char *oldName;
        QByteArray registryData;
        const char *section;
        const char *key;
        const char *text;
    };
    const Row rows[] = {
        {"frmCentre", "dword:00000001", "Display", "Centre", "1"},
        {"EventsFontName", "\"Tahoma\"", "Display", "FontName", "Tahoma"},
        {"EventsFontSize", "dword:0000000a", "Display", "FontSize", "10"},
        {"EventsFontOther", "dword:00000003", "Display", "FontStyle", "3"},
        {"Filter", "dword:00000000", "Display", "Filter", "0"},
        {"FilterLength", "dword:0000000c", "Display", "FilterLength", "12"},
        {"MissedEvents", "dword:00000000", "Display", "ShowMissed", "0"},
        {"MissedLength", "dword:00000015", "Display", "MissedLength", "21"},
        {"HideUnknown", "dword:00000001", "Display", "HideUnknown", "1"},
        {"AppendToAge", "dword:00000000", "Display", "AppendToAge", "0"},
        {"DateDelimiter", "dword:00000002", "DateFormat", "Delimiter", "2"},
        {"DateDayPos", "dword:00000002", "DateFormat", "DayPos", "2"},
        {"DateMonthPos", "dword:00000001", "DateFormat", "MonthPos", "1"},
        {"DateYearPos", "dword:00000003", "DateFormat", "YearPos", "3"},
        {"UseDefaultEditor", "dword:00000000", "Editor", "UseDefault", "0"},
        {"Editor", "\"C:\\\\Tools\\\\ed.exe\"", "Editor", "Path", "C:\\Tools\\ed.exe"},
        {"EditMultiFiles", "dword:00000001", "Editor", "MultiFile", "1"},
        {"Col0", "dword:000003e8", "Display", "Col0", "1000"},
        {"Col1", "dword:000001e0", "Display", "Col1", "480"},
        {"Col2", "dword:000001e1", "Display", "Col2", "481"},
        {"Col3", "dword:00000285", "Display", "Col3", "645"},
        {"Col4", "dword:00000f96", "Display", "Col4", "3990"},
        {"frmWidth", "dword:00001c11", "Display", "frmWidth", "7185"},
        {"frmHeight", "dword:000014fa", "Display", "frmHeight", "5370"},
        {"frmLeft", "dword:000004b0", "Display", "frmLeft", "1200"},
        {"frmTop", "dword:ffffff9c", "Display", "frmTop", "-100"},
        {"frmMax", "dword:00000001", "Display", "frmMax", "1"},
        {"frmOptnTop", "dword:00000064", "Display", "frmOTop", "100"},
        {"frmOptnLeft", "dword:000000c8", "Display", "frmOLeft", "200"},
    };
    QByteArray registry = Header + SettingsKey;
    for (const Row &row : rows)
        registry += "\"" + QByteArray(row.oldName) + "\"=" + row.registryData + "\r\n";
    registry += "\"NotOurs\"=dword:00000005\r\n";
    env.writeRegistry(registry);

    MigrateLegacySettings();

    for (const Row &row : rows) {
        EXPECT_EQ(ini(row.section, row.key), QString::fromUtf8(row.text)) << row.oldName;
        EXPECT_FALSE(inRegistry("Settings", row.oldName)) << row.oldName;
    }
    EXPECT_TRUE(inRegistry("Settings", "NotOurs"));
    EXPECT_TRUE(env.readIni().contains("frmLeft=1200\n"));
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(MigrationTest, DataFilesMoveWithTheirColoursAndAGapIsSkipped)
{
    env.writeRegistry(Header + SettingsKey + "\"frmCentre\"=dword:00000001\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n"
                      "\"1File\"=\"C:\\\\one.txt\"\r\n\"3File\"=\"C:\\\\three.txt\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursFuture]\r\n"
                      "\"1Fore\"=\"255\"\r\n\"1Back\"=dword:00000007\r\n\"2Fore\"=\"9\"\r\n\"3Back\"=\"8\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursToday]\r\n\"1Fore\"=\"1\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursPast]\r\n\"3Back\"=\"12632256\"\r\n");
    MigrateLegacySettings();
    EXPECT_EQ(ini("DataFiles", "1File"), QStringLiteral("C:\\one.txt"));
    EXPECT_EQ(ini("DataFiles", "3File"), QStringLiteral("C:\\three.txt"));
    EXPECT_EQ(ini("DataFiles", "2File"), QStringLiteral("<none>"));
    EXPECT_EQ(ini("ColoursFuture", "1Fore"), QStringLiteral("255"));
    EXPECT_EQ(ini("ColoursFuture", "1Back"), QStringLiteral("7")); // a number read as text
    EXPECT_EQ(ini("ColoursToday", "1Fore"), QStringLiteral("1"));
    EXPECT_EQ(ini("ColoursFuture", "3Back"), QStringLiteral("8"));
    EXPECT_EQ(ini("ColoursPast", "3Back"), QStringLiteral("12632256"));
    EXPECT_EQ(ini("ColoursFuture", "2Fore"), QStringLiteral("<none>"));
    for (const char *key : {"DataFiles", "ColoursFuture", "ColoursToday", "ColoursPast"})
        EXPECT_FALSE(keyExists(key)) << key;
}

TEST_F(MigrationTest, AnEmptyFileNameRemovesTheSlotAndDropsItsColours)
{
    env.writeIni("[DataFiles]\n1File=/old/one.txt\n");
    env.writeRegistry(Header + SettingsKey + "\"frmCentre\"=dword:00000001\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\"1File\"=\"\"\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursFuture]\r\n\"1Fore\"=\"255\"\r\n");
    MigrateLegacySettings();
    EXPECT_EQ(ini("DataFiles", "1File"), QStringLiteral("<none>"));
    EXPECT_EQ(ini("ColoursFuture", "1Fore"), QStringLiteral("<none>"));
    EXPECT_FALSE(keyExists("ColoursFuture"));
}

TEST_F(MigrationTest, ReadOnlyConfigurationKeepsEverythingForTheNextStart)
{
    env.writeIni("[Display]\nCentre=1\n");
    QFile::setPermissions(IniFilePath, QFile::ReadOwner);
    const QByteArray registry = Header + SettingsKey + "\"frmCentre\"=dword:00000000\r\n\"Filter\"=dword:00000000\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\"1File\"=\"C:\\\\one.txt\"\r\n\r\n";
    env.writeRegistry(registry);

    MigrateLegacySettings();

    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(env.presenter.messages.front().text,
              "Nudgely failed to write to configuration file while migrating settings:\n" + IniFilePath +
                  "\n\nError 13: Permission denied");
    EXPECT_EQ(env.readRegistry(), registry);
    EXPECT_EQ(env.readIni(), QByteArray("[Display]\nCentre=1\n"));

    // Once the file can be written, the next start finishes the job.
    QFile::setPermissions(IniFilePath, QFile::ReadOwner | QFile::WriteOwner);
    MigrateLegacySettings();
    EXPECT_EQ(ini("Display", "Centre"), QStringLiteral("0"));
    EXPECT_EQ(ini("DataFiles", "1File"), QStringLiteral("C:\\one.txt"));
    EXPECT_FALSE(inRegistry("Settings", "frmCentre"));
    EXPECT_EQ(env.presenter.messages.size(), 1u);
}

TEST_F(MigrationTest, ValuesThatCannotMoveStayInTheRegistry)
{
    // A number stored as text, and texts holding a line break (hex(1) is UTF-16 text).
    const QByteArray newlineText = "hex(1):61,00,0a,00,62,00,00,00";
    env.writeRegistry(Header + SettingsKey + "\"frmCentre\"=dword:00000001\r\n\"FilterLength\"=\"12\"\r\n"
                      "\"Editor\"=" + newlineText + "\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n\"1File\"=" + newlineText + "\r\n");
    MigrateLegacySettings();
    EXPECT_EQ(ini("Display", "FilterLength"), QStringLiteral("<none>"));
    EXPECT_EQ(ini("Editor", "Path"), QStringLiteral("<none>"));
    EXPECT_TRUE(inRegistry("Settings", "FilterLength"));
    EXPECT_TRUE(inRegistry("Settings", "Editor"));
    EXPECT_TRUE(inRegistry("DataFiles", "1File"));
    EXPECT_FALSE(inRegistry("Settings", "frmCentre"));
    EXPECT_EQ(ini("Display", "Centre"), QStringLiteral("1"));
}

} // namespace
} // namespace nudgely
