#pragma once

#include "config/DataFileList.h"
#include "events/DateFormat.h"
#include "events/EventTable.h"

#include <QByteArray>
#include <QDate>

namespace nudgely {

// An iCalendar file of every event of the data files, and what could not go into it.
struct IcsCalendar {
    QByteArray text;
    int events = 0;       // in the calendar
    int badDates = 0;     // left out: the date could not be resolved
    int noRule = 0;       // left out: a weekday rule counting past the fifth week
};

// One all-day VEVENT per event: full and year-less dates recur yearly, weekday rules as
// BYMONTH/BYDAY, one-off events once. Each event's UID comes from its file's path, its line
// number and its text, so that importing the file again updates the same events. today
// dates the file (DTSTAMP) and picks the year the recurring events start from.
IcsCalendar icsCalendar(const EventTable &table, const DateFormat &format, const DataFileList &files,
                        const QDate &today);

} // namespace nudgely
