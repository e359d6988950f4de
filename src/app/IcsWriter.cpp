#include "app/IcsWriter.h"

#include "events/DateParsing.h"
#include "events/OccurrenceResolver.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace nudgely {

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

QByteArray serialised(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

const char *const DayNames[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

icaltimetype icalDate(DayNumber day)
{
    const CivilDate civil = civilDate(day);
    icaltimetype time = icaltime_null_date();
    time.year = civil.year;
    time.month = civil.month;
    time.day = civil.day;
    return time;
}

// The yearly rule for a day and month as dates are built in every year: the same day and
// month, the same day of the year, or the same day counted from the month's end.
std::optional<QString> yearlessRule(int month, int day)
{
    const auto common = buildDate(2025, month, day);
    const auto leap = buildDate(2024, month, day);
    if (!common || !leap)
        return std::nullopt;
    const QDate a = QDate::fromJulianDay(*common);
    const QDate b = QDate::fromJulianDay(*leap);
    if (a.month() == b.month() && a.day() == b.day())
        return QStringLiteral("FREQ=YEARLY");
    if (a.dayOfYear() == b.dayOfYear() && a.year() - b.year() == 1)
        return QStringLiteral("FREQ=YEARLY;BYYEARDAY=%1").arg(a.dayOfYear());
    if (a.month() == b.month() && a.daysInMonth() - a.day() == b.daysInMonth() - b.day())
        return QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYMONTHDAY=-%2").arg(a.month()).arg(a.daysInMonth() - a.day() + 1);
    return std::nullopt;
}

// The n-th weekday of a month counts on from the month's first such day by weeks: a count of
// 0 is the last of the month before; a count of 5 is the fifth of the month, or when there is
// none the first of the next: the fifth of the two months together.
std::optional<QString> weekdayRule(const WeekdayRule &rule, int month)
{
    const int carried = ((month - 1) % 12 + 12) % 12 + 1;
    const QLatin1String name(DayNames[rule.weekday - 1]);
    if (rule.count == 0)
        return QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYDAY=-1%2").arg(carried == 1 ? 12 : carried - 1).arg(name);
    if (rule.count <= 4)
        return QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYDAY=%2%3").arg(carried).arg(rule.count).arg(name);
    if (rule.count > 5)
        return std::nullopt;
    // December's fifth week runs from the 29th into January, over the year's end: each year
    // holds that day of the December before in 1 to 4 January, or its own in 29 to 31 December.
    if (carried == 12)
        return QStringLiteral("FREQ=YEARLY;BYYEARDAY=1,2,3,4,-3,-2,-1;BYDAY=%1").arg(name);
    return QStringLiteral("FREQ=YEARLY;BYMONTH=%1,%2;BYDAY=%3;BYSETPOS=5").arg(carried).arg(carried + 1).arg(name);
}

void addText(icalcomponent *component, icalproperty *property)
{
    icalcomponent_add_property(component, property);
}

} // namespace

IcsCalendar icsCalendar(const EventTable &table, const DateFormat &format, const DataFileList &files,
                        const QDate &today)
{
    IcsCalendar result;
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    addText(calendar.get(), icalproperty_new_version("2.0"));
    addText(calendar.get(), icalproperty_new_prodid("-//Nudgely//Nudgely//EN"));
    addText(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icaltimetype stamp = icaltime_null_time();
    stamp.year = today.year();
    stamp.month = today.month();
    stamp.day = today.day();
    stamp.zone = icaltimezone_get_utc_timezone();
    const DayNumber newYear = dayNumber(today.year(), 1, 1);

    QByteArray events;
    for (const Event &event : table.events()) {
        // Before the line is counted: a bad date may have no date field to count to.
        if (event.badDate) {
            ++result.badDates;
            continue;
        }
        const quint32 line = event.line;
        const QStringView date = table.date(event);
        const ParsedDate parsed = parseDateField(date, format, today.year());
        DayNumber start = event.next;
        std::optional<QString> rule;
        QString note;
        if (!event.oneOff) {
            switch (parsed.kind) {
            case DateKind::Bad:
                break;
            case DateKind::FullDate: {
                start = parsed.date;
                const CivilDate civil = civilDate(start);
                // As the list counts it: 29 February in leap years, 28 February in others.
                rule = civil.month == 2 && civil.day == 29 ? QStringLiteral("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1")
                                                           : QStringLiteral("FREQ=YEARLY");
                note = QStringLiteral("Year: %1\n").arg(civil.year);
                break;
            }
            case DateKind::YearlessDate:
                start = *buildDate(today.year(), parsed.month, parsed.day);
                rule = yearlessRule(parsed.month, parsed.day);
                break;
            case DateKind::WeekdayRule:
                rule = weekdayRule(parsed.rule, parsed.month);
                start = nextWeekdayDate(parsed.rule, parsed.month, newYear).value_or(event.next);
                break;
            }
            if (!rule) {
                ++result.noRule;
                continue;
            }
        }
        const QString path = files[event.slot].path;
        const QString description = table.description(event).toString();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(QStringLiteral("%1\n%2\n%3 %4").arg(path).arg(line).arg(date, description).toUtf8());
        const QByteArray uid = hash.result().toHex().left(32) + "@nudgely";
        note += QStringLiteral("%1, line %2").arg(QFileInfo(path).fileName()).arg(line);

        const Component owned(icalcomponent_new(ICAL_VEVENT_COMPONENT));
        icalcomponent *vevent = owned.get();
        addText(vevent, icalproperty_new_uid(uid.constData()));
        addText(vevent, icalproperty_new_dtstamp(stamp));
        addText(vevent, icalproperty_new_dtstart(icalDate(start)));
        if (rule)
            addText(vevent, icalproperty_new_rrule(icalrecurrencetype_from_string(rule->toUtf8().constData())));
        addText(vevent, icalproperty_new_summary(description.toUtf8().constData()));
        addText(vevent, icalproperty_new_description(note.toUtf8().constData()));
        addText(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        // Each event is written out as it is made: the whole calendar as one tree would take
        // hundreds of megabytes for the largest tables.
        events += serialised(vevent);
        ++result.events;
    }
    result.text = serialised(calendar.get());
    const qsizetype end = result.text.lastIndexOf("END:VCALENDAR");
    result.text.insert(end, events);
    return result;
}

} // namespace nudgely
