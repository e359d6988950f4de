#pragma once

#include <QByteArray>
#include <QString>

namespace nudgely {

// The configuration and registry files are small; anything larger is not one of them and
// is never read whole nor overwritten.
inline constexpr qint64 MaxStoredFileSize = 16 * 1024 * 1024;

// Results are 0 on success, else an errno value.

// Reads the whole file. A missing file gives ENOENT, a folder EISDIR, a device or pipe EINVAL.
int LoadFile(const QString &path, QByteArray *bytes);

// The errno value that replacing the file would meet first: an existing read-only file
// gives EACCES even for root.
int CheckReplaceable(const QString &path);

// Replaces the file whole, never leaving it half written: the content goes to a temporary
// file in the same folder, which is then renamed over the old one. Creates missing folders,
// keeps the old file's permissions and owner, and writes through a symbolic link to its target.
int StoreFile(const QString &path, const QByteArray &bytes);

// Gathers the stores to one file in memory and writes the file once, at commit. While it is
// open, LoadFile and StoreFile on that path work on the pending content; a store checks only
// that the file could be replaced.
class FileTransaction {
public:
    explicit FileTransaction(const QString &path);
    ~FileTransaction();
    FileTransaction(const FileTransaction &) = delete;
    FileTransaction &operator=(const FileTransaction &) = delete;

    // Writes the pending content if anything was stored; ends the transaction.
    int commit();

private:
    friend int LoadFile(const QString &, QByteArray *);
    friend int StoreFile(const QString &, const QByteArray &);
    static FileTransaction *find(const QString &path);

    QString path_;
    bool open_ = true;
    bool loaded_ = false;
    bool changed_ = false;
    int loadError_ = 0;
    QByteArray content_;
};

} // namespace nudgely
