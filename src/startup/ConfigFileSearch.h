#pragma once

#include <QString>

namespace nudgely {

// Settles IniFilePath from the command line ("/I" and a path) or by searching the program
// folder and then the user's configuration folder, and makes HelpFilePath absolute.
// False when the user must not go on: "/I" without a file, or a missing file that the
// user did not confirm. Messages go through ShowMessageBox.
bool SettleConfigurationFile(const QString &commandLine);

// Where to look, and where a first settings write creates the file when none exists.
QString SearchConfigurationFile();

} // namespace nudgely
