// Feeds arbitrary bytes through the data file reader, the date field classification and the
// occurrence resolution, and checks what every resolved event must satisfy.

#include "config/Settings.h"
#include "config/TextDecoding.h"
#include "events/DataFileReader.h"
#include "events/EventTables.h"
#include "events/OccurrenceResolver.h"
#include "events/Today.h"

#include <QBuffer>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace nudgely;

const std::array<QDate, 8> Todays = {QDate(2026, 12, 5), QDate(2027, 12, 31), QDate(2028, 1, 1), QDate(2028, 2, 29),
                                     QDate(2100, 3, 1),  QDate(100, 1, 1),    QDate(9999, 12, 31), QDate(1970, 1, 1)};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckEvent(const EventRecord &event, const QDate &today)
{
    if (event.blnBadDate)
        return;
    Require(event.dtNext.isValid() && event.dtLast.isValid());
    Require(event.intDaysToNext == today.daysTo(event.dtNext));
    Require(event.intDaysToLast == today.daysTo(event.dtLast));
    if (event.bytFlags & OneOffFlag) {
        Require(event.dtLast == event.dtNext);
        Require(event.szAge == QStringLiteral(" "));
        return;
    }
    Require(event.intDaysToNext >= 0);
    Require(event.szAge == QStringLiteral(" ") || event.szAge.toInt() >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first bytes choose the date format and today, so that every order, delimiter and
    // edge of the calendar is explored; index 3 is a delimiter outside the list.
    Settings = SettingsRecord();
    Settings.Delimiter = data[0] % 4;
    Settings.DayPos = data[1] % 5;
    Settings.MonthPos = data[2] % 5;
    const QDate today = Todays[data[3] % Todays.size()];
    SetToday(today);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 4), static_cast<qsizetype>(size - 4));

    // One line on its own, then the same bytes as a whole file of lines.
    ResetEvents();
    ParseDataLine(DecodeText(bytes), 1);
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    ReadDataLines(file, 2);
    ResolveEvents();
    for (int i = 1; i <= EventCount; ++i)
        CheckEvent(Events[static_cast<std::size_t>(i)], today);
    return 0;
}
