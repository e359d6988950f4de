#pragma once

#include <QDate>

namespace nudgely {

// Works out every event's next and previous occurrence, both day counts and its age,
// relative to Today().
void ResolveEvents();

// The first date on or after today that is the n-th given weekday (1 = Sunday) of the
// given month of some year; the month carries into other years like any built date. False,
// with the date set to today, when the calendar range would be left.
bool NextWeekdayDate(int count, int weekday, int month, QDate &date);

// The latest such date on or before today.
bool LastWeekdayDate(int count, int weekday, int month, QDate &date);

} // namespace nudgely
