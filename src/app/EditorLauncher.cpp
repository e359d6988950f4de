#include "app/EditorLauncher.h"

#include <QFile>
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
    if (settings.useDefaultEditor == 1)
        return {QStringLiteral("xdg-open"), paths.mid(0, 1)};
    return {settings.editorPath, paths};
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
