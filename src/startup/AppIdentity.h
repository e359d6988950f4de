#pragma once

#include "startup/Version.h"

#include <QString>

namespace nudgely {

// The application's title: message box titles, file names and registry names derive from it.
inline const QString AppTitle = QStringLiteral("Nudgely");

// "version 1.4 rev 2": what the status bar and --version show.
QString VersionText();

} // namespace nudgely
