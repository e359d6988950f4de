#include "app/EditorLauncher.h"

#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// The program followed by its arguments, each as it is: no shell sees them.
QStringList commandFor(const Settings &settings, const QStringList &paths)
{
    const EditorCommand command = editorCommandFor(settings, paths);
    return QStringList(command.program) + command.arguments;
}

TEST(EditorLauncherTest, TheDefaultEditorOpensTheFirstFileAndAnotherGetsEveryPathIntact)
{
    const QStringList awkward = {"/home/me/My \"files\"; rm -rf $(HOME)/a.txt", "/d/it's.txt", "/d/three `x`.txt"};
    Settings settings;
    EXPECT_EQ(commandFor(settings, awkward), QStringList({"xdg-open", awkward[0]}));
    settings.useDefaultEditor = 0;
    settings.editorPath = QStringLiteral("/opt/My Editor/ed");
    EXPECT_EQ(commandFor(settings, awkward), QStringList("/opt/My Editor/ed") + awkward);
}

// A real editor: a script that writes down its arguments.
TEST(ProcessLauncherTest, NewFilesAreCreatedEmptyNeverTruncatedFailuresReportedAndPathsPassedAbsolute)
{
    test::TempFolder folder;
    test::RecordingMessages messages;
    Settings settings;
    settings.useDefaultEditor = 0;
    settings.editorPath = folder.path("no-such-editor");
    ProcessLauncher launcher;
    folder.write("kept.txt", "25/12/XXXX Christmas\n");
    editDataFiles({folder.path("fresh.txt"), folder.path("kept.txt")}, true, settings, launcher, messages);
    editDataFiles({folder.path("not new.txt")}, false, settings, launcher, messages);
    EXPECT_TRUE(folder.exists("fresh.txt") && folder.read("fresh.txt").isEmpty());
    EXPECT_EQ(folder.read("kept.txt"), QByteArray("25/12/XXXX Christmas\n"));
    EXPECT_FALSE(folder.exists("not new.txt"));
    // The system's reason, without the name of the call that failed.
    EXPECT_EQ(messages.warnings, QStringList(2, "Error launching editor: No such file or directory"));

    // Files named like options, given relative to the working folder, reach the editor as paths.
    folder.write("editor.sh", "#!/bin/sh\nfor a; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
    QFile::setPermissions(folder.path("editor.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    settings.editorPath = folder.path("editor.sh");
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.root());
    editDataFiles({"-n", "--version"}, false, settings, launcher, messages);
    QDir::setCurrent(before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.read("editor.sh.args").endsWith("--version\n"); }, 5000));
    EXPECT_EQ(folder.read("editor.sh.args"), (folder.path("-n") + "\n" + folder.path("--version") + "\n").toUtf8());
}

} // namespace
} // namespace nudgely
