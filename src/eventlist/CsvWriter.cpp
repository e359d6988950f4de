#include "eventlist/CsvWriter.h"

#include "eventlist/EventColumns.h"

namespace nudgely {

namespace {

void appendField(QString &record, const QString &field)
{
    const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!quoted) {
        record += field;
        return;
    }
    record += QLatin1Char('"');
    record += QString(field).replace(QLatin1String("\""), QLatin1String("\"\""));
    record += QLatin1Char('"');
}

template <typename Cell>
void appendRecord(QString &text, Cell cell)
{
    for (int column = 0; column < EventColumnCount; ++column) {
        if (column > 0)
            text += QLatin1Char(',');
        appendField(text, cell(column));
    }
    text += QLatin1String("\r\n");
}

} // namespace

QByteArray csvText(const EventList &list)
{
    QString text;
    appendRecord(text, [](int column) { return columnHeader(column); });
    for (int row = 0; row < static_cast<int>(list.rows().size()); ++row)
        appendRecord(text, [&](int column) { return list.text(row, column); });
    return text.toUtf8();
}

} // namespace nudgely
