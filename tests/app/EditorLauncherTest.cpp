#include "app/EditorLauncher.h"

#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The real launcher, with the program and arguments of each command it was given.
struct WatchedLauncher final : ProgramLauncher {
    bool startDetached(const EditorCommand &command, QString &error) override
    {
        started.append(QStringList(command.program) + command.arguments);
        return ProcessLauncher().startDetached(command, error);
    }
    QList<QStringList> started;
};

// Real editors: scripts that write down their arguments.
TEST(EditorLauncherTest, NewFilesAreCreatedNeverTruncatedFailuresNameTheProgramAndArgumentsArriveIntact)
{
    test::TempFolder folder;
    test::RecordingMessages messages;
    WatchedLauncher launcher;
    folder.write("kept.txt", "25/12/XXXX Christmas\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.root().toLocal8Bit()); // a system without xdg-open
    editDataFiles({folder.path("fresh.txt"), folder.path("kept.txt")}, true, Settings(), launcher, messages);
    qputenv("PATH", path);
    EXPECT_EQ(folder.read("kept.txt"), QByteArray("25/12/XXXX Christmas\n"));

    // Files named like options or shell code, relative to the working folder, reach the editor
    // as absolute paths after the command's own arguments; the old unquoted path with a space still starts.
    const QString typed = folder.path("typed editor.sh"), browsed = folder.path("browsed editor.sh");
    for (const QString &script : {typed, browsed}) {
        folder.write(script, "#!/bin/sh\n{ for a; do printf '%s\\n' \"$a\"; done; echo end; } > \"$0.args\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString malformed = '"' + typed + "\" \"--new-window";
    const QStringList commands{"no-editor --new-window", malformed, " ", '"' + typed + "\" --new-window", browsed};
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.root());
    for (const QString &command : commands)
        editDataFiles({"-n", "it's $(x) \"a\".txt"}, false, {.useDefaultEditor = 0, .editorPath = command}, launcher,
                      messages);
    QDir::setCurrent(before);
    const QStringList files{folder.path("-n"), folder.path("it's $(x) \"a\".txt")};
    // The default editor gets the first file only; the malformed and the empty command start nothing.
    EXPECT_EQ(launcher.started, (QList<QStringList>{{"xdg-open", folder.path("fresh.txt")},
                                                    QStringList{"no-editor", "--new-window"} + files,
                                                    QStringList{typed, "--new-window"} + files,
                                                    QStringList(browsed) + files}));
    EXPECT_EQ(messages.warnings,
              QStringList({"Error launching editor: \"xdg-open\" could not be started: No such file or directory. "
                           "Install the package xdg-utils, or choose another editor in Preferences.",
                           "Error launching editor: \"no-editor\" could not be started: No such file or directory.",
                           "Error launching editor: the editor command\n" + malformed +
                               "\ncannot be used: a double quote is not closed. Correct it on the Data File Editor "
                               "page of Preferences.",
                           "Error launching editor: no editor command is set. Type one on the Data File Editor page "
                           "of Preferences, or choose the default editor."}));
    const QByteArray written = (files.join(u'\n') + "\nend\n").toUtf8();
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.read(browsed + ".args") == written; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.read(typed + ".args") == "--new-window\n" + written; }, 5000));
    EXPECT_TRUE(folder.exists("fresh.txt") && folder.read("fresh.txt").isEmpty() && !folder.exists("-n"));
}

} // namespace
} // namespace nudgely
