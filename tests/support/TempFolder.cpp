#include "support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace nudgely::test {

TempFolder::TempFolder()
{
    EXPECT_TRUE(dir_.isValid());
}

TempFolder::~TempFolder()
{
    // Read-only folders made by a test must not stop the clean-up.
    QDirIterator folders(dir_.path(), QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (folders.hasNext())
        QFile::setPermissions(folders.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TempFolder::path(const QString &relative) const
{
    return QDir::isAbsolutePath(relative) ? relative : root() + QLatin1Char('/') + relative;
}

void TempFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(full);
    file.write(bytes);
}

QByteArray TempFolder::read(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

} // namespace nudgely::test
