#pragma once

#include <QByteArray>
#include <QString>

namespace nudgely {

// The configuration file and the files read beside it are small; anything larger is not
// one of them and is never read whole nor overwritten.
inline constexpr qint64 MaxStoredFileSize = 16 * 1024 * 1024;

// Results are 0 on success, else an errno value: the configuration file's messages name
// the system's error code and text, which QFile and QSaveFile do not give.

// Reads the whole file. A missing file gives ENOENT, a folder EISDIR, a device or pipe EINVAL.
int loadFile(const QString &path, QByteArray *bytes);

// The errno value that replacing the file would meet first: an existing read-only file
// gives EACCES even for root.
int checkReplaceable(const QString &path);

// Replaces the file whole, never leaving it half written: the content goes to a temporary
// file in the same folder, which is then renamed over the old one and synced. Creates
// missing folders, keeps the old file's permissions, and its owner and group where the
// system allows, and writes through a symbolic link to its target. Temporary files of the
// target left by writers that were killed are removed. QSaveFile would neither keep the
// owner nor refuse a read-only file to root, nor say which errno stopped it.
int storeFile(const QString &path, const QByteArray &bytes);

} // namespace nudgely
