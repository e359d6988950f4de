#pragma once

#include "config/ConfigKeys.h"
#include "config/IniDocument.h"

#include <QString>

namespace nudgely {

// The configuration file as it stands on disk: a missing or unreadable file reads as an
// empty one, so every key takes its default.
IniDocument readConfigFile(const QString &path);

// Changes to the configuration file, gathered in memory and written together by commit():
// one replacement of the file, never a half-written one. Everything the changes do not
// touch stays byte for byte.
class ConfigEdit {
public:
    // Reads the file as it is now.
    explicit ConfigEdit(const QString &path);

    const QString &path() const { return path_; }
    const IniDocument &document() const { return document_; }

    // An empty value removes the key, as the profile functions always did. 0, or EINVAL for
    // a section, key or value holding a line break, which would inject lines of its own.
    int set(QAnyStringView section, QAnyStringView key, const QString &value);
    int set(const ConfigKey &key, const QString &value) { return set(key.section, key.name, value); }

    // 0, or the errno value that stopped the write. A file that exists but could not be
    // read is never replaced; an unchanged file is still checked, so that a read-only file
    // is reported whenever a save is asked for.
    int commit();

private:
    QString path_;
    IniDocument document_;
    int loadError_ = 0;
    bool changed_ = false;
};

// The message for a failed write while doing something ("saving settings"): what failed,
// where, and the error code with its text.
QString configWriteFailureText(const QString &activity, const QString &path, int error);

} // namespace nudgely
