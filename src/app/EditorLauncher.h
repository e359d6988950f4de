#pragma once

#include "app/MessagePresenter.h"
#include "config/Settings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace nudgely {

// A program and its arguments, each argument passed on as it is: no shell sees them.
struct EditorCommand {
    QString program;
    QStringList arguments;
};

// The user's editor command as stored: a whole text that names an executable file is that
// program alone, as Browse stored paths with spaces before commands could be typed; any other
// is split by the desktop-entry quoting rules. False, with the reason, when that fails or
// leaves nothing.
bool splitEditorCommand(const QString &command, QStringList &words, QString &problem);

// The command that opens data files: the desktop's default application (xdg-open) for the
// first file with the default editor, or the user's command with every file after its own
// arguments. Nothing, with the message for the user, when the user's command cannot be used.
std::optional<EditorCommand> editorCommandFor(const Settings &settings, const QStringList &paths,
                                              QString &problem);

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
// editor opens it; an existing file is never truncated. A command that cannot be used or
// started is reported, naming the program.
void editDataFiles(const QStringList &paths, bool newFile, const Settings &settings, ProgramLauncher &launcher,
                   MessagePresenter &messages);

} // namespace nudgely
