// Feeds arbitrary bytes through the vCard reader and the data file it makes, and checks that
// every date it finds is a real one and that each written line reads back as that date.

#include "FuzzCheck.h"
#include "events/Calendar.h"
#include "events/ContactCards.h"
#include "events/DataLine.h"
#include "events/DateParsing.h"

#include <QDate>

#include <cstdint>

namespace {

using namespace nudgely;

void checkLine(QStringView line, const ContactCard &card, const ContactDate &date, const DateFormat &format)
{
    const auto parsed = parseDataLine(line);
    require(parsed && !parsed->oneOff);
    require(parsed->description == contactDateDescription(card, date));
    const ParsedDate field = parseDateField(parsed->date, format, 2026);
    if (date.year == 0) {
        require(field.kind == DateKind::YearlessDate && field.month == date.month && field.day == date.day);
    } else {
        require(field.kind == DateKind::FullDate);
        require(QDate::fromJulianDay(field.date) == QDate(date.year, date.month, date.day));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the date format the file is written in.
    const DateFormat format = DateFormat::fromSettings(data[0] % 3, data[0] / 3 % 3 + 1, data[0] / 9 % 3 + 1);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const std::vector<ContactCard> cards = readContactCards(bytes);
    int dates = 0;
    for (const ContactCard &card : cards) {
        require(!card.name.isEmpty() && !card.name.contains(u'\n') && !card.name.contains(u'\r'));
        for (const ContactDate &date : card.dates) {
            require(date.year == 0 || (date.year >= 100 && date.year <= 9999));
            require(QDate(date.year == 0 ? 2000 : date.year, date.month, date.day).isValid());
            ++dates;
        }
    }
    const ContactDataFile file = contactDataFile(cards, format, QStringLiteral("fuzz.vcf"));
    require(file.dates == dates);
    const QStringList lines = file.text.split(u'\n');
    require(lines.size() == dates + 2 && lines.back().isEmpty());
    int line = 1;
    for (const ContactCard &card : cards) {
        for (const ContactDate &date : card.dates)
            checkLine(lines[line++], card, date, format);
    }
    return 0;
}
