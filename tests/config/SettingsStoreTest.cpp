#include "config/SettingsStore.h"
#include "config/WindowGeometry.h"

#include "support/TempFolder.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>

namespace nudgely {
namespace {

IniDocument ini(const QByteArray &bytes)
{
    return IniDocument::fromBytes(bytes);
}

TEST(ReadSettingsTest, WholeNumbersInRangeTextsAsTheyAreAndDataFilesUpToTheFirstEmptySlot)
{
    // FilterLength defaults to 6; at most 18 digits are a number.
    const std::pair<const char *, int> lengths[] = {
        {"0", 0}, {"255", 255}, {"+12", 12}, {"007", 7}, {" 9 ", 9}, {"000000000000000012", 12}, {"256", 6}, {"-1", 6},
        {"abc", 6}, {"", 6}, {"1.5", 6}, {"12abc", 6}, {"0x10", 6}, {"1 2", 6}, {"+", 6}, {"0000000000000000012", 6},
        {"99999999999999999999", 6}};
    for (const auto &[text, expected] : lengths)
        EXPECT_EQ(readSettings(ini("[Display]\nFilterLength=" + QByteArray(text))).filterLength, expected) << text;
    // Junk, and a number beyond its field's range, give the defaults.
    const QByteArray junk = QByteArrayLiteral("\x00\xFF junk\n[[[\nFilter=0\n1File=/x\n[Display]\nFontSize=32768");
    EXPECT_EQ(readSettings(ini(junk)), Settings());
    // A file without the reminders' section, as every older one is, gets their defaults.
    EXPECT_EQ(readReminderSettings(ini(junk)), ReminderSettings());
    EXPECT_EQ(readReminderSettings(ini("[reminders]\nnotify=0\nDaysAhead=14\nKeepInTray=1\nUpdateAtMidnight=-1\n")),
              (ReminderSettings{.notify = 0, .daysAhead = 14, .keepInTray = 1}));
    EXPECT_EQ(readSettings(ini("[Display]\nFontSize=-3\nFontName=\n[DateFormat]\nDayPos=2\nMonthPos=2\nYearPos=9\n"
                               "[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\n")),
              (Settings{.fontName = "", .fontSize = -3, .dayPos = 2, .monthPos = 2, .yearPos = 9, .useDefaultEditor = 0,
                        .editorPath = "/usr/bin/gedit"}));

    // The data file list ends at the first slot without a file; the sample file is the first only when none is set.
    test::TempFolder folder;
    folder.write("dates.txt", "x");
    const QString sample = folder.path("dates.txt");
    DataFileList expected;
    for (const QString &noSample : {folder.path("missing.txt"), folder.root()}) // a folder is no sample file
        EXPECT_EQ(readDataFiles(ini(junk), noSample), expected);
    expected[0] = {sample, FileColours{1, 0, 0, 65535, 16777215, 12632256}};
    EXPECT_EQ(readDataFiles(IniDocument(), sample), expected);
    // Missing colour keys and numbers beyond 32 bits take their own defaults, not those of the sample file.
    expected[0] = {"/d/1", FileColours{-2147483647 - 1, 16777215, 7, 65535, 0, 2147483647}};
    const QByteArray file = "[DataFiles]\n1File=/d/1\n2File=\n3File=/d/3\n[ColoursFuture]\n1Fore=-2147483648\n"
                            "1Back=2147483648\n[ColoursToday]\n1Fore=7\n[ColoursPast]\n1Back=2147483647";
    EXPECT_EQ(readDataFiles(ini(file), sample), expected);
}

TEST(WriteSettingsTest, EveryKeyInTheFilesOrderAndAnEmptySlotOrPathLeavesNoKeysBehind)
{
    Settings settings{.editorPath = "/bin/ed"};
    DataFileList files{{{"/d/1", {1, 2, 3, 4, 5, -6}}, {"/d/2", StoredColourDefaults}, {}, {"/d/4", NewFileColours}}};
    test::TempFolder folder;
    ConfigEdit edit(folder.path("Nudgely.ini")); // committed only with a path it refuses
    writeSettings(edit, settings, files);
    const QString all =
        "[Display]\nFilter=1\nFilterLength=6\nShowMissed=1\nMissedLength=7\nCentre=1\nFontName=MS Sans Serif\n"
        "FontSize=8\nFontStyle=0\nHideUnknown=0\nAppendToAge=1\n\n[DateFormat]\nDelimiter=0\nDayPos=1\nMonthPos=2\n"
        "YearPos=3\n\n[Editor]\nUseDefault=1\nPath=/bin/ed\nMultiFile=0\n\n[DataFiles]\n1File=/d/1\n2File=/d/2\n"
        "4File=/d/4\n\n[ColoursFuture]\n1Fore=1\n1Back=2\n2Fore=0\n2Back=16777215\n4Fore=1\n4Back=0\n\n[ColoursToday]\n"
        "1Fore=3\n1Back=4\n2Fore=0\n2Back=65535\n4Fore=0\n4Back=65535\n\n[ColoursPast]\n1Fore=5\n1Back=-6\n2Fore=0\n"
        "2Back=12632256\n4Fore=16777215\n4Back=12632256\n";
    EXPECT_EQ(QString::fromUtf8(edit.document().toBytes()), all);
    settings.editorPath.clear();
    files[3].path.clear();
    writeSettings(edit, settings, files);
    const QRegularExpression keysOfSlot4AndPath("\n(4\\w+|Path)=[^\n]*");
    EXPECT_EQ(QString::fromUtf8(edit.document().toBytes()), QString(all).remove(keysOfSlot4AndPath));
    // A path the file cannot hold fails the whole save: written without it, the list would end before its slot.
    files[1].path = "/d/tw\no";
    writeSettings(edit, settings, files);
    EXPECT_EQ(edit.commit(), EINVAL);
    EXPECT_TRUE(dataFilePathRefusal("/d/tw\ro") && !dataFilePathRefusal("/d/two"));

    ConfigEdit reminders(folder.path("Nudgely.ini"));
    writeReminderSettings(reminders, {.daysAhead = 0});
    EXPECT_EQ(reminders.document().toBytes(),
              "[Reminders]\nNotify=1\nDaysAhead=0\nKeepInTray=0\nUpdateAtMidnight=1\nReloadOnChange=1\n");
}

TEST(WindowGeometryTest, ReadsSizesRaisedToTheMinimumAndPositionsOnlyWhenNotCentredAndWritesTwips)
{
    // The Display section, whether the window is centred, and what is read: width, height, left, top (-1 for
    // none), maximised and the widths of the first and last columns.
    using V = std::vector<double>;
    const std::tuple<const char *, bool, V> reads[] = {
        {"", false, {7185, 5370, -1, -1, 0, 1000, 3990}},
        {"frmWidth=100\nfrmHeight=abc\nfrmLeft=1234.5\nfrmTop=x\nCol0=1001.5\nCol4=2e9\nfrmMax=1", false,
         {3000, 5370, 1234.5, -1, 1, 1002, 3990}}, // sizes in whole twips, halves to even
        {"frmLeft=1234.5\nfrmTop=5\nfrmMax=2", true, {7185, 5370, -1, -1, 0, 1000, 3990}},
        // Single precision, as the Windows version stored them.
        {"frmHeight=2400.4\nfrmLeft=16777217\nfrmMax=yes", false, {7185, 2400, 16777216, -1, 0, 1000, 3990}}};
    for (const auto &[section, centred, expected] : reads) {
        const StoredWindowGeometry got = readWindowGeometry(ini("[Display]\n" + QByteArray(section)), centred);
        EXPECT_EQ(V({got.width, got.height, got.left.value_or(-1), got.top.value_or(-1), double(got.maximised),
                     got.columns[0], got.columns[4]}), expected) << section;
    }
    // Written in the file's order; a position not saved keeps its old value.
    ConfigEdit edit(QStringLiteral("/nonexistent/Nudgely.ini")); // never committed
    writeWindowGeometry(edit, {1, 2, 15, 4, false, {}});
    writeWindowGeometry(edit, {10000000, 6007.5, std::nullopt, -100, true, {1000.6, 480, 480, 645, 3990}});
    writeDialogPosition(edit, 1500, 1234.5);
    EXPECT_EQ(edit.document().toBytes(), QByteArray("[Display]\nfrmWidth=10000000\nfrmHeight=6007.5\nfrmTop=-100\n"
                                                    "frmLeft=15\nfrmMax=1\nCol0=1001\nCol1=480\nCol2=480\nCol3=645\n"
                                                    "Col4=3990\nfrmOTop=1234.5\nfrmOLeft=1500\n"));
    const DialogPosition position = readDialogPosition(edit.document());
    EXPECT_EQ(V({position.left.value_or(-1), position.top.value_or(-1)}), V({1500, 1234.5}));
    const std::pair<double, int> dpis[] = {{96, 15}, {120, 12}, {144, 10}, {72, 20}, {0, 15}, {2000, 1}};
    for (const auto &[dpi, twips] : dpis)
        EXPECT_EQ(twipsPerPixel(dpi), twips) << dpi;
}

} // namespace
} // namespace nudgely
