#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace nudgely::test {

// A private folder for one test, removed with it, with plain file helpers. Paths relative
// to the folder are taken as such; absolute ones are used as they are.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    QString root() const { return dir_.path(); }
    QString path(const QString &relative) const;
    // Creates missing folders.
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir dir_;
};

} // namespace nudgely::test
