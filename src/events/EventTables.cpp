#include "events/EventTables.h"

namespace nudgely {

std::array<DataFileEntry, MaxDataFiles + 1> DataFiles;
std::vector<EventRecord> Events(1);
int EventCount = 0;
int DataFilesRead = 0;

void ResetEvents()
{
    EventCount = 0;
    DataFilesRead = 0;
    Events.assign(1, EventRecord());
    // Room for a full table once: growing it step by step copies and touches far more memory.
    Events.reserve(MaxEventCount + 1);
}

bool AppendEvent(const QString &szDate, const QString &szDescription, quint8 bytDataFile, quint8 bytFlags)
{
    if (EventCount >= MaxEventCount)
        return false;
    EventRecord record;
    record.szDate = szDate;
    record.szDescription = szDescription;
    record.bytDataFile = bytDataFile;
    record.bytFlags = bytFlags;
    Events.push_back(std::move(record));
    ++EventCount;
    return true;
}

} // namespace nudgely
