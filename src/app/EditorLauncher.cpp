#include "app/EditorLauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace nudgely {

namespace {

void createIfMissing(const QString &path)
{
    QFile file(path);
    // NewOnly: an existing file is left exactly as it is.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
}

} // namespace

bool ProcessLauncher::startDetached(const EditorCommand &command, QString &error)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    if (process.startDetached())
        return true;
    error = process.errorString();
    // Qt names the call that failed; the user needs only the reason.
    if (error.startsWith(QLatin1String("execv: ")))
        error.remove(0, 7);
    return false;
}

EditorCommand editorCommandFor(const Settings &settings, const QStringList &paths)
{
    // An absolute path starts with "/": a file named "-n" or "--version" is never taken for an
    // option. Debian's xdg-open refuses "--" itself, so that could not be the guard.
    QStringList absolute;
    for (const QString &path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    if (settings.useDefaultEditor == 1)
        return {QStringLiteral("xdg-open"), absolute.mid(0, 1)};
    return {settings.editorPath, absolute};
}

void editDataFiles(const QStringList &paths, bool newFile, const Settings &settings, ProgramLauncher &launcher,
                   MessagePresenter &messages)
{
    if (newFile) {
        for (const QString &path : paths)
            createIfMissing(path);
    }
    QString error;
    if (!launcher.startDetached(editorCommandFor(settings, paths), error))
        messages.warn(QStringLiteral("Error launching editor: ") + error);
}

} // namespace nudgely
