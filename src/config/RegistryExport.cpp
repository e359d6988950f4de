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

// UTF-16 units as they are: QString::fromUtf16 would drop a byte order mark at the start
// of the data, or take a reversed one as a reason to swap every unit.
QString fromUtf16Units(QByteArrayView bytes, bool littleEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char *unit = bytes.data() + 2 * i;
        text[i] = QChar(littleEndian ? qFromLittleEndian<quint16>(unit) : qFromBigEndian<quint16>(unit));
    }
    return text;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return fromUtf16Units(QByteArrayView(bytes).sliced(2), bytes.startsWith("\xFF\xFE"));
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

// Comma-separated bytes of one or two hex digits; backslashes and blanks anywhere and empty
// items are ignored. Read in one pass: a large binary value is common in an export.
std::optional<QByteArray> parseHexBytes(QStringView list)
{
    QByteArray bytes;
    bytes.reserve(list.size() / 3 + 1);
    int digits = 0;
    uint byte = 0;
    for (const QChar c : list) {
        if (c == u'\\' || c == u' ' || c == u'\t')
            continue;
        if (c == u',') {
            if (digits > 0)
                bytes.append(static_cast<char>(byte));
            digits = 0;
            byte = 0;
            continue;
        }
        const char16_t u = c.unicode();
        const int digit = (u >= u'0' && u <= u'9')   ? u - u'0'
                          : (u >= u'a' && u <= u'f') ? u - u'a' + 10
                          : (u >= u'A' && u <= u'F') ? u - u'A' + 10
                                                     : -1;
        if (digit < 0 || ++digits > 2)
            return std::nullopt;
        byte = byte * 16 + uint(digit);
    }
    if (digits > 0)
        bytes.append(static_cast<char>(byte));
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
                                : fromUtf16Units(*bytes, true);
        while (text.endsWith(QChar(0)))
            text.chop(1);
        value.text = text;
        value.data.clear();
    }
    return value;
}

bool isHexValue(const QString &line)
{
    static const QRegularExpression hexValue(QStringLiteral("=\\s*hex(\\([0-9a-fA-F]+\\))?:"),
                                             QRegularExpression::CaseInsensitiveOption);
    return hexValue.match(line).hasMatch();
}

// Where a line would end if trimmed, without copying it: a value continued over thousands
// of lines is looked at once per line, not once per line for every line before it.
qsizetype trimmedEnd(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return end;
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

    std::optional<QString> current; // the key path the values belong to
    for (++i; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (isHexValue(line)) {
            // A backslash at the end continues the data on the next line.
            for (qsizetype end = trimmedEnd(line);
                 end > 0 && line.at(end - 1) == QLatin1Char('\\') && i + 1 < lines.size(); end = trimmedEnd(line)) {
                line.truncate(end - 1);
                line += lines.at(++i).trimmed();
            }
        }
        result.parseLine(line, regedit4, &current);
    }
    return result;
}

void RegistryExport::eraseRange(const QString &prefix, bool whole)
{
    // Sorted by key path, the values of a key, and those of its subkeys, lie together.
    const auto first = values_.lower_bound({prefix, QString()});
    auto last = first;
    while (last != values_.end() && (whole ? last->first.first == prefix : last->first.first.startsWith(prefix)))
        ++last;
    values_.erase(first, last);
}

void RegistryExport::parseLine(const QString &rawLine, bool regedit4, std::optional<QString> *current)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        const QString path = line.mid(1, line.size() - 2).trimmed();
        if (path.startsWith(QLatin1Char('-'))) {
            // A deleted key in an import file: it and its subkeys are gone.
            const QString deleted = cleanPath(path.mid(1));
            eraseRange(deleted, true);
            eraseRange(deleted + QLatin1Char('\\'), false);
            current->reset();
            return;
        }
        *current = cleanPath(path);
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
    ValueKey key{**current, name->toCaseFolded()};
    if (data == QLatin1String("-")) {
        values_.erase(key);
        return;
    }
    if (auto value = parseData(data, regedit4))
        values_.insert_or_assign(std::move(key), std::move(*value));
}

const RegistryExport::Value *RegistryExport::find(const QString &key, const QString &name) const
{
    const auto value = values_.find({cleanPath(key), name.toCaseFolded()});
    if (value == values_.cend() || storedSize(value->second) > MaxValueBytes)
        return nullptr;
    return &value->second;
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
