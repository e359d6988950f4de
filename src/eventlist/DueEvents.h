#pragma once

#include "events/EventTable.h"

#include <QString>

namespace nudgely {

// How many events fall today and in the seven days after it; bad dates are left out.
struct DueCounts {
    int today = 0;
    int nextWeek = 0;
};

DueCounts countDue(const EventTable &table);
// "2 events today, 5 in the next week", or "No events in the next week".
QString dueText(const DueCounts &counts);

} // namespace nudgely
