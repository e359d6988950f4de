#include "config/AutostartEntry.h"

#include "config/DesktopExec.h"
#include "text/FileStore.h"

#include <QFile>
#include <QFileInfo>

namespace nudgely {

namespace {

// The Exec value as the entry file holds it: "%" starts a field code, and the value is a
// string with backslash escapes of its own.
QString entryValue(QString exec)
{
    exec.replace(QLatin1Char('%'), QLatin1String("%%"));
    exec.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    exec.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    exec.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    exec.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return exec;
}

} // namespace

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
                              .arg(entryValue(exec.join(QLatin1Char(' '))));
    return storeFile(path_, entry.toUtf8()) == 0;
}

bool AutostartEntry::remove() const
{
    return QFile::remove(path_);
}

} // namespace nudgely
