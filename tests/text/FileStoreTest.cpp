#include "text/FileChecks.h"
#include "text/FileStore.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace nudgely {
namespace {

using test::TempFolder;

int setMode(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(StoreFileTest, CreatesFoldersThenReplacesKeepingPermissionsAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const QString path = folder.path("new/deeper/file.ini");
    ASSERT_EQ(storeFile(path, QByteArray("old\0content that is longer", 27)), 0);
    EXPECT_EQ(folder.read(path), QByteArray("old\0content that is longer", 27));
    ASSERT_EQ(setMode(path, 0640), 0);
    ASSERT_EQ(storeFile(path, "new"), 0);
    EXPECT_EQ(folder.read(path), QByteArray("new"));
    EXPECT_EQ(QFileInfo(path).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(entries(folder.path("new/deeper")), QStringList{"file.ini"});
}

TEST(StoreFileTest, ASymbolicLinkStaysALinkAndItsTargetIsUpdated)
{
    TempFolder folder;
    folder.write("real/settings.ini", "old");
    QDir().mkpath(folder.path("program"));
    ASSERT_TRUE(QFile::link("../real/settings.ini", folder.path("program/link.ini")));
    ASSERT_EQ(storeFile(folder.path("program/link.ini"), "new"), 0);
    EXPECT_TRUE(QFileInfo(folder.path("program/link.ini")).isSymLink());
    EXPECT_EQ(folder.read("real/settings.ini"), QByteArray("new"));
    EXPECT_EQ(entries(folder.path("real")), QStringList{"settings.ini"});
}

TEST(StoreFileTest, RefusalsLeaveEverythingAsItWas)
{
    // A missing write bit refuses even root, who could write anyway.
    TempFolder folder;
    folder.write("readonly.ini", "kept");
    folder.write("locked/inside.ini", "kept");
    folder.write("blocked", "a file where a folder should be");
    QDir().mkpath(folder.path("folder.ini"));
    ASSERT_EQ(setMode(folder.path("readonly.ini"), 0444), 0);
    ASSERT_EQ(setMode(folder.path("locked"), 0555), 0);
    const std::pair<const char *, int> cases[] = {
        {"readonly.ini", EACCES},     {"locked/inside.ini", EACCES}, {"locked/new.ini", EACCES},
        {"blocked/new.ini", ENOTDIR}, {"folder.ini", EISDIR},
    };
    for (const auto &[relative, error] : cases) {
        EXPECT_EQ(checkReplaceable(folder.path(relative)), error) << relative;
        EXPECT_EQ(storeFile(folder.path(relative), "new"), error) << relative;
    }
    EXPECT_EQ(folder.read("readonly.ini"), QByteArray("kept"));
    EXPECT_EQ(folder.read("locked/inside.ini"), QByteArray("kept"));
    EXPECT_EQ(entries(folder.path("locked")), QStringList{"inside.ini"});
    EXPECT_EQ(checkReplaceable(folder.path("missing/new.ini")), 0);
    EXPECT_FALSE(folder.exists("missing")); // checking creates nothing
    EXPECT_FALSE(isWritableFolder(folder.path("locked")));
    EXPECT_TRUE(isWritableFolder(folder.root()));
}

TEST(LoadFileTest, ReadsRegularFilesOnly)
{
    TempFolder folder;
    folder.write("file.txt", "content");
    QDir().mkpath(folder.path("folder"));
    // A named pipe without a writer must not block the start.
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe")).constData(), 0600), 0);
    QByteArray bytes;
    EXPECT_EQ(loadFile(folder.path("file.txt"), &bytes), 0);
    EXPECT_EQ(bytes, QByteArray("content"));
    const std::pair<const char *, int> cases[] = {{"folder", EISDIR}, {"missing.txt", ENOENT}, {"pipe", EINVAL}};
    for (const auto &[relative, error] : cases) {
        bytes = "stale";
        EXPECT_EQ(loadFile(folder.path(relative), &bytes), error) << relative;
        EXPECT_TRUE(bytes.isEmpty()) << relative;
    }
}

} // namespace
} // namespace nudgely
