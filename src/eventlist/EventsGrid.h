#pragma once

#include "eventlist/GridModel.h"

namespace nudgely {

// The columns of the events grid; column 0 holds the occurrence date for the row's tooltip
// and is never seen.
enum EventsColumn {
    HiddenDateColumn = 0,
    DateColumn = 1,
    DayColumn = 2,
    AgeColumn = 3,
    TimeLeftColumn = 4,
    DescriptionColumn = 5,
    EventsColumnCount = 6,
};

// The events grid: rows of the event list under a header row.
extern GridModel grdDates;

// Six columns, the header texts, one empty row below the header, and the centred day,
// age and time left columns.
void LayOutEventsGrid();

} // namespace nudgely
