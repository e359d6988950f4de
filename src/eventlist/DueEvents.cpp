#include "eventlist/DueEvents.h"

#include "eventlist/EventList.h"

namespace nudgely {

DueCounts countDue(const EventTable &table)
{
    DueCounts counts;
    for (const Event &event : table.events()) {
        if (event.badDate)
            continue;
        if (event.daysToNext == 0)
            ++counts.today;
        else if (event.daysToNext >= 1 && event.daysToNext <= 7)
            ++counts.nextWeek;
    }
    return counts;
}

QString dueText(const DueCounts &counts)
{
    const QString week = QStringLiteral(" in the next week");
    if (counts.today == 0)
        return counts.nextWeek == 0 ? QStringLiteral("No events") + week
                                    : pluraliseCount(counts.nextWeek, QStringLiteral("event")) + week;
    const QString today = pluraliseCount(counts.today, QStringLiteral("event")) + QStringLiteral(" today");
    return counts.nextWeek == 0 ? today : today + QStringLiteral(", %1").arg(counts.nextWeek) + week;
}

} // namespace nudgely
