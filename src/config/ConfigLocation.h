#pragma once

#include <QString>

namespace nudgely {

// Where the configuration file is when the command line names none: Nudgely.ini beside the
// program (a portable set-up), else in the user's configuration folder, where the first write
// creates it: a file beside an installed or built program would override the user's own.
QString searchConfigurationFile(const QString &programFolder, const QString &userConfigFolder);

} // namespace nudgely
