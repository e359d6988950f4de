#include "eventlist/Sorting.h"

namespace nudgely {

namespace {

QString orderText(const SortOrder &order)
{
    return order.descending ? QStringLiteral("descending") : QStringLiteral("ascending");
}

} // namespace

EventColumn keyColumn(SortKey key)
{
    switch (key) {
    case SortKey::Age:
        return AgeColumn;
    case SortKey::TimeLeft:
        return TimeLeftColumn;
    case SortKey::Description:
        break;
    }
    return DescriptionColumn;
}

std::optional<SortKey> keyOfColumn(int column)
{
    switch (column) {
    case AgeColumn:
        return SortKey::Age;
    case TimeLeftColumn:
        return SortKey::TimeLeft;
    case DescriptionColumn:
        return SortKey::Description;
    default:
        return std::nullopt;
    }
}

SortOrder afterHeaderClick(const SortOrder &current, SortKey clicked)
{
    if (current.key == clicked)
        return {clicked, !current.descending};
    return {clicked, current.descending};
}

QString sortingMessage(const SortOrder &order)
{
    return QStringLiteral("sorting events in %1 order by '%2'...").arg(orderText(order), columnHeader(keyColumn(order.key)));
}

QString sortedMessage(const SortOrder &order)
{
    return QStringLiteral("events sorted in %1 order by '%2'").arg(orderText(order), columnHeader(keyColumn(order.key)));
}

} // namespace nudgely
