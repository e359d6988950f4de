#include "app/EditorLauncher.h"

#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace nudgely {
namespace {

// Stands in for starting the editor, which a person would see.
class RecordingLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &) override
    {
        started.push_back(command);
        return true;
    }
    std::vector<EditorCommand> started;
};

class EditorLauncherTest : public ::testing::Test {
protected:
    void edit(const QStringList &paths, bool newFile) { editDataFiles(paths, newFile, settings, launcher, messages); }

    test::TempFolder folder;
    Settings settings;
    RecordingLauncher launcher;
    test::RecordingMessages messages;
};

TEST_F(EditorLauncherTest, TheDefaultEditorOpensTheFirstFileAndAnotherGetsEveryPathIntact)
{
    const QStringList awkward = {"/home/me/My \"files\"; rm -rf $(HOME)/a.txt", "/d/it's.txt", "/d/three `x`.txt"};
    edit(awkward, false);
    settings.useDefaultEditor = 0;
    settings.editorPath = QStringLiteral("/opt/My Editor/ed");
    edit(awkward, false);
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[0].program, QStringLiteral("xdg-open"));
    EXPECT_EQ(launcher.started[0].arguments, QStringList(awkward[0]));
    EXPECT_EQ(launcher.started[1].program, QStringLiteral("/opt/My Editor/ed"));
    EXPECT_EQ(launcher.started[1].arguments, awkward);
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(EditorLauncherTest, ANewFileIsCreatedEmptyButAnExistingOneIsNeverTruncated)
{
    folder.write("kept.txt", "25/12/XXXX Christmas\n");
    edit({folder.path("fresh.txt"), folder.path("kept.txt")}, true);
    edit({folder.path("not new.txt")}, false);
    EXPECT_TRUE(folder.exists("fresh.txt"));
    EXPECT_EQ(folder.read("fresh.txt"), QByteArray());
    EXPECT_EQ(folder.read("kept.txt"), QByteArray("25/12/XXXX Christmas\n"));
    EXPECT_FALSE(folder.exists("not new.txt"));
    EXPECT_EQ(launcher.started.size(), 2u);
}

TEST(ProcessLauncherTest, AFailureToStartIsReportedWithTheSystemsReason)
{
    test::TempFolder folder;
    Settings settings;
    settings.useDefaultEditor = 0;
    settings.editorPath = folder.path("no-such-editor");
    ProcessLauncher launcher;
    test::RecordingMessages messages;
    editDataFiles({folder.path("one.txt")}, false, settings, launcher, messages);
    EXPECT_EQ(messages.warnings, QStringList("Error launching editor: No such file or directory"));
}

} // namespace
} // namespace nudgely
