#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

namespace nudgely {

class TextLineReader;

// Rebuilds Events from the data files of DataFiles slots 1 to 20, in slot order.
void ReadDataFiles();

// Reads the file of one slot and appends its events. False when the file could not be
// opened; a folder, a device or a pipe is skipped the same way.
bool ReadDataFile(int slot);

// Appends the events of every line of an open data file to Events, for the slot.
void ReadDataLines(QIODevice &device, int slot);

// The next line of the file; false when reading it failed.
bool ReadTextLine(TextLineReader &file, QStringView &line);

// Cuts one line into its date field, the one-off option "/A" and the description, and
// appends at most one event. True when the line was handled (an event or a comment).
bool ParseDataLine(QStringView line, int slot);

// Index of the first character at or after start that is not a space (code 32 only);
// text.size() when there is none. Indexes count from 0.
qsizetype SkipSpaces(QStringView text, qsizetype start);

} // namespace nudgely
