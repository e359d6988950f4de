#include "events/DataLine.h"

#include <QString>

namespace nudgely {

namespace {

qsizetype skipSpaces(QStringView text, qsizetype position)
{
    while (position < text.size() && text[position] == u' ')
        ++position;
    return position;
}

bool isCommentMark(QChar c)
{
    return c == u';' || c == u'\'' || c == u':';
}

} // namespace

std::optional<DataLine> parseDataLine(QStringView line)
{
    const qsizetype start = skipSpaces(line, 0);
    if (start == line.size() || isCommentMark(line[start]))
        return std::nullopt;

    DataLine result;
    qsizetype rest = start;
    const qsizetype dateEnd = line.indexOf(u' ', start);
    // A line of one word has an empty date field and that word as its description.
    if (dateEnd >= 0) {
        result.date = line.mid(start, dateEnd - start);
        rest = skipSpaces(line, dateEnd);
    }
    if (rest < line.size() && line[rest] == u'/') {
        const qsizetype optionEnd = line.indexOf(u' ', rest);
        if (optionEnd < 0)
            return std::nullopt;
        if (line.mid(rest, optionEnd - rest).compare(QLatin1String("/A"), Qt::CaseInsensitive) == 0) {
            result.oneOff = true;
            rest = skipSpaces(line, optionEnd + 1);
        }
    }
    result.description = line.mid(rest);
    return result;
}

} // namespace nudgely
