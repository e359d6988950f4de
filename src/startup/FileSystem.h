#pragma once

#include <QString>

namespace nudgely {

// True when an ordinary file (not a folder, device or socket) exists at the path; a
// symbolic link counts when its target is an ordinary file.
bool FileExists(const QString &path);

// True when the program may create or replace files in this existing folder. A folder
// without any write permission bit counts as read-only even for root.
bool IsWritableFolder(const QString &path);

} // namespace nudgely
