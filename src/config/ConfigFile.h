#pragma once

#include "config/ConfigKeys.h"
#include "config/IniDocument.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace nudgely {

// The configuration file as it stands on disk: a missing or unreadable file reads as an
// empty one, so every key takes its default.
IniDocument readConfigFile(const QString &path);

// Changes to the configuration file, gathered in memory and written together by commit():
// one replacement of the file, never a half-written one. Everything the changes do not
// touch stays byte for byte. From reading to writing it holds a lock beside the file
// (Nudgely.ini.lock), so that two programs saving at once cannot lose each other's changes.
class ConfigEdit {
public:
    // Takes the lock and reads the file as it is now.
    explicit ConfigEdit(const QString &path);
    ~ConfigEdit();
    ConfigEdit(const ConfigEdit &) = delete;
    ConfigEdit &operator=(const ConfigEdit &) = delete;

    const QString &path() const { return path_; }
    const IniDocument &document() const { return document_; }

    // 0, or EINVAL for a section, key or value holding a line break, which would inject
    // lines of its own, or for an empty key.
    static int check(QAnyStringView section, QAnyStringView key, QAnyStringView value);

    // An empty value removes the key, as the profile functions always did. A change that
    // check() refuses is not made, and the commit then fails with its error: writing the
    // rest would silently lose it.
    int set(QAnyStringView section, QAnyStringView key, const QString &value);
    int set(const ConfigKey &key, const QString &value) { return set(key.section, key.name, value); }

    // 0, or the errno value that stopped the write (ENOLCK when another program held the
    // lock for too long). A file that exists but could not be read is never replaced; an
    // unchanged file is still checked, so that a read-only file is reported whenever a save
    // is asked for. Releases the lock.
    int commit();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    int lockError_ = 0;
    IniDocument document_;
    int loadError_ = 0;
    int setError_ = 0;
    bool changed_ = false;
};

// The message for a failed write while doing something ("saving settings"): what failed,
// where, and the error code with its text.
QString configWriteFailureText(const QString &activity, const QString &path, int error);

} // namespace nudgely
