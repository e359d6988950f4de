#pragma once

#include "events/DateFormat.h"

#include <QString>

namespace nudgely {

// How an import of contacts ended: the summary when the new data file was written, else why
// nothing was.
struct ContactImportResult {
    bool written = false;
    QString message;
};

// Reads the birthdays and anniversaries of a vCard file and writes them, in the given date
// format, as a new data file at target. An existing file is never written over.
ContactImportResult importContacts(const QString &vcardPath, const QString &target, const DateFormat &format);

} // namespace nudgely
