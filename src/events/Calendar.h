#pragma once

#include <QtGlobal>

#include <optional>

namespace nudgely {

// Dates are day numbers: the Julian day number of a proleptic Gregorian date, as QDate
// counts them, so that QDate::fromJulianDay turns one into a date for display.
using DayNumber = qint32;

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The dates the program can build: 1 January 100 to 31 December 9999.
DayNumber firstCalendarDay();
DayNumber lastCalendarDay();

bool isLeapYear(qint64 year);
// A valid date of a year from 1 on.
DayNumber dayNumber(qint64 year, int month, int day);
CivilDate civilDate(DayNumber day);

// A date from a year, month and day with carrying: a month outside 1 to 12 carries into
// the year, a day outside the month into the next or previous months. Years 0 to 29 mean
// 2000 to 2029, 30 to 99 mean 1930 to 1999. Nothing when the result lies outside the
// calendar range.
std::optional<DayNumber> buildDate(qint64 year, qint64 month, qint64 day);

// 1 = Sunday ... 7 = Saturday.
int weekday(DayNumber day);

// The same month and day years later (or earlier); a 29 February that does not exist in
// the target year becomes 28 February.
DayNumber addYears(const CivilDate &date, int years);

// Steps a date (its day number and its calendar parts) forward one year at a time, each step
// from the previous result, until it is no longer before today; gives the date reached, its
// parts, and the number of steps. A 29 February becomes 28 February at the first step and
// stays there. Worked out directly, not by looping.
struct SteppedDate {
    DayNumber day = 0;
    CivilDate civil;
    int steps = 0;
};
SteppedDate stepYearsUntilNotBefore(const CivilDate &date, DayNumber day, DayNumber today, int todayYear);

// The first anniversary of a date that is not before today, counted from the date itself each
// time, so that 29 February falls on 29 February in leap years and on 28 February in others.
// The parts keep the date's own month and day with the year reached, to count back from.
SteppedDate nextAnniversary(const CivilDate &date, DayNumber today, int todayYear);

} // namespace nudgely
