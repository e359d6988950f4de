#include "config/IniSettings.h"

#include "config/ErrorText.h"
#include "config/IniDocument.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"

#include <cerrno>

namespace nudgely {

int LastIniError = 0;
QString LastIniErrorText;

namespace {

bool Fail(int code)
{
    LastIniError = code;
    LastIniErrorText = SystemErrorText(code);
    return false;
}

bool HoldsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// The document of the last bytes read, kept while they are the same buffer: reading many
// keys from one snapshot of the file (a settings load) then parses it once.
const IniDocument &Parsed(const QByteArray &bytes)
{
    static QByteArray parsedBytes;
    static IniDocument parsed;
    if (parsedBytes.isNull() || bytes.constData() != parsedBytes.constData() || bytes.size() != parsedBytes.size()) {
        parsed = IniDocument::fromBytes(bytes);
        parsedBytes = bytes;
    }
    return parsed;
}

} // namespace

QString ReadIniString(const QString &section, const QString &key, const QString &file,
                      const QString &defaultValue)
{
    QByteArray bytes;
    if (LoadFile(file, &bytes) != 0)
        return defaultValue;
    return Parsed(bytes).value(section, key).value_or(defaultValue);
}

bool WriteIniString(const QString &section, const QString &key, const QString &value, const QString &file)
{
    // A line break would inject lines of its own.
    if (HoldsLineBreak(section) || HoldsLineBreak(key) || HoldsLineBreak(value) || key.isEmpty())
        return Fail(EINVAL);

    QByteArray bytes;
    const int loadError = LoadFile(file, &bytes);
    // A file that exists but cannot be read must not be replaced by a new one.
    if (loadError != 0 && loadError != ENOENT)
        return Fail(loadError);

    IniDocument document = IniDocument::fromBytes(bytes);
    const bool changed = value.isEmpty() ? document.removeKey(section, key) : document.setValue(section, key, value);
    const int error = changed ? StoreFile(file, document.toBytes()) : CheckReplaceable(file);
    return error == 0 || Fail(error);
}

QString IniWriteFailureText(const QString &activity)
{
    return QStringLiteral("%1 failed to write to configuration file while %2:\n%3\n\nError %4: %5")
        .arg(AppTitle, activity, IniFilePath)
        .arg(LastIniError)
        .arg(LastIniErrorText);
}

bool IniWriteBatch::commit()
{
    const int error = transaction_.commit();
    return error == 0 || Fail(error);
}

} // namespace nudgely
