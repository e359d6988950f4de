#include "events/OccurrenceResolver.h"

#include "events/DataFileReader.h"
#include "events/EventTable.h"

#include <QDate>
#include <QString>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

constexpr int NoAge = -1;

DayNumber toDay(const QDate &date)
{
    return static_cast<DayNumber>(date.toJulianDay());
}

struct ResolveCase {
    QDate today;
    const char *field;
    bool oneOff;
    QDate next;
    int daysToNext;
    QDate last;
    int daysToLast;
    int age;
};

class ResolveTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveTest, GivesTheOccurrencesDayCountsAndAge)
{
    const ResolveCase &c = GetParam();
    EventTable table;
    table.addFile(0, QString::fromUtf8(c.field) + (c.oneOff ? QStringLiteral(" /A event") : QStringLiteral(" event")));
    resolveEvents(table, DateFormat(), c.today);
    ASSERT_EQ(table.events().size(), 1u);
    const Event &e = table.events().front();
    ASSERT_FALSE(e.badDate) << c.field;
    EXPECT_EQ(QDate::fromJulianDay(e.next), c.next) << c.field;
    EXPECT_EQ(e.daysToNext, c.daysToNext) << c.field;
    EXPECT_EQ(QDate::fromJulianDay(e.last), c.last) << c.field;
    EXPECT_EQ(e.daysToLast, c.daysToLast) << c.field;
    EXPECT_EQ(e.age.value_or(NoAge), c.age) << c.field;
}

const QDate Dec5 = QDate(2026, 12, 5); // a Saturday
const QDate Dec31 = QDate(2027, 12, 31);
const QDate Jan1 = QDate(2028, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    Examples, ResolveTest,
    ::testing::Values(
        ResolveCase{Dec5, "05/12/1990", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, 36},
        ResolveCase{Dec5, "04/12/1990", false, {2027, 12, 4}, 364, {2026, 12, 4}, -1, 37},
        ResolveCase{Dec5, "06/12/1990", false, {2026, 12, 6}, 1, {2025, 12, 6}, -364, 36},
        ResolveCase{Dec5, "01/01/2027", false, {2027, 1, 1}, 27, {2026, 1, 1}, -338, 0},
        ResolveCase{Dec5, "05/12/2026", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, 0},
        ResolveCase{Dec5, "05/12/2025", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, 1},
        ResolveCase{Dec5, "06/12/2025", false, {2026, 12, 6}, 1, {2025, 12, 6}, -364, 1},
        ResolveCase{Dec5, "05/12/XXXX", false, {2026, 12, 5}, 0, {2025, 12, 5}, -365, NoAge},
        ResolveCase{Dec5, "01/01/XXXX", false, {2027, 1, 1}, 27, {2026, 1, 1}, -338, NoAge},
        ResolveCase{Dec5, "1SU/12/XXXX", false, {2026, 12, 6}, 1, {2025, 12, 7}, -363, NoAge},
        ResolveCase{Dec5, "1SA/12/XXXX", false, {2026, 12, 5}, 0, {2026, 12, 5}, 0, NoAge},
        ResolveCase{Dec5, "01/12/2026", true, {2026, 12, 1}, -4, {2026, 12, 1}, -4, NoAge},
        ResolveCase{Dec5, "01/01/2027", true, {2027, 1, 1}, 27, {2027, 1, 1}, 27, NoAge},
        ResolveCase{Dec5, "01/12/XXXX", true, {2027, 12, 1}, 361, {2027, 12, 1}, 361, NoAge},
        ResolveCase{Dec5, "1SU/12/XXXX", true, {2026, 12, 6}, 1, {2026, 12, 6}, 1, NoAge},
        ResolveCase{Dec5, "01/01/1970", true, {1970, 1, 1}, -20792, {1970, 1, 1}, -20792, NoAge},
        ResolveCase{Dec5, "01/01/1900", true, {1900, 1, 1}, -46359, {1900, 1, 1}, -46359, NoAge},
        ResolveCase{Dec5, "29/02/2000", false, {2027, 2, 28}, 85, {2026, 2, 28}, -280, 27},
        ResolveCase{Dec5, "29/02/XXXX", false, {2027, 3, 1}, 86, {2026, 3, 1}, -279, NoAge},
        ResolveCase{Dec5, "0MO/06/XXXX", false, {2027, 5, 31}, 177, {2026, 5, 25}, -194, NoAge},
        ResolveCase{Dec5, "5FI/02/XXXX", false, {2027, 3, 5}, 90, {2026, 3, 6}, -274, NoAge},
        ResolveCase{Dec5, "1MO/13/XXXX", false, {2027, 1, 4}, 30, {2026, 1, 5}, -334, NoAge},
        ResolveCase{Dec5, "01/01/2200", false, {2200, 1, 1}, 63214, {2199, 1, 1}, 62849, 0},
        ResolveCase{Dec31, "01/01/XXXX", false, {2028, 1, 1}, 1, {2027, 1, 1}, -364, NoAge},
        ResolveCase{Dec31, "31/12/XXXX", false, {2027, 12, 31}, 0, {2026, 12, 31}, -365, NoAge},
        ResolveCase{QDate(2026, 12, 6), "1SU/12/XXXX", false, {2026, 12, 6}, 0, {2026, 12, 6}, 0, NoAge},
        ResolveCase{Jan1, "29/02/2000", false, {2028, 2, 28}, 58, {2027, 2, 28}, -307, 28},
        ResolveCase{Jan1, "29/02/XXXX", false, {2028, 2, 29}, 59, {2027, 2, 28}, -307, NoAge},
        ResolveCase{Jan1, "29/02/2028", false, {2028, 2, 29}, 59, {2027, 2, 28}, -307, 0},
        // No earlier occurrence can be looked for past the calendar's end: the previous one is today.
        ResolveCase{QDate(9999, 12, 20), "4SU/12/XXXX", false, {9999, 12, 26}, 6, {9999, 12, 20}, 0, NoAge}));

TEST(ResolveBadDatesTest, UnresolvableEventsAreMarkedAndKeepTheirLine)
{
    const char *fields[] = {"", "2SU/05/2001", "12/05", "1MO/-32768/XXXX", "1SU/12/XXXX"};
    EventTable table;
    QString text;
    for (const char *field : fields)
        text += QString::fromUtf8(field) + QStringLiteral(" event\n");
    table.addFile(0, text);
    // The first Sunday of December 9999 has passed; the next one would be in 10000.
    resolveEvents(table, DateFormat(), QDate(9999, 12, 20));
    ASSERT_EQ(table.events().size(), std::size(fields));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const Event &e = table.events()[i];
        EXPECT_TRUE(e.badDate) << fields[i];
        EXPECT_EQ(table.date(e), QString::fromUtf8(fields[i]));
        EXPECT_EQ(table.description(e), QStringLiteral("event"));
    }
}

TEST(ResolveBadDatesTest, ResolvingAgainStartsAfresh)
{
    EventTable table;
    table.addFile(0, QStringLiteral("05/12/1990 birthday"));
    const Event &e = table.events().front();
    resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
    ASSERT_FALSE(e.badDate);
    resolveEvents(table, DateFormat::fromSettings(0, 0, 2), QDate(2026, 12, 5));
    EXPECT_TRUE(e.badDate);
    EXPECT_FALSE(e.age.has_value());
    resolveEvents(table, DateFormat(), QDate(2027, 12, 5));
    EXPECT_FALSE(e.badDate);
    EXPECT_EQ(e.age, 37);
}

TEST(WeekdayDateTest, NothingWhenTheCalendarRangeWouldBeLeft)
{
    const WeekdayRule firstSunday{1, 1};
    EXPECT_EQ(nextWeekdayDate(firstSunday, 12, toDay(QDate(9999, 12, 20))), std::nullopt);
    // The previous one starts its search a year ahead, in 10000, too.
    EXPECT_EQ(lastWeekdayDate(firstSunday, 12, toDay(QDate(9999, 12, 20))), std::nullopt);
    EXPECT_EQ(lastWeekdayDate(firstSunday, 12, toDay(QDate(9998, 12, 20))), toDay(QDate(9998, 12, 6)));
    EXPECT_EQ(nextWeekdayDate(firstSunday, 12, toDay(QDate(9999, 12, 5))), toDay(QDate(9999, 12, 5)));
    // A count of 0 in January of year 100 falls before the calendar's start.
    EXPECT_EQ(nextWeekdayDate({0, 1}, 1, toDay(QDate(100, 1, 1))), std::nullopt);
}

TEST(SampleDataFileTest, EveryEventOfTheShippedSampleResolves)
{
    const auto content = readDataFile(QStringLiteral(NUDGELY_SOURCE_DIR "/examples/dates.txt"));
    ASSERT_TRUE(content.has_value());
    EventTable table;
    table.addFile(0, content->text);
    for (const QDate &today : {QDate(2026, 12, 5), QDate(2028, 2, 29), QDate(2031, 1, 1)}) {
        resolveEvents(table, DateFormat(), today);
        ASSERT_GE(table.events().size(), 15u);
        int oneOff = 0;
        for (const Event &e : table.events()) {
            EXPECT_FALSE(e.badDate) << qPrintable(table.date(e).toString());
            oneOff += e.oneOff ? 1 : 0;
        }
        EXPECT_GE(oneOff, 2);
    }
}

} // namespace
} // namespace nudgely
