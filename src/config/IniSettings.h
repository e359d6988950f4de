#pragma once

#include "config/FileStore.h"

#include <QString>

namespace nudgely {

// errno value of the most recent failed write; kept through later successful writes.
extern int LastIniError;
// SystemErrorText(LastIniError), set together with it.
extern QString LastIniErrorText;

// The key's value, or defaultValue when the file, the section or the key is missing. A key
// present with an empty value gives the empty text.
QString ReadIniString(const QString &section, const QString &key, const QString &file,
                      const QString &defaultValue);

// Stores the value; an empty value removes the key. False on failure, with LastIniError
// set: a section, key or value holding a line break is refused with EINVAL.
bool WriteIniString(const QString &section, const QString &key, const QString &value, const QString &file);

// The message for a failed configuration write while doing something ("saving settings"):
// what failed, where, and the error code with its text.
QString IniWriteFailureText(const QString &activity);

// Gathers the writes to one file so that it is replaced once, at commit, instead of at
// every write. Each write still reports what would stop it (a read-only file, a line break).
class IniWriteBatch {
public:
    explicit IniWriteBatch(const QString &file) : transaction_(file) {}

    // False on failure, with LastIniError set.
    bool commit();

private:
    FileTransaction transaction_;
};

} // namespace nudgely
