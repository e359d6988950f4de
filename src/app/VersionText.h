#pragma once

#include "app/Version.h"

#include <QString>

namespace nudgely {
// "version 1.4 rev 2": what the status bar and the About box show.
inline QString versionText()
{
    return QStringLiteral("version %1.%2 rev %3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}
} // namespace nudgely
