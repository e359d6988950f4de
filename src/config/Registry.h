#pragma once

#include <QString>

namespace nudgely {

// The only root the program uses.
enum class RegRoot { CurrentUser };

// Where a value named after the application starts the program at login. That value lives
// in the desktop's autostart entry; everything else in the registry file.
inline const QString RunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

// <UserConfigDirectory>/registry.reg, a Registry Editor export. A missing file is an
// empty registry.
QString RegistryFilePath();

// Every wrapper opens and closes what it needs and reports success only by its result.

// Any type reads as text: a string as itself, a 32-bit number as decimal digits with "-" for
// a negative value; other types leave text unchanged but still succeed. False (text "") when
// the key or value is missing or its data is longer than 1024 bytes.
bool ReadRegString(RegRoot root, const QString &subkey, const QString &name, QString &text);

// Only a 32-bit number value succeeds; number is left unchanged otherwise.
bool ReadRegNumber(RegRoot root, const QString &subkey, const QString &name, qint32 &number);

// Creates the key when missing; an empty text stores an empty string value.
bool WriteRegString(RegRoot root, const QString &subkey, const QString &name, const QString &text);

bool DeleteRegValue(RegRoot root, const QString &subkey, const QString &name);

// Removes a key with its values; refused for a key that has subkeys.
bool DeleteRegKey(RegRoot root, const QString &subkey);

} // namespace nudgely
