#pragma once

#include <QString>
#include <QStringList>

namespace nudgely {

// A program and its arguments, each argument passed on as it is: no shell sees them.
struct EditorCommand {
    QString program;
    QStringList arguments;
};

// The command that opens data files: the desktop's default application (xdg-open) for the
// first file with the default editor, or the user's editor with every file as an argument.
EditorCommand EditorCommandFor(const QStringList &paths);

// Starts programs without waiting for them; tests install their own.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False, with the system's description of the failure, when it did not start.
    virtual bool startDetached(const EditorCommand &command, QString &error) = 0;
};

// nullptr restores the real one.
void InstallProgramLauncher(ProgramLauncher *launcher);

// Opens the files in the configured editor. A new file is created empty first, so that the
// editor opens it; an existing file is never truncated. A failure to start the editor is
// reported in a message box.
void EditDataFiles(const QStringList &paths, bool newFile);

} // namespace nudgely
