#include "config/RegistryExport.h"

#include "text/TextDecoding.h"

#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>

namespace nudgely {

namespace {

constexpr qsizetype MaxValueBytes = 1024;

QString cleanPath(QString path)
{
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path.toCaseFolded();
}

bool isBelow(const QString &path, const QString &ancestor)
{
    return path.size() > ancestor.size() + 1 && path.at(ancestor.size()) == QLatin1Char('\\') &&
           path.startsWith(ancestor);
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArray body = bytes.mid(2);
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(body.constData()), body.size() / 2);
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QString text;
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
            text.append(QChar(qFromBigEndian<quint16>(bytes.constData() + i)));
        return text;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return decodeText(bytes);
}

// Reads a double-quoted text with \\ and \" escapes starting at pos; leaves pos after it.
std::optional<QString> readQuoted(const QString &line, qsizetype *pos)
{
    if (*pos >= line.size() || line.at(*pos) != QLatin1Char('"'))
        return std::nullopt;
    QString text;
    for (qsizetype i = *pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            *pos = i + 1;
            return text;
        }
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            text.append(line.at(++i));
            continue;
        }
        text.append(c);
    }
    return std::nullopt;
}

std::optional<QByteArray> parseHexBytes(QString list)
{
    list.remove(QLatin1Char('\\'));
    list.remove(QLatin1Char(' '));
    list.remove(QLatin1Char('\t'));
    QByteArray bytes;
    if (list.isEmpty())
        return bytes;
    for (const QString &part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint byte = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2)
            return std::nullopt;
        bytes.append(static_cast<char>(byte));
    }
    return bytes;
}

// The data part of a value line ("text", dword:, hex:, hex(N):) as a value.
std::optional<RegistryExport::Value> parseData(const QString &data, bool regedit4)
{
    RegistryExport::Value value;
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto text = readQuoted(data, &pos);
        if (!text || !data.mid(pos).trimmed().isEmpty())
            return std::nullopt;
        value.text = *text;
        return value;
    }
    static const QRegularExpression dword(QStringLiteral("^dword:([0-9a-fA-F]{1,8})$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const auto match = dword.match(data); match.hasMatch()) {
        value.type = RegistryExport::NumberType;
        value.data.resize(4);
        qToLittleEndian(match.captured(1).toUInt(nullptr, 16), value.data.data());
        return value;
    }
    static const QRegularExpression hex(QStringLiteral("^hex(?:\\(([0-9a-fA-F]{1,8})\\))?:(.*)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto match = hex.match(data);
    if (!match.hasMatch())
        return std::nullopt;
    const auto bytes = parseHexBytes(match.captured(2));
    if (!bytes)
        return std::nullopt;
    value.type = match.captured(1).isEmpty() ? RegistryExport::BinaryType : match.captured(1).toUInt(nullptr, 16);
    value.data = *bytes;
    if (value.type == RegistryExport::NumberType && bytes->size() != 4)
        value.type = RegistryExport::BinaryType;
    if (value.type == RegistryExport::StringType) {
        // A string in hex form: UTF-16 LE in version 5 files, 8-bit in REGEDIT4.
        QString text = regedit4 ? decodeText(*bytes)
                                : QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes->constData()),
                                                     bytes->size() / 2);
        while (text.endsWith(QChar(0)))
            text.chop(1);
        value.text = text;
        value.data.clear();
    }
    return value;
}

bool continuesOnNextLine(const QString &line)
{
    static const QRegularExpression hexValue(QStringLiteral("=\\s*hex(\\([0-9a-fA-F]+\\))?:"),
                                             QRegularExpression::CaseInsensitiveOption);
    return line.trimmed().endsWith(QLatin1Char('\\')) && hexValue.match(line).hasMatch();
}

qsizetype storedSize(const RegistryExport::Value &value)
{
    // As the registry stores it: 8-bit text with its terminating NUL.
    return value.type == RegistryExport::StringType ? value.text.toUtf8().size() + 1 : value.data.size();
}

} // namespace

RegistryExport RegistryExport::fromBytes(const QByteArray &bytes)
{
    RegistryExport result;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = decode(bytes).split(lineBreak);
    qsizetype i = 0;
    while (i < lines.size() && lines.at(i).trimmed().isEmpty())
        ++i;
    if (i == lines.size())
        return result;
    const QString header = lines.at(i).trimmed();
    const bool regedit4 = header == QLatin1String("REGEDIT4");
    if (!regedit4 && header != QLatin1String("Windows Registry Editor Version 5.00"))
        return result;

    QHash<QString, Value> *current = nullptr;
    for (++i; i < lines.size(); ++i) {
        QString line = lines.at(i);
        while (continuesOnNextLine(line) && i + 1 < lines.size()) {
            line = line.trimmed();
            line.chop(1);
            line += lines.at(++i).trimmed();
        }
        result.parseLine(line, regedit4, &current);
    }
    return result;
}

void RegistryExport::parseLine(const QString &rawLine, bool regedit4, QHash<QString, Value> **current)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        const QString path = line.mid(1, line.size() - 2).trimmed();
        if (path.startsWith(QLatin1Char('-'))) {
            // A deleted key in an import file: it and its subkeys are gone.
            const QString deleted = cleanPath(path.mid(1));
            keys_.removeIf([&deleted](decltype(keys_)::iterator key) {
                return key.key() == deleted || isBelow(key.key(), deleted);
            });
            *current = nullptr;
            return;
        }
        *current = &keys_[cleanPath(path)];
        return;
    }
    if (!*current)
        return;
    qsizetype pos = 0;
    std::optional<QString> name;
    if (line.startsWith(QLatin1Char('@'))) {
        name = QString();
        pos = 1;
    } else {
        name = readQuoted(line, &pos);
    }
    const QString rest = name ? line.mid(pos).trimmed() : QString();
    if (!rest.startsWith(QLatin1Char('=')))
        return; // not understood: skipped
    const QString data = rest.mid(1).trimmed();
    if (data == QLatin1String("-")) {
        (*current)->remove(name->toCaseFolded());
        return;
    }
    if (const auto value = parseData(data, regedit4))
        (*current)->insert(name->toCaseFolded(), *value);
}

const RegistryExport::Value *RegistryExport::find(const QString &key, const QString &name) const
{
    const auto values = keys_.constFind(cleanPath(key));
    if (values == keys_.cend())
        return nullptr;
    const auto value = values->constFind(name.toCaseFolded());
    if (value == values->cend() || storedSize(*value) > MaxValueBytes)
        return nullptr;
    return &*value;
}

std::optional<QString> RegistryExport::text(const QString &key, const QString &name) const
{
    const Value *value = find(key, name);
    if (!value)
        return std::nullopt;
    if (value->type == StringType)
        return value->text;
    if (value->type == NumberType)
        return QString::number(qFromLittleEndian<qint32>(value->data.constData()));
    return QString();
}

std::optional<qint32> RegistryExport::number(const QString &key, const QString &name) const
{
    const Value *value = find(key, name);
    if (!value || value->type != NumberType)
        return std::nullopt;
    return qFromLittleEndian<qint32>(value->data.constData());
}

} // namespace nudgely
