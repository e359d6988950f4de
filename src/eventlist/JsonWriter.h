#pragma once

#include "config/DataFileList.h"
#include "eventlist/EventList.h"

#include <QByteArray>

namespace nudgely {

// The list as a JSON array, one object per row, in UTF-8:
//   date         the date field as written
//   next         the occurrence listed, YYYY-MM-DD (null for a bad date)
//   weekday      its day, "Monday" to "Sunday" whatever the locale (null for a bad date)
//   age          a number, or null without a year
//   daysLeft     from today, negative when past (null for a bad date)
//   description  as written
//   file         the data file's path
//   oneOff       the line carries /A
//   badDate      the date could not be resolved
QByteArray jsonText(const EventList &list, const DataFileList &files);

} // namespace nudgely
