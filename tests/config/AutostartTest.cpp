#include "config/AutostartEntry.h"
#include "config/Registry.h"

#include "support/TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

class AutostartTest : public ::testing::Test {
protected:
    bool autostartSet() const
    {
        QString text;
        return ReadRegString(RegRoot::CurrentUser, RunKey, QStringLiteral("Nudgely"), text);
    }

    TestEnvironment env;
};

TEST_F(AutostartTest, TheRunValueIsTheAutostartEntry)
{
    EXPECT_EQ(AutostartEntryPath(), env.xdgConfigHome() + "/autostart/Nudgely.desktop");
    EXPECT_FALSE(autostartSet());

    ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, RunKey, QStringLiteral("Nudgely"), QStringLiteral("/opt/nudgely/nudgely")));
    const QByteArray entry = env.readFile(AutostartEntryPath());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    EXPECT_TRUE(entry.contains("\nExec=/opt/nudgely/nudgely\n"));
    EXPECT_TRUE(autostartSet());
    EXPECT_FALSE(QFileInfo::exists(RegistryFilePath())); // the registry file is not involved

    ASSERT_TRUE(DeleteRegValue(RegRoot::CurrentUser, RunKey, QStringLiteral("nudgely")));
    EXPECT_FALSE(autostartSet());
    EXPECT_TRUE(QFileInfo::exists(env.xdgConfigHome() + "/autostart")); // the folder stays
    EXPECT_FALSE(DeleteRegValue(RegRoot::CurrentUser, RunKey, QStringLiteral("Nudgely")));
}

TEST_F(AutostartTest, AnyEntryCountsAsSetWhateverItStarts)
{
    env.writeFile(AutostartEntryPath(), "[Desktop Entry]\nExec=/usr/bin/something-else\n");
    QString text;
    EXPECT_TRUE(ReadRegString(RegRoot::CurrentUser, RunKey, QStringLiteral("Nudgely"), text));
    EXPECT_EQ(text, QStringLiteral("/usr/bin/something-else"));
    qint32 number = 5;
    EXPECT_FALSE(ReadRegNumber(RegRoot::CurrentUser, RunKey, QStringLiteral("Nudgely"), number));
}

TEST_F(AutostartTest, OtherRunValuesStayInTheRegistryFile)
{
    ASSERT_TRUE(WriteRegString(RegRoot::CurrentUser, RunKey, QStringLiteral("Other"), QStringLiteral("x.exe")));
    EXPECT_FALSE(AutostartEntryExists());
    QString text;
    EXPECT_TRUE(ReadRegString(RegRoot::CurrentUser, RunKey, QStringLiteral("Other"), text));
    EXPECT_EQ(text, QStringLiteral("x.exe"));
}

TEST(DesktopExecArgumentTest, QuotesAndEscapesAsDesktopEntriesRequire)
{
    const std::pair<QString, QString> cases[] = {
        {"/opt/nudgely/nudgely", "/opt/nudgely/nudgely"},
        {"/home/me/My Apps/nudgely", "\"/home/me/My Apps/nudgely\""},
        {"/opt/$(rm)/a\"b", "\"/opt/\\\\$(rm)/a\\\\\"b\""},
        {"/opt/100%/nudgely", "/opt/100%%/nudgely"},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
    };
    for (const auto &[program, expected] : cases)
        EXPECT_EQ(DesktopExecArgument(program), expected) << qPrintable(program);
}

} // namespace
} // namespace nudgely
