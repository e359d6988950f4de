#include "events/Calendar.h"

namespace nudgely {

namespace {

qint64 FloorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Julian day of a proleptic Gregorian date (year > 0). QDate's own conversion goes through
// its calendar system, which is several times slower and is called for every event.
qint64 JulianDay(qint64 year, int month, int day)
{
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = FloorDiv(y, 400);
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra + 1721120;
}

bool IsLeapYear(qint64 year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

const qint64 FirstJulianDay = JulianDay(100, 1, 1);
const qint64 LastJulianDay = JulianDay(9999, 12, 31);

} // namespace

bool InCalendarRange(const QDate &date)
{
    return date.isValid() && date >= FirstCalendarDate && date <= LastCalendarDate;
}

std::optional<QDate> BuildDate(qint64 year, qint64 month, qint64 day)
{
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;

    const qint64 months = year * 12 + (month - 1);
    const qint64 carriedYear = FloorDiv(months, 12);
    const int carriedMonth = static_cast<int>(months - carriedYear * 12) + 1;
    // Far outside the range no day count can bring the date back into it.
    if (carriedYear < 1 || carriedYear > 99999)
        return std::nullopt;

    if (day < -100000000 || day > 100000000)
        return std::nullopt;
    const qint64 julianDay = JulianDay(carriedYear, carriedMonth, 1) + day - 1;
    if (julianDay < FirstJulianDay || julianDay > LastJulianDay)
        return std::nullopt;
    return QDate::fromJulianDay(julianDay);
}

int Weekday(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

QDate AddYears(const QDate &date, int years)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    const qint64 target = qint64(year) + years;
    if (month == 2 && day == 29 && !IsLeapYear(target))
        day = 28;
    return QDate::fromJulianDay(JulianDay(target, month, day));
}

QDate StepYearsUntilNotBefore(const QDate &date, const QDate &today, int *steps)
{
    *steps = 0;
    if (date >= today)
        return date;
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    // Only the first step can meet a 29 February; every later one keeps its month and day.
    if (month == 2 && day == 29 && !IsLeapYear(year + 1))
        day = 28;
    // Today's year, without asking QDate (which works it out afresh every time).
    static QDate yearOf;
    static int todayYear = 0;
    if (today != yearOf) {
        yearOf = today;
        todayYear = today.year();
    }
    int years = qMax(1, todayYear - year);
    qint64 reached = JulianDay(year + years, month, day);
    if (reached < today.toJulianDay())
        reached = JulianDay(year + ++years, month, day);
    *steps = years;
    return QDate::fromJulianDay(reached);
}

} // namespace nudgely
