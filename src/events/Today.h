#pragma once

#include <QDate>

namespace nudgely {

// Today's date for every computation; the one place that reads the clock.
QDate Today();

// Fixes today (tests, --today); a null date goes back to the clock.
void SetToday(const QDate &date);

} // namespace nudgely
