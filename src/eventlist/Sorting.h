#pragma once

#include "eventlist/EventColumns.h"

#include <optional>

namespace nudgely {

enum class SortKey { Age, TimeLeft, Description };

// Which key the list is sorted by, and which way. Every run starts with time left, ascending.
struct SortOrder {
    SortKey key = SortKey::TimeLeft;
    bool descending = false;

    bool operator==(const SortOrder &) const = default;
};

// The column whose header names the key: age, time left or event description.
EventColumn keyColumn(SortKey key);

// A click on the header of a column: the age, time left and description headers sort by
// their key; nothing for another column.
std::optional<SortKey> keyOfColumn(int column);

// A sortable header clicked: its key, in the same order; or, when it is the key already,
// the other order.
SortOrder afterHeaderClick(const SortOrder &current, SortKey clicked);

// "sorting events in ascending order by 'time left'..." and "events sorted in ...".
QString sortingMessage(const SortOrder &order);
QString sortedMessage(const SortOrder &order);

} // namespace nudgely
