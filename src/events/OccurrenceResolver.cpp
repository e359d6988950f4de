#include "events/OccurrenceResolver.h"

#include "events/Calendar.h"
#include "events/DateParsing.h"
#include "events/EventTables.h"
#include "events/SharedTexts.h"
#include "events/Today.h"
#include "startup/StatusMessages.h"

namespace nudgely {

namespace {

const QString NoAge = QStringLiteral(" ");

// The n-th weekday of the month in a given year; nothing outside the calendar range.
std::optional<QDate> WeekdayInYear(int count, int weekday, int month, int year)
{
    auto first = BuildDate(year, month, 1);
    if (!first)
        return std::nullopt;
    const int ahead = (weekday - Weekday(*first) + 7) % 7;
    // count 0 goes back a week; nothing keeps the date within the month.
    const QDate date = first->addDays(ahead + 7LL * (count - 1));
    if (!InCalendarRange(date))
        return std::nullopt;
    return date;
}

// Walks year by year from a first year in one direction until the date passes today.
bool FindWeekdayDate(int count, int weekday, int month, const QDate &today, int firstYear, int direction, QDate &date)
{
    for (int year = firstYear;; year += direction) {
        const auto candidate = WeekdayInYear(count, weekday, month, year);
        if (!candidate) {
            date = today;
            return false;
        }
        const qint64 days = today.daysTo(*candidate);
        if ((direction > 0 && days >= 0) || (direction < 0 && days <= 0)) {
            date = *candidate;
            return true;
        }
    }
}

// The first candidate for dtNext by kind; false when the event is a bad date after all.
bool FirstOccurrence(EventRecord &event, const ClassifiedDate &parsed, const QDate &today)
{
    switch (parsed.kind) {
    case DateKind::FullDate:
        event.dtNext = parsed.date;
        return true;
    case DateKind::YearlessDate: {
        event.szAge = NoAge;
        int steps = 0;
        const QDate thisYear = *BuildDate(today.year(), parsed.monthValue, parsed.dayValue);
        event.dtNext = StepYearsUntilNotBefore(thisYear, today, &steps);
        return true;
    }
    case DateKind::WeekdayRule:
        event.szAge = NoAge;
        if (!FindWeekdayDate(parsed.rule.count, parsed.rule.weekday, parsed.monthValue, today, today.year(), +1,
                             event.dtNext))
            return false;
        FindWeekdayDate(parsed.rule.count, parsed.rule.weekday, parsed.monthValue, today, today.year() + 1, -1,
                        event.dtLast);
        return true;
    case DateKind::Bad:
        break;
    }
    return false;
}

void ResolveEvent(EventRecord &event, const QDate &today)
{
    event.dtLast = UnsetLastDate;
    event.szAge.clear();
    const ClassifiedDate parsed = ClassifyDateField(event.szDate, today.year());
    event.szDay = parsed.day;
    event.szMonth = parsed.month;
    event.szYear = parsed.year;
    event.blnBadDate = !FirstOccurrence(event, parsed, today);
    if (event.blnBadDate)
        return;

    if (event.bytFlags & OneOffFlag) {
        // A one-off event stays on its date, past or not, and has no age.
        event.szAge = NoAge;
        event.dtLast = event.dtNext;
    } else if (event.dtNext < today) {
        int years = 0;
        event.dtNext = StepYearsUntilNotBefore(event.dtNext, today, &years);
        event.szAge = SharedNumber(years);
    } else if (event.szAge != NoAge) {
        event.szAge = QStringLiteral("0");
    }
    if (event.dtLast == UnsetLastDate)
        event.dtLast = AddYears(event.dtNext, -1);
    event.intDaysToNext = static_cast<int>(today.daysTo(event.dtNext));
    event.intDaysToLast = static_cast<int>(today.daysTo(event.dtLast));
}

} // namespace

bool NextWeekdayDate(int count, int weekday, int month, QDate &date)
{
    const QDate today = Today();
    return FindWeekdayDate(count, weekday, month, today, today.year(), +1, date);
}

bool LastWeekdayDate(int count, int weekday, int month, QDate &date)
{
    const QDate today = Today();
    return FindWeekdayDate(count, weekday, month, today, today.year() + 1, -1, date);
}

void ResolveEvents()
{
    ShowStatus(QStringLiteral("calculating dates, ages, etc..."));
    const QDate today = Today();
    const int count = EventCount;
    for (int i = 1; i <= count; ++i)
        ResolveEvent(Events[static_cast<std::size_t>(i)], today);
}

} // namespace nudgely
