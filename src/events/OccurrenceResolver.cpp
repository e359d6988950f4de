#include "events/OccurrenceResolver.h"

#include "events/DateParsing.h"

namespace nudgely {

namespace {

// The n-th weekday of the month in a given year; nothing outside the calendar range.
std::optional<DayNumber> weekdayInYear(const WeekdayRule &rule, int month, qint64 year)
{
    const auto first = buildDate(year, month, 1);
    if (!first)
        return std::nullopt;
    const int ahead = (rule.weekday - weekday(*first) + 7) % 7;
    // A count of 0 goes back a week; nothing keeps the date within the month.
    const qint64 date = qint64(*first) + ahead + 7LL * (rule.count - 1);
    if (date < firstCalendarDay() || date > lastCalendarDay())
        return std::nullopt;
    return static_cast<DayNumber>(date);
}

// Walks year by year from a first year in one direction until the date reaches today.
std::optional<DayNumber> findWeekdayDate(const WeekdayRule &rule, int month, DayNumber today, qint64 firstYear,
                                         int direction)
{
    for (qint64 year = firstYear;; year += direction) {
        const auto candidate = weekdayInYear(rule, month, year);
        if (!candidate)
            return std::nullopt;
        if ((direction > 0 && *candidate >= today) || (direction < 0 && *candidate <= today))
            return candidate;
    }
}

void resolveEvent(Event &event, QStringView field, const DateFormat &format, DayNumber today, int todayYear)
{
    event.badDate = true;
    event.age.reset();
    const ParsedDate parsed = parseDateField(field, format, todayYear);
    std::optional<DayNumber> last;
    switch (parsed.kind) {
    case DateKind::Bad:
        return;
    case DateKind::FullDate:
        event.next = parsed.date;
        break;
    case DateKind::YearlessDate: {
        int steps = 0;
        event.next = stepYearsUntilNotBefore(*buildDate(todayYear, parsed.month, parsed.day), today, &steps);
        break;
    }
    case DateKind::WeekdayRule: {
        const auto next = nextWeekdayDate(parsed.rule, parsed.month, today);
        if (!next)
            return;
        event.next = *next;
        last = lastWeekdayDate(parsed.rule, parsed.month, today).value_or(today);
        break;
    }
    }
    event.badDate = false;
    if (event.oneOff) {
        // A one-off event stays on its date, past or not, and has no age.
        last = event.next;
    } else if (event.next < today) {
        int years = 0;
        event.next = stepYearsUntilNotBefore(event.next, today, &years);
        event.age = years;
    } else if (parsed.kind == DateKind::FullDate) {
        event.age = 0;
    }
    event.last = last ? *last : addYears(event.next, -1);
    event.daysToNext = event.next - today;
    event.daysToLast = event.last - today;
}

} // namespace

std::optional<DayNumber> nextWeekdayDate(const WeekdayRule &rule, int month, DayNumber today)
{
    return findWeekdayDate(rule, month, today, civilDate(today).year, +1);
}

std::optional<DayNumber> lastWeekdayDate(const WeekdayRule &rule, int month, DayNumber today)
{
    return findWeekdayDate(rule, month, today, qint64(civilDate(today).year) + 1, -1);
}

void resolveEvents(EventTable &table, const DateFormat &format, const QDate &today)
{
    const auto todayNumber = static_cast<DayNumber>(today.toJulianDay());
    const int todayYear = today.year();
    for (Event &event : table.events())
        resolveEvent(event, table.date(event), format, todayNumber, todayYear);
}

} // namespace nudgely
