#include "config/SettingsStore.h"
#include "config/WindowGeometry.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TempFolder;

IniDocument ini(const QByteArray &bytes)
{
    return IniDocument::fromBytes(bytes);
}

TEST(ReadSettingsTest, AnEmptyOrJunkFileGivesTheDefaults)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\x00\x01\xFF\xFE garbage\n[[[\nFilter=0", 25)}) {
        EXPECT_EQ(readSettings(ini(bytes)), Settings());
        EXPECT_EQ(readDataFiles(ini(bytes), QStringLiteral("/nonexistent/dates.txt")), DataFileList());
    }
}

TEST(ReadSettingsTest, OnlyWholeNumbersInTheFieldsRangeAreTaken)
{
    // FilterLength defaults to 6; at most 18 digits are a number.
    const std::pair<const char *, int> lengths[] = {
        {"0", 0},   {"255", 255}, {"+12", 12}, {"007", 7},    {" 9 ", 9},    {"000000000000000012", 12},
        {"256", 6}, {"-1", 6},    {"abc", 6},  {"", 6},       {"1.5", 6},    {"12abc", 6},
        {"0x10", 6}, {"1 2", 6},  {"+", 6},    {"0000000000000000012", 6},   {"99999999999999999999", 6},
    };
    for (const auto &[text, expected] : lengths)
        EXPECT_EQ(readSettings(ini("[Display]\nFilterLength=" + QByteArray(text))).filterLength, expected) << text;
    const IniDocument file = ini("[Display]\nFontSize=-3\nFilter=-1\n[DataFiles]\n1File=/x\n[ColoursFuture]\n"
                                 "1Fore=-2147483648\n1Back=2147483648\n[ColoursPast]\n1Back=2147483647\n");
    EXPECT_EQ(readSettings(file).fontSize, -3);
    EXPECT_EQ(readSettings(file).filter, 1);
    EXPECT_EQ(readSettings(ini("[Display]\nFontSize=32768\n")).fontSize, 8);
    EXPECT_EQ(readDataFiles(file, QString())[0].colours,
              (FileColours{-2147483647 - 1, 16777215, 0, 65535, 0, 2147483647}));
}

TEST(ReadSettingsTest, PositionsAreReadUncheckedAndTextsAsTheyAre)
{
    const Settings settings = readSettings(ini("[DateFormat]\nDayPos=2\nMonthPos=2\nYearPos=9\n"
                                               "[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\n"
                                               "[Display]\nFontName=DejaVu Sans\nFontName=second\n"));
    EXPECT_EQ(std::vector<int>({settings.dayPos, settings.monthPos, settings.yearPos, settings.useDefaultEditor}),
              std::vector<int>({2, 2, 9, 0}));
    EXPECT_EQ(settings.editorPath, QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(settings.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(readSettings(ini("[Display]\nFontName=\n")).fontName, QString()); // empty, not the default
}

TEST(ReadDataFilesTest, TheSampleFileIsTheFirstOnlyWhenNoneIsConfigured)
{
    TempFolder folder;
    folder.write("dates.txt", "25/12/XXXX Christmas\n");
    const QString sample = folder.path("dates.txt");
    DataFileList expected;
    expected[0] = {sample, FileColours{1, 0, 0, 65535, 16777215, 12632256}};
    EXPECT_EQ(readDataFiles(IniDocument(), sample), expected);
    EXPECT_EQ(readDataFiles(IniDocument(), folder.root()), DataFileList()); // a folder is no sample file

    // Missing colour keys take their own defaults, not those of the sample file; the list ends at
    // the first slot without a file.
    for (const QByteArray &second : {QByteArray(), QByteArray("2File=\n")}) {
        expected[0] = {"/data/mine.txt", FileColours{0, 16777215, 7, 65535, 0, -5}};
        EXPECT_EQ(readDataFiles(ini("[DataFiles]\n1File=/data/mine.txt\n" + second + "3File=/d/three.txt\n"
                                    "[ColoursToday]\n1Fore=7\n[ColoursPast]\n1Back=-5\n3Back=1\n"),
                                sample),
                  expected);
    }
}

class WriteSettingsTest : public ::testing::Test {
protected:
    QByteArray write(const Settings &settings, const DataFileList &files) const
    {
        ConfigEdit edit(folder.path("Nudgely.ini"));
        writeSettings(edit, settings, files);
        EXPECT_EQ(edit.commit(), 0);
        return folder.read("Nudgely.ini");
    }

    TempFolder folder;
};

TEST_F(WriteSettingsTest, EveryKeyInTheFilesOrderAndAGapAsSuch)
{
    Settings settings;
    settings.editorPath = QStringLiteral("/usr/bin/gedit");
    DataFileList files;
    files[0] = {QStringLiteral("/d/one.txt"), {1, 2, 3, 4, 5, -6}};
    files[1] = {QStringLiteral("/d/two.txt"), StoredColourDefaults};
    files[3] = {QStringLiteral("/d/four.txt"), NewFileColours};
    EXPECT_EQ(write(settings, files),
              QByteArray("[Display]\nFilter=1\nFilterLength=6\nShowMissed=1\nMissedLength=7\nCentre=1\n"
                         "FontName=MS Sans Serif\nFontSize=8\nFontStyle=0\nHideUnknown=0\nAppendToAge=1\n"
                         "\n[DateFormat]\nDelimiter=0\nDayPos=1\nMonthPos=2\nYearPos=3\n"
                         "\n[Editor]\nUseDefault=1\nPath=/usr/bin/gedit\nMultiFile=0\n"
                         "\n[DataFiles]\n1File=/d/one.txt\n2File=/d/two.txt\n4File=/d/four.txt\n"
                         "\n[ColoursFuture]\n1Fore=1\n1Back=2\n2Fore=0\n2Back=16777215\n4Fore=1\n4Back=0\n"
                         "\n[ColoursToday]\n1Fore=3\n1Back=4\n2Fore=0\n2Back=65535\n4Fore=0\n4Back=65535\n"
                         "\n[ColoursPast]\n1Fore=5\n1Back=-6\n2Fore=0\n2Back=12632256\n4Fore=16777215\n"
                         "4Back=12632256\n"));
}

TEST_F(WriteSettingsTest, AnEmptiedSlotAndAnEmptyPathLeaveNoKeysBehind)
{
    folder.write("Nudgely.ini", "[Editor]\nPath=/usr/bin/gedit\n[DataFiles]\n1File=/a\n2File=/b\n3File=/c\n"
                                "[ColoursFuture]\n3Fore=1\n3Back=2\n[ColoursToday]\n3Fore=3\n3Back=4\n"
                                "[ColoursPast]\n3Fore=5\n3Back=6\n[Mine]\nkept=yes\n");
    const IniDocument before = readConfigFile(folder.path("Nudgely.ini"));
    Settings settings = readSettings(before);
    DataFileList files = readDataFiles(before, QString());
    files[2].path.clear();
    settings.editorPath.clear();
    const QByteArray after = write(settings, files);
    for (const char *gone : {"3File", "3Fore", "3Back", "Path="})
        EXPECT_FALSE(after.contains(gone)) << gone << "\n" << after.constData();
    EXPECT_TRUE(after.contains("[DataFiles]\n1File=/a\n2File=/b\n"));
    EXPECT_TRUE(after.contains("[Mine]\nkept=yes\n"));
}

TEST(WindowGeometryTest, ReadsSizesRaisedToTheMinimumAndPositionsOnlyWhenNotCentred)
{
    const StoredWindowGeometry none = readWindowGeometry(IniDocument(), false);
    EXPECT_EQ(std::vector<double>({none.width, none.height}), std::vector<double>({7185, 5370}));
    EXPECT_EQ(none.columns, (std::array<double, 5>{1000, 480, 480, 645, 3990}));
    EXPECT_FALSE(none.left || none.top || none.maximised);

    const IniDocument file = ini("[Display]\nfrmWidth=100\nfrmHeight=abc\nfrmLeft=1234.5\nfrmTop=x\n"
                                 "Col0=1001.5\nCol1=2e9\nfrmMax=1\n");
    const StoredWindowGeometry stored = readWindowGeometry(file, false);
    EXPECT_EQ(std::vector<double>({stored.width, stored.height}), std::vector<double>({3000, 5370}));
    EXPECT_EQ(stored.left, 1234.5);
    EXPECT_EQ(stored.top, std::nullopt);
    EXPECT_EQ(stored.columns, (std::array<double, 5>{1002, 480, 480, 645, 3990})); // whole twips, halves to even
    EXPECT_TRUE(stored.maximised);
    EXPECT_EQ(readWindowGeometry(file, true).left, std::nullopt);
    EXPECT_EQ(readWindowGeometry(ini("[Display]\nfrmHeight=2400.4\n"), false).height, 2400);
    // Single precision, as the Windows version stored them.
    EXPECT_EQ(readWindowGeometry(ini("[Display]\nfrmLeft=16777217\n"), false).left, 16777216);
    for (const char *notMaximised : {"0", "2", "yes", ""})
        EXPECT_FALSE(readWindowGeometry(ini("[Display]\nfrmMax=" + QByteArray(notMaximised)), true).maximised);
}

TEST(WindowGeometryTest, WritesInTheFilesOrderAndKeepsAPositionNotSaved)
{
    TempFolder folder;
    folder.write("Nudgely.ini", "[Display]\nfrmLeft=15\nfrmOLeft=3\n");
    ConfigEdit edit(folder.path("Nudgely.ini"));
    writeWindowGeometry(edit, {8000, 6007.5, std::nullopt, 307, true, {1000.6, 480, 480, 645, 3990}});
    writeDialogPosition(edit, 1500, 1234.5);
    ASSERT_EQ(edit.commit(), 0);
    EXPECT_EQ(folder.read("Nudgely.ini"), QByteArray("[Display]\nfrmLeft=15\nfrmOLeft=1500\nfrmWidth=8000\n"
                                                     "frmHeight=6007.5\nfrmTop=307\nfrmMax=1\nCol0=1001\nCol1=480\n"
                                                     "Col2=480\nCol3=645\nCol4=3990\nfrmOTop=1234.5\n"));
    const DialogPosition position = readDialogPosition(readConfigFile(folder.path("Nudgely.ini")));
    EXPECT_EQ(std::vector<double>({*position.left, *position.top}), std::vector<double>({1500, 1234.5}));
}

TEST(WindowGeometryTest, TwipsPerPixelAndTwipsText)
{
    const std::pair<double, int> dpis[] = {{96, 15}, {120, 12}, {144, 10}, {72, 20}, {0, 15}, {2000, 1}};
    for (const auto &[dpi, twips] : dpis)
        EXPECT_EQ(twipsPerPixel(dpi), twips) << dpi;
    EXPECT_EQ(twipsToPixels(7185, 15), 479);
    EXPECT_EQ(QStringList({twipsText(10000000), twipsText(-100), twipsText(1234.5)}),
              QStringList({"10000000", "-100", "1234.5"}));
}

} // namespace
} // namespace nudgely
