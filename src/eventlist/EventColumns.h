#pragma once

#include <QString>

namespace nudgely {

// The columns of the events list, left to right.
enum EventColumn { DateColumn, DayColumn, AgeColumn, TimeLeftColumn, DescriptionColumn, EventColumnCount };

// "date", "day", "age", "time left", "event description".
QString columnHeader(int column);

} // namespace nudgely
