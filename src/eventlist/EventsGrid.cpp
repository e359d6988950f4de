#include "eventlist/EventsGrid.h"

namespace nudgely {

GridModel grdDates(EventsColumnCount);

void LayOutEventsGrid()
{
    grdDates.setColumnCount(EventsColumnCount);
    grdDates.setRowCount(1); // drops every row below the header
    grdDates.setRowCount(2);
    const char *headers[] = {"", "date", "day", "age", "time left", "event description"};
    for (int column = 0; column < EventsColumnCount; ++column)
        grdDates.setText(0, column, QLatin1String(headers[column]));
    for (const int column : {DayColumn, AgeColumn, TimeLeftColumn})
        grdDates.setColumnAlignment(column, CellAlignment::Centre);
    grdDates.setCurrentCell(1, DateColumn);
}

} // namespace nudgely
