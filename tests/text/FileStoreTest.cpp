#include "text/FileChecks.h"
#include "text/FileStore.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace nudgely {
namespace {

constexpr auto All = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;

TEST(StoreFileTest, CreatesFoldersThenReplacesThroughALinkKeepingPermissionsAndLeavesNoTemporaryFile)
{
    test::TempFolder folder;
    const QString file = folder.path("new/deeper/file.ini");
    const QByteArray old("old\0content that is longer", 27);
    ASSERT_EQ(storeFile(file, old), 0);
    EXPECT_EQ(folder.read(file), old);
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    // The link is relative to its own folder, and stays a link.
    ASSERT_TRUE(QFile::link("deeper/file.ini", folder.path("new/link.ini")));
    ASSERT_EQ(storeFile(folder.path("new/link.ini"), "new"), 0);
    EXPECT_EQ(QFile::symLinkTarget(folder.path("new/link.ini")), file);
    EXPECT_EQ(folder.read(file), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(file),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.path("new/deeper")).entryList(All), QStringList{"file.ini"});
}

TEST(StoreFileTest, RefusalsLeaveEverythingAsItWasAndOnlyRegularFilesLoad)
{
    // A missing write bit refuses even root, who could write anyway.
    test::TempFolder folder;
    folder.write("readonly.ini", "kept");
    folder.write("locked/inside.ini", "kept");
    folder.write("blocked", "a file where a folder should be");
    QDir().mkpath(folder.path("folder.ini"));
    // A named pipe without a writer must not block the start.
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::setPermissions(folder.path("readonly.ini"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(folder.path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    const std::tuple<const char *, int, int> cases[] = { // path, error replacing, error loading
        {"readonly.ini", EACCES, 0}, {"locked/inside.ini", EACCES, 0}, {"locked/new.ini", EACCES, ENOENT},
        {"blocked/new.ini", ENOTDIR, ENOTDIR}, {"folder.ini", EISDIR, EISDIR}, {"pipe", EINVAL, EINVAL},
        {"missing/new.ini", 0, ENOENT}};
    for (const auto &[relative, storing, loading] : cases) {
        EXPECT_EQ(checkReplaceable(folder.path(relative)), storing) << relative;
        EXPECT_EQ(storing ? storeFile(folder.path(relative), "new") : 0, storing) << relative;
        QByteArray bytes = "stale";
        EXPECT_EQ(loadFile(folder.path(relative), &bytes), loading) << relative;
        EXPECT_EQ(bytes, loading ? QByteArray() : QByteArray("kept")) << relative;
    }
    EXPECT_EQ(QDir(folder.path("locked")).entryList(All), QStringList{"inside.ini"});
    EXPECT_FALSE(folder.exists("missing")); // checking creates nothing
    EXPECT_FALSE(isWritableFolder(folder.path("locked")));
    EXPECT_TRUE(isWritableFolder(folder.root()));
}

} // namespace
} // namespace nudgely
