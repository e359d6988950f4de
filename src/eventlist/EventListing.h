#pragma once

#include <QString>

#include <cstdio>

namespace nudgely {

// The load chain: every data file read again, every date resolved, the list rebuilt.
void LoadEvents();

// Every row of the events grid, header first: the cells of the date to description
// columns joined by tabs, one row a line, each ending in LF.
QString EventsGridText();

// The load chain as the window runs it (read, resolve, display, sorted by time left
// ascending), then the grid on out and the summary on err. Needs settings loaded.
void PrintEventList(std::FILE *out, std::FILE *err);

} // namespace nudgely
