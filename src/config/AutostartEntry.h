#pragma once

#include <QString>

namespace nudgely {

// The desktop's autostart entry for Nudgely: <XdgConfigHome>/autostart/Nudgely.desktop.
// It stands for the Windows Run key value: the value exists while the file exists.
QString AutostartEntryPath();

bool AutostartEntryExists();

// The Exec line of the entry; false when there is no entry.
bool ReadAutostartEntry(QString &exec);

// Creates or replaces the entry so that the desktop starts the program at login.
bool WriteAutostartEntry(const QString &program);

bool RemoveAutostartEntry();

// The program as one Exec argument, quoted and escaped as desktop entries require.
QString DesktopExecArgument(const QString &program);

} // namespace nudgely
