#pragma once

#include <QString>

namespace nudgely {

// Where the configuration file is when the command line names none: Nudgely.ini beside the
// program, else in the user's configuration folder; with neither, where the first write will
// create it: beside the program when that folder can be written, else the user's folder.
QString searchConfigurationFile(const QString &programFolder, const QString &userConfigFolder);

} // namespace nudgely
