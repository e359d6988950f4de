#include "config/IniDocument.h"

#include "text/TextDecoding.h"

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
QByteArray encodeValue(const QString &value)
{
    const bool needsQuotes = (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()))) ||
                             unquoted(value) != value;
    return needsQuotes ? '"' + value.toUtf8() + '"' : value.toUtf8();
}

} // namespace

IniDocument::Line IniDocument::makeLine(const QByteArray &text, const QByteArray &end)
{
    Line line{text, end, Kind::Other, {}, {}};
    QString decoded = decodeText(text);
    if (decoded.startsWith(QChar(0xFEFF))) // byte order mark of a UTF-8 file
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
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && bytes[next] == '\r')
            ++next;
        if (next < size && bytes[next] == '\n')
            ++next;
        document.lines_.push_back(makeLine(bytes.mid(start, end - start), bytes.mid(end, next - end)));
        start = next;
    }
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : lines_)
        bytes += line.text + line.end;
    return bytes;
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
    return QByteArrayLiteral("\n");
}

void IniDocument::insertLine(std::size_t index, const QByteArray &text)
{
    const QByteArray end = lineEnd();
    if (index > 0 && lines_[index - 1].end.isEmpty())
        lines_[index - 1].end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), makeLine(text, end));
}

bool IniDocument::setValue(QAnyStringView section, QAnyStringView key, const QString &value)
{
    const QByteArray encoded = encodeValue(value);
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty())
            insertLine(lines_.size(), QByteArray());
        insertLine(lines_.size(), '[' + section.toString().toUtf8() + ']');
        insertLine(lines_.size(), key.toString().toUtf8() + '=' + encoded);
        return true;
    }
    const auto keys = findKeyLines(*range, key);
    if (!keys.empty()) {
        Line &line = lines_[keys.front()];
        // Keep the key as it is spelled, with its spacing around the "=".
        qsizetype cut = line.text.indexOf('=') + 1;
        while (cut < line.text.size() && (line.text[cut] == ' ' || line.text[cut] == '\t'))
            ++cut;
        const QByteArray replaced = line.text.left(cut) + encoded;
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
    insertLine(after + 1, key.toString().toUtf8() + '=' + encoded);
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
