#include "text/FileStore.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <tuple>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nudgely {
namespace {

constexpr auto All = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;

TEST(StoreFileTest, CreatesFoldersAndReplacesThroughALinkKeepingPermissionsButRefusalsLeaveEverythingAsItWas)
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

    // A missing write bit refuses even root, who could write anyway.
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
}

TEST(StoreFileTest, ASaveByAnotherUserKeepsTheGroupAndRemovesOnlyTemporaryFilesWhoseWriterIsGone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as other users needs root";
    test::TempFolder folder;
    ASSERT_EQ(::chmod(QFile::encodeName(folder.root()).constData(), 0777), 0);
    const QString file = folder.path("Nudgely.ini");
    const QByteArray native = QFile::encodeName(file);
    folder.write(file, "old");
    ASSERT_EQ(::chown(native.constData(), 1000, 2000), 0);
    ASSERT_EQ(::chmod(native.constData(), 0664), 0);
    // Another user of the file's group, in a process of its own.
    const pid_t saver = ::fork();
    if (saver == 0) {
        const gid_t groups[] = {2000};
        const bool switched = ::setgroups(1, groups) == 0 && ::setgid(1001) == 0 && ::setuid(1001) == 0;
        _exit(switched ? storeFile(file, "other") : 99);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    EXPECT_EQ(status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(native.constData(), &info), 0);
    EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777), std::tuple(1001u, 2000u, 0664u));

    // Leftovers: of a writer that is gone (killed: nothing holds its lock), of one still writing,
    // a new one, and files that only look alike.
    const QStringList leftovers = {".Nudgely.ini.0123abcd.tmp", ".Nudgely.ini.89abcdef.tmp", ".Nudgely.ini.00000000.tmp",
                                   ".Nudgely.ini.0123abcZ.tmp", ".Nudgely.ini.x.0123abcd.tmp", ".Other.ini.0123abcd.tmp"};
    const timespec anHourAgo[] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const QString &name : leftovers) {
        folder.write(name, "partial");
        if (name != leftovers[2])
            ::utimensat(AT_FDCWD, QFile::encodeName(folder.path(name)).constData(), anHourAgo, 0);
    }
    const int writing = ::open(QFile::encodeName(folder.path(leftovers[1])).constData(), O_RDONLY);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);
    ASSERT_EQ(storeFile(file, "again"), 0);
    ::close(writing);
    QStringList expected = leftovers.mid(1) + QStringList{"Nudgely.ini"};
    expected.sort();
    EXPECT_EQ(QDir(folder.root()).entryList(All, QDir::Name), expected);
}

} // namespace
} // namespace nudgely
