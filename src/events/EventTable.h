#pragma once

#include "events/Calendar.h"
#include "events/DataLine.h"
#include "text/BulkMemory.h"
#include "text/TextArena.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

namespace nudgely {

// One event of a data file, and what resolving its date made of it. Its texts stay in the
// file's text, which the table keeps.
struct Event {
    quint32 dateStart = 0;
    quint32 dateLength = 0;
    quint32 descriptionStart = 0;
    quint32 descriptionLength = 0;
    quint32 line = 0;    // its line number in the file, from 1
    quint8 text = 0;     // which of the table's file texts holds it: one per data file read
    quint8 slot = 0;     // the data file slot it came from, from 0
    bool oneOff = false; // shown once, never repeated

    // Set by resolving:
    bool badDate = true;         // the date could not be resolved; nothing below holds
    DayNumber next = 0;          // the occurrence on or after today (a one-off event's own date)
    DayNumber last = 0;          // the previous occurrence
    int daysToNext = 0;          // from today, negative when past
    int daysToLast = 0;
    std::optional<int> age;      // whole years at the next occurrence; none without a year
};

// What taking one data file met besides its events.
struct FileTaken {
    int linesTooLong = 0;     // skipped, as no event is that long
    int firstLineTooLong = 0; // its line number, from 1
    int eventsNotLoaded = 0;  // event lines beyond the table's limit
};

// What reading the data files gives: their events in the order read (slot order, then line
// order), and the texts they point into.
class EventTable {
public:
    using Events = std::vector<Event, BulkAllocator<Event>>;

    // The table holds at most this many events; further lines are not taken.
    static constexpr int MaxEvents = 32767;
    // A longer line, in bytes, is no event but a broken or binary file; it is skipped.
    static constexpr qsizetype MaxLineLength = 64 * 1024;

    EventTable() = default;
    // The events point into the texts: a table is moved, never copied.
    EventTable(EventTable &&) = default;
    EventTable &operator=(EventTable &&) = default;
    EventTable(const EventTable &) = delete;
    EventTable &operator=(const EventTable &) = delete;
    // Only when asked for, as a copy is rarely wanted: to resolve the same events for
    // another day while the table itself stays as it is.
    EventTable copy() const;

    // Empties the table but keeps its memory for the next read.
    void clear();
    // Takes one data file (its bytes in UTF-8 or Windows-1252) and appends an event for each
    // of its event lines. Two slots may name the same file: each gets its own events.
    FileTaken addFile(int slot, QByteArrayView bytes);

    const Events &events() const { return events_; }
    Events &events() { return events_; }
    // Files taken, including empty ones.
    int filesRead() const { return filesRead_; }

    QStringView date(const Event &event) const;
    QStringView description(const Event &event) const;
    // The event's whole line as the file has it.
    QStringView lineText(const Event &event) const;

private:
    void append(int slot, QStringView text, const DataLine &line, int lineNumber);

    // Shared with copies, and then never cleared for reuse.
    std::shared_ptr<TextArena> arena_;
    std::vector<QStringView> texts_; // one per file taken, in the arena
    Events events_;
    int filesRead_ = 0;
};

} // namespace nudgely
