#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace nudgely {

// Value types as the registry numbers them.
inline constexpr quint32 RegSz = 1;
inline constexpr quint32 RegBinary = 3;
inline constexpr quint32 RegDword = 4;

struct RegistryValue {
    QString name; // empty for the key's default value ("@")
    quint32 type = RegSz;
    QString text;    // for RegSz
    QByteArray data; // for every other type; a RegDword holds 4 bytes, little-endian
};

// A registry file in the text format that the Registry Editor exports. Key paths and value
// names match without regard to case. Comments and lines that are not understood are kept
// in their place; the rest is written back in the export format.
class RegistryDocument {
public:
    // Empty when the bytes do not start with a Registry Editor header.
    static std::optional<RegistryDocument> fromBytes(const QByteArray &bytes);
    static RegistryDocument empty();
    // In the encoding the file was read in: UTF-16 LE with its byte order mark for a file
    // exported by Windows, UTF-8 otherwise.
    QByteArray toBytes() const;

    bool hasKey(const QString &path) const;
    bool hasSubkeys(const QString &path) const;
    const RegistryValue *value(const QString &path, const QString &name) const;

    void setValue(const QString &path, const RegistryValue &value);
    bool removeValue(const QString &path, const QString &name);
    bool removeKey(const QString &path);

private:
    struct Entry {
        bool isValue = false;
        RegistryValue value;
        QString raw; // a comment or a line that was not understood
    };
    struct Key {
        QString path;
        std::vector<Entry> entries;
    };

    Key *findKey(const QString &path);
    const Key *findKey(const QString &path) const;
    void parseLine(const QString &line, Key **current);

    QString header_ = QStringLiteral("Windows Registry Editor Version 5.00");
    bool utf16_ = false;
    QString lineEnd_ = QStringLiteral("\r\n");
    QStringList preamble_; // comments before the first key
    std::vector<Key> keys_;
};

} // namespace nudgely
