#include "config/IniDocument.h"

#include "text/TextDecoding.h"

#include <algorithm>

namespace nudgely {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

bool sameName(const QString &a, QAnyStringView b)
{
    return QAnyStringView::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Quotes a value only where reading would otherwise change it: surrounding blanks are
// trimmed and one pair of enclosing quotes is dropped.
QString encodeValue(const QString &value)
{
    const bool needsQuotes = (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()))) ||
                             unquoted(value) != value;
    return needsQuotes ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

} // namespace

char16_t IniDocument::unitAt(const QByteArray &bytes, qsizetype offset) const
{
    const auto byte = [&bytes](qsizetype at) { return char16_t(static_cast<unsigned char>(bytes[at])); };
    switch (encoding_) {
    case Encoding::Bytes:
        return byte(offset);
    case Encoding::Utf16Le:
        return char16_t(byte(offset) | byte(offset + 1) << 8);
    case Encoding::Utf16Be:
        return char16_t(byte(offset) << 8 | byte(offset + 1));
    }
    return 0;
}

QString IniDocument::decode(const QByteArray &text) const
{
    if (encoding_ == Encoding::Bytes)
        return decodeText(text);
    // Unit for unit, so that a line's text and its decoding stay aligned.
    QString decoded(text.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < decoded.size(); ++i)
        decoded[i] = QChar(unitAt(text, 2 * i));
    return decoded;
}

QByteArray IniDocument::encode(const QString &text) const
{
    if (encoding_ == Encoding::Bytes)
        return text.toUtf8();
    QByteArray encoded(text.size() * 2, Qt::Uninitialized);
    const bool little = encoding_ == Encoding::Utf16Le;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        encoded[2 * i + (little ? 0 : 1)] = static_cast<char>(unit & 0xFF);
        encoded[2 * i + (little ? 1 : 0)] = static_cast<char>(unit >> 8);
    }
    return encoded;
}

IniDocument::Line IniDocument::makeLine(const QByteArray &text, const QByteArray &end) const
{
    Line line{text, end, Kind::Other, {}, {}};
    QString decoded = decode(text);
    if (decoded.startsWith(QChar(0xFEFF))) // byte order mark of the file's first line
        decoded.remove(0, 1);
    const QString trimmed = trimBlanks(decoded);
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        line.kind = Kind::Section;
        line.name = trimBlanks(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';')))
        return line;
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return line;
    line.name = trimBlanks(QStringView(trimmed).left(equals));
    if (line.name.isEmpty())
        return line;
    line.kind = Kind::Key;
    line.value = unquoted(trimBlanks(QStringView(trimmed).mid(equals + 1)));
    return line;
}

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument document;
    if (bytes.startsWith("\xFF\xFE"))
        document.encoding_ = Encoding::Utf16Le;
    else if (bytes.startsWith("\xFE\xFF"))
        document.encoding_ = Encoding::Utf16Be;
    const qsizetype unit = document.unitSize();
    // An odd byte at the end of a UTF-16 file stays there, after any line added.
    const qsizetype size = bytes.size() - bytes.size() % unit;
    document.trailer_ = bytes.mid(size);
    const auto isUnit = [&](qsizetype at, char16_t c) { return at + unit <= size && document.unitAt(bytes, at) == c; };
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && !isUnit(end, u'\r') && !isUnit(end, u'\n'))
            end += unit;
        qsizetype next = end;
        if (isUnit(next, u'\r'))
            next += unit;
        if (isUnit(next, u'\n'))
            next += unit;
        document.lines_.push_back(document.makeLine(bytes.mid(start, end - start), bytes.mid(end, next - end)));
        start = next;
    }
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : lines_)
        bytes += line.text + line.end;
    return bytes + trailer_;
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(QAnyStringView section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section || !sameName(lines_[i].name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Kind::Section)
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::vector<std::size_t> IniDocument::findKeyLines(const SectionRange &range, QAnyStringView key) const
{
    std::vector<std::size_t> found;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (lines_[i].kind == Kind::Key && sameName(lines_[i].name, key))
            found.push_back(i);
    }
    return found;
}

std::optional<QString> IniDocument::value(QAnyStringView section, QAnyStringView key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto keys = findKeyLines(*range, key);
    if (keys.empty())
        return std::nullopt;
    return lines_[keys.front()].value;
}

QByteArray IniDocument::lineEnd() const
{
    // New lines follow the file's own convention, so a file from Windows keeps CR LF.
    for (const Line &line : lines_) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return encode(encoding_ == Encoding::Bytes ? QStringLiteral("\n") : QStringLiteral("\r\n"));
}

void IniDocument::insertLine(std::size_t index, const QString &text)
{
    const QByteArray end = lineEnd();
    if (index > 0 && lines_[index - 1].end.isEmpty())
        lines_[index - 1].end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), makeLine(encode(text), end));
}

bool IniDocument::setValue(QAnyStringView section, QAnyStringView key, const QString &value)
{
    const QString encoded = encodeValue(value);
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty())
            insertLine(lines_.size(), QString());
        insertLine(lines_.size(), QLatin1Char('[') + section.toString() + QLatin1Char(']'));
        insertLine(lines_.size(), key.toString() + QLatin1Char('=') + encoded);
        return true;
    }
    const auto keys = findKeyLines(*range, key);
    if (!keys.empty()) {
        Line &line = lines_[keys.front()];
        // Keep the key as it is spelled, with its spacing around the "=".
        const qsizetype unit = unitSize();
        qsizetype cut = 0;
        while (unitAt(line.text, cut) != u'=')
            cut += unit;
        cut += unit;
        while (cut + unit <= line.text.size() && (unitAt(line.text, cut) == u' ' || unitAt(line.text, cut) == u'\t'))
            cut += unit;
        QByteArray kept = line.text.left(cut);
        QByteArray value = encode(encoded);
        // A Windows-1252 key before UTF-8 text would make the whole line read as Windows-1252.
        const bool asciiValue = std::all_of(value.cbegin(), value.cend(), [](char c) { return uchar(c) < 0x80; });
        if (encoding_ == Encoding::Bytes && !asciiValue && !QByteArrayView(kept).isValidUtf8())
            kept = decodeText(kept).toUtf8();
        const QByteArray replaced = kept + value;
        if (replaced == line.text)
            return false;
        line = makeLine(replaced, line.end);
        return true;
    }
    std::size_t after = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (lines_[i].kind == Kind::Key)
            after = i;
    }
    insertLine(after + 1, key.toString() + QLatin1Char('=') + encoded);
    return true;
}

bool IniDocument::removeKey(QAnyStringView section, QAnyStringView key)
{
    const auto range = findSection(section);
    if (!range)
        return false;
    const auto keys = findKeyLines(*range, key);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
    return !keys.empty();
}

} // namespace nudgely
