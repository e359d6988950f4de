#include "events/Calendar.h"
#include "events/DateFormat.h"
#include "events/DateParsing.h"

#include <QDate>
#include <QRandomGenerator>
#include <QString>

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// What a field means, as "1970-05-12", "yearless <month> <day>", "rule <month> <count> <weekday>", or
// why it is a bad date.
QString meaning(QStringView field, const DateFormat &format = DateFormat(), int currentYear = 2026)
{
    const ParsedDate p = parseDateField(field, format, currentYear);
    const QString problem = dateFieldProblem(field, format, currentYear);
    EXPECT_EQ(problem.isEmpty(), p.kind != DateKind::Bad) << qPrintable(field.toString());
    if (p.kind == DateKind::FullDate)
        return QDate::fromJulianDay(p.date).toString(Qt::ISODate);
    if (p.kind == DateKind::YearlessDate)
        return QStringLiteral("yearless %1 %2").arg(p.month).arg(p.day);
    if (p.kind == DateKind::WeekdayRule)
        return QStringLiteral("rule %1 %2 %3").arg(p.month).arg(p.rule.count).arg(p.rule.weekday);
    return problem;
}

TEST(DateFormatTest, RolesForEveryDayAndMonthPosition)
{
    // Delimiter index, day and month positions, and 12 May 1970 as they write it.
    const std::tuple<int, int, int, const char *> cases[] = {
        {0, 1, 2, "12/05/1970"}, {0, 1, 3, "12/1970/05"}, {0, 1, 1, "12/1970/05"}, {0, 1, 0, "12/1970/05"},
        {1, 2, 1, "05-12-1970"}, {1, 2, 3, "1970-12-05"}, {1, 2, 2, "1970-12-05"}, {1, 2, 4, "1970-12-05"},
        {2, 3, 1, "05.1970.12"}, {2, 3, 2, "1970.05.12"}, {2, 3, 3, "1970.05.12"},
    };
    for (const auto &[delimiter, day, month, text] : cases) {
        const DateFormat format = DateFormat::fromSettings(delimiter, day, month);
        const QString field = QString::fromLatin1(text);
        EXPECT_EQ(meaning(field, format), "1970-05-12") << text;
        QString rule = field;
        rule.replace(QLatin1String("12"), QLatin1String("2SU")).replace(QLatin1String("1970"), QLatin1String("XXXX"));
        EXPECT_EQ(meaning(rule, format), "rule 5 2 1") << text;
        const QString other = QString(field).replace(format.delimiter, QLatin1Char(text[2] == '/' ? '-' : '/'));
        EXPECT_EQ(meaning(other, format),
                  QStringLiteral(R"("%1" needs a day, a month and a year separated by "%2")").arg(other, format.delimiter));
    }
    // Out of range: no field can match.
    for (const auto &[delimiter, day] : {std::pair{0, 0}, std::pair{0, 4}, std::pair{-1, 1}, std::pair{3, 1}}) {
        const DateFormat format = DateFormat::fromSettings(delimiter, day, 2);
        EXPECT_FALSE(format.valid) << delimiter << ' ' << day;
        for (const char16_t *field : {u"12/05/1970", u"12-05-1970", u"12.05.1970"})
            EXPECT_EQ(meaning(field, format), "the date order in the preferences leaves no place for the day, month or year")
                << delimiter << ' ' << day;
    }
}

TEST(DateFieldTest, AcceptedAndRejectedForms)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12/MAY/1970", "1970-05-12"}, {"12/mayo/1970", "1970-05-12"}, {"12.4/5/1970.5", "1970-05-12"},
        {"12/05/29", "2029-05-12"}, {"12/05/30", "1930-05-12"}, {"12/05/0", "2000-05-12"},
        {"31/02/1990", "1990-03-03"}, {"12/13/1970", "1971-01-12"}, {"12/05/x", "yearless 5 12"},
        {"12/05/19XX", "yearless 5 12"}, {"29/02/XXXX", "yearless 2 29"}, {"3/decembre/XXXX", "yearless 12 3"},
        {"32/12/XXXX", "yearless 12 32"}, // 1 January 2027: it builds in the current year
        {"2SU/05/XXXX", "rule 5 2 1"}, {"SU/05/XXXX", "rule 5 1 1"}, {"1sunday/05/XXXX", "rule 5 1 1"},
        {"0MO/06/XXXX", "rule 6 0 2"}, {"5FI/02/XXXX", "rule 2 5 6"}, {"3SA/Dec/xxxx", "rule 12 3 7"},
        {"1TU/14/XXXX", "rule 14 1 3"}, {"32767WE/01/XXXX", "rule 1 32767 4"},
        // Bad dates, each with its reason.
        {"32768WE/01/XXXX", R"(the count of "32768WE" is larger than 32767)"},
        {"2SU/05/2001", R"(a weekday rule such as "2SU" needs a year-less year such as XXXX)"},
        {"2FR/05/XXXX", R"("FR" is not a weekday: write SU, MO, TU, WE, TH, FI or SA)"},
        {"2S/05/XXXX", R"("2S" is neither a day nor a weekday rule such as 2SU)"},
        {"12/05", R"("12/05" needs a day, a month and a year separated by "/")"},
        {"12/05/", R"(nothing follows the second "/")"}, {"12/Ma/1970", R"("Ma" is not a month)"},
        {"12/Foo/1970", R"("Foo" is not a month)"}, {"12//1970", "the month is missing"},
        {"/05/1970", "the day is missing"}, {"/05/XXXX", "the day is missing"}, {"12/05/1970/1", R"("1970/1" is neither a year nor a run of X)"},
        {"ab/05/1970", R"("ab" is not a day)"}, {"1/1/99999", "the date falls outside the years 100 to 9999"},
        {"31/12/-1", "the date falls outside the years 100 to 9999"},
        {"", "the line is a single word, with no date before it"},
    };
    for (const auto &[field, expected] : cases)
        EXPECT_EQ(meaning(QString::fromUtf8(field)), expected) << field;
    EXPECT_EQ(meaning(u"32/12/XXXX", DateFormat(), 9999), "the date falls outside the years 100 to 9999");
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
        EXPECT_EQ(built ? QDate::fromJulianDay(*built) : QDate(), expected) << year << ' ' << month << ' ' << day;
    }
}

TEST(CalendarTest, AgreesWithQDateOverTheWholeRange)
{
    EXPECT_EQ(QDate::fromJulianDay(firstCalendarDay()), QDate(100, 1, 1));
    EXPECT_EQ(QDate::fromJulianDay(lastCalendarDay()), QDate(9999, 12, 31));
    std::vector<QDate> dates = {{100, 1, 1},   {100, 2, 28},  {1700, 2, 28}, {1700, 3, 1},
                                {2026, 12, 4}, {2026, 12, 5}, {2027, 2, 28}, {9999, 12, 31}};
    QRandomGenerator random(20261205);
    for (int i = 0; i < 3000; ++i)
        dates.push_back(QDate::fromJulianDay(random.bounded(firstCalendarDay(), lastCalendarDay() + 1)));
    for (int year = 104; year <= 9996; year += 4) // every 29 February; 28 in 1700, 1800, ...
        dates.emplace_back(year, 2, QDate::isLeapYear(year) ? 29 : 28);
    const QDate todays[] = {{2026, 12, 5}, {2027, 12, 31}, {2028, 1, 1}, {2028, 2, 28}, {2028, 2, 29},
                            {2028, 3, 1},  {100, 1, 2},    {9999, 12, 31}, {2024, 2, 29}};
    for (const QDate &date : dates) {
        const auto day = static_cast<DayNumber>(date.toJulianDay());
        const CivilDate c = civilDate(day);
        // One assertion, so that a failure prints the date.
        ASSERT_EQ(std::tuple(QDate(c.year, c.month, c.day), dayNumber(date.year(), date.month(), date.day()),
                             weekday(day), isLeapYear(date.year())),
                  std::tuple(date, day, date.dayOfWeek() % 7 + 1, QDate::isLeapYear(date.year())));
        // A 29 February missing from the target year becomes 28 February, as in QDate.
        for (const int years : {-1, 4})
            ASSERT_EQ(QDate::fromJulianDay(addYears(c, years)), date.addYears(years)) << years;
        for (const QDate &today : todays) {
            // Against stepping one year at a time, each step from the previous result.
            QDate loop = date;
            int loopSteps = 0;
            for (; loop < today; ++loopSteps)
                loop = loop.addYears(1);
            const SteppedDate s = stepYearsUntilNotBefore(c, day, static_cast<DayNumber>(today.toJulianDay()), today.year());
            ASSERT_EQ(std::tuple(QDate::fromJulianDay(s.day), QDate(s.civil.year, s.civil.month, s.civil.day), s.steps),
                      std::tuple(loop, loop, loopSteps))
                << date.toJulianDay() << " today " << today.toJulianDay();
            // Anniversaries count from the date itself, so a 29 February comes back in leap years.
            int years = qMax(0, today.year() - date.year() - 1); // a year short of it, to walk from
            while (date.addYears(years) < today)
                ++years;
            const SteppedDate a = nextAnniversary(c, static_cast<DayNumber>(today.toJulianDay()), today.year());
            ASSERT_EQ(std::tuple(QDate::fromJulianDay(a.day), addYears(a.civil, -1), a.steps),
                      std::tuple(date.addYears(years), addYears(c, years - 1), years))
                << date.toJulianDay() << " today " << today.toJulianDay();
        }
    }
}

} // namespace
} // namespace nudgely
