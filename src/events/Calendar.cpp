#include "events/Calendar.h"

namespace nudgely {

namespace {

constexpr qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Julian day of a proleptic Gregorian date, for any year: QDate's own conversion goes
// through its calendar system, several times slower, and runs for every event.
constexpr qint64 julianDay(qint64 year, int month, int day)
{
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = floorDiv(y, 400);
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra + 1721120;
}

constexpr DayNumber FirstDay = static_cast<DayNumber>(julianDay(100, 1, 1));
constexpr DayNumber LastDay = static_cast<DayNumber>(julianDay(9999, 12, 31));

} // namespace

DayNumber firstCalendarDay()
{
    return FirstDay;
}

DayNumber lastCalendarDay()
{
    return LastDay;
}

bool isLeapYear(qint64 year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DayNumber dayNumber(qint64 year, int month, int day)
{
    return static_cast<DayNumber>(julianDay(year, month, day));
}

CivilDate civilDate(DayNumber day)
{
    const qint64 z = qint64(day) - 1721120;
    const qint64 era = floorDiv(z, 146097);
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthIndex = (5 * dayOfYear + 2) / 153;
    const int dayOfMonth = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, dayOfMonth};
}

std::optional<DayNumber> buildDate(qint64 year, qint64 month, qint64 day)
{
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;

    const qint64 months = year * 12 + (month - 1);
    const qint64 carriedYear = floorDiv(months, 12);
    const int carriedMonth = static_cast<int>(months - carriedYear * 12) + 1;
    // Far outside the range no day count can bring the date back into it.
    if (carriedYear < 1 || carriedYear > 99999 || day < -100000000 || day > 100000000)
        return std::nullopt;
    const qint64 julian = julianDay(carriedYear, carriedMonth, 1) + day - 1;
    if (julian < FirstDay || julian > LastDay)
        return std::nullopt;
    return static_cast<DayNumber>(julian);
}

int weekday(DayNumber day)
{
    return static_cast<int>((qint64(day) + 1) % 7) + 1;
}

DayNumber addYears(const CivilDate &date, int years)
{
    const qint64 target = qint64(date.year) + years;
    const int day = date.month == 2 && date.day == 29 && !isLeapYear(target) ? 28 : date.day;
    return dayNumber(target, date.month, day);
}

SteppedDate stepYearsUntilNotBefore(const CivilDate &date, DayNumber day, DayNumber today, int todayYear)
{
    if (day >= today)
        return {day, date, 0};
    CivilDate from = date;
    // Only the first step can meet a 29 February; every later one keeps its month and day.
    if (from.month == 2 && from.day == 29 && !isLeapYear(qint64(from.year) + 1))
        from.day = 28;
    int years = qMax(1, todayYear - from.year);
    DayNumber reached = dayNumber(qint64(from.year) + years, from.month, from.day);
    if (reached < today)
        reached = dayNumber(qint64(from.year) + ++years, from.month, from.day);
    return {reached, {from.year + years, from.month, from.day}, years};
}

SteppedDate nextAnniversary(const CivilDate &date, DayNumber today, int todayYear)
{
    int years = qMax(0, todayYear - date.year);
    if (addYears(date, years) < today)
        ++years;
    return {addYears(date, years), {date.year + years, date.month, date.day}, years};
}

} // namespace nudgely
