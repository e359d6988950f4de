#include "config/LegacyMigration.h"

#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

namespace nudgely {
namespace {

using test::TempFolder;

const QString OldSettings = QStringLiteral("HKEY_CURRENT_USER\\Software\\Nudgely\\Settings");
const QByteArray Header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray SettingsKey = "[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n";
const QByteArray Marker = "\"frmCentre\"=dword:00000001\r\n";

TEST(RegistryExportTest, ReadsEveryValueKindAsTextAndOnlyNumbersAsNumbers)
{
    const RegistryExport old = RegistryExport::fromBytes(
        Header + "[HKEY_CURRENT_USER\\Software\\Nudgely]\r\n\r\n" + SettingsKey + Marker +
        "\"Minus\"=dword:ffffffff\r\n\"Editor\"=\"C:\\\\Program Files\\\\Ed \\\"Pro\\\"\\\\ed.exe\"\r\n"
        "\"Empty\"=\"\"\r\n@=\"default value\"\r\n\"Blob\"=hex:01,02,03,\\\r\n  04,05\r\n"
        "\"Words\"=hex(4):2a,00,00,00\r\n\"Short\"=hex(4):2a,00,00\r\n\"Expand\"=hex(2):25,00,54,00,00,00\r\n"
        "\"Split\"=hex(1):61,00,\\\r\n  62,00,00,00\r\n\"Bad\"=dword:xyz\r\n\"Open\"=\"no end\r\n"
        "\"After\"=dword:00000002\r\n\"Long\"=\"" + QByteArray(1024, 'x') + "\"\r\n\"Fits\"=\"" +
        QByteArray(1023, 'x') + "\"\r\n");
    // Other types are there without a text of their own; lines not understood are skipped; data
    // longer than the 1024 bytes the old settings could hold is not read.
    const std::tuple<const char *, std::optional<QString>, std::optional<qint32>> cases[] = {
        {"frmCentre", "1", 1}, {"Minus", "-1", -1}, {"After", "2", 2}, {"Words", "42", 42},
        {"Editor", "C:\\Program Files\\Ed \"Pro\"\\ed.exe", {}}, {"", "default value", {}}, {"Empty", "", {}},
        {"Blob", "", {}}, {"Short", "", {}}, {"Expand", "", {}}, {"Split", "ab", {}}, {"Bad", {}, {}},
        {"Open", {}, {}}, {"Missing", {}, {}}, {"Long", {}, {}},
        {"Fits", QString(1023, QLatin1Char('x')), {}},
    };
    for (const auto &[name, text, number] : cases) {
        EXPECT_EQ(old.text(OldSettings, QString::fromLatin1(name)), text) << name;
        EXPECT_EQ(old.number(OldSettings, QString::fromLatin1(name)), number) << name;
    }
    EXPECT_EQ(old.number(QStringLiteral("hkey_current_user\\SOFTWARE\\nudgely\\settings"), "FRMCENTRE"), 1);
    EXPECT_EQ(old.text(QStringLiteral("HKEY_CURRENT_USER\\Software\\Other"), "frmCentre"), std::nullopt);
}

TEST(RegistryExportTest, ReadsEveryEncodingAWindowsExportCanHave)
{
    const QByteArray value = SettingsKey + "\"EventsFontName\"=";
    const QString utf16 = QString::fromUtf8(Header + value) + QString::fromUtf16(u"\"Caf\u00e9\"\r\n");
    const QByteArray exports[] = {
        "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2),
        "REGEDIT4\r\n\r\n" + value + "\"Caf\xE9\"\r\n",
        "\xEF\xBB\xBFREGEDIT4\r\n\r\n" + value + "\"Caf\xC3\xA9\"\r\n",
        Header + value + "\"Caf\xC3\xA9\"\r\n",
    };
    for (const QByteArray &bytes : exports) {
        EXPECT_EQ(RegistryExport::fromBytes(bytes).text(OldSettings, "EventsFontName"),
                  QString::fromUtf16(u"Caf\u00e9"))
            << bytes.toHex().constData();
    }
    // Without a Registry Editor header it is not an export.
    EXPECT_TRUE(RegistryExport::fromBytes("this is not\r\n" + SettingsKey + Marker).isEmpty());
    EXPECT_TRUE(RegistryExport::fromBytes(SettingsKey + Marker).isEmpty());
}

TEST(RegistryExportTest, DeletionsAreApplied)
{
    // A deleted key takes its subkeys with it, but not a key whose name merely starts the same.
    const QString root = QStringLiteral("HKEY_CURRENT_USER\\Software\\Nudgely\\");
    const RegistryExport old = RegistryExport::fromBytes(
        Header + SettingsKey + Marker + "\"b\"=\"2\"\r\n\"FRMCENTRE\"=-\r\n"
        "[HKEY_CURRENT_USER\\Software\\Nudgely\\Old]\r\n\"x\"=\"1\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\Nudgely\\Old\\Sub]\r\n\"y\"=\"1\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\Nudgely\\Older]\r\n\"z\"=\"1\"\r\n"
        "[-HKEY_CURRENT_USER\\Software\\Nudgely\\old]\r\n");
    EXPECT_EQ(old.text(OldSettings, "frmCentre"), std::nullopt);
    EXPECT_EQ(old.text(OldSettings, "b"), QStringLiteral("2"));
    EXPECT_EQ(old.text(root + "Old", "x"), std::nullopt);
    EXPECT_EQ(old.text(root + "Old\\Sub", "y"), std::nullopt);
    EXPECT_EQ(old.text(root + "Older", "z"), QStringLiteral("1"));
}

class MigrationTest : public ::testing::Test {
protected:
    // Migrates into the configuration file and commits, as a start of the program does.
    bool migrate(const QByteArray &registry, int expectedCommit = 0) const
    {
        ConfigEdit edit(folder.path("Nudgely.ini"));
        const bool done = migrateLegacySettings(RegistryExport::fromBytes(registry), edit);
        EXPECT_EQ(edit.commit(), expectedCommit);
        return done;
    }
    std::optional<QString> ini(const char *section, const char *key) const
    {
        return readConfigFile(folder.path("Nudgely.ini")).value(QLatin1String(section), QLatin1String(key));
    }
    QByteArray file() const { return folder.read("Nudgely.ini"); }

    TempFolder folder;
};

TEST_F(MigrationTest, NothingDueChangesNothing)
{
    EXPECT_FALSE(migrate(Header + SettingsKey + "\"Filter\"=dword:00000000\r\n"));
    EXPECT_FALSE(migrate(Header + SettingsKey + "\"frmCentre\"=\"1\"\r\n")); // the marker must be a number
    EXPECT_FALSE(migrate(QByteArray()));
    EXPECT_FALSE(folder.exists("Nudgely.ini"));
    folder.write("Nudgely.ini", "[legacy]\nregistrymigrated=1\n");
    EXPECT_FALSE(migrate(Header + SettingsKey + Marker));
    EXPECT_EQ(file(), QByteArray("[legacy]\nregistrymigrated=1\n"));
}

TEST_F(MigrationTest, EverySingleValueMovesToItsKeyOnce)
{
    // Distinct numbers, so that no two values can trade places unseen.
    const std::tuple<const char *, qint32, const char *, const char *> numbers[] = {
        {"frmCentre", 0, "Display", "Centre"},           {"EventsFontSize", 10, "Display", "FontSize"},
        {"EventsFontOther", 3, "Display", "FontStyle"},  {"Filter", 11, "Display", "Filter"},
        {"FilterLength", 12, "Display", "FilterLength"}, {"MissedEvents", 13, "Display", "ShowMissed"},
        {"MissedLength", 21, "Display", "MissedLength"}, {"HideUnknown", 14, "Display", "HideUnknown"},
        {"AppendToAge", 15, "Display", "AppendToAge"},   {"DateDelimiter", 2, "DateFormat", "Delimiter"},
        {"DateDayPos", 4, "DateFormat", "DayPos"},       {"DateMonthPos", 5, "DateFormat", "MonthPos"},
        {"DateYearPos", 6, "DateFormat", "YearPos"},     {"UseDefaultEditor", 7, "Editor", "UseDefault"},
        {"EditMultiFiles", 8, "Editor", "MultiFile"},    {"Col0", 1000, "Display", "Col0"},
        {"Col1", 480, "Display", "Col1"},                {"Col2", 481, "Display", "Col2"},
        {"Col3", 645, "Display", "Col3"},                {"Col4", 3990, "Display", "Col4"},
        {"frmWidth", 7185, "Display", "frmWidth"},       {"frmHeight", 5370, "Display", "frmHeight"},
        {"frmLeft", 1200, "Display", "frmLeft"},         {"frmTop", -100, "Display", "frmTop"},
        {"frmMax", 1, "Display", "frmMax"},              {"frmOptnTop", 100, "Display", "frmOTop"},
        {"frmOptnLeft", 200, "Display", "frmOLeft"},
    };
    QByteArray registry = Header + SettingsKey + "\"EventsFontName\"=\"Tahoma\"\r\n\"Editor\"=\"C:\\\\ed.exe\"\r\n"
                                                 "\"NotOurs\"=dword:00000005\r\n";
    for (const auto &[oldName, number, section, key] : numbers) {
        registry += QStringLiteral("\"%1\"=dword:%2\r\n")
                        .arg(QLatin1String(oldName))
                        .arg(quint32(number), 8, 16, QLatin1Char('0'))
                        .toLatin1();
    }

    EXPECT_TRUE(migrate(registry));
    for (const auto &[oldName, number, section, key] : numbers)
        EXPECT_EQ(ini(section, key), QString::number(number)) << oldName;
    EXPECT_EQ(ini("Display", "FontName"), QStringLiteral("Tahoma"));
    EXPECT_EQ(ini("Editor", "Path"), QStringLiteral("C:\\ed.exe"));
    EXPECT_EQ(ini("Legacy", "RegistryMigrated"), QStringLiteral("1"));
    const QByteArray after = file();
    EXPECT_FALSE(after.contains("NotOurs"));
    EXPECT_FALSE(migrate(registry)); // done once
    EXPECT_EQ(file(), after);
}

TEST_F(MigrationTest, ValuesTheFileAlreadyHoldsAreNewerAndStay)
{
    folder.write("Nudgely.ini", "[Display]\nCentre=0\nFontName=\n[Editor]\nPath=/usr/bin/vi\n");
    EXPECT_TRUE(migrate(Header + SettingsKey + Marker + "\"EventsFontName\"=\"Tahoma\"\r\n"
                        "\"Filter\"=dword:00000000\r\n\"Editor\"=\"C:\\\\ed.exe\"\r\n"));
    EXPECT_EQ(file(), QByteArray("[Display]\nCentre=0\nFontName=\nFilter=0\n[Editor]\nPath=/usr/bin/vi\n"
                                 "\n[Legacy]\nRegistryMigrated=1\n"));
}

const QByteArray OldDataFiles =
    "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n"
    "\"1File\"=\"C:\\\\one.txt\"\r\n\"2File\"=\"\"\r\n\"4File\"=\"C:\\\\four.txt\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursFuture]\r\n"
    "\"1Fore\"=\"255\"\r\n\"1Back\"=dword:00000007\r\n\"2Fore\"=\"9\"\r\n\"3Fore\"=\"9\"\r\n\"4Back\"=\"8\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursToday]\r\n\"1Fore\"=\"1\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Nudgely\\ColoursPast]\r\n\"4Back\"=\"12632256\"\r\n";

TEST_F(MigrationTest, DataFilesMoveWithTheirColoursAndSlotsWithoutAFileAreSkipped)
{
    EXPECT_TRUE(migrate(Header + SettingsKey + Marker + OldDataFiles));
    // Numbers are read as text; the gap at slots 2 and 3 is kept as such.
    EXPECT_TRUE(file().contains("[DataFiles]\n1File=C:\\one.txt\n4File=C:\\four.txt\n\n"
                                "[ColoursFuture]\n1Fore=255\n1Back=7\n4Back=8\n\n[ColoursToday]\n1Fore=1\n\n"
                                "[ColoursPast]\n4Back=12632256\n"))
        << file().constData();

    const QByteArray mine = "[DataFiles]\n1File=/mine.txt\n";
    folder.write("Nudgely.ini", mine); // the list moves only into a file that names no data file
    EXPECT_TRUE(migrate(Header + SettingsKey + Marker + OldDataFiles));
    EXPECT_EQ(file(), mine + "\n[Display]\nCentre=1\n\n[Legacy]\nRegistryMigrated=1\n");
}

TEST_F(MigrationTest, TextsHoldingALineBreakAreLeftBehind)
{
    const QByteArray newlineText = "hex(1):61,00,0a,00,62,00,00,00"; // "a\nb" in UTF-16
    EXPECT_TRUE(migrate(Header + SettingsKey + Marker + "\"FilterLength\"=\"12\"\r\n\"Editor\"=" + newlineText +
                        "\r\n\"EventsFontName\"=\"Arial\"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n"
                        "\"1File\"=" + newlineText + "\r\n\"2File\"=\"C:\\\\two.txt\"\r\n"));
    // FilterLength is left behind too: a number stored as text is no number.
    EXPECT_EQ(file(), QByteArray("[Display]\nCentre=1\nFontName=Arial\n\n[DataFiles]\n2File=C:\\two.txt\n\n"
                                 "[Legacy]\nRegistryMigrated=1\n"));
}

TEST_F(MigrationTest, AReadOnlyConfigurationRecordsNothingAndTheNextStartTriesAgain)
{
    folder.write("Nudgely.ini", "[Display]\nCentre=0\n");
    QFile::setPermissions(folder.path("Nudgely.ini"), QFile::ReadOwner);
    const QByteArray registry = Header + SettingsKey + Marker + "\"Filter\"=dword:00000000\r\n";
    EXPECT_TRUE(migrate(registry, EACCES));
    EXPECT_EQ(file(), QByteArray("[Display]\nCentre=0\n"));
    QFile::setPermissions(folder.path("Nudgely.ini"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(migrate(registry));
    EXPECT_EQ(file(), QByteArray("[Display]\nCentre=0\nFilter=0\n\n[Legacy]\nRegistryMigrated=1\n"));
}

} // namespace
} // namespace nudgely
