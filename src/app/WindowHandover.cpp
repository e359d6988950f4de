#include "app/WindowHandover.h"

#include "app/Listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace nudgely {

int handOverToWindowProgram(char **argv)
{
    const QString command = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QDir folder = QFileInfo(command).absoluteDir();
    QString window = folder.filePath(QStringLiteral("nudgely-window"));
    if (!QFileInfo(window).isExecutable())
        window = QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/nudgely/nudgely-window")));
    const QByteArray path = QFile::encodeName(window);
    qputenv(CommandPathVariable, QFile::encodeName(command));
    argv[0] = const_cast<char *>(path.constData());
    ::execv(path.constData(), argv);
    std::fprintf(stderr, "nudgely: cannot start the window program %s: %s\n", path.constData(), std::strerror(errno));
    return ExitConfigurationProblem;
}

QString takeCommandPath()
{
    const QString command = qEnvironmentVariable(CommandPathVariable);
    qunsetenv(CommandPathVariable);
    return command;
}

} // namespace nudgely
