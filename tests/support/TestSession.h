#pragma once

#include "app/Session.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace nudgely::test {

// A session in a private folder: the program folder (program/), the user's configuration
// folder (config/Nudgely/), the autostart folder (config/autostart/) and the configuration
// file (program/Nudgely.ini) all inside it; today fixed at 5 December 2026; messages
// recorded. Nothing is read until the test loads the configuration.
class TestSession {
public:
    TestSession()
        : paths{folder.path(QStringLiteral("program")), folder.path(QStringLiteral("program/nudgely")),
                folder.path(QStringLiteral("config/Nudgely")), folder.path(QStringLiteral("config/autostart"))},
          session(paths, iniPath(), messages)
    {
        session.clock().setToday(QDate(2026, 12, 5));
    }

    QString iniPath() const { return folder.path(QStringLiteral("program/Nudgely.ini")); }
    void writeIni(const QByteArray &bytes) const { folder.write(iniPath(), bytes); }
    QByteArray readIni() const { return folder.read(iniPath()); }
    // A data file in data/, and a configuration naming it as the first slot.
    QString writeDataFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folder.path(QStringLiteral("data/") + name);
        folder.write(path, bytes);
        return path;
    }
    void configureDataFile(const QString &path, const QByteArray &moreIni = {}) const
    {
        writeIni("[DataFiles]\n1File=" + path.toUtf8() + "\n" + moreIni);
    }

    TempFolder folder;
    RecordingMessages messages;
    AppPaths paths;
    Session session;
};

} // namespace nudgely::test
