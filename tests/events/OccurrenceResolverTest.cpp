#include "events/OccurrenceResolver.h"

#include "events/Calendar.h"
#include "events/DataFileReader.h"
#include "events/EventTables.h"
#include "events/Today.h"
#include "support/TestEnvironment.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

const EventRecord &Resolve(const char *field, bool oneOff = false)
{
    ResetEvents();
    AppendEvent(QString::fromUtf8(field), QStringLiteral("event"), 1, oneOff ? OneOffFlag : 0);
    ResolveEvents();
    return Events[1];
}

struct ResolveCase {
    QDate today;
    const char *field;
    bool oneOff;
    QDate next;
    int daysToNext;
    QDate last;
    int daysToLast;
    const char *age;
};

class ResolveTest : public ::testing::TestWithParam<ResolveCase> {
protected:
    TestEnvironment env;
};

TEST_P(ResolveTest, GivesTheOccurrencesDayCountsAndAge)
{
    const ResolveCase &c = GetParam();
    SetToday(c.today);
    const EventRecord &e = Resolve(c.field, c.oneOff);
    ASSERT_FALSE(e.blnBadDate) << c.field;
    EXPECT_EQ(e.dtNext, c.next) << c.field;
    EXPECT_EQ(e.intDaysToNext, c.daysToNext) << c.field;
    EXPECT_EQ(e.dtLast, c.last) << c.field;
    EXPECT_EQ(e.intDaysToLast, c.daysToLast) << c.field;
    EXPECT_EQ(e.szAge, QString::fromUtf8(c.age)) << c.field;
}

const QDate Dec5 = QDate(2026, 12, 5);
const QDate Dec31 = QDate(2027, 12, 31);
const QDate Jan1 = QDate(2028, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    Examples, ResolveTest,
    ::testing::Values(
        ResolveCase{Dec5, "05/12/1990", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, "36"},
        ResolveCase{Dec5, "04/12/1990", false, {2027, 12, 4}, 364, {2026, 12, 4}, -1, "37"},
        ResolveCase{Dec5, "06/12/1990", false, {2026, 12, 6}, 1, {2025, 12, 6}, -364, "36"},
        ResolveCase{Dec5, "01/01/2027", false, {2027, 1, 1}, 27, {2026, 1, 1}, -338, "0"},
        ResolveCase{Dec5, "05/12/2026", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, "0"},
        ResolveCase{Dec5, "05/12/2025", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, "1"},
        ResolveCase{Dec5, "06/12/2025", false, {2026, 12, 6}, 1, {2025, 12, 6}, -364, "1"},
        ResolveCase{Dec5, "05/12/XXXX", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, " "},
        ResolveCase{Dec5, "01/01/XXXX", false, {2027, 1, 1}, 27, {2026, 1, 1}, -338, " "},
        ResolveCase{Dec5, "1SU/12/XXXX", false, {2026, 12, 6}, 1, {2025, 12, 7}, -363, " "},
        ResolveCase{Dec5, "01/12/2026", true, {2026, 12, 1}, -4, {2026, 12, 1}, -4, " "},
        ResolveCase{Dec5, "01/01/2027", true, {2027, 1, 1}, 27, {2027, 1, 1}, 27, " "},
        ResolveCase{Dec5, "01/12/XXXX", true, {2027, 12, 1}, 361, {2027, 12, 1}, 361, " "},
        ResolveCase{Dec5, "1SU/12/XXXX", true, {2026, 12, 6}, 1, {2026, 12, 6}, 1, " "},
        ResolveCase{Dec5, "29/02/2000", false, {2027, 2, 28}, 85, {2026, 2, 28}, -280, "27"},
        ResolveCase{Dec5, "29/02/XXXX", false, {2027, 3, 1}, 86, {2026, 3, 1}, -279, " "},
        ResolveCase{Dec5, "0MO/06/XXXX", false, {2027, 5, 31}, 177, {2026, 5, 25}, -194, " "},
        ResolveCase{Dec5, "5FI/02/XXXX", false, {2027, 3, 5}, 90, {2026, 3, 6}, -274, " "},
        ResolveCase{Dec5, "1MO/13/XXXX", false, {2027, 1, 4}, 30, {2026, 1, 5}, -334, " "},
        ResolveCase{Dec5, "01/01/2200", false, {2200, 1, 1}, 63214, {2199, 1, 1}, 62849, "0"},
        ResolveCase{Dec5, "01/01/1900", true, {1900, 1, 1}, -46359, {1900, 1, 1}, -46359, " "},
        ResolveCase{Dec31, "01/01/XXXX", false, {2028, 1, 1}, 1, {2027, 1, 1}, -364, " "},
        ResolveCase{Dec31, "31/12/XXXX", false, {2027, 12, 31}, 0, {2026, 12, 31}, -365, " "},
        ResolveCase{QDate(2026, 12, 6), "1SU/12/XXXX", false, {2026, 12, 6}, 0, {2026, 12, 6}, 0, " "},
        ResolveCase{Jan1, "29/02/2000", false, {2028, 2, 28}, 58, {2027, 2, 28}, -307, "28"},
        ResolveCase{Jan1, "29/02/XXXX", false, {2028, 2, 29}, 59, {2027, 2, 28}, -307, " "},
        ResolveCase{Jan1, "29/02/2028", false, {2028, 2, 29}, 59, {2027, 2, 28}, -307, "0"}));

TEST(ResolveBadDatesTest, UnresolvableEventsAreMarkedAndKeepTheirLine)
{
    TestEnvironment env;
    for (const char *field : {"", "2SU/05/2001", "12/05", "1MO/-32768/XXXX"}) {
        const EventRecord &e = Resolve(field);
        EXPECT_TRUE(e.blnBadDate) << field;
        EXPECT_EQ(e.szDate, QString::fromUtf8(field));
        EXPECT_EQ(e.szDescription, QStringLiteral("event"));
    }
    EXPECT_EQ(env.statuses.back(), QStringLiteral("calculating dates, ages, etc..."));
}

TEST(WeekdayDateTest, LeavingTheCalendarFailsWithToday)
{
    TestEnvironment env;
    SetToday(QDate(9999, 12, 20));
    QDate date;
    // The first Sunday of December 9999 has passed; the next one would be in 10000.
    EXPECT_FALSE(NextWeekdayDate(1, 1, 12, date));
    EXPECT_EQ(date, QDate(9999, 12, 20));
    // The previous one starts its search a year ahead, in 10000, too.
    date = QDate();
    EXPECT_FALSE(LastWeekdayDate(1, 1, 12, date));
    EXPECT_EQ(date, QDate(9999, 12, 20));
    SetToday(QDate(9998, 12, 20));
    EXPECT_TRUE(LastWeekdayDate(1, 1, 12, date));
    EXPECT_EQ(date, QDate(9998, 12, 6));
}

// The one-year-at-a-time stepping, kept here only to check the direct computation.
QDate StepOneYearAtATime(QDate date, const QDate &today, int *steps)
{
    *steps = 0;
    while (today.daysTo(date) < 0) {
        date = date.addYears(1);
        ++*steps;
    }
    return date;
}

TEST(YearSteppingTest, DirectComputationMatchesOneYearAtATime)
{
    QRandomGenerator random(20261205);
    const QDate todays[] = {{2026, 12, 5}, {2027, 12, 31}, {2028, 1, 1}, {2028, 2, 28}, {2028, 2, 29},
                            {2028, 3, 1},  {100, 1, 2},    {9999, 12, 31}, {2024, 2, 29}};
    std::vector<QDate> dates = {{100, 1, 1}, {100, 2, 28}, {104, 2, 29}, {2000, 2, 29}, {2026, 12, 5},
                                {2026, 12, 4}, {9999, 12, 31}, {2027, 2, 28}, {2028, 2, 29}};
    for (int i = 0; i < 20000; ++i) {
        const qint64 from = FirstCalendarDate.toJulianDay();
        const qint64 to = LastCalendarDate.toJulianDay();
        dates.push_back(QDate::fromJulianDay(from + static_cast<qint64>(random.bounded(to - from + 1))));
    }
    for (int year = 100; year <= 9996; year += 4) {
        if (QDate::isLeapYear(year))
            dates.emplace_back(year, 2, 29);
    }
    for (const QDate &today : todays) {
        for (const QDate &date : dates) {
            int directSteps = -1;
            int loopSteps = -2;
            const QDate direct = StepYearsUntilNotBefore(date, today, &directSteps);
            const QDate loop = StepOneYearAtATime(date, today, &loopSteps);
            ASSERT_EQ(direct, loop) << qPrintable(date.toString(Qt::ISODate)) << " today "
                                    << qPrintable(today.toString(Qt::ISODate));
            ASSERT_EQ(directSteps, loopSteps) << qPrintable(date.toString(Qt::ISODate));
        }
    }
}

TEST(SampleDataFileTest, EveryEventOfTheShippedSampleResolves)
{
    TestEnvironment env;
    DataFiles[1].szFileName = QStringLiteral(NUDGELY_SOURCE_DIR "/examples/dates.txt");
    ReadDataFiles();
    ResolveEvents();
    ASSERT_GE(EventCount, 15);
    int oneOff = 0;
    for (int i = 1; i <= EventCount; ++i) {
        EXPECT_FALSE(Events[i].blnBadDate) << qPrintable(Events[i].szDate);
        oneOff += Events[i].bytFlags & OneOffFlag;
    }
    EXPECT_GE(oneOff, 2);
}

} // namespace
} // namespace nudgely
