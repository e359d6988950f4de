#pragma once

#include "events/EventTable.h"

#include <QString>

#include <vector>

namespace nudgely {

// An event due a number of days after the day the table was resolved for.
struct DueEvent {
    int days = 0;
    const Event *event = nullptr;
};

// The events due on the day the table was resolved for and the daysAhead days after it, bad
// dates left out, by day and in table order within a day.
std::vector<DueEvent> dueEvents(const EventTable &table, int daysAhead);

// How many events fall today and in the seven days after it; bad dates are left out.
struct DueCounts {
    int today = 0;
    int nextWeek = 0;
};

DueCounts countDue(const EventTable &table);
// "2 events today, 5 in the next week", or "No events in the next week".
QString dueText(const DueCounts &counts);

} // namespace nudgely
