#include "config/Registry.h"

#include "config/AutostartEntry.h"
#include "config/FileStore.h"
#include "config/RegistryDocument.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"

#include <QtEndian>

#include <cerrno>
#include <optional>

namespace nudgely {

namespace {

constexpr qsizetype MaxValueBytes = 1024;

QString RootName(RegRoot root)
{
    switch (root) {
    case RegRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    }
    return {};
}

QString FullPath(RegRoot root, const QString &subkey)
{
    return RootName(root) + QLatin1Char('\\') + subkey;
}

bool IsAutostartValue(RegRoot root, const QString &subkey, const QString &name)
{
    return root == RegRoot::CurrentUser && subkey.compare(RunKey, Qt::CaseInsensitive) == 0 &&
           name.compare(AppTitle, Qt::CaseInsensitive) == 0;
}

// The registry as it stands; nothing when the file exists but is not one we can read.
std::optional<RegistryDocument> LoadRegistry()
{
    QByteArray bytes;
    const int error = LoadFile(RegistryFilePath(), &bytes);
    if (error == ENOENT)
        return RegistryDocument::empty();
    if (error != 0)
        return std::nullopt;
    return RegistryDocument::fromBytes(bytes);
}

bool SaveRegistry(const RegistryDocument &document)
{
    return StoreFile(RegistryFilePath(), document.toBytes()) == 0;
}

qsizetype DataSize(const RegistryValue &value)
{
    // As the registry stores it: 8-bit text with its terminating NUL.
    return value.type == RegSz ? value.text.toUtf8().size() + 1 : value.data.size();
}

const RegistryValue *FindReadable(const std::optional<RegistryDocument> &document, RegRoot root,
                                  const QString &subkey, const QString &name)
{
    if (!document || !document->hasKey(FullPath(root, subkey)))
        return nullptr;
    const RegistryValue *value = document->value(FullPath(root, subkey), name);
    if (!value || DataSize(*value) > MaxValueBytes)
        return nullptr;
    return value;
}

} // namespace

QString RegistryFilePath()
{
    return UserConfigDirectory() + QStringLiteral("/registry.reg");
}

bool ReadRegString(RegRoot root, const QString &subkey, const QString &name, QString &text)
{
    if (IsAutostartValue(root, subkey, name)) {
        if (ReadAutostartEntry(text))
            return true;
        text.clear();
        return false;
    }
    const auto document = LoadRegistry();
    const RegistryValue *value = FindReadable(document, root, subkey, name);
    if (!value) {
        text.clear();
        return false;
    }
    if (value->type == RegSz)
        text = value->text;
    else if (value->type == RegDword)
        text = QString::number(qFromLittleEndian<qint32>(value->data.constData()));
    return true;
}

bool ReadRegNumber(RegRoot root, const QString &subkey, const QString &name, qint32 &number)
{
    if (IsAutostartValue(root, subkey, name))
        return false;
    const auto document = LoadRegistry();
    const RegistryValue *value = FindReadable(document, root, subkey, name);
    if (!value || value->type != RegDword)
        return false;
    number = qFromLittleEndian<qint32>(value->data.constData());
    return true;
}

bool WriteRegString(RegRoot root, const QString &subkey, const QString &name, const QString &text)
{
    if (IsAutostartValue(root, subkey, name))
        return WriteAutostartEntry(text);
    auto document = LoadRegistry();
    if (!document)
        return false;
    RegistryValue value;
    value.name = name;
    value.text = text;
    document->setValue(FullPath(root, subkey), value);
    return SaveRegistry(*document);
}

bool DeleteRegValue(RegRoot root, const QString &subkey, const QString &name)
{
    if (IsAutostartValue(root, subkey, name))
        return RemoveAutostartEntry();
    auto document = LoadRegistry();
    if (!document || !document->removeValue(FullPath(root, subkey), name))
        return false;
    return SaveRegistry(*document);
}

bool DeleteRegKey(RegRoot root, const QString &subkey)
{
    auto document = LoadRegistry();
    const QString path = FullPath(root, subkey);
    if (!document || document->hasSubkeys(path) || !document->removeKey(path))
        return false;
    return SaveRegistry(*document);
}

} // namespace nudgely
