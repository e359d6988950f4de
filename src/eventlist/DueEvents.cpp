#include "eventlist/DueEvents.h"

#include "eventlist/EventList.h"

#include <algorithm>

namespace nudgely {

std::vector<DueEvent> dueEvents(const EventTable &table, int daysAhead)
{
    std::vector<DueEvent> due;
    for (const Event &event : table.events()) {
        if (!event.badDate && event.daysToNext >= 0 && event.daysToNext <= daysAhead)
            due.push_back({event.daysToNext, &event});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueEvent &a, const DueEvent &b) { return a.days < b.days; });
    return due;
}

DueCounts countDue(const EventTable &table)
{
    DueCounts counts;
    for (const DueEvent &due : dueEvents(table, 7))
        ++(due.days == 0 ? counts.today : counts.nextWeek);
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
