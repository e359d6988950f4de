#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <map>

namespace nudgely {

class Session;

// Keeps a running session's list current, as far as its settings ask: a new day resolves the
// events again, and a data file changed on disk is read again once it has been quiet for a
// moment. Both keep the view's place. Nothing runs until it is told to follow the settings.
class LiveUpdates final : public QObject {
    Q_OBJECT

public:
    explicit LiveUpdates(Session &session, QObject *parent = nullptr);

    // Takes up the session's settings as they are now and watches the data files afresh.
    void followSettings();
    // How often the day is looked at (a timer to midnight would oversleep a suspend), and how
    // long a changed file must stay quiet: editors write in several steps.
    void setIntervals(std::chrono::milliseconds dayCheck, std::chrono::milliseconds quiet);

    bool checkingDay() const { return dayTimer_.isActive(); }
    // The data files and their folders, as watched now.
    QStringList watchedPaths() const;

private:
    // What tells a replaced or rewritten file from the one that was read.
    struct FileStamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        bool operator==(const FileStamp &) const = default;
    };
    static FileStamp stampOf(const QString &path);

    void watchDataFiles();
    void folderChanged(const QString &folder);

    Session &session_;
    QTimer dayTimer_;
    QTimer quietTimer_;
    QFileSystemWatcher watcher_;
    std::map<QString, FileStamp> stamps_; // by path, as last read
    bool following_ = false;
};

} // namespace nudgely
