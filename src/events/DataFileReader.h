#pragma once

#include "events/EventTable.h"
#include "text/TextFile.h"

#include <QString>
#include <QStringList>

namespace nudgely {

// A data file as read, or why it could not be opened.
struct DataFileContent {
    TextFileContent text;
    // Empty when the file was opened; otherwise the reason, such as "No such file or directory".
    QString openProblem;
};

// Only an ordinary file is read. The file is opened first, without waiting, and checked
// after: a pipe put in its place between a check and the open would wait for ever, and a
// device might never end.
DataFileContent readDataFile(const QString &path);

// What loading one data file came to.
struct DataFileLoad {
    bool read = false;      // opened and taken, perhaps in part
    QStringList problems;   // each a reason, such as "No such file or directory"
    int eventsNotLoaded = 0;
    bool readFailed = false; // a read error cut it short
    bool partly() const { return read && !problems.isEmpty(); }
};

// Reads one data file into the table and says what kept any of it out.
DataFileLoad loadDataFile(EventTable &table, int slot, const QString &path);

} // namespace nudgely
