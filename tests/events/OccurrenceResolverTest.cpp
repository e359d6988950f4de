#include "events/OccurrenceResolver.h"

#include "events/DataFileReader.h"
#include "events/EventTable.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

DayNumber toDay(const QDate &date)
{
    return static_cast<DayNumber>(date.toJulianDay());
}

// A resolved event as "<next> <last> <age>" ("-" for no age), or "bad"; both day counts are from today.
QString described(const Event &e, const QDate &today)
{
    if (e.badDate)
        return QStringLiteral("bad");
    EXPECT_EQ(e.daysToNext, e.next - toDay(today));
    EXPECT_EQ(e.daysToLast, e.last - toDay(today));
    return QStringLiteral("%1 %2 %3").arg(QDate::fromJulianDay(e.next).toString(Qt::ISODate),
                                          QDate::fromJulianDay(e.last).toString(Qt::ISODate),
                                          e.age ? QString::number(*e.age) : QStringLiteral("-"));
}

TEST(ResolveTest, GivesTheOccurrencesDayCountsAndAge)
{
    const QDate dec5(2026, 12, 5), dec6(2026, 12, 6), dec31(2027, 12, 31), jan1(2028, 1, 1), end(9999, 12, 20);
    // Today (5 December 2026 is a Saturday), the line's date and option, and its event.
    const std::tuple<QDate, const char *, const char *> cases[] = {
        {dec5, "05/12/1990", "2026-12-05 2025-12-05 36"},
        {dec5, "04/12/1990", "2027-12-04 2026-12-04 37"},
        {dec5, "06/12/1990", "2026-12-06 2025-12-06 36"},
        {dec5, "01/01/2027", "2027-01-01 2026-01-01 0"},
        {dec5, "05/12/2026", "2026-12-05 2025-12-05 0"},
        {dec5, "05/12/2025", "2026-12-05 2025-12-05 1"},
        {dec5, "05/12/XXXX", "2026-12-05 2025-12-05 -"},
        {dec5, "01/01/XXXX", "2027-01-01 2026-01-01 -"},
        {dec5, "1SU/12/XXXX", "2026-12-06 2025-12-07 -"},
        {dec5, "1SA/12/XXXX", "2026-12-05 2026-12-05 -"},
        {dec6, "1SU/12/XXXX", "2026-12-06 2026-12-06 -"},
        // A one-off event stays on its date, past or not.
        {dec5, "01/12/2026 /A", "2026-12-01 2026-12-01 -"},
        {dec5, "01/01/2027 /A", "2027-01-01 2027-01-01 -"},
        {dec5, "01/12/XXXX /A", "2027-12-01 2027-12-01 -"},
        {dec5, "1SU/12/XXXX /A", "2026-12-06 2026-12-06 -"},
        {dec5, "01/01/1970 /A", "1970-01-01 1970-01-01 -"},
        {dec5, "29/02/2000", "2027-02-28 2026-02-28 27"},
        {dec5, "29/02/XXXX", "2027-03-01 2026-03-01 -"},
        {dec5, "0MO/06/XXXX", "2027-05-31 2026-05-25 -"},
        {dec5, "5FI/02/XXXX", "2027-03-05 2026-03-06 -"},
        {dec5, "1MO/13/XXXX", "2027-01-04 2026-01-05 -"},
        {dec5, "01/01/2200", "2200-01-01 2199-01-01 0"},
        {dec31, "01/01/XXXX", "2028-01-01 2027-01-01 -"},
        {dec31, "31/12/XXXX", "2027-12-31 2026-12-31 -"},
        // A full date of 29 February falls on 29 February in leap years, on 28 February in others.
        {jan1, "29/02/2000", "2028-02-29 2027-02-28 28"},
        {QDate(2028, 2, 29), "29/02/2000", "2028-02-29 2027-02-28 28"},
        {QDate(2028, 3, 1), "29/02/2000", "2029-02-28 2028-02-29 29"},
        {QDate(2028, 3, 1), "29/02/2024", "2029-02-28 2028-02-29 5"},
        {jan1, "29/02/XXXX", "2028-02-29 2027-02-28 -"},
        {jan1, "29/02/2028", "2028-02-29 2027-02-28 0"},
        // No earlier occurrence can be looked for past the calendar's end: the previous one is today.
        {end, "4SU/12/XXXX", "9999-12-26 9999-12-20 -"},
        // The first Sunday of December 9999 has passed; the next one would be in 10000.
        {end, "1SU/12/XXXX", "the weekday rule finds no day within the years 100 to 9999"},
        {dec5, "1MO/-32768/XXXX", "the weekday rule finds no day within the years 100 to 9999"},
        {dec5, "", "the line is a single word, with no date before it"},
    };
    for (const auto &[today, date, expected] : cases) {
        SCOPED_TRACE(std::string(date) + " on " + today.toString(Qt::ISODate).toStdString());
        EventTable table;
        table.addFile(0, QByteArray(date) + " event");
        resolveEvents(table, DateFormat(), today);
        // A bad date as its reason; every other date has none.
        const QString reason = badDateReason(table.date(table.events().at(0)), DateFormat(), today);
        const QString got = described(table.events().at(0), today);
        EXPECT_EQ(got == u"bad" ? reason : got, expected);
        EXPECT_EQ(reason.isEmpty(), got != u"bad");
    }
}

TEST(ResolveTest, ResolvingAgainStartsAfresh)
{
    EventTable table;
    table.addFile(0, "05/12/1990 birthday");
    const Event &e = table.events().front();
    resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
    ASSERT_FALSE(e.badDate);
    resolveEvents(table, DateFormat::fromSettings(0, 0, 2), QDate(2026, 12, 5));
    EXPECT_TRUE(e.badDate && !e.age); // no age left over
    resolveEvents(table, DateFormat(), QDate(2027, 12, 5));
    EXPECT_EQ(described(e, QDate(2027, 12, 5)), "2027-12-05 2026-12-05 37");
}

// The rule's dates found by walking year by year, as the calendar builds them: the answer
// the quick search must give for any month, however far out.
std::optional<DayNumber> walkedWeekdayDate(const WeekdayRule &rule, int month, DayNumber today, qint64 year, int step)
{
    for (;; year += step) {
        const auto first = buildDate(year, month, 1);
        if (!first)
            return std::nullopt;
        const qint64 date = qint64(*first) + (rule.weekday - weekday(*first) + 7) % 7 + 7LL * (rule.count - 1);
        if (date < firstCalendarDay() || date > lastCalendarDay())
            return std::nullopt;
        if (step > 0 ? date >= today : date <= today)
            return static_cast<DayNumber>(date);
    }
}

TEST(WeekdayDateTest, FarMonthsAndCountsGiveTheDatesAWalkYearByYearWould)
{
    for (const QDate &date : {QDate(100, 1, 1), QDate(1999, 6, 30), QDate(2026, 12, 6), QDate(2029, 12, 31),
                              QDate(9999, 12, 20), QDate(9999, 12, 31)}) {
        const DayNumber today = toDay(date);
        for (const int month : {-30000, -1201, -13, -1, 0, 1, 2, 12, 13, 25, 851, 1200, 32767})
            for (const int count : {0, 1, 53, 32767})
                for (const int day : {1, 4, 7}) {
                    const WeekdayRule rule{count, day};
                    const QString what = QStringLiteral("%1 %2 %3 on %4").arg(count).arg(day).arg(month).arg(date.toString());
                    EXPECT_EQ(nextWeekdayDate(rule, month, today), walkedWeekdayDate(rule, month, today, date.year(), 1)) << qPrintable(what);
                    EXPECT_EQ(lastWeekdayDate(rule, month, today), walkedWeekdayDate(rule, month, today, date.year() + 1, -1)) << qPrintable(what);
                }
    }
}

TEST(SampleDataFileTest, EveryEventOfTheShippedSampleResolves)
{
    EventTable table;
    table.addFile(0, readDataFile(QStringLiteral(NUDGELY_SOURCE_DIR "/examples/dates.txt")).text.bytes);
    ASSERT_GE(table.events().size(), 15u);
    EXPECT_GE(std::count_if(table.events().begin(), table.events().end(), [](const Event &e) { return e.oneOff; }), 2);
    for (const QDate &today : {QDate(2026, 12, 5), QDate(2028, 2, 29), QDate(2031, 1, 1)}) {
        resolveEvents(table, DateFormat(), today);
        for (const Event &e : table.events())
            EXPECT_FALSE(e.badDate) << qPrintable(table.date(e).toString());
    }
}

} // namespace
} // namespace nudgely
