#pragma once

#include <QString>
#include <QStringList>

namespace nudgely {

// The desktop's autostart entry for Nudgely (autostart/Nudgely.desktop in the user's
// configuration folder): the option to start at login is on while the file exists.
class AutostartEntry {
public:
    explicit AutostartEntry(QString path) : path_(std::move(path)) {}

    const QString &path() const { return path_; }
    bool exists() const;
    // Creates or replaces the entry so that the desktop starts the program, with its
    // arguments, at login.
    bool write(const QStringList &command) const;
    bool remove() const;

private:
    QString path_;
};

} // namespace nudgely
