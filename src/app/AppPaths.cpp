#include "app/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace nudgely {

AppPaths AppPaths::forThisProgram(const QString &commandPath)
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    // As the kernel has it, as Qt would: the command line runs without an application object.
    const QFileInfo program(commandPath.isEmpty() ? QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()
                                                  : commandPath);
    return {program.absolutePath(), program.absoluteFilePath(), config.filePath(QStringLiteral("Nudgely")),
            config.filePath(QStringLiteral("autostart"))};
}

QString AppPaths::autostartEntry() const
{
    return QDir(autostartFolder).filePath(QStringLiteral("Nudgely.desktop"));
}

QString AppPaths::registryExport() const
{
    return QDir(userConfigFolder).filePath(QStringLiteral("registry.reg"));
}

QString AppPaths::sampleDataFile() const
{
    return besideOrInstalled(QStringLiteral("dates.txt"));
}

QString AppPaths::helpFile() const
{
    return besideOrInstalled(QStringLiteral("Nudgely.html"));
}

QString AppPaths::besideOrInstalled(const QString &name) const
{
    const QDir folder(programFolder);
    const QString beside = folder.absoluteFilePath(name);
    const QString installed = QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/nudgely/") + name));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile())
        return installed;
    return beside;
}

} // namespace nudgely
