#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

namespace nudgely {

// A Registry Editor export ("REGEDIT4" or version 5.00; UTF-16 as Windows writes it, UTF-8
// or Windows-1252), read once into memory and never written: it is the user's file. Key
// paths and value names match without regard to case.
class RegistryExport {
public:
    // Empty when the bytes do not start with a Registry Editor header.
    static RegistryExport fromBytes(const QByteArray &bytes);

    // Holds no value.
    bool isEmpty() const { return values_.empty(); }

    // A string value as itself, a 32-bit number as decimal digits ("-" for a negative one),
    // any other type as empty text. Nothing when the key or value is missing or its data is
    // longer than the 1024 bytes the old settings could hold.
    std::optional<QString> text(const QString &key, const QString &name) const;

    // Only a 32-bit number value gives one.
    std::optional<qint32> number(const QString &key, const QString &name) const;

    // Value types as the registry numbers them.
    static constexpr quint32 StringType = 1;
    static constexpr quint32 BinaryType = 3;
    static constexpr quint32 NumberType = 4;

    struct Value {
        quint32 type = StringType;
        QString text;    // for a string
        QByteArray data; // for every other type; a number holds 4 bytes, little-endian
    };

private:
    const Value *find(const QString &key, const QString &name) const;
    void parseLine(const QString &line, bool regedit4, std::optional<QString> *current);
    // Drops the values of the key (whole) or of every key path starting with the prefix.
    void eraseRange(const QString &prefix, bool whole);

    // Case-folded key path and case-folded value name ("" for the default value). One sorted
    // map for all, so that a deleted key's subkeys are found without looking at every key,
    // and a key costs no table of its own.
    using ValueKey = std::pair<QString, QString>;
    std::map<ValueKey, Value> values_;
};

} // namespace nudgely
