#pragma once

#include "eventlist/EventList.h"

#include <QByteArray>

namespace nudgely {

// The list as RFC 4180 comma-separated values in UTF-8: the header, then one record per row
// with the list's own cell texts, each ending in CRLF. A field holding a comma, a quote or a
// line break is quoted, its quotes doubled. An empty list gives the header alone.
QByteArray csvText(const EventList &list);

} // namespace nudgely
