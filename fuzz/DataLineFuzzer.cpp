// Feeds arbitrary bytes through the data file reader, the date field parsing and the
// occurrence resolution, and checks what every resolved event must satisfy.

#include "FuzzCheck.h"
#include "events/DataLine.h"
#include "events/EventTable.h"
#include "events/OccurrenceResolver.h"
#include "text/TextDecoding.h"

#include <array>
#include <cstdint>

namespace {

using namespace nudgely;

const std::array<QDate, 8> Todays = {QDate(2026, 12, 5), QDate(2027, 12, 31), QDate(2028, 1, 1), QDate(2028, 2, 29),
                                     QDate(2100, 3, 1),  QDate(100, 1, 1),    QDate(9999, 12, 31), QDate(1970, 1, 1)};

void checkEvent(const Event &event, const QDate &today)
{
    if (event.badDate)
        return;
    const qint64 day = today.toJulianDay();
    require(event.daysToNext == event.next - day);
    require(event.daysToLast == event.last - day);
    require(QDate::fromJulianDay(event.next).isValid() && QDate::fromJulianDay(event.last).isValid());
    if (event.oneOff) {
        require(event.last == event.next);
        require(!event.age);
        return;
    }
    require(event.daysToNext >= 0);
    require(!event.age || *event.age >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first bytes choose the date format and today, so that every order, delimiter and
    // edge of the calendar is explored; index 3 is a delimiter outside the list.
    const DateFormat format = DateFormat::fromSettings(data[0] % 4, data[1] % 5, data[2] % 5);
    const QDate today = Todays[data[3] % Todays.size()];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 4), static_cast<qsizetype>(size - 4));
    const QString text = decodeText(bytes);

    // One line on its own: its parts lie within it.
    if (const auto line = parseDataLine(text)) {
        require(line->description.isEmpty() || (line->description.data() >= text.data() &&
                                                 line->description.data() + line->description.size() <= text.data() + text.size()));
    }
    // The same text as a whole file of lines.
    EventTable table;
    table.addFile(1, bytes);
    resolveEvents(table, format, today);
    for (const Event &event : table.events()) {
        checkEvent(event, today);
        // A bad date always says why, and only a bad date does.
        require(badDateReason(table.date(event), format, today).isEmpty() == !event.badDate);
        require(table.lineText(event).contains(table.description(event)));
    }
    return 0;
}
