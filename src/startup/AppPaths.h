#pragma once

#include <QString>

namespace nudgely {

// Full path of the configuration file; empty until start-up settles it.
extern QString IniFilePath;

// Absolute path of the help file, set by start-up.
extern QString HelpFilePath;

// Folder of the executable, without a trailing slash (unless it is "/").
QString ProgramFolder();
// Tests stand the program folder elsewhere; an empty path restores the real one.
void SetProgramFolder(const QString &folder);

// Absolute path of the running program, as an autostart entry starts it.
QString ProgramPath();

// $XDG_CONFIG_HOME, else ~/.config: the root of per-user configuration.
QString XdgConfigHome();

// The user's own configuration folder: <XdgConfigHome>/Nudgely.
QString UserConfigDirectory();

// Where the user guide is: Nudgely.html beside the program, else in ../share/nudgely/ from
// it (an installed program). Beside the program when neither exists; the help window says
// so then.
QString FindHelpFile();

} // namespace nudgely
