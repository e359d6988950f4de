#pragma once

#include "events/EventTable.h"

#include <QString>

#include <optional>

namespace nudgely {

// What a desktop notification says of the events that are due. The body may be read as
// markup by the notification service, so its texts come escaped.
struct DueNotice {
    QString summary; // "Nudgely: 2 events today, 1 in the next 3 days"
    QString body;    // "Today: Alex's birthday (37th), Wedding anniversary (57th).\nIn 3 days: ..."

    bool operator==(const DueNotice &) const = default;
};

// A notification is read at a glance: at most this many events are named, the rest counted
// ("And 4 more."), and a longer description is cut short.
inline constexpr int DueNoticeMaxEvents = 8;
inline constexpr int DueNoticeMaxDescription = 80;

// The events of a table resolved for today that fall on today or one of the daysAhead days
// after it (0: today only), by day, in table order within a day; unreadable dates are left
// out. Nothing when nothing is due.
std::optional<DueNotice> dueNotice(const EventTable &table, int daysAhead, bool appendToAge);

} // namespace nudgely
