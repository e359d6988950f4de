#include "app/ProgramHandover.h"

#include "app/Listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace nudgely {

int handOverToProgram(const QString &name, char **argv)
{
    const QString command = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QDir folder = QFileInfo(command).absoluteDir();
    QString program = folder.filePath(name);
    if (!QFileInfo(program).isExecutable())
        program = QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/nudgely/") + name));
    const QByteArray path = QFile::encodeName(program);
    qputenv(CommandPathVariable, QFile::encodeName(command));
    argv[0] = const_cast<char *>(path.constData());
    ::execv(path.constData(), argv);
    std::fprintf(stderr, "nudgely: cannot start %s: %s\n", path.constData(), std::strerror(errno));
    return ExitConfigurationProblem;
}

QString takeCommandPath()
{
    const QString command = qEnvironmentVariable(CommandPathVariable);
    qunsetenv(CommandPathVariable);
    return command;
}

} // namespace nudgely
