#include "startup/AppPaths.h"

#include "startup/AppIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace nudgely {

QString IniFilePath;
QString HelpFilePath;

namespace {
QString programFolderOverride;

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}
} // namespace

QString ProgramFolder()
{
    if (!programFolderOverride.isEmpty())
        return programFolderOverride;
    return WithoutTrailingSlash(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString &folder)
{
    programFolderOverride = folder.isEmpty() ? QString() : WithoutTrailingSlash(folder);
}

QString ProgramPath()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString folder = ProgramFolder();
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString XdgConfigHome()
{
    // The XDG rules ignore a relative $XDG_CONFIG_HOME.
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return WithoutTrailingSlash(configured);
    return WithoutTrailingSlash(QDir::homePath()) + QStringLiteral("/.config");
}

QString UserConfigDirectory()
{
    return XdgConfigHome() + QLatin1Char('/') + AppTitle;
}

QString FindHelpFile()
{
    const QString name = QStringLiteral("Nudgely.html");
    const QDir folder(ProgramFolder());
    const QString beside = folder.absoluteFilePath(name);
    const QString installed = QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/nudgely/") + name));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile())
        return installed;
    return beside;
}

} // namespace nudgely
