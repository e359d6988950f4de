#include "events/DataLine.h"

namespace nudgely {

namespace {

qsizetype skipSpaces(QStringView text, qsizetype position)
{
    while (position < text.size() && text[position] == u' ')
        ++position;
    return position;
}

// Short lines: a plain loop beats the library's search set-up.
qsizetype findSpace(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u' ')
            return i;
    }
    return -1;
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
    const qsizetype dateEnd = findSpace(line, start);
    // A line of one word has an empty date field and that word as its description.
    if (dateEnd >= 0) {
        result.date = line.mid(start, dateEnd - start);
        rest = skipSpaces(line, dateEnd);
    }
    if (rest < line.size() && line[rest] == u'/') {
        const qsizetype optionEnd = findSpace(line, rest);
        if (optionEnd < 0)
            return std::nullopt;
        if (optionEnd - rest == 2 && (line[rest + 1] == u'A' || line[rest + 1] == u'a')) {
            result.oneOff = true;
            rest = skipSpaces(line, optionEnd + 1);
        }
    }
    result.description = line.mid(rest);
    return result;
}

} // namespace nudgely
