#include "app/EditorLauncher.h"

#include "config/DesktopExec.h"

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

bool splitEditorCommand(const QString &command, QStringList &words, QString &problem)
{
    const QFileInfo whole(command);
    if (whole.isFile() && whole.isExecutable()) {
        words = QStringList(command);
        return true;
    }
    if (!splitDesktopExec(command, words, problem))
        return false;
    if (words.isEmpty())
        problem = QStringLiteral("it names no program");
    return !words.isEmpty();
}

std::optional<EditorCommand> editorCommandFor(const Settings &settings, const QStringList &paths, QString &problem)
{
    // An absolute path starts with "/": a file named "-n" or "--version" is never taken for an
    // option. Debian's xdg-open refuses "--" itself, so that could not be the guard.
    QStringList absolute;
    for (const QString &path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    if (settings.useDefaultEditor == 1)
        return EditorCommand{QStringLiteral("xdg-open"), absolute.mid(0, 1)};
    QStringList words;
    if (settings.editorPath.trimmed().isEmpty())
        problem = QStringLiteral("no editor command is set. Type one on the Data File Editor page of Preferences, "
                                 "or choose the default editor.");
    else if (!splitEditorCommand(settings.editorPath, words, problem))
        problem = QStringLiteral("the editor command\n%1\ncannot be used: %2. Correct it on the Data File Editor "
                                 "page of Preferences.")
                      .arg(settings.editorPath, problem);
    else
        return EditorCommand{words.takeFirst(), words + absolute};
    return std::nullopt;
}

void editDataFiles(const QStringList &paths, bool newFile, const Settings &settings, ProgramLauncher &launcher,
                   MessagePresenter &messages)
{
    if (newFile) {
        for (const QString &path : paths)
            createIfMissing(path);
    }
    const QString title = QStringLiteral("Error launching editor: ");
    QString problem;
    const std::optional<EditorCommand> command = editorCommandFor(settings, paths, problem);
    if (!command) {
        messages.warn(title + problem);
        return;
    }
    if (launcher.startDetached(*command, problem))
        return;
    QString message = title + QStringLiteral("\"%1\" could not be started: %2.").arg(command->program, problem);
    // xdg-open is not on every system, and the error alone does not say where it comes from.
    if (settings.useDefaultEditor == 1)
        message += QStringLiteral(" Install the package xdg-utils, or choose another editor in Preferences.");
    messages.warn(message);
}

} // namespace nudgely
