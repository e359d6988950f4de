#include "config/ConfigFile.h"

#include "text/ErrorText.h"
#include "text/FileStore.h"

#include <cerrno>

namespace nudgely {

namespace {

bool holdsLineBreak(QAnyStringView text)
{
    const QString plain = text.toString();
    return plain.contains(QLatin1Char('\n')) || plain.contains(QLatin1Char('\r'));
}

// A save takes well under a second; a program that holds the lock longer than this is
// waited for no more. A lock whose program is gone, or older than Qt's 30 seconds, is taken over.
constexpr int LockWaitMilliseconds = 10000;

} // namespace

IniDocument readConfigFile(const QString &path)
{
    QByteArray bytes;
    if (loadFile(path, &bytes) != 0)
        return {};
    return IniDocument::fromBytes(bytes);
}

ConfigEdit::ConfigEdit(const QString &path) : path_(path)
{
    // The lock goes beside the file. A folder that cannot hold it cannot hold the file
    // either, and the commit reports that; a missing one is made by the first write only.
    lock_ = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (!lock_->tryLock(LockWaitMilliseconds) && lock_->error() == QLockFile::LockFailedError)
        lockError_ = ENOLCK;
    QByteArray bytes;
    loadError_ = loadFile(path, &bytes);
    document_ = IniDocument::fromBytes(bytes);
}

ConfigEdit::~ConfigEdit() = default;

int ConfigEdit::check(QAnyStringView section, QAnyStringView key, QAnyStringView value)
{
    return holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || key.isEmpty() ? EINVAL : 0;
}

int ConfigEdit::set(QAnyStringView section, QAnyStringView key, const QString &value)
{
    if (const int error = check(section, key, value)) {
        if (setError_ == 0)
            setError_ = error;
        return error;
    }
    const bool changed = value.isEmpty() ? document_.removeKey(section, key) : document_.setValue(section, key, value);
    changed_ = changed_ || changed;
    return 0;
}

int ConfigEdit::commit()
{
    int error = lockError_ ? lockError_ : setError_;
    if (!error && loadError_ != 0 && loadError_ != ENOENT)
        error = loadError_;
    if (!error)
        error = changed_ ? storeFile(path_, document_.toBytes()) : checkReplaceable(path_);
    lock_.reset();
    return error;
}

QString configWriteFailureText(const QString &activity, const QString &path, int error)
{
    return QStringLiteral("Nudgely failed to write to configuration file while %1:\n%2\n\nError %3: %4")
        .arg(activity, path)
        .arg(error)
        .arg(systemErrorText(error));
}

} // namespace nudgely
