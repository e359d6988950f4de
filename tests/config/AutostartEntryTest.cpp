#include "config/AutostartEntry.h"

#include "support/TempFolder.h"

#include <QProcess>

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
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""}, {"/opt/`x`/new\nline", "\"/opt/\\\\`x\\\\`/new\\nline\""},
        {"/opt/a\tb\rc", "\"/opt/a\\tb\\rc\""}};
    for (const auto &[program, expected] : cases)
        EXPECT_EQ(desktopExecArgument(program), expected) << qPrintable(program);
}

// The desktop's own checker accepts the entry whatever the program's path holds.
TEST(AutostartEntryTest, EveryPathMakesAValidEntry)
{
    test::TempFolder folder;
    const AutostartEntry entry(folder.path("Nudgely.desktop"));
    for (const char *program : {"/opt/a b/nudgely", "/opt/tab\there", "/opt/cr\rhere", "/opt/new\nline",
                                "/opt/q\"uo'te", "/opt/back\\slash", "/opt/100%/$x`y`", "/opt/semi;colon#"}) {
        ASSERT_TRUE(entry.write(QString::fromUtf8(program)));
        QProcess validate;
        validate.start("desktop-file-validate", {entry.path()});
        ASSERT_TRUE(validate.waitForFinished()) << "desktop-file-validate (desktop-file-utils) is needed";
        EXPECT_EQ(validate.exitCode(), 0) << program << validate.readAllStandardOutput().constData();
    }
}

} // namespace
} // namespace nudgely
