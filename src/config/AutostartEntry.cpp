#include "config/AutostartEntry.h"

#include "text/FileStore.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace nudgely {

bool AutostartEntry::exists() const
{
    return QFileInfo(path_).isFile();
}

bool AutostartEntry::write(const QStringList &command) const
{
    QStringList exec;
    for (const QString &argument : command)
        exec.append(desktopExecArgument(argument));
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Nudgely\n"
                                         "Comment=Shows the events around today at login\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(exec.join(QLatin1Char(' ')));
    return storeFile(path_, entry.toUtf8()) == 0;
}

bool AutostartEntry::remove() const
{
    return QFile::remove(path_);
}

QString desktopExecArgument(const QString &given)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = given;
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // Field codes start with "%"; the value itself is a string with backslash escapes.
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    argument.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    argument.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    argument.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    argument.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return argument;
}

} // namespace nudgely
