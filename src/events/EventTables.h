#pragma once

#include "events/EventRecord.h"

#include <array>
#include <vector>

namespace nudgely {

inline constexpr int MaxDataFiles = 20;
inline constexpr int MaxEventCount = 32767;

// Slots 1 to 20 are the configured data files; slot 0 is never one.
extern std::array<DataFileEntry, MaxDataFiles + 1> DataFiles;

// Element 0 exists but is never used; the events are elements 1 to EventCount, in the
// order they were read (slot order, then line order).
extern std::vector<EventRecord> Events;
extern int EventCount;

// In-use slots whose file could be opened during the last read.
extern int DataFilesRead;

// Empties the event table before a read.
void ResetEvents();

// Appends one event as read from a data file; false when the table is full.
bool AppendEvent(const QString &szDate, const QString &szDescription, quint8 bytDataFile, quint8 bytFlags);

} // namespace nudgely
