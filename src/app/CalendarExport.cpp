#include "app/CalendarExport.h"

#include "app/IcsWriter.h"
#include "app/Session.h"
#include "eventlist/EventList.h"
#include "text/ErrorText.h"
#include "text/FileStore.h"

#include <QDir>
#include <QFileInfo>

namespace nudgely {

namespace {

// The same file, also through a link or another spelling of its path.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

bool exportCalendar(Session &session, const QString &path)
{
    QStringList protectedFiles(session.configPath());
    for (const DataFile &file : session.dataFiles()) {
        if (!file.path.isEmpty())
            protectedFiles.append(file.path);
    }
    for (const QString &file : protectedFiles) {
        if (sameFile(path, file)) {
            session.messages().warn(
                QStringLiteral("The calendar was not exported: %1 is one of Nudgely's own files (%2), which it never "
                               "writes to. Choose another file name.")
                    .arg(QDir::toNativeSeparators(path),
                         file == session.configPath() ? QStringLiteral("its configuration") : QStringLiteral("a data file")));
            return false;
        }
    }
    const IcsCalendar calendar =
        icsCalendar(session.table(), session.dateFormat(), session.dataFiles(), session.resolvedFor());
    if (const int error = storeFile(path, calendar.text); error != 0) {
        session.messages().warn(QStringLiteral("The calendar could not be exported to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), systemErrorText(error)));
        return false;
    }
    QString status = pluraliseCount(calendar.events, QStringLiteral("event")) +
                     QStringLiteral(" exported to %1").arg(QDir::toNativeSeparators(path));
    if (const int leftOut = calendar.badDates + calendar.noRule; leftOut > 0)
        status += QStringLiteral("; %1 left out (%2)")
                      .arg(leftOut)
                      .arg(calendar.noRule > 0 ? QStringLiteral("bad dates, and weekdays counted past the fifth week")
                                               : QStringLiteral("bad dates"));
    session.showStatus(status);
    return true;
}

} // namespace nudgely
