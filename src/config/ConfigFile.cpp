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
    QByteArray bytes;
    loadError_ = loadFile(path, &bytes);
    document_ = IniDocument::fromBytes(bytes);
}

int ConfigEdit::set(QAnyStringView section, QAnyStringView key, const QString &value)
{
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || key.isEmpty())
        return EINVAL;
    const bool changed = value.isEmpty() ? document_.removeKey(section, key) : document_.setValue(section, key, value);
    changed_ = changed_ || changed;
    return 0;
}

int ConfigEdit::commit()
{
    if (loadError_ != 0 && loadError_ != ENOENT)
        return loadError_;
    return changed_ ? storeFile(path_, document_.toBytes()) : checkReplaceable(path_);
}

QString configWriteFailureText(const QString &activity, const QString &path, int error)
{
    return QStringLiteral("Nudgely failed to write to configuration file while %1:\n%2\n\nError %3: %4")
        .arg(activity, path)
        .arg(error)
        .arg(systemErrorText(error));
}

} // namespace nudgely
