#include "startup/ConfigFileSearch.h"

#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

class ConfigFileSearchTest : public ::testing::Test {
protected:
    void makeProgramFolderReadOnly()
    {
        QFile::setPermissions(env.programFolder(), QFile::ReadOwner | QFile::ExeOwner);
    }

    TestEnvironment env;
};

TEST_F(ConfigFileSearchTest, FileBesideTheProgramComesFirst)
{
    env.writeFile(env.programFolder() + "/Nudgely.ini", "[Display]\n");
    env.writeFile(env.userConfigFolder() + "/Nudgely.ini", "[Display]\n");
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.programFolder() + "/Nudgely.ini");
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(ConfigFileSearchTest, UserConfigurationFolderIsSearchedSecond)
{
    env.writeFile(env.userConfigFolder() + "/Nudgely.ini", "[Display]\n");
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.userConfigFolder() + "/Nudgely.ini");
}

TEST_F(ConfigFileSearchTest, NoFileAnywhereUsesAWritableProgramFolder)
{
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.programFolder() + "/Nudgely.ini");
    EXPECT_FALSE(QFile::exists(IniFilePath)); // created by the first write, not now
}

TEST_F(ConfigFileSearchTest, NoFileAnywhereAndReadOnlyProgramFolderUsesTheUserFolder)
{
    makeProgramFolderReadOnly();
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.userConfigFolder() + "/Nudgely.ini");
}

TEST_F(ConfigFileSearchTest, ReadOnlyProgramFolderStillFindsItsOwnFile)
{
    env.writeFile(env.programFolder() + "/Nudgely.ini", "[Display]\n");
    makeProgramFolderReadOnly();
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.programFolder() + "/Nudgely.ini");
}

TEST_F(ConfigFileSearchTest, AFolderNamedLikeTheFileIsNotAConfigurationFile)
{
    QDir().mkpath(env.programFolder() + "/Nudgely.ini");
    env.writeFile(env.userConfigFolder() + "/Nudgely.ini", "[Display]\n");
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(IniFilePath, env.userConfigFolder() + "/Nudgely.ini");
}

TEST_F(ConfigFileSearchTest, AFirstArgumentOtherThanTheSwitchIsIgnored)
{
    env.writeFile(env.userConfigFolder() + "/Nudgely.ini", "[Display]\n");
    ASSERT_TRUE(SettleConfigurationFile(QStringLiteral("/x something.ini")));
    EXPECT_EQ(IniFilePath, env.userConfigFolder() + "/Nudgely.ini");
}

TEST_F(ConfigFileSearchTest, SwitchWithAnExistingFileUsesIt)
{
    const QString given = env.root() + "/My Files/n.ini";
    env.writeFile(given, "[Display]\n");
    for (const char *switchText : {"/I", "/i", "/ini", "/Ifoo"}) {
        const QString commandLine = QString::fromLatin1(switchText) + " \"" + given + "\"";
        ASSERT_TRUE(SettleConfigurationFile(commandLine)) << switchText;
        EXPECT_EQ(IniFilePath, given) << switchText;
    }
    EXPECT_TRUE(env.presenter.messages.empty());
}

TEST_F(ConfigFileSearchTest, RelativePathIsMadeFull)
{
    env.writeFile("rel/n.ini", "[Display]\n");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(env.root());
    const bool settled = SettleConfigurationFile(QStringLiteral("/I rel/n.ini"));
    QDir::setCurrent(saved);
    ASSERT_TRUE(settled);
    EXPECT_EQ(IniFilePath, env.root() + "/rel/n.ini");
}

TEST_F(ConfigFileSearchTest, SwitchWithoutAFileEndsTheStart)
{
    for (const char *commandLine : {"/i", "/I \"\"", "/I    "}) {
        env.presenter.messages.clear();
        EXPECT_FALSE(SettleConfigurationFile(QString::fromLatin1(commandLine))) << commandLine;
        ASSERT_EQ(env.presenter.messages.size(), 1u) << commandLine;
        const auto &message = env.presenter.messages.front();
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(message.text, "Configuration file not found on command line after /i parameter!\n\n"
                                "Please update your Nudgely shortcut and try again.");
    }
}

TEST_F(ConfigFileSearchTest, MissingFileGoesOnOnlyWhenTheUserSaysYes)
{
    const QString missing = env.root() + "/missing.ini";
    const QString expectedText = "Configuration file specified as command line parameter not found:\n" + missing +
                                 "\n\nAre you sure you want to continue?";
    const std::pair<MessageAnswer, bool> answers[] = {
        {MessageAnswer::Yes, true}, {MessageAnswer::No, false}, {MessageAnswer::Cancel, false}};
    for (const auto &[answer, goesOn] : answers) {
        env.presenter.messages.clear();
        env.presenter.answer = answer;
        EXPECT_EQ(SettleConfigurationFile("/I " + missing), goesOn);
        ASSERT_EQ(env.presenter.messages.size(), 1u);
        EXPECT_EQ(env.presenter.messages.front().icon, MessageIcon::Question);
        EXPECT_EQ(env.presenter.messages.front().buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(env.presenter.messages.front().text, expectedText);
    }
    EXPECT_EQ(IniFilePath, missing); // the Yes run: the first write creates it there
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(ConfigFileSearchTest, HelpFileSitsInTheProgramFolder)
{
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(HelpFilePath, env.programFolder() + "/Nudgely.html");

    SetProgramFolder(QStringLiteral("/"));
    ASSERT_TRUE(SettleConfigurationFile(QString()));
    EXPECT_EQ(HelpFilePath, QStringLiteral("/Nudgely.html"));
}

} // namespace
} // namespace nudgely
