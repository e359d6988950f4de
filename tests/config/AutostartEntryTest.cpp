#include "config/AutostartEntry.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TempFolder;

TEST(AutostartEntryTest, AnyFileIsOnWriteReplacesItAndRemoveTakesItAway)
{
    TempFolder folder;
    const AutostartEntry entry(folder.path("config/autostart/Nudgely.desktop"));
    EXPECT_FALSE(entry.exists());
    EXPECT_FALSE(entry.remove());
    folder.write(entry.path(), "[Desktop Entry]\nExec=/usr/bin/something-else\n");
    EXPECT_TRUE(entry.exists());

    ASSERT_TRUE(entry.write(QStringLiteral("/home/me/My Apps/nudgely")));
    const QByteArray text = folder.read(entry.path());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/home/me/My Apps/nudgely\"\n"));
    EXPECT_FALSE(text.contains("something-else"));

    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.exists());
    EXPECT_TRUE(folder.exists("config/autostart")); // the desktop's folder stays
    ASSERT_TRUE(AutostartEntry(folder.path("new/Nudgely.desktop")).write(QStringLiteral("/opt/nudgely")));
    EXPECT_TRUE(folder.exists("new/Nudgely.desktop")); // a missing folder is created
    EXPECT_FALSE(AutostartEntry(folder.root()).exists()); // a folder is no entry
}

TEST(DesktopExecArgumentTest, QuotesAndEscapesAsDesktopEntriesRequire)
{
    const std::pair<QString, QString> cases[] = {
        {"/opt/nudgely/nudgely", "/opt/nudgely/nudgely"},
        {"/home/me/My Apps/nudgely", "\"/home/me/My Apps/nudgely\""},
        {"/opt/$(rm)/a\"b", "\"/opt/\\\\$(rm)/a\\\\\"b\""},
        {"/opt/100%/nudgely", "/opt/100%%/nudgely"},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/`x`/new\nline", "\"/opt/\\\\`x\\\\`/new\\nline\""},
    };
    for (const auto &[program, expected] : cases)
        EXPECT_EQ(desktopExecArgument(program), expected) << qPrintable(program);
}

} // namespace
} // namespace nudgely
