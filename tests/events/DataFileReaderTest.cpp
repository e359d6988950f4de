#include "events/DataFileReader.h"

#include "events/EventTables.h"
#include "startup/StatusMessages.h"
#include "support/TestEnvironment.h"

#include <QDir>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

struct LineCase {
    const char *line;
    bool handled;        // what ParseDataLine returns
    bool appended;
    const char *date;
    bool oneOff;
    const char *description;
};

class ParseDataLineTest : public ::testing::TestWithParam<LineCase> {
protected:
    TestEnvironment env;
};

TEST_P(ParseDataLineTest, CutsTheLineIntoDateOptionAndDescription)
{
    const LineCase &c = GetParam();
    EXPECT_EQ(ParseDataLine(QString::fromUtf8(c.line), 7), c.handled) << c.line;
    ASSERT_EQ(EventCount, c.appended ? 1 : 0) << c.line;
    if (!c.appended)
        return;
    const EventRecord &event = Events[1];
    EXPECT_EQ(event.szDate, QString::fromUtf8(c.date)) << c.line;
    EXPECT_EQ(event.bytFlags, c.oneOff ? OneOffFlag : 0) << c.line;
    EXPECT_EQ(event.szDescription, QString::fromUtf8(c.description)) << c.line;
    EXPECT_EQ(event.bytDataFile, 7);
}

INSTANTIATE_TEST_SUITE_P(
    LineShapes, ParseDataLineTest,
    ::testing::Values(
        LineCase{"12/05/1970 Wedding anniversary", true, true, "12/05/1970", false, "Wedding anniversary"},
        LineCase{"   12/05/1970   Wedding anniversary  ", true, true, "12/05/1970", false, "Wedding anniversary  "},
        LineCase{"01/06/2030 /a Dentist", true, true, "01/06/2030", true, "Dentist"},
        LineCase{"01/06/2030  /A   Dentist at  9", true, true, "01/06/2030", true, "Dentist at  9"},
        LineCase{"01/06/2030 /Ax Dentist", true, true, "01/06/2030", false, "/Ax Dentist"},
        LineCase{"01/06/2030 Dentist /A", true, true, "01/06/2030", false, "Dentist /A"},
        LineCase{"01/06/2030/A Dentist", true, true, "01/06/2030/A", false, "Dentist"},
        LineCase{"01/06/2030 /A", false, false, "", false, ""},
        LineCase{"01/06/2030 /x", false, false, "", false, ""},
        LineCase{"01/06/2030 /A ", true, true, "01/06/2030", true, ""},
        LineCase{"01/06/2030    ", true, true, "01/06/2030", false, ""},
        LineCase{"Dentist", true, true, "", false, "Dentist"},
        LineCase{"  /A", false, false, "", false, ""},
        LineCase{"\t12/05/1970 tab first", true, true, "\t12/05/1970", false, "tab first"},
        LineCase{"12/05/1970\ttab inside", true, true, "12/05/1970\ttab", false, "inside"},
        LineCase{"; old entries below", true, false, "", false, ""},
        LineCase{"   ' quoted comment", true, false, "", false, ""},
        LineCase{":colon comment", true, false, "", false, ""},
        LineCase{"12/05/1970 ;not a comment", true, true, "12/05/1970", false, ";not a comment"},
        LineCase{"", false, false, "", false, ""},
        LineCase{"     ", false, false, "", false, ""}));

TEST(SkipSpacesTest, SkipsOnlyTheSpaceCharacter)
{
    EXPECT_EQ(SkipSpaces(u"  ab", 0), 2);
    EXPECT_EQ(SkipSpaces(u"  ab", 3), 3);
    EXPECT_EQ(SkipSpaces(u"a   ", 1), 4);
    EXPECT_EQ(SkipSpaces(u"\t a", 0), 0);
    EXPECT_EQ(SkipSpaces(u"", 0), 0);
}

class ReadDataFilesTest : public ::testing::Test {
protected:
    void configure(int slot, const QString &relative, const QByteArray &content)
    {
        env.writeFile(relative, content);
        DataFiles[slot].szFileName = env.path(relative);
    }
    QStringList descriptions() const
    {
        QStringList list;
        for (int i = 1; i <= EventCount; ++i)
            list.append(QStringLiteral("%1:%2").arg(Events[i].bytDataFile).arg(Events[i].szDescription));
        return list;
    }

    TestEnvironment env;
};

TEST_F(ReadDataFilesTest, ReadsSlotsInOrderAndLinesInOrder)
{
    configure(1, "a.txt", "01/01/2000 a1\r\n; comment\r\n\r\n01/01/2000 a2");
    configure(2, "b.txt", "01/01/2000 b1\n");
    configure(4, "a.txt", "01/01/2000 a1\r\n; comment\r\n\r\n01/01/2000 a2"); // the same file twice
    ReadDataFiles();
    EXPECT_EQ(descriptions(), QStringList({"1:a1", "1:a2", "2:b1", "4:a1", "4:a2"}));
    EXPECT_EQ(DataFilesRead, 3);
    EXPECT_EQ(env.statuses.front(), "reading datafile: " + env.path("a.txt") + "...");
    EXPECT_EQ(env.statuses.back(), "reading datafile: " + env.path("a.txt") + "...");
    EXPECT_TRUE(BusyPointerShown());
}

TEST_F(ReadDataFilesTest, AllThreeLineEndsAndALastLineWithoutOne)
{
    configure(1, "ends.txt", "01/01/2000 crlf\r\n01/01/2000 cr\r01/01/2000 lf\n\r\n01/01/2000 last");
    ReadDataFiles();
    EXPECT_EQ(descriptions(), QStringList({"1:crlf", "1:cr", "1:lf", "1:last"}));
}

TEST_F(ReadDataFilesTest, TextIsUtf8WhenValidElseWindows1252)
{
    configure(1, "utf8.txt", "01/01/2000 J\xC3\xB6rg \xE2\x82\xAC\n");
    configure(2, "cp1252.txt", "01/01/2000 J\xF6rg \x80\n01/01/2000 \xC3\xB6 stays two letters\n");
    ReadDataFiles();
    EXPECT_EQ(descriptions(), QStringList({QString::fromUtf8("1:J\xC3\xB6rg \xE2\x82\xAC"),
                                           QString::fromUtf8("2:J\xC3\xB6rg \xE2\x82\xAC"),
                                           QString::fromUtf8("2:\xC3\x83\xC2\xB6 stays two letters")}));
}

TEST_F(ReadDataFilesTest, FilesThatCannotBeReadAreSkippedAndNotCounted)
{
    configure(1, "empty.txt", "");
    configure(2, "comments.txt", "; only\r\n   \r\n' comments\r\n");
    DataFiles[3].szFileName = env.path("missing.txt");
    QDir().mkpath(env.path("folder.txt"));
    DataFiles[5].szFileName = env.path("folder.txt");
    DataFiles[6].szFileName = QStringLiteral("/dev/zero");
    configure(7, "real.txt", "01/01/2000 real\n");
    ReadDataFiles();
    EXPECT_EQ(descriptions(), QStringList({"7:real"}));
    EXPECT_EQ(DataFilesRead, 3);
}

TEST_F(ReadDataFilesTest, NothingConfiguredReadsNothing)
{
    AppendEvent(QStringLiteral("x"), QStringLiteral("left from before"), 1, 0);
    ReadDataFiles();
    EXPECT_EQ(EventCount, 0);
    EXPECT_EQ(DataFilesRead, 0);
    EXPECT_EQ(Events.size(), 1u);
    EXPECT_TRUE(env.statuses.empty());
}

TEST_F(ReadDataFilesTest, TheTableStopsAt32767EventsAcrossFiles)
{
    QByteArray many;
    for (int i = 0; i < 32760; ++i)
        many += "01/01/2000 first\r\n";
    configure(1, "many.txt", many);
    configure(2, "more.txt", QByteArray("; comment\r\n").repeated(3) + QByteArray("01/01/2000 second\n").repeated(10));
    configure(3, "late.txt", "01/01/2000 third\n");
    ReadDataFiles();
    EXPECT_EQ(EventCount, 32767);
    EXPECT_EQ(Events[32760].szDescription, QStringLiteral("first"));
    EXPECT_EQ(Events[32767].szDescription, QStringLiteral("second"));
    EXPECT_EQ(DataFilesRead, 3);
}

TEST_F(ReadDataFilesTest, BinaryJunkAndHugeLinesDoNotStopTheRead)
{
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    configure(1, "junk.bin", junk + "\n" + QByteArray(100000, 'x') + " long\n" + QByteArray(3, '\0') + "\n");
    configure(2, "after.txt", "01/01/2000 after\n");
    ReadDataFiles();
    EXPECT_EQ(DataFilesRead, 2);
    EXPECT_EQ(Events[EventCount].szDescription, QStringLiteral("after"));
}

} // namespace
} // namespace nudgely
