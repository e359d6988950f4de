#pragma once

#include "config/ConfigFile.h"
#include "config/RegistryExport.h"

namespace nudgely {

// Carries the settings of the Windows version, as the user exported them from the
// registry, into the configuration file. It is due while the export holds the value
// the old window-centring value and the file does not record that it ran; it records that in the same write
// as the values, so that it runs once. Values already in the file are newer and stay; the
// data file list moves as a whole, only into a file that names no data file. The export
// itself is only read. False when nothing was due and nothing was changed.
bool migrateLegacySettings(const RegistryExport &old, ConfigEdit &edit);

// A start's migration: reads the export at exportPath and, when a migration is due, writes
// it into the configuration file. 0 when nothing was due or all was written; else the errno
// value of the failed write, which carried nothing over and recorded nothing, so that the
// next start tries again and never copies old values over ones saved since.
int migrateLegacyExport(const QString &exportPath, const QString &configPath);

// What the user is told when that write failed: the file, the error, and what it means.
QString legacyMigrationFailureText(const QString &configPath, const QString &exportPath, int error);

} // namespace nudgely
