#include "events/ContactCards.h"

#include "text/TextDecoding.h"

#include <QDate>
#include <QList>
#include <QStringDecoder>

#include <optional>

namespace nudgely {

namespace {

bool isQuotedPrintable(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// The lines of the file with their folds undone: a line that starts with a space or a tab
// goes on from the one before, and so does the line after a quoted-printable value that
// ends in "=" (a soft line break).
std::vector<QByteArray> unfoldedLines(QByteArrayView bytes)
{
    std::vector<QByteArray> lines;
    bool softBreak = false;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
        if (softBreak) {
            lines.back().chop(1);
            lines.back().append(line);
        } else if (!lines.empty() && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.back().append(line.sliced(1));
        } else if (!line.isEmpty()) {
            lines.push_back(line.toByteArray());
        } else {
            continue;
        }
        softBreak = lines.back().endsWith('=') && isQuotedPrintable(lines.back());
    }
    return lines;
}

struct Property {
    QByteArray name; // upper case, without its group
    QList<QByteArray> parameters;
    QByteArray value;
};

std::optional<Property> property(const QByteArray &line)
{
    // The value starts at the first colon outside a quoted parameter value.
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    Property result;
    result.parameters = line.first(colon).split(';');
    result.name = result.parameters.takeFirst().trimmed().toUpper();
    result.name.remove(0, result.name.lastIndexOf('.') + 1);
    result.value = line.sliced(colon + 1);
    return result;
}

// The parameter's value ("" when absent); version 2.1's bare ENCODING and TYPE values, such
// as QUOTED-PRINTABLE, count when the one asked for is given.
QByteArray parameter(const Property &p, const QByteArray &name, const QByteArray &bare = {})
{
    for (const QByteArray &parameter : p.parameters) {
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0) {
            if (!bare.isEmpty() && parameter.trimmed().toUpper() == bare)
                return bare;
        } else if (parameter.first(equals).trimmed().toUpper() == name) {
            QByteArray value = parameter.sliced(equals + 1).trimmed();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.sliced(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray fromQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() && value[i] == '=' ? hexValue(value[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(value[i + 2]) : -1;
        if (low >= 0) {
            bytes.append(char(high * 16 + low));
            i += 2;
        } else {
            bytes.append(value[i]);
        }
    }
    return bytes;
}

// The value as text, its escapes still in.
QString rawText(const Property &p)
{
    const QByteArray bytes = parameter(p, "ENCODING", "QUOTED-PRINTABLE").toUpper() == "QUOTED-PRINTABLE"
                                 ? fromQuotedPrintable(p.value)
                                 : p.value;
    // Qt's own character sets only (UTF-16, UTF-32, ISO-8859-1): looking any name up in
    // the system's converters would keep one open for every name a file invents. Others, as
    // UTF-8 and Windows-1252, are read as data files are.
    const QByteArray charset = parameter(p, "CHARSET");
    if (const auto encoding = QStringConverter::encodingForName(charset.constData());
        encoding && *encoding != QStringConverter::System && *encoding != QStringConverter::Utf8) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    return decodeText(bytes);
}

// The components of a structured value such as N, split at unescaped semicolons, unescaped.
QStringList components(const QString &text)
{
    QStringList parts(QString{});
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            parts.back() += (next == u'n' || next == u'N') ? QChar(u' ') : next;
        } else if (text[i] == u';') {
            parts.append(QString());
        } else {
            parts.back() += text[i];
        }
    }
    for (QString &part : parts)
        part = part.simplified();
    return parts;
}

QString text(const Property &p)
{
    return QStringList(components(rawText(p))).join(u';').simplified();
}

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

std::optional<ContactDate> contactDate(const Property &p, ContactDate::Kind kind)
{
    if (parameter(p, "VALUE").toUpper() == "TEXT")
        return std::nullopt;
    QString value = rawText(p).trimmed();
    if (const qsizetype time = value.indexOf(u'T', 0, Qt::CaseInsensitive); time >= 0)
        value.truncate(time);
    ContactDate date;
    date.kind = kind;
    QString digits;
    if (value.startsWith(QLatin1String("--"))) {
        digits = value.mid(2).remove(u'-');
        if (digits.size() != 4)
            return std::nullopt;
        digits.prepend(QLatin1String("0000"));
    } else if (value.size() == 10 && value[4] == u'-' && value[7] == u'-') {
        digits = value.remove(u'-');
    } else {
        digits = value;
    }
    if (digits.size() != 8 || !allDigits(digits))
        return std::nullopt;
    date.year = digits.left(4).toInt();
    date.month = digits.mid(4, 2).toInt();
    date.day = digits.mid(6, 2).toInt();
    const QByteArray omitted = parameter(p, "X-APPLE-OMIT-YEAR");
    if (date.year < 100 || (!omitted.isEmpty() && omitted.toInt() == date.year))
        date.year = 0;
    // 2000 is a leap year: 29 February without a year stands.
    if (!QDate(date.year == 0 ? 2000 : date.year, date.month, date.day).isValid())
        return std::nullopt;
    return date;
}

bool isAnniversary(const QByteArray &name)
{
    return name == "ANNIVERSARY" || name == "X-ANNIVERSARY" || name == "X-EVOLUTION-ANNIVERSARY" ||
           name == "X-MS-ANNIVERSARY" || name == "X-KADDRESSBOOK-X-ANNIVERSARY";
}

bool isSpouse(const Property &p)
{
    if (p.name == "RELATED")
        return parameter(p, "TYPE").toLower().contains("spouse") && parameter(p, "VALUE").toUpper() == "TEXT";
    return p.name == "X-SPOUSE" || p.name == "X-EVOLUTION-SPOUSE" || p.name == "X-MS-SPOUSE" ||
           p.name == "X-KADDRESSBOOK-X-SPOUSESNAME";
}

// A name a data file line can carry: on one line, and not read as the option "/A".
QString lineName(QString name)
{
    while (name.startsWith(u'/'))
        name = name.mid(1).trimmed();
    return name;
}

struct CardBuilder {
    ContactCard card;
    QString formatted;
    QString organisation;

    void take(const Property &p)
    {
        if (p.name == "FN") {
            formatted = text(p);
        } else if (p.name == "N") {
            const QStringList n = components(rawText(p));
            card.givenName = lineName(n.value(1));
            if (card.name.isEmpty())
                card.name = QStringList({n.value(1), n.value(0)}).join(u' ').simplified();
        } else if (p.name == "ORG") {
            organisation = components(rawText(p)).value(0);
        } else if (p.name == "BDAY") {
            if (const auto date = contactDate(p, ContactDate::Birthday))
                card.dates.push_back(*date);
        } else if (isAnniversary(p.name)) {
            if (const auto date = contactDate(p, ContactDate::Anniversary))
                card.dates.push_back(*date);
        } else if (isSpouse(p)) {
            card.spouse = lineName(text(p));
        }
    }

    ContactCard finish()
    {
        for (const QString &name : {formatted, card.name, organisation}) {
            card.name = lineName(name);
            if (!card.name.isEmpty())
                break;
        }
        if (card.name.isEmpty())
            card.name = QStringLiteral("Unnamed contact");
        return std::move(card);
    }
};

bool isCardMark(const Property &p, const char *name)
{
    return p.name == name && p.value.trimmed().toUpper() == "VCARD";
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString dateField(const ContactDate &date, const DateFormat &format)
{
    QString elements[3];
    elements[format.dayIndex] = twoDigits(date.day);
    elements[format.monthIndex] = twoDigits(date.month);
    elements[format.yearIndex] =
        date.year == 0 ? QStringLiteral("XXXX") : QStringLiteral("%1").arg(date.year, 4, 10, QLatin1Char('0'));
    return QStringList({elements[0], elements[1], elements[2]}).join(format.delimiter);
}

} // namespace

std::vector<ContactCard> readContactCards(QByteArrayView bytes)
{
    std::vector<ContactCard> cards;
    std::optional<CardBuilder> builder;
    int depth = 0; // a card inside a card (2.1's AGENT) is not one of the file's
    for (const QByteArray &line : unfoldedLines(bytes)) {
        const auto p = property(line);
        if (!p)
            continue;
        if (isCardMark(*p, "BEGIN")) {
            if (depth++ == 0)
                builder.emplace();
        } else if (isCardMark(*p, "END")) {
            if (depth > 0 && --depth == 0) {
                cards.push_back(builder->finish());
                builder.reset();
            }
        } else if (depth == 1) {
            builder->take(*p);
        }
    }
    // A file cut short still gives its last card.
    if (builder)
        cards.push_back(builder->finish());
    return cards;
}

QString contactDateDescription(const ContactCard &card, const ContactDate &date)
{
    if (date.kind == ContactDate::Birthday)
        return card.name + QStringLiteral("'s birthday");
    if (card.spouse.isEmpty())
        return card.name + QStringLiteral("'s anniversary");
    return (card.givenName.isEmpty() ? card.name : card.givenName) + QStringLiteral(" and ") + card.spouse +
           QStringLiteral("'s anniversary");
}

ContactDataFile contactDataFile(const std::vector<ContactCard> &cards, const DateFormat &format,
                                const QString &source)
{
    // A format no date can match would make every line a bad date: the standard one is kept.
    const DateFormat used = format.valid ? format : DateFormat();
    ContactDataFile file;
    file.text = QStringLiteral("; Birthdays and anniversaries from %1, imported by Nudgely.\n").arg(source.simplified());
    for (const ContactCard &card : cards) {
        if (card.dates.empty())
            file.cardsWithoutDates.append(card.name);
        for (const ContactDate &date : card.dates) {
            file.text += dateField(date, used) + u' ' + contactDateDescription(card, date) + u'\n';
            ++file.dates;
        }
    }
    return file;
}

} // namespace nudgely
