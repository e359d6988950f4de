#include "config/LegacyMigration.h"

#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>

namespace nudgely {
namespace {

const QByteArray Root = "HKEY_CURRENT_USER\\Software\\Nudgely\\";
const QString OldSettings = QString::fromLatin1(Root + "Settings");
const QByteArray Header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray SettingsKey = "[" + Root + "Settings]\r\n";
const QByteArray Marker = "\"frmCentre\"=dword:00000001\r\n";

TEST(RegistryExportTest, ReadsEveryValueKindAndEncodingAsTextAndOnlyNumbersAsNumbersAndAppliesDeletions)
{
    const RegistryExport old = RegistryExport::fromBytes(
        Header + SettingsKey + Marker + "\"Minus\"=dword:ffffffff\r\n\"Esc\"=\"a\\\\b \\\"c\\\"\"\r\n\"Empty\"=\"\"\r\n"
        "@=\"default\"\r\n\"Blob\"=hex:01,02,03,\\\r\n  04,05\r\n\"Words\"=hex(4):2a,00,00,00\r\n"
        "\"Short\"=hex(4):2a,00,00\r\n\"Expand\"=hex(2):25,00,00,00\r\n\"Split\"=hex(1):61,00,\\\r\n  62,00,00,00\r\n"
        "\"Bom\"=hex(1):ff,fe,41,00,00,00\r\n"
        "\"Bad\"=dword:xyz\r\n\"Open\"=\"no end\r\n\"After\"=dword:2\r\n\"Gone\"=\"1\"\r\n\"GONE\"=-\r\n"
        "\"Long\"=\"" + QByteArray(1024, 'x') + "\"\r\n\"Fits\"=\"" + QByteArray(1023, 'x') + "\"\r\n"
        "[A]\r\n\"x\"=\"1\"\r\n[A\\B]\r\n\"y\"=\"1\"\r\n[AB]\r\n\"z\"=\"1\"\r\n[A B]\r\n\"z\"=\"2\"\r\n[-a]\r\n");
    // Other types are there without a text of their own; lines not understood are skipped; data
    // longer than the 1024 bytes the old settings could hold is not read.
    const std::tuple<const char *, std::optional<QString>, std::optional<qint32>> cases[] = {
        {"frmCentre", "1", 1}, {"Minus", "-1", -1}, {"After", "2", 2}, {"Words", "42", 42}, {"", "default", {}},
        {"Esc", "a\\b \"c\"", {}}, {"Empty", "", {}}, {"Blob", "", {}}, {"Short", "", {}}, {"Expand", "", {}},
        {"Split", "ab", {}}, {"Bom", QStringLiteral(u"\ufeffA"), {}}, {"Bad", {}, {}}, {"Open", {}, {}}, {"Missing", {}, {}},
        {"Gone", {}, {}}, {"Long", {}, {}}, {"Fits", QString(1023, 'x'), {}}};
    for (const auto &[name, text, number] : cases) {
        EXPECT_EQ(old.text(OldSettings, name), text) << name;
        EXPECT_EQ(old.number(OldSettings, name), number) << name;
    }
    // A deleted key takes its subkeys, not a key whose name merely starts the same; names match in any case.
    EXPECT_EQ(old.text("A", "x"), std::nullopt);
    EXPECT_EQ(old.text("A\\B", "y"), std::nullopt);
    EXPECT_EQ(old.text("ab", "Z"), QStringLiteral("1"));
    EXPECT_EQ(old.text("a b", "Z"), QStringLiteral("2"));
    // Every encoding a Windows export can have, but only with its header.
    const QByteArray value = SettingsKey + "\"Font\"=";
    const QString utf16 = QString::fromUtf8(Header + value) + QString::fromUtf16(u"\"Caf\u00e9\"\r\n");
    const QByteArray exports[] = {
        "\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2),
        "REGEDIT4\r\n\r\n" + value + "\"Caf\xE9\"\r\n", "\xEF\xBB\xBFREGEDIT4\r\n\r\n" + value + "\"Caf\xC3\xA9\"\r\n",
        Header + value + "\"Caf\xC3\xA9\"\r\n"};
    for (const QByteArray &bytes : exports)
        EXPECT_EQ(RegistryExport::fromBytes(bytes).text(OldSettings, "Font"), u"Caf\u00e9") << bytes.toHex().data();
    EXPECT_TRUE(RegistryExport::fromBytes("not an export\r\n" + SettingsKey + Marker).isEmpty());
}

class MigrationTest : public ::testing::Test {
protected:
    // Migrates the old settings into the configuration file and commits, as a start of the program does.
    bool migrate(const QByteArray &values) const
    {
        ConfigEdit edit(folder.path("Nudgely.ini"));
        const bool done = migrateLegacySettings(RegistryExport::fromBytes(Header + SettingsKey + values), edit);
        EXPECT_EQ(edit.commit(), 0);
        return done;
    }
    QByteArray file() const { return folder.read("Nudgely.ini"); }

    test::TempFolder folder;
};

// Slot 2 names no file and slot 3's holds a line break ("a\nb" in UTF-16): neither's colours move.
const QByteArray OldDataFiles = "[" + Root + "DataFiles]\r\n\"1File\"=\"C:\\\\one.txt\"\r\n\"2File\"=\"\"\r\n"
    "\"3File\"=hex(1):61,00,0a,00,62,00,00,00\r\n\"4File\"=\"C:\\\\four.txt\"\r\n[" + Root + "ColoursFuture]\r\n"
    "\"1Fore\"=\"255\"\r\n\"1Back\"=dword:7\r\n\"2Fore\"=\"9\"\r\n\"3Fore\"=\"9\"\r\n\"4Back\"=\"8\"\r\n"
    "[" + Root + "ColoursToday]\r\n\"1Fore\"=\"1\"\r\n[" + Root + "ColoursPast]\r\n\"4Back\"=\"12632256\"\r\n";

TEST_F(MigrationTest, NothingDueChangesNothingAndEverythingDueMovesOnceToItsKey)
{
    EXPECT_FALSE(migrate("\"Filter\"=dword:00000000\r\n"));
    EXPECT_FALSE(migrate("\"frmCentre\"=\"1\"\r\n")); // the marker must be a number
    EXPECT_FALSE(folder.exists("Nudgely.ini"));
    // Distinct numbers, so that no two values can trade places unseen; the section is Display unless named.
    const char *const moves[][2] = {
        {"frmCentre", "Centre"}, {"EventsFontSize", "FontSize"}, {"EventsFontOther", "FontStyle"}, {"Filter", "Filter"},
        {"FilterLength", "FilterLength"}, {"MissedEvents", "ShowMissed"}, {"MissedLength", "MissedLength"},
        {"HideUnknown", "HideUnknown"}, {"AppendToAge", "AppendToAge"}, {"DateDelimiter", "DateFormat/Delimiter"},
        {"DateDayPos", "DateFormat/DayPos"}, {"DateMonthPos", "DateFormat/MonthPos"},
        {"DateYearPos", "DateFormat/YearPos"}, {"UseDefaultEditor", "Editor/UseDefault"},
        {"EditMultiFiles", "Editor/MultiFile"}, {"Col0", "Col0"}, {"Col1", "Col1"}, {"Col2", "Col2"}, {"Col3", "Col3"},
        {"Col4", "Col4"}, {"frmWidth", "frmWidth"}, {"frmHeight", "frmHeight"}, {"frmLeft", "frmLeft"},
        {"frmTop", "frmTop"}, {"frmMax", "frmMax"}, {"frmOptnTop", "frmOTop"}, {"frmOptnLeft", "frmOLeft"}};
    QByteArray registry = "\"EventsFontName\"=\"Tahoma\"\r\n\"Editor\"=\"C:\\\\ed.exe\"\r\n\"NotOurs\"=dword:5\r\n";
    for (int i = 0; i < int(std::size(moves)); ++i)
        registry += "\"" + QByteArray(moves[i][0]) + "\"=dword:" + QByteArray::number(quint32(i - 5), 16) + "\r\n";
    EXPECT_TRUE(migrate(registry + OldDataFiles));
    const IniDocument after = readConfigFile(folder.path("Nudgely.ini"));
    for (int i = 0; i < int(std::size(moves)); ++i) {
        const QStringList key = QString::fromLatin1(moves[i][1]).split('/');
        EXPECT_EQ(after.value(key.size() > 1 ? key[0] : "Display", key.last()), QString::number(i - 5))
            << moves[i][0];
    }
    EXPECT_EQ(after.value("Display", "FontName"), QStringLiteral("Tahoma"));
    EXPECT_EQ(after.value("Editor", "Path"), QStringLiteral("C:\\ed.exe"));
    const QByteArray once = file();
    EXPECT_FALSE(once.contains("NotOurs"));
    // Numbers are read as text; the gap at slots 2 and 3 is kept as such.
    EXPECT_TRUE(once.contains("[DataFiles]\n1File=C:\\one.txt\n4File=C:\\four.txt\n\n[ColoursFuture]\n1Fore=255\n"
                              "1Back=7\n4Back=8\n\n[ColoursToday]\n1Fore=1\n\n[ColoursPast]\n4Back=12632256\n"))
        << once.constData();
    EXPECT_FALSE(migrate(registry + OldDataFiles));
    EXPECT_EQ(file(), once);
}

// What the file holds stays and what it cannot hold is left behind. A start that could write nothing carries
// nothing over, and the next start tries again.
TEST_F(MigrationTest, ValuesTheFileHoldsStayValuesItCannotHoldAreLeftBehindAndAFailedWriteIsTriedAgain)
{
    const QString ini = folder.path("Nudgely.ini");
    const QString exported = folder.path("registry.reg");
    // The data file list moves only into a file that names no data file; a number stored as text is no number.
    folder.write(exported, Header + SettingsKey + Marker + "\"EventsFontName\"=\"Tahoma\"\r\n\"Filter\"=dword:0\r\n"
                           "\"FilterLength\"=\"12\"\r\n\"Editor\"=hex(1):61,00,0a,00,62,00,00,00\r\n" + OldDataFiles);
    const QByteArray before = "[Display]\nCentre=0\nFontName=\n[DataFiles]\n1File=/mine.txt\n";
    folder.write(ini, before);
    // A full disk: no write gets further than its first byte.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{0, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    EXPECT_EQ(migrateLegacyExport(exported, ini), EFBIG);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(file(), before);
    ASSERT_EQ(migrateLegacyExport(exported, ini), 0);
    EXPECT_EQ(file(), QByteArray("[Display]\nCentre=0\nFontName=\nFilter=0\n[DataFiles]\n1File=/mine.txt\n\n"
                                 "[Legacy]\nRegistryMigrated=1\n"));
    const QString told = legacyMigrationFailureText(ini, exported, EFBIG);
    EXPECT_TRUE(told.contains(ini + "\n\nError 27: File too large") && told.contains(exported)) << qPrintable(told);
}

} // namespace
} // namespace nudgely
