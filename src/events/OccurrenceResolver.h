#pragma once

#include "events/DateParsing.h"
#include "events/EventTable.h"

#include <QDate>

#include <optional>

namespace nudgely {

// Works out every event's next and previous occurrence, both day counts and its age,
// relative to today; events whose date cannot be resolved are marked as bad dates.
void resolveEvents(EventTable &table, const DateFormat &format, const QDate &today);

// Why resolving for today makes the date field a bad date, such as "FR" is not a weekday;
// empty when it does not.
QString badDateReason(QStringView field, const DateFormat &format, const QDate &today);

// The first date on or after today (or the latest on or before it, looking back) that is
// the n-th given weekday of the given month of some year; the month carries into other
// years like any built date, and a count of 0 goes back a week. Nothing when the calendar
// range would be left.
std::optional<DayNumber> nextWeekdayDate(const WeekdayRule &rule, int month, DayNumber today);
std::optional<DayNumber> lastWeekdayDate(const WeekdayRule &rule, int month, DayNumber today);

} // namespace nudgely
