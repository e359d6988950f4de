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

} // namespace

std::optional<DayNumber> nextWeekdayDate(const WeekdayRule &rule, int month, DayNumber today)
{
    return findWeekdayDate(rule, month, today, civilDate(today).year, +1);
}

std::optional<DayNumber> lastWeekdayDate(const WeekdayRule &rule, int month, DayNumber today)
{
    return findWeekdayDate(rule, month, today, qint64(civilDate(today).year) + 1, -1);
}

namespace {

// Today, as every event of one resolution sees it.
struct Today {
    DayNumber day;
    int year;
};

void resolveEvent(Event &event, QStringView field, const DateFormat &format, const Today &today)
{
    event.badDate = true;
    event.age.reset();
    const ParsedDate parsed = parseDateField(field, format, today.year);
    // The next occurrence with its calendar parts, and the previous one when a rule fixes it.
    SteppedDate next;
    std::optional<DayNumber> last;
    switch (parsed.kind) {
    case DateKind::Bad:
        return;
    case DateKind::FullDate:
        next = {parsed.date, civilDate(parsed.date), 0};
        break;
    case DateKind::YearlessDate: {
        const DayNumber thisYear = *buildDate(today.year, parsed.month, parsed.day);
        next = stepYearsUntilNotBefore(civilDate(thisYear), thisYear, today.day, today.year);
        break;
    }
    case DateKind::WeekdayRule: {
        const auto found = nextWeekdayDate(parsed.rule, parsed.month, today.day);
        if (!found)
            return;
        next = {*found, civilDate(*found), 0};
        last = lastWeekdayDate(parsed.rule, parsed.month, today.day).value_or(today.day);
        break;
    }
    }
    event.badDate = false;
    if (event.oneOff) {
        // A one-off event stays on its date, past or not, and has no age.
        last = next.day;
    } else if (next.day < today.day) {
        next = stepYearsUntilNotBefore(next.civil, next.day, today.day, today.year);
        event.age = next.steps;
    } else if (parsed.kind == DateKind::FullDate) {
        event.age = 0;
    }
    event.next = next.day;
    event.last = last ? *last : addYears(next.civil, -1);
    event.daysToNext = event.next - today.day;
    event.daysToLast = event.last - today.day;
}

} // namespace

void resolveEvents(EventTable &table, const DateFormat &format, const QDate &today)
{
    const Today now{static_cast<DayNumber>(today.toJulianDay()), today.year()};
    for (Event &event : table.events())
        resolveEvent(event, table.date(event), format, now);
}

} // namespace nudgely
