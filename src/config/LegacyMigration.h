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

} // namespace nudgely
