#include "startup/AppIdentity.h"

namespace nudgely {

QString VersionText()
{
    return QStringLiteral("version %1.%2 rev %3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace nudgely
