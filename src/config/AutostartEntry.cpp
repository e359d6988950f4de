#include "config/AutostartEntry.h"

#include "config/FileStore.h"
#include "config/IniDocument.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"
#include "startup/FileSystem.h"

#include <QFile>

#include <algorithm>

#include <unistd.h>

namespace nudgely {

QString AutostartEntryPath()
{
    return XdgConfigHome() + QStringLiteral("/autostart/") + AppTitle + QStringLiteral(".desktop");
}

bool AutostartEntryExists()
{
    return FileExists(AutostartEntryPath());
}

bool ReadAutostartEntry(QString &exec)
{
    if (!AutostartEntryExists())
        return false;
    QByteArray bytes;
    LoadFile(AutostartEntryPath(), &bytes);
    exec = IniDocument::fromBytes(bytes).value(QStringLiteral("Desktop Entry"), QStringLiteral("Exec")).value_or(QString());
    return true;
}

QString DesktopExecArgument(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = program;
    const bool needsQuotes = std::any_of(argument.begin(), argument.end(),
                                         [](QChar c) { return reserved.contains(c); });
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // Field codes start with "%"; the value itself is a string with backslash escapes.
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    argument.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    argument.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return argument;
}

bool WriteAutostartEntry(const QString &program)
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Comment=Shows the events around today at login\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(AppTitle, DesktopExecArgument(program));
    return StoreFile(AutostartEntryPath(), entry.toUtf8()) == 0;
}

bool RemoveAutostartEntry()
{
    return ::unlink(QFile::encodeName(AutostartEntryPath()).constData()) == 0;
}

} // namespace nudgely
