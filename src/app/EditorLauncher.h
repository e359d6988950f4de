#pragma once

#include "app/MessagePresenter.h"
#include "config/Settings.h"

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
EditorCommand editorCommandFor(const Settings &settings, const QStringList &paths);

// Starts programs without waiting for them; tests stand in their own.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False, with the system's description of the failure, when it did not start.
    virtual bool startDetached(const EditorCommand &command, QString &error) = 0;
};

class ProcessLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &error) override;
};

// Opens the files in the configured editor. A new file is created empty first, so that the
// editor opens it; an existing file is never truncated. A failure to start is reported.
void editDataFiles(const QStringList &paths, bool newFile, const Settings &settings, ProgramLauncher &launcher,
                   MessagePresenter &messages);

} // namespace nudgely
