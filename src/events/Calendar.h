#pragma once

#include <QDate>

#include <optional>

namespace nudgely {

// Dates the program can build: 1 January 100 to 31 December 9999.
inline const QDate FirstCalendarDate = QDate(100, 1, 1);
inline const QDate LastCalendarDate = QDate(9999, 12, 31);

bool InCalendarRange(const QDate &date);

// A date from a year, month and day on the proleptic Gregorian calendar, with carrying: a
// month outside 1 to 12 carries into the year, a day outside the month into the next or
// previous months. Years 0 to 29 mean 2000 to 2029, 30 to 99 mean 1930 to 1999. Nothing
// when the result lies outside the calendar range.
std::optional<QDate> BuildDate(qint64 year, qint64 month, qint64 day);

// 1 = Sunday ... 7 = Saturday.
int Weekday(const QDate &date);

// The same month and day years later (or earlier); a 29 February that does not exist in
// the target year becomes 28 February.
QDate AddYears(const QDate &date, int years);

// Steps a date forward one year at a time, each step from the previous result, until it is
// no longer before today; returns the date reached and the number of steps. A 29 February
// becomes 28 February at the first step and stays there. Computed directly, not by looping.
QDate StepYearsUntilNotBefore(const QDate &date, const QDate &today, int *steps);

} // namespace nudgely
