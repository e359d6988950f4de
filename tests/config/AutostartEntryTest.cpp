#include "config/AutostartEntry.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(AutostartEntryTest, AnyFileIsOnWriteCreatesOrReplacesItAndRemoveTakesItAway)
{
    test::TempFolder folder;
    const AutostartEntry entry(folder.path("autostart/Nudgely.desktop"));
    EXPECT_FALSE(entry.exists() || entry.remove() || AutostartEntry(folder.root()).exists()); // a folder is no entry
    ASSERT_TRUE(entry.write("/opt/nudgely")); // the missing folder is created
    folder.write(entry.path(), "Exec=/usr/bin/something-else\n");
    EXPECT_TRUE(entry.exists());
    ASSERT_TRUE(entry.write("/home/me/My Apps/nudgely"));
    const QByteArray text = folder.read(entry.path());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n") && text.contains("\nType=Application\n") &&
                text.contains("\nExec=\"/home/me/My Apps/nudgely\"\n") && !text.contains("something-else"));
    EXPECT_TRUE(entry.remove() && !entry.exists() && folder.exists("autostart")); // the desktop's folder stays
    // The program is one Exec argument, quoted and escaped as desktop entries require.
    const std::pair<QString, QString> cases[] = {
        {"/opt/100%/nudgely", "/opt/100%%/nudgely"}, {"/opt/$(rm)/a\"b", "\"/opt/\\\\$(rm)/a\\\\\"b\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""}, {"/opt/`x`/new\nline", "\"/opt/\\\\`x\\\\`/new\\nline\""}};
    for (const auto &[program, expected] : cases)
        EXPECT_EQ(desktopExecArgument(program), expected) << qPrintable(program);
}

} // namespace
} // namespace nudgely
