#include "text/FileChecks.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace nudgely {

bool isWritableFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(native.constData(), W_OK | X_OK) == 0;
}

} // namespace nudgely
