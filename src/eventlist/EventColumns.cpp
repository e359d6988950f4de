#include "eventlist/EventColumns.h"

namespace nudgely {

QString columnHeader(int column)
{
    switch (column) {
    case DateColumn:
        return QStringLiteral("date");
    case DayColumn:
        return QStringLiteral("day");
    case AgeColumn:
        return QStringLiteral("age");
    case TimeLeftColumn:
        return QStringLiteral("time left");
    case DescriptionColumn:
        return QStringLiteral("event description");
    default:
        return {};
    }
}

} // namespace nudgely
