#include "eventlist/TsvWriter.h"

#include "eventlist/EventColumns.h"

#include <QStringEncoder>

namespace nudgely {

QByteArray tsvText(const EventList &list)
{
    // Straight into UTF-8 a line at a time, through one reused line: a list of thousands of
    // rows made as a list of lines, joined and then encoded took three times its memory.
    QByteArray bytes;
    QString line;
    QStringEncoder utf8(QStringEncoder::Utf8);
    const auto add = [&](int row) {
        line.truncate(0);
        list.appendLine(line, row, DateColumn, DescriptionColumn);
        line += QLatin1Char('\n');
        const qsizetype used = bytes.size();
        bytes.resize(used + line.size() * 3); // the most UTF-8 takes for a UTF-16 unit
        bytes.truncate(utf8.appendToBuffer(bytes.data() + used, line) - bytes.constData());
    };
    bytes.reserve(list.rowCount() * 64);
    add(EventList::HeaderRow);
    for (int row = 0; row < list.rowCount(); ++row)
        add(row);
    return bytes;
}

} // namespace nudgely
