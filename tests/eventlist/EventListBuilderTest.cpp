#include "eventlist/EventListBuilder.h"

#include "config/Settings.h"
#include "eventlist/EventsGrid.h"
#include "events/EventTables.h"
#include "startup/StatusMessages.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

const QDate Today = QDate(2026, 12, 5);

// An event as the resolver leaves it: next and previous occurrence a given number of days
// from today, and its age at the next one.
EventRecord &AddResolved(const char *description, int daysToNext, int daysToLast, const char *age = " ",
                         quint8 flags = 0, int dataFile = 1)
{
    AppendEvent(QStringLiteral("d/m/y"), QString::fromUtf8(description), static_cast<quint8>(dataFile), flags);
    EventRecord &event = Events[static_cast<std::size_t>(EventCount)];
    event.dtNext = Today.addDays(daysToNext);
    event.dtLast = Today.addDays(daysToLast);
    event.intDaysToNext = daysToNext;
    event.intDaysToLast = daysToLast;
    event.szAge = QString::fromUtf8(age);
    return event;
}

EventRecord &AddBad(const char *description)
{
    AppendEvent(QStringLiteral("99/xx/19"), QString::fromUtf8(description), 1, 0);
    EventRecord &event = Events[static_cast<std::size_t>(EventCount)];
    event.blnBadDate = true;
    return event;
}

// Each data row as "description|time left|age", in grid order.
QStringList Rows()
{
    QStringList rows;
    for (int row = 1; row < grdDates.rowCount(); ++row) {
        rows.append(grdDates.text(row, DescriptionColumn) + QLatin1Char('|') + grdDates.text(row, TimeLeftColumn) +
                    QLatin1Char('|') + grdDates.text(row, AgeColumn));
    }
    return rows;
}

class EventListBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DataFilesRead = 1;
        DataFiles[1] = {QStringLiteral("/d/one.txt"), 11, 12, 21, 22, 31, 32};
        DataFiles[2] = {QStringLiteral("/d/two.txt"), 41, 42, 51, 52, 61, 62};
    }

    TestEnvironment env;
};

TEST_F(EventListBuilderTest, DefaultWindowsShowTheLastWeekAndTheNextSixWeeks)
{
    AddResolved("next in 42 days", 42, -323);
    AddResolved("next in 43 days", 43, -322);
    AddResolved("missed 7 days ago", 358, -7);
    AddResolved("missed 8 days ago", 357, -8);
    AddResolved("today", 0, -365);
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"missed 7 days ago|-7| ", "today|0| ", "next in 42 days|42| "}));
    EXPECT_EQ(env.caption, QStringLiteral("Nudgely:  -7 days to +6 weeks"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("5 events in 1 datafile, 0 bad dates, 3 events displayed"));
    EXPECT_EQ(grdDates.row(), 1);
    EXPECT_EQ(grdDates.column(), DateColumn);
    EXPECT_FALSE(BusyPointerShown());
}

TEST_F(EventListBuilderTest, ZeroLengthWindowsKeepOnlyToday)
{
    AddResolved("today", 0, -365);
    AddResolved("tomorrow", 1, -364);
    AddResolved("weekday rule today", 0, 0);
    AddResolved("yesterday", 364, -1);
    Settings.FilterLength = 0;
    Settings.MissedLength = 0;
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"today|0| ", "weekday rule today|0| "}));
    EXPECT_EQ(env.caption, QStringLiteral("Nudgely:  -0 days to +0 weeks"));

    Settings.ShowMissed = 0;
    DisplayEvents();
    EXPECT_EQ(env.caption, QStringLiteral("Nudgely:  today to +0 weeks"));
}

TEST_F(EventListBuilderTest, WithoutAFutureWindowEveryEventShowsAndMissedOnesAsMissed)
{
    AddResolved("far", 300, -65);
    AddResolved("missed", 360, -5, "30");
    AddResolved("past one-off", -20, -20, " ", OneOffFlag);
    AddBad("broken");
    Settings.Filter = 0;
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"past one-off|-20| ", "missed|-5|29th", "far|300| ", "broken|?|?"}));
    EXPECT_EQ(env.caption, QStringLiteral("Nudgely:  all events"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("4 events in 1 datafile, 1 bad date, 4 events displayed"));
}

TEST_F(EventListBuilderTest, AFullDateStillAheadIsNeverMissed)
{
    // 30/11/2027 on 5 December 2026: no previous occurrence, though its dtLast is 30/11/2026.
    AddResolved("first anniversary ahead", 360, -5, "0");
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"||"})); // only the empty row
    EXPECT_EQ(env.statuses.back(), QStringLiteral("1 event in 1 datafile, 0 bad dates, 0 events displayed"));

    Settings.Filter = 0;
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"first anniversary ahead|360|0th"}));
}

TEST_F(EventListBuilderTest, MissedRowAgeIsOneLessExceptForOneOffsAndTexts)
{
    AddResolved("birthday", 360, -5, "30");
    AddResolved("one-off today", 0, 0, "3", OneOffFlag);
    Settings.AppendToAge = 0;
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"birthday|-5|29", "one-off today|0|3"}));
}

TEST_F(EventListBuilderTest, BadDatesAreListedInRedOrHiddenButAlwaysCounted)
{
    AddBad("broken");
    AddResolved("soon", 3, -362);
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"soon|3| ", "broken|?|?"}));
    const int bad = 2;
    EXPECT_EQ(grdDates.text(bad, DayColumn), QStringLiteral("?"));
    EXPECT_EQ(grdDates.text(bad, DateColumn), QStringLiteral("99/xx/19"));
    EXPECT_EQ(grdDates.cell(bad, 0).foreColour, 0x0000FF);
    EXPECT_EQ(grdDates.cell(bad, 5).backColour, 0);
    EXPECT_EQ(env.statuses.back(), QStringLiteral("2 events in 1 datafile, 1 bad date, 2 events displayed"));

    Settings.HideUnknown = 1;
    DisplayEvents();
    EXPECT_EQ(Rows(), QStringList({"soon|3| "}));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("2 events in 1 datafile, 1 bad date, 1 event displayed"));
    Settings.Filter = 0;
    DisplayEvents();
    EXPECT_EQ(env.statuses.back(), QStringLiteral("2 events in 1 datafile, 1 bad date, 1 event displayed"));
}

TEST_F(EventListBuilderTest, RowsTakeTheirFilesColoursBySignOfTheDayCount)
{
    AddResolved("future", 5, -360, " ", 0, 1);
    AddResolved("today", 0, -365, " ", 0, 2);
    AddResolved("past", 300, -2, " ", 0, 2);
    DisplayEvents();
    ASSERT_EQ(Rows(), QStringList({"past|-2| ", "today|0| ", "future|5| "}));
    const std::pair<int, int> expected[] = {{61, 62}, {51, 52}, {11, 12}};
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < EventsColumnCount; ++column) {
            EXPECT_EQ(grdDates.cell(row, column).foreColour, expected[row - 1].first) << row << ',' << column;
            EXPECT_EQ(grdDates.cell(row, column).backColour, expected[row - 1].second) << row << ',' << column;
        }
    }
}

TEST_F(EventListBuilderTest, CellsOfARow)
{
    AddResolved("Wedding anniversary", 0, -365, "57");
    DisplayEvents();
    EXPECT_EQ(grdDates.text(1, HiddenDateColumn), QStringLiteral("2026-12-05"));
    EXPECT_EQ(DateFromHiddenText(grdDates.text(1, HiddenDateColumn)), Today);
    EXPECT_EQ(grdDates.text(1, DateColumn), QStringLiteral("d/m/y"));
    EXPECT_EQ(grdDates.text(1, DayColumn), QStringLiteral("Sat"));
    EXPECT_EQ(grdDates.text(1, AgeColumn), QStringLiteral("57th"));
    EXPECT_EQ(grdDates.alignment(1, DateColumn), CellAlignment::Right);
    EXPECT_EQ(grdDates.alignment(1, AgeColumn), CellAlignment::Centre);
}

TEST_F(EventListBuilderTest, AnEmptyListKeepsOneEmptyRow)
{
    DataFilesRead = 0;
    DisplayEvents();
    EXPECT_EQ(grdDates.rowCount(), 2);
    EXPECT_EQ(grdDates.text(1, DescriptionColumn), QString());
    EXPECT_EQ(env.statuses.back(), QStringLiteral("0 events in 0 datafiles, 0 bad dates, 0 events displayed"));

    AddResolved("one", 1, -364);
    DisplayEvents();
    EXPECT_EQ(grdDates.rowCount(), 2);
    EXPECT_EQ(Rows(), QStringList({"one|1| "}));
}

TEST(OrdinalSuffixTest, SuffixesAndCounts)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0", "0th"},   {"1", "1st"},     {"2", "2nd"},     {"3", "3rd"},     {"4", "4th"},   {"11", "11th"},
        {"12", "12th"}, {"13", "13th"},   {"21", "21st"},   {"22", "22nd"},   {"23", "23rd"}, {"101", "101st"},
        {"111", "111th"}, {"112", "112th"}, {"1000", "1000th"}, {" ", " "}, {"", ""},     {"abc", "abc"}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(AppendOrdinalSuffix(QString::fromLatin1(text)), QString::fromLatin1(expected)) << text;
    EXPECT_EQ(PluraliseCount(1, QStringLiteral("event")), QStringLiteral("1 event"));
    EXPECT_EQ(PluraliseCount(0, QStringLiteral("event")), QStringLiteral("0 events"));
    EXPECT_EQ(PluraliseCount(3, QStringLiteral("bad date")), QStringLiteral("3 bad dates"));
}

} // namespace
} // namespace nudgely
