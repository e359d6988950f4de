#include "events/OccurrenceResolver.h"

#include "events/DateParsing.h"

#include <array>

namespace nudgely {

namespace {

// The years of a walk map onto calendar years as dates are built: 0 to 29 mean 2000 to 2029
// and 30 to 99 mean 1930 to 1999. Within each stretch a later year gives a later date.
struct Stretch {
    qint64 first;
    qint64 last;
    qint64 offset;
};
constexpr qint64 Far = qint64(1) << 40;
constexpr std::array<Stretch, 4> Stretches = {{{-Far, -1, 0}, {0, 29, 2000}, {30, 99, 1900}, {100, Far, 0}}};

// A month outside 1 to 12 carries whole years.
struct CarriedMonth {
    qint64 years;
    int month;
};
CarriedMonth carryMonth(int month)
{
    const qint64 zeroBased = qint64(month) - 1;
    const qint64 years = zeroBased >= 0 ? zeroBased / 12 : (zeroBased - 11) / 12;
    return {years, static_cast<int>(zeroBased - years * 12) + 1};
}

// Walks year by year from a first year in one direction until the rule's date reaches
// today; a year whose date cannot be built, or lies outside the calendar, ends the walk with
// nothing. The dates rise with the years within a stretch, so each stretch is halved rather
// than walked: a month far out would otherwise take thousands of steps for every event.
std::optional<DayNumber> findWeekdayDate(const WeekdayRule &rule, int month, DayNumber today, qint64 firstYear,
                                         int direction)
{
    const CarriedMonth carried = carryMonth(month);
    const auto inCalendar = [](qint64 date) { return date >= firstCalendarDay() && date <= lastCalendarDay(); };
    const auto reached = [&](qint64 date) { return direction > 0 ? date >= today : date <= today; };
    bool first = true;
    for (std::size_t i = 0; i < Stretches.size(); ++i) {
        const Stretch &stretch = Stretches[direction > 0 ? i : Stretches.size() - 1 - i];
        if (first && (firstYear < stretch.first || firstYear > stretch.last))
            continue;
        const qint64 from = first ? firstYear : (direction > 0 ? stretch.first : stretch.last);
        first = false;
        // Calendar years 100 to 9999 hold every date that can be built.
        const qint64 lowest = 100 - stretch.offset - carried.years;
        const qint64 highest = 9999 - stretch.offset - carried.years;
        const auto dateIn = [&](qint64 year) {
            const DayNumber firstDay = dayNumber(year + stretch.offset + carried.years, carried.month, 1);
            const int ahead = (rule.weekday - weekday(firstDay) + 7) % 7;
            // A count of 0 goes back a week; nothing keeps the date within the month.
            return qint64(firstDay) + ahead + 7LL * (rule.count - 1);
        };
        if (from < lowest || from > highest)
            return std::nullopt;
        const qint64 fromDate = dateIn(from);
        if (!inCalendar(fromDate))
            return std::nullopt;
        // Most rules reach today this year or the next: a few steps out, doubling, before halving.
        if (reached(fromDate))
            return static_cast<DayNumber>(fromDate);
        const qint64 end = direction > 0 ? stretch.last : stretch.first;
        const qint64 stop = direction > 0 ? qMin(end, highest) : qMax(end, lowest);
        const qint64 span = (stop - from) * direction;
        qint64 low = 1;
        qint64 high = -1;
        qint64 highDate = 0;
        for (qint64 probe = 1; probe < span && high < 0; probe = probe * 2 + 1) {
            const qint64 date = dateIn(from + probe * direction);
            if (reached(date))
                high = probe, highDate = date;
            else
                low = probe + 1;
        }
        if (high < 0 && span > 0) {
            if (const qint64 date = dateIn(stop); reached(date))
                high = span, highDate = date;
        }
        if (high >= 0) {
            while (low < high) {
                const qint64 middle = low + (high - low) / 2;
                const qint64 date = dateIn(from + middle * direction);
                if (reached(date))
                    high = middle, highDate = date;
                else
                    low = middle + 1;
            }
            return inCalendar(highDate) ? std::optional<DayNumber>(static_cast<DayNumber>(highDate)) : std::nullopt;
        }
        if (stop != end || !inCalendar(dateIn(stop)))
            return std::nullopt;
    }
    return std::nullopt;
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
        // Only a full date can lie before today here: a year-less one was stepped above.
        next = nextAnniversary(next.civil, today.day, today.year);
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

QString badDateReason(QStringView field, const DateFormat &format, const QDate &today)
{
    const ParsedDate parsed = parseDateField(field, format, today.year());
    if (parsed.kind == DateKind::Bad)
        return dateFieldProblem(field, format, today.year());
    if (parsed.kind == DateKind::WeekdayRule &&
        !nextWeekdayDate(parsed.rule, parsed.month, static_cast<DayNumber>(today.toJulianDay())))
        return QStringLiteral("the weekday rule finds no day within the years 100 to 9999");
    return {};
}

} // namespace nudgely
