#include "eventlist/TsvWriter.h"

#include "eventlist/EventColumns.h"

namespace nudgely {

QByteArray tsvText(const EventList &list)
{
    const QStringList lines = list.lines(0, list.rowCount() - 1, DateColumn, DescriptionColumn, true);
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace nudgely
