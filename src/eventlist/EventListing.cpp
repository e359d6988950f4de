#include "eventlist/EventListing.h"

#include "eventlist/EventListBuilder.h"
#include "eventlist/EventsGrid.h"
#include "eventlist/Sorting.h"
#include "events/DataFileReader.h"
#include "events/OccurrenceResolver.h"
#include "startup/StatusMessages.h"

namespace nudgely {

QString EventsGridText()
{
    QString text;
    for (int row = 0; row < grdDates.rowCount(); ++row) {
        for (int column = DateColumn; column <= DescriptionColumn; ++column) {
            if (column > DateColumn)
                text += QLatin1Char('\t');
            text += grdDates.text(row, column);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void LoadEvents()
{
    ReadDataFiles();
    ResolveEvents();
    DisplayEvents();
}

void PrintEventList(std::FILE *out, std::FILE *err)
{
    CurrentSortMarks = SortMarks();
    LayOutEventsGrid();
    LoadEvents();
    const QByteArray list = EventsGridText().toUtf8();
    std::fwrite(list.constData(), 1, static_cast<std::size_t>(list.size()), out);
    std::fflush(out);
    std::fprintf(err, "%s\n", LastStatusMessage().toUtf8().constData());
}

} // namespace nudgely
