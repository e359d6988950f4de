#include "config/RegistryDocument.h"

#include "config/TextDecoding.h"

#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>

namespace nudgely {

namespace {

const QString Regedit5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString Regedit4 = QStringLiteral("REGEDIT4");

bool SamePath(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString CleanPath(QString path)
{
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

bool IsBelow(const QString &path, const QString &ancestor)
{
    return path.size() > ancestor.size() + 1 && path.at(ancestor.size()) == QLatin1Char('\\') &&
           SamePath(path.left(ancestor.size()), ancestor);
}

QString Decode(const QByteArray &bytes, bool *utf16)
{
    *utf16 = false;
    if (bytes.startsWith("\xFF\xFE")) {
        *utf16 = true;
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
    return DecodeText(bytes);
}

QStringList SplitLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

// Reads a double-quoted text with \\ and \" escapes starting at pos; leaves pos after it.
std::optional<QString> ReadQuoted(const QString &line, qsizetype *pos)
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

QString Quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

std::optional<QByteArray> ParseHexBytes(QString list)
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

QByteArray DwordBytes(quint32 number)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(number, bytes.data());
    return bytes;
}

// Turns the data part of a value line ("text", dword:, hex:, hex(N):) into a value.
std::optional<RegistryValue> ParseData(const QString &data, bool regedit4)
{
    RegistryValue value;
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto text = ReadQuoted(data, &pos);
        if (!text || !data.mid(pos).trimmed().isEmpty())
            return std::nullopt;
        value.text = *text;
        return value;
    }
    static const QRegularExpression dword(QStringLiteral("^dword:([0-9a-fA-F]{1,8})$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const auto match = dword.match(data); match.hasMatch()) {
        value.type = RegDword;
        value.data = DwordBytes(match.captured(1).toUInt(nullptr, 16));
        return value;
    }
    static const QRegularExpression hex(QStringLiteral("^hex(?:\\(([0-9a-fA-F]{1,8})\\))?:(.*)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto match = hex.match(data);
    if (!match.hasMatch())
        return std::nullopt;
    const auto bytes = ParseHexBytes(match.captured(2));
    if (!bytes)
        return std::nullopt;
    value.type = match.captured(1).isEmpty() ? RegBinary : match.captured(1).toUInt(nullptr, 16);
    value.data = *bytes;
    if (value.type == RegDword && bytes->size() != 4)
        value.type = RegBinary;
    if (value.type == RegSz) {
        // A string written in hex form: UTF-16 LE in version 5 files, 8-bit in REGEDIT4.
        QString text = regedit4 ? DecodeText(*bytes)
                                : QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes->constData()),
                                                     bytes->size() / 2);
        while (text.endsWith(QChar(0)))
            text.chop(1);
        value.text = text;
        value.data.clear();
    }
    return value;
}

QString FormatHex(const QString &prefix, const QByteArray &data, const QString &lineEnd)
{
    QString out = prefix;
    qsizetype lineLength = out.size();
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QString byte = QStringLiteral("%1").arg(static_cast<uchar>(data.at(i)), 2, 16, QLatin1Char('0'));
        if (i > 0) {
            out += QLatin1Char(',');
            ++lineLength;
            // The Registry Editor wraps long hex lists the same way.
            if (lineLength > 76) {
                out += QLatin1Char('\\') + lineEnd + QStringLiteral("  ");
                lineLength = 2;
            }
        }
        out += byte;
        lineLength += 2;
    }
    return out;
}

// A string in hex form, as it is stored: UTF-16 LE in version 5 files, 8-bit in REGEDIT4,
// with its terminating NUL.
QByteArray StoredString(const QString &text, bool regedit4)
{
    if (regedit4)
        return text.toUtf8() + '\0';
    QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes + QByteArray(2, '\0');
}

QString FormatValue(const RegistryValue &value, const QString &lineEnd, bool regedit4)
{
    const QString name = value.name.isEmpty() ? QStringLiteral("@") : Quoted(value.name);
    if (value.type == RegSz) {
        // A quoted string cannot hold a line break; the hex form can.
        if (!value.text.contains(QLatin1Char('\n')) && !value.text.contains(QLatin1Char('\r')))
            return name + QLatin1Char('=') + Quoted(value.text);
        return FormatHex(name + QStringLiteral("=hex(1):"), StoredString(value.text, regedit4), lineEnd);
    }
    if (value.type == RegDword && value.data.size() == 4) {
        return name + QStringLiteral("=dword:%1").arg(qFromLittleEndian<quint32>(value.data.constData()), 8, 16,
                                                     QLatin1Char('0'));
    }
    const QString kind = value.type == RegBinary ? QStringLiteral("hex:")
                                                 : QStringLiteral("hex(%1):").arg(value.type, 0, 16);
    return FormatHex(name + QLatin1Char('=') + kind, value.data, lineEnd);
}

bool ContinuesOnNextLine(const QString &line)
{
    static const QRegularExpression hexValue(QStringLiteral("=\\s*hex(\\([0-9a-fA-F]+\\))?:"),
                                             QRegularExpression::CaseInsensitiveOption);
    return line.trimmed().endsWith(QLatin1Char('\\')) && hexValue.match(line).hasMatch();
}

} // namespace

std::optional<RegistryDocument> RegistryDocument::fromBytes(const QByteArray &bytes)
{
    RegistryDocument document;
    const QString text = Decode(bytes, &document.utf16_);
    if (!text.contains(QLatin1String("\r\n")) && text.contains(QLatin1Char('\n')))
        document.lineEnd_ = QStringLiteral("\n");

    const QStringList lines = SplitLines(text);
    qsizetype i = 0;
    while (i < lines.size() && lines.at(i).trimmed().isEmpty())
        ++i;
    if (i == lines.size())
        return std::nullopt;
    const QString header = lines.at(i).trimmed();
    if (header != Regedit5 && header != Regedit4)
        return std::nullopt;
    document.header_ = header;

    Key *current = nullptr;
    for (++i; i < lines.size(); ++i) {
        QString line = lines.at(i);
        while (ContinuesOnNextLine(line) && i + 1 < lines.size()) {
            line = line.trimmed();
            line.chop(1);
            line += lines.at(++i).trimmed();
        }
        document.parseLine(line, &current);
    }
    return document;
}

RegistryDocument RegistryDocument::empty()
{
    return RegistryDocument();
}

void RegistryDocument::parseLine(const QString &rawLine, Key **current)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty())
        return;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        QString path = line.mid(1, line.size() - 2).trimmed();
        if (path.startsWith(QLatin1Char('-'))) {
            // A deleted key in an import file: it and its subkeys are gone.
            path = CleanPath(path.mid(1));
            std::erase_if(keys_, [&path](const Key &k) { return SamePath(k.path, path) || IsBelow(k.path, path); });
            *current = nullptr;
            return;
        }
        path = CleanPath(path);
        *current = findKey(path);
        if (!*current) {
            keys_.push_back(Key{path, {}});
            *current = &keys_.back();
        }
        return;
    }

    std::optional<RegistryValue> value;
    bool removes = false;
    qsizetype pos = 0;
    std::optional<QString> name;
    if (line.startsWith(QLatin1Char('@'))) {
        name = QString();
        pos = 1;
    } else {
        name = ReadQuoted(line, &pos);
    }
    if (name && !line.startsWith(QLatin1Char(';'))) {
        const QString rest = line.mid(pos).trimmed();
        if (rest.startsWith(QLatin1Char('='))) {
            const QString data = rest.mid(1).trimmed();
            removes = data == QLatin1String("-");
            if (!removes)
                value = ParseData(data, header_ == Regedit4);
        }
    }
    if (*current && removes) {
        removeValue((*current)->path, *name);
        return;
    }
    if (*current && value) {
        value->name = *name;
        setValue((*current)->path, *value);
        return;
    }
    // Comments and lines not understood stay where they were.
    if (*current)
        (*current)->entries.push_back(Entry{false, {}, rawLine});
    else
        preamble_.append(rawLine);
}

QByteArray RegistryDocument::toBytes() const
{
    QString text = header_ + lineEnd_;
    for (const QString &line : preamble_)
        text += line + lineEnd_;
    for (const Key &key : keys_) {
        text += lineEnd_ + QLatin1Char('[') + key.path + QLatin1Char(']') + lineEnd_;
        for (const Entry &entry : key.entries)
            text += (entry.isValue ? FormatValue(entry.value, lineEnd_, header_ == Regedit4) : entry.raw) + lineEnd_;
    }
    text += lineEnd_;
    if (!utf16_)
        return text.toUtf8();
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

RegistryDocument::Key *RegistryDocument::findKey(const QString &path)
{
    const QString clean = CleanPath(path);
    const auto found = std::find_if(keys_.begin(), keys_.end(), [&clean](const Key &k) { return SamePath(k.path, clean); });
    return found == keys_.end() ? nullptr : &*found;
}

const RegistryDocument::Key *RegistryDocument::findKey(const QString &path) const
{
    return const_cast<RegistryDocument *>(this)->findKey(path);
}

bool RegistryDocument::hasKey(const QString &path) const
{
    return findKey(path) != nullptr || hasSubkeys(path);
}

bool RegistryDocument::hasSubkeys(const QString &path) const
{
    const QString clean = CleanPath(path);
    return std::any_of(keys_.begin(), keys_.end(), [&clean](const Key &k) { return IsBelow(k.path, clean); });
}

const RegistryValue *RegistryDocument::value(const QString &path, const QString &name) const
{
    const Key *key = findKey(path);
    if (!key)
        return nullptr;
    for (const Entry &entry : key->entries) {
        if (entry.isValue && SamePath(entry.value.name, name))
            return &entry.value;
    }
    return nullptr;
}

void RegistryDocument::setValue(const QString &path, const RegistryValue &value)
{
    Key *key = findKey(path);
    if (!key) {
        keys_.push_back(Key{CleanPath(path), {}});
        key = &keys_.back();
    }
    for (Entry &entry : key->entries) {
        if (entry.isValue && SamePath(entry.value.name, value.name)) {
            entry.value = value;
            return;
        }
    }
    key->entries.push_back(Entry{true, value, {}});
}

bool RegistryDocument::removeValue(const QString &path, const QString &name)
{
    Key *key = findKey(path);
    if (!key)
        return false;
    return std::erase_if(key->entries, [&name](const Entry &e) { return e.isValue && SamePath(e.value.name, name); }) > 0;
}

bool RegistryDocument::removeKey(const QString &path)
{
    const QString clean = CleanPath(path);
    return std::erase_if(keys_, [&clean](const Key &k) { return SamePath(k.path, clean); }) > 0;
}

} // namespace nudgely
