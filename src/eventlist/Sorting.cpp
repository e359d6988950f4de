#include "eventlist/Sorting.h"

#include "eventlist/EventsGrid.h"
#include "startup/StatusMessages.h"

#include <optional>

namespace nudgely {

SortMarks CurrentSortMarks;

namespace {

struct KeyColumns {
    int first;
    int second; // the same as first when there is no second key
};

KeyColumns ColumnsOf(SortKey key)
{
    switch (key) {
    case SortKey::Age:
        return {AgeColumn, TimeLeftColumn};
    case SortKey::TimeLeft:
        return {TimeLeftColumn, DescriptionColumn};
    case SortKey::EventDescription:
        break;
    }
    return {DescriptionColumn, DescriptionColumn};
}

std::optional<SortKey> KeyOfColumn(int column)
{
    switch (column) {
    case AgeColumn:
        return SortKey::Age;
    case TimeLeftColumn:
        return SortKey::TimeLeft;
    case DescriptionColumn:
        return SortKey::EventDescription;
    default:
        return std::nullopt;
    }
}

QString OrderText()
{
    return CurrentSortMarks.order == SortOrder::Ascending ? QStringLiteral("ascending") : QStringLiteral("descending");
}

} // namespace

void SortEvents()
{
    const int column = grdDates.column();
    const int row = grdDates.row();
    const KeyColumns keys = ColumnsOf(CurrentSortMarks.key);
    grdDates.setCurrentColumn(keys.first);
    grdDates.setSelectionEnd(grdDates.row(), keys.second);

    const QString header = grdDates.text(0, keys.first);
    ShowStatus(QStringLiteral("sorting events in %1 order by '%2'...").arg(OrderText(), header));
    grdDates.sortRows(keys.first, keys.second, CurrentSortMarks.order == SortOrder::Descending);

    grdDates.setCurrentColumn(column);
    grdDates.setCurrentRow(row);
    ShowStatus(QStringLiteral("events sorted in %1 order by '%2'").arg(OrderText(), header));
}

void ChooseSortKey(SortKey key)
{
    CurrentSortMarks.key = key;
    SortEvents();
}

void ChooseSortOrder(SortOrder order)
{
    CurrentSortMarks.order = order;
    SortEvents();
}

bool HeaderClick(int pressColumn, int releaseColumn)
{
    const auto key = pressColumn == releaseColumn ? KeyOfColumn(pressColumn) : std::nullopt;
    if (!key) {
        ShowStatus(QStringLiteral("can't sort on that column!"));
        Beep();
        return false;
    }
    if (CurrentSortMarks.key == *key) {
        CurrentSortMarks.order =
            CurrentSortMarks.order == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
    }
    CurrentSortMarks.key = *key;
    SortEvents();
    return true;
}

} // namespace nudgely
