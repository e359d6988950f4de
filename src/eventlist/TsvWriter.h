#pragma once

#include "eventlist/EventList.h"

#include <QByteArray>

namespace nudgely {

// The list as the window copies it: the header and every row, cells joined by tabs, each
// line ending in LF, in UTF-8. An empty list gives its one empty row.
QByteArray tsvText(const EventList &list);

} // namespace nudgely
