#include "config/EditorLauncher.h"

#include "config/Settings.h"
#include "startup/MessageBoxes.h"

#include <QFile>
#include <QProcess>

namespace nudgely {

namespace {

class ProcessLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &error) override
    {
        QProcess process;
        process.setProgram(command.program);
        process.setArguments(command.arguments);
        qint64 pid = 0;
        if (process.startDetached(&pid))
            return true;
        error = process.errorString();
        // Qt names the call that failed; the user needs only the reason.
        if (error.startsWith(QLatin1String("execv: ")))
            error.remove(0, 7);
        return false;
    }
};

ProcessLauncher processLauncher;
ProgramLauncher *installed = nullptr;

void CreateIfMissing(const QString &path)
{
    QFile file(path);
    // NewOnly: an existing file is left exactly as it is.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
}

} // namespace

EditorCommand EditorCommandFor(const QStringList &paths)
{
    if (Settings.UseDefault == 1)
        return {QStringLiteral("xdg-open"), paths.mid(0, 1)};
    return {Settings.Path, paths};
}

void InstallProgramLauncher(ProgramLauncher *launcher)
{
    installed = launcher;
}

void EditDataFiles(const QStringList &paths, bool newFile)
{
    if (newFile) {
        for (const QString &path : paths)
            CreateIfMissing(path);
    }
    QString error;
    ProgramLauncher *launcher = installed ? installed : &processLauncher;
    if (!launcher->startDetached(EditorCommandFor(paths), error)) {
        ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok,
                       QStringLiteral("Error launching editor: ") + error);
    }
}

} // namespace nudgely
