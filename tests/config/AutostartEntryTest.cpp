#include "config/AutostartEntry.h"

#include "support/TempFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(AutostartEntryTest, WriteCreatesOrReplacesAValidEntryWhateverThePathAndRemoveTakesItAway)
{
    test::TempFolder folder;
    const AutostartEntry entry(folder.path("autostart/Nudgely.desktop"));
    EXPECT_FALSE(entry.exists() || entry.remove() || AutostartEntry(folder.root()).exists()); // a folder is no entry
    // Each argument is one Exec argument, quoted and escaped as desktop entries require; the desktop's
    // own checker accepts the entry. The first write creates the missing folder, each later one replaces it.
    const std::pair<QStringList, QString> cases[] = {
        {{"/opt/100%/nudgely"}, "/opt/100%%/nudgely"}, {{"/opt/$(rm)/a\"b"}, "\"/opt/\\\\$(rm)/a\\\\\"b\""},
        {{"/opt/back\\slash"}, "\"/opt/back\\\\\\\\slash\""}, {{"/opt/`x`/new\nline"}, "\"/opt/\\\\`x\\\\`/new\\nline\""},
        {{"/opt/a\tb\rc"}, "\"/opt/a\\tb\\rc\""}, {{"/my Apps/100%"}, "\"/my Apps/100%%\""},
        {{"/opt/q'uo;te#"}, "\"/opt/q'uo;te#\""}, {{"/opt/nudgely", "/I", "/me/my n.ini"}, "/opt/nudgely /I \"/me/my n.ini\""}};
    for (const auto &[program, expected] : cases) {
        ASSERT_TRUE(entry.write(program));
        const QByteArray text = folder.read(entry.path());
        EXPECT_TRUE(text.startsWith("[Desktop Entry]\n") && text.contains("\nType=Application\n") &&
                    text.count("Exec=") == 1 && text.contains("\nExec=" + expected.toUtf8() + "\n"))
            << text.constData();
        // Its complaints go to the test's output; -2: desktop-file-validate (desktop-file-utils) is missing.
        EXPECT_EQ(QProcess::execute("desktop-file-validate", {entry.path()}), 0) << qPrintable(program.join(u' '));
    }
    EXPECT_TRUE(entry.exists());
    EXPECT_TRUE(entry.remove() && !entry.exists() && folder.exists("autostart")); // the desktop's folder stays
}

} // namespace
} // namespace nudgely
