#include "config/EditorLauncher.h"

#include "config/Settings.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

class RecordingLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &error) override
    {
        started.push_back(command);
        error = QStringLiteral("No such file or directory");
        return succeed;
    }
    std::vector<EditorCommand> started;
    bool succeed = true;
};

class EditorLauncherTest : public ::testing::Test {
protected:
    void SetUp() override { InstallProgramLauncher(&launcher); }
    void TearDown() override { InstallProgramLauncher(nullptr); }

    TestEnvironment env;
    RecordingLauncher launcher;
};

TEST_F(EditorLauncherTest, TheDefaultEditorIsTheDesktopsApplicationForOneFile)
{
    EditDataFiles({QStringLiteral("/d/one.txt"), QStringLiteral("/d/two.txt")}, false);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, QStringLiteral("xdg-open"));
    EXPECT_EQ(launcher.started[0].arguments, QStringList({"/d/one.txt"}));
}

TEST_F(EditorLauncherTest, AnotherEditorGetsEveryPathAsOneIntactArgument)
{
    Settings.UseDefault = 0;
    Settings.Path = QStringLiteral("/opt/My Editor/ed");
    const QStringList awkward = {QStringLiteral("/home/me/My \"files\"; rm -rf $(HOME)/a.txt"),
                                 QStringLiteral("/d/two.txt"), QStringLiteral("/d/three `x`.txt")};
    EditDataFiles(awkward, false);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, QStringLiteral("/opt/My Editor/ed"));
    EXPECT_EQ(launcher.started[0].arguments, awkward);
}

TEST_F(EditorLauncherTest, ANewFileIsCreatedEmptyButAnExistingOneIsNeverTruncated)
{
    const QString fresh = env.path("fresh.txt");
    const QString kept = env.path("kept.txt");
    env.writeFile("kept.txt", "25/12/XXXX Christmas\n");
    EditDataFiles({fresh}, true);
    EditDataFiles({kept}, true);
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_EQ(env.readFile("fresh.txt"), QByteArray());
    EXPECT_EQ(env.readFile("kept.txt"), QByteArray("25/12/XXXX Christmas\n"));
    EXPECT_EQ(launcher.started.size(), 2u);
}

TEST_F(EditorLauncherTest, AFailureToStartIsReported)
{
    launcher.succeed = false;
    EditDataFiles({QStringLiteral("/d/one.txt")}, false);
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(env.presenter.messages[0].text, QStringLiteral("Error launching editor: No such file or directory"));
}

TEST(ProcessLauncherTest, AMissingProgramGivesTheSystemsReason)
{
    TestEnvironment env;
    Settings.UseDefault = 0;
    Settings.Path = env.path("no-such-editor");
    EditDataFiles({QStringLiteral("/d/one.txt")}, false);
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages[0].text, QStringLiteral("Error launching editor: No such file or directory"));
}

} // namespace
} // namespace nudgely
