#include "app/LiveUpdates.h"

#include "app/Session.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace nudgely {

using namespace std::chrono_literals;

LiveUpdates::LiveUpdates(Session &session, QObject *parent) : QObject(parent), session_(session)
{
    dayTimer_.setInterval(30s);
    connect(&dayTimer_, &QTimer::timeout, &session_, &Session::checkForNewDay);
    quietTimer_.setSingleShot(true);
    quietTimer_.setInterval(400ms);
    connect(&quietTimer_, &QTimer::timeout, &session_, &Session::reloadChangedDataFiles);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &quietTimer_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &LiveUpdates::folderChanged);
    // A file replaced by renaming another over it is a new file: its watch is armed again.
    connect(&session_, &Session::dataFilesRead, this, [this] {
        if (following_)
            watchDataFiles();
    });
}

void LiveUpdates::setIntervals(std::chrono::milliseconds dayCheck, std::chrono::milliseconds quiet)
{
    dayTimer_.setInterval(dayCheck);
    quietTimer_.setInterval(quiet);
}

void LiveUpdates::followSettings()
{
    following_ = true;
    // A new day renews the list, or brings the day's notification, or both.
    if (!session_.reminders().updateAtMidnight && !session_.reminders().notify)
        dayTimer_.stop();
    else if (!dayTimer_.isActive())
        dayTimer_.start();
    watchDataFiles();
}

QStringList LiveUpdates::watchedPaths() const
{
    return watcher_.files() + watcher_.directories();
}

LiveUpdates::FileStamp LiveUpdates::stampOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, status.st_ino, status.st_size, status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

void LiveUpdates::watchDataFiles()
{
    // Watches on files go with the files: they are all armed again.
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    stamps_.clear();
    QStringList files;
    QStringList folders;
    if (session_.reminders().reloadOnChange) {
        for (const DataFile &file : session_.dataFiles()) {
            if (file.path.isEmpty())
                continue;
            const FileStamp stamp = stampOf(file.path);
            stamps_[file.path] = stamp;
            if (stamp.exists)
                files.append(file.path);
            // Editors save by renaming a new file over the old one, and a missing file may come:
            // the folder tells of both.
            const QString folder = QFileInfo(file.path).absolutePath();
            if (!folders.contains(folder) && QFileInfo(folder).isDir())
                folders.append(folder);
        }
    }
    for (const QString &folder : watcher_.directories()) {
        if (!folders.removeOne(folder))
            watcher_.removePath(folder);
    }
    files.removeDuplicates();
    if (!files.isEmpty() || !folders.isEmpty())
        watcher_.addPaths(files + folders);
}

void LiveUpdates::folderChanged(const QString &folder)
{
    // Any file of the folder may have changed; only the data files matter.
    for (const auto &[path, stamp] : stamps_) {
        if (QFileInfo(path).absolutePath() == folder && stampOf(path) != stamp) {
            quietTimer_.start();
            return;
        }
    }
}

} // namespace nudgely
