#pragma once

#include <QString>

namespace nudgely {

// Where older versions kept their settings, under HKEY_CURRENT_USER.
inline const QString LegacySettingsKey = QStringLiteral("Software\\Nudgely\\Settings");

// Moves settings that older versions kept in the registry into the configuration file,
// once: the value frmCentre marks a migration as due. A value is removed from the registry
// only after the configuration file holds its copy; when the file cannot be written, the
// registry keeps everything, marker included, and the next start tries again.
void MigrateLegacySettings();

} // namespace nudgely
