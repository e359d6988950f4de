#include "eventlist/JsonWriter.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace nudgely {

QByteArray jsonText(const EventList &list, const DataFileList &files)
{
    const EventTable &table = list.table();
    const QLocale english = QLocale::c();
    QJsonArray rows;
    for (const EventRow &row : list.rows()) {
        const Event &event = table.events()[static_cast<std::size_t>(row.event)];
        const QDate date = QDate::fromJulianDay(row.date);
        QJsonObject object;
        object.insert(QStringLiteral("date"), table.date(event).toString());
        object.insert(QStringLiteral("next"), row.badDate ? QJsonValue() : QJsonValue(date.toString(Qt::ISODate)));
        object.insert(QStringLiteral("weekday"),
                      row.badDate ? QJsonValue() : QJsonValue(english.dayName(date.dayOfWeek(), QLocale::LongFormat)));
        object.insert(QStringLiteral("age"), row.age && !row.badDate ? QJsonValue(*row.age) : QJsonValue());
        object.insert(QStringLiteral("daysLeft"), row.badDate ? QJsonValue() : QJsonValue(row.dayCount));
        object.insert(QStringLiteral("description"), table.description(event).toString());
        object.insert(QStringLiteral("file"), files[event.slot].path);
        object.insert(QStringLiteral("oneOff"), event.oneOff);
        object.insert(QStringLiteral("badDate"), row.badDate);
        rows.append(object);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

} // namespace nudgely
