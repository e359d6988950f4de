#pragma once

#include <QString>

namespace nudgely {

// True when the program may create or replace files in this existing folder. A folder
// without any write permission bit counts as read-only even for root, who could write there.
bool isWritableFolder(const QString &path);

} // namespace nudgely
