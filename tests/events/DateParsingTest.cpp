#include "events/Calendar.h"
#include "events/DateFormat.h"
#include "events/DateParsing.h"

#include <QDate>
#include <QRandomGenerator>
#include <QString>

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

QDate toDate(DayNumber day)
{
    return QDate::fromJulianDay(day);
}

DayNumber toDay(const QDate &date)
{
    return static_cast<DayNumber>(date.toJulianDay());
}

std::string iso(const QDate &date)
{
    return date.toString(Qt::ISODate).toStdString();
}

// What a field means, as "1970-05-12", "yearless <month> <day>", "rule <month> <count> <weekday>"
// or "bad".
std::string meaning(QStringView field, const DateFormat &format = DateFormat(), int currentYear = 2026)
{
    const ParsedDate parsed = parseDateField(field, format, currentYear);
    switch (parsed.kind) {
    case DateKind::FullDate:
        return iso(toDate(parsed.date));
    case DateKind::YearlessDate:
        return "yearless " + std::to_string(parsed.month) + ' ' + std::to_string(parsed.day);
    case DateKind::WeekdayRule:
        return "rule " + std::to_string(parsed.month) + ' ' + std::to_string(parsed.rule.count) + ' ' +
               std::to_string(parsed.rule.weekday);
    case DateKind::Bad:
        break;
    }
    return "bad";
}

TEST(DateFormatTest, RolesForEveryDayAndMonthPosition)
{
    // Delimiter index, day and month positions, and the order of the fields they describe.
    const std::tuple<int, int, int, const char *> cases[] = {
        {0, 1, 2, "d/m/y"}, {0, 1, 3, "d/y/m"}, {0, 1, 1, "d/y/m"}, {0, 1, 0, "d/y/m"},
        {1, 2, 1, "m-d-y"}, {1, 2, 3, "y-d-m"}, {1, 2, 2, "y-d-m"}, {1, 2, 4, "y-d-m"},
        {2, 3, 1, "m.y.d"}, {2, 3, 2, "y.m.d"}, {2, 3, 3, "y.m.d"},
    };
    for (const auto &[delimiter, day, month, order] : cases) {
        const QString roles = QString::fromLatin1(order);
        const DateFormat format = DateFormat::fromSettings(delimiter, day, month);
        ASSERT_TRUE(format.valid) << order;
        EXPECT_EQ(format.delimiter, roles[1]) << order;
        EXPECT_EQ(format.dayIndex, roles.indexOf(u'd') / 2) << order;
        EXPECT_EQ(format.monthIndex, roles.indexOf(u'm') / 2) << order;
        EXPECT_EQ(format.yearIndex, roles.indexOf(u'y') / 2) << order;

        const auto written = [&roles](const char *dayText, const char *yearText) {
            return QString(roles)
                .replace(u'd', QLatin1String(dayText))
                .replace(u'm', QLatin1String("05"))
                .replace(u'y', QLatin1String(yearText));
        };
        EXPECT_EQ(meaning(written("12", "1970"), format), "1970-05-12") << order;
        EXPECT_EQ(meaning(written("2SU", "XXXX"), format), "rule 5 2 1") << order;
        const QChar otherDelimiter = roles[1] == u'/' ? u'-' : u'/';
        EXPECT_EQ(meaning(written("12", "1970").replace(roles[1], otherDelimiter), format), "bad") << order;
    }
}

TEST(DateFormatTest, OutOfRangeSettingsMakeEveryDateUnreadable)
{
    for (const auto &[delimiter, day] : {std::pair{0, 0}, std::pair{0, 4}, std::pair{-1, 1}, std::pair{3, 1}}) {
        const DateFormat format = DateFormat::fromSettings(delimiter, day, 2);
        EXPECT_FALSE(format.valid) << delimiter << ' ' << day;
        for (const char16_t *field : {u"12/05/1970", u"12-05-1970", u"12.05.1970"})
            EXPECT_EQ(meaning(field, format), "bad") << delimiter << ' ' << day;
    }
}

TEST(DateFieldTest, AcceptedAndRejectedForms)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12/05/1970", "1970-05-12"}, {"12/MAY/1970", "1970-05-12"}, {"12/mayo/1970", "1970-05-12"},
        {"12/05/29", "2029-05-12"}, {"12/05/30", "1930-05-12"}, {"12/05/0", "2000-05-12"},
        {"31/02/1990", "1990-03-03"}, {"12/13/1970", "1971-01-12"}, {"0/1/2000", "1999-12-31"},
        {"12.4/5/1970.5", "1970-05-12"}, {"1/1/100", "0100-01-01"}, {"31/12/9999", "9999-12-31"},
        {"12/05/x", "yearless 5 12"}, {"12/05/19XX", "yearless 5 12"}, {"29/02/XXXX", "yearless 2 29"},
        {"31/04/XXXX", "yearless 4 31"}, {"3/decembre/XXXX", "yearless 12 3"},
        {"2SU/05/XXXX", "rule 5 2 1"}, {"SU/05/XXXX", "rule 5 1 1"}, {"1sunday/05/XXXX", "rule 5 1 1"},
        {"0MO/06/XXXX", "rule 6 0 2"}, {"5FI/02/XXXX", "rule 2 5 6"}, {"3SA/Dec/xxxx", "rule 12 3 7"},
        {"1TU/14/XXXX", "rule 14 1 3"}, {"32767WE/01/XXXX", "rule 1 32767 4"}, {"32768WE/01/XXXX", "bad"},
        {"2SU/05/2001", "bad"}, {"2FR/05/XXXX", "bad"}, {"2S/05/XXXX", "bad"}, {"12/05", "bad"},
        {"12/05/", "bad"}, {"12/Ma/1970", "bad"}, {"12/Foo/1970", "bad"}, {"12/05/1970/1", "bad"},
        {"1/1/99999", "bad"}, {"31/12/-1", "bad"}, {"0/1/100", "bad"}, {"", "bad"},
    };
    for (const auto &[field, expected] : cases)
        EXPECT_EQ(meaning(QString::fromUtf8(field)), expected) << field;
}

TEST(DateFieldTest, AYearlessDateMustBuildInTheCurrentYear)
{
    EXPECT_EQ(meaning(u"32/12/XXXX", DateFormat(), 2026), "yearless 12 32");
    EXPECT_EQ(meaning(u"32/12/XXXX", DateFormat(), 9999), "bad");
}

TEST(BuildDateTest, CarriesAndKeepsToTheCalendarRange)
{
    // A null date: nothing.
    const std::tuple<qint64, qint64, qint64, QDate> cases[] = {
        {2026, 13, 1, {2027, 1, 1}},      {2026, 0, 1, {2025, 12, 1}},     {2026, -11, 1, {2025, 1, 1}},
        {2026, 1, 0, {2025, 12, 31}},     {2026, 2, 29, {2026, 3, 1}},     {2028, 2, 29, {2028, 2, 29}},
        {99, 12, 32, {2000, 1, 1}},       {100, 1, 1, {100, 1, 1}},        {100, 1, 0, {}},
        {9999, 12, 31, {9999, 12, 31}},   {9999, 12, 32, {}},              {-5, 1, 1, {}},
        {101, -12, 1, {}},                {10000, 0, 1, {9999, 12, 1}},    {32767, 32767, 32767, {}},
        {-32768, -32768, -32768, {}},     {2026, 1, 32767, {2115, 9, 18}}, {9999, -32768, 1, {7268, 4, 1}},
    };
    for (const auto &[year, month, day, expected] : cases) {
        const auto built = buildDate(year, month, day);
        EXPECT_EQ(built ? toDate(*built) : QDate(), expected) << year << ' ' << month << ' ' << day;
    }
}

TEST(CalendarTest, AddYearsTurnsAMissing29FebruaryInto28)
{
    const DayNumber leapDay = toDay(QDate(2000, 2, 29));
    EXPECT_EQ(toDate(addYears(leapDay, 1)), QDate(2001, 2, 28));
    EXPECT_EQ(toDate(addYears(leapDay, -1)), QDate(1999, 2, 28));
    EXPECT_EQ(toDate(addYears(leapDay, 4)), QDate(2004, 2, 29));
    EXPECT_EQ(toDate(addYears(leapDay, 100)), QDate(2100, 2, 28));
    EXPECT_EQ(toDate(addYears(toDay(QDate(2026, 12, 5)), -1)), QDate(2025, 12, 5));
}

// The one-year-at-a-time stepping, here only to check the direct computation.
QDate stepOneYearAtATime(QDate date, const QDate &today, int *steps)
{
    *steps = 0;
    while (date < today) {
        date = date.addYears(1);
        ++*steps;
    }
    return date;
}

TEST(CalendarTest, AgreesWithQDateOverTheWholeRange)
{
    EXPECT_EQ(toDate(firstCalendarDay()), QDate(100, 1, 1));
    EXPECT_EQ(toDate(lastCalendarDay()), QDate(9999, 12, 31));

    QRandomGenerator random(20261205);
    std::vector<QDate> dates = {{100, 1, 1},    {100, 2, 28},   {104, 2, 29},  {2000, 2, 29}, {2026, 12, 5},
                                {2026, 12, 4},  {9999, 12, 31}, {2027, 2, 28}, {2028, 2, 29}, {1600, 2, 29},
                                {1700, 2, 28},  {1700, 3, 1}};
    for (int i = 0; i < 3000; ++i)
        dates.push_back(toDate(static_cast<DayNumber>(random.bounded(firstCalendarDay(), lastCalendarDay() + 1))));
    for (int year = 104; year <= 9996; year += 4) {
        if (QDate::isLeapYear(year))
            dates.emplace_back(year, 2, 29);
    }
    for (const QDate &date : dates) {
        const DayNumber day = toDay(date);
        const CivilDate civil = civilDate(day);
        ASSERT_EQ(QDate(civil.year, civil.month, civil.day), date) << iso(date);
        ASSERT_EQ(dayNumber(date.year(), date.month(), date.day()), day) << iso(date);
        ASSERT_EQ(weekday(day), date.dayOfWeek() % 7 + 1) << iso(date);
        ASSERT_EQ(isLeapYear(date.year()), QDate::isLeapYear(date.year())) << iso(date);
    }

    const QDate todays[] = {{2026, 12, 5}, {2027, 12, 31}, {2028, 1, 1}, {2028, 2, 28}, {2028, 2, 29},
                            {2028, 3, 1},  {100, 1, 2},    {9999, 12, 31}, {2024, 2, 29}};
    for (const QDate &today : todays) {
        for (const QDate &date : dates) {
            int directSteps = -1;
            int loopSteps = -2;
            const DayNumber direct = stepYearsUntilNotBefore(toDay(date), toDay(today), &directSteps);
            const QDate loop = stepOneYearAtATime(date, today, &loopSteps);
            ASSERT_EQ(toDate(direct), loop) << iso(date) << " today " << iso(today);
            ASSERT_EQ(directSteps, loopSteps) << iso(date) << " today " << iso(today);
        }
    }
}

} // namespace
} // namespace nudgely
