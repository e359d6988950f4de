#include "events/ContactCards.h"

#include "events/DataLine.h"
#include "events/DateParsing.h"

#include <QDate>
#include <QStringList>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// Each date of the cards as "<name>: <kind> <year>-<month>-<day>", and "<name>: -" for a card without.
QStringList datesOf(const QByteArray &vcf)
{
    QStringList list;
    for (const ContactCard &card : readContactCards(vcf)) {
        if (card.dates.empty())
            list.append(card.name + QStringLiteral(": -"));
        for (const ContactDate &d : card.dates)
            list.append(QStringLiteral("%1: %2 %3-%4-%5").arg(card.name, d.kind == ContactDate::Birthday ? "b" : "a")
                            .arg(d.year).arg(d.month).arg(d.day));
    }
    return list;
}

QByteArray card(const char *version, const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:" + QByteArray(version) + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(ContactCardsTest, EveryVersionAndDateForm)
{
    const std::pair<QByteArray, const char *> cases[] = {
        // 2.1: quoted-printable in its own character set, and with a soft line break.
        {card("2.1", "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg\r\nBDAY:19850415\r\n"),
         "J\xC3\xB6rg M\xC3\xBCller: b 1985-4-15"},
        {card("2.1", "FN;QUOTED-PRINTABLE;CHARSET=UTF-8:Ren=C3=A9e Lo=\r\nng\r\nBDAY:1985-04-15\r\n"),
         "Ren\xC3\xA9" "e Long: b 1985-4-15"},
        // 3.0: a folded line, escapes, a date with a time.
        {card("3.0", "FN:Smith\\, Sam\r\nBDAY;VALUE=date:1985-04-\r\n 15T00:00:00Z\r\n"), "Smith, Sam: b 1985-4-15"},
        {card("3.0", "item1.BDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29\r\nFN:Omitted\r\n"), "Omitted: b 0-2-29"},
        {card("3.0", "FN:Evo\r\nX-EVOLUTION-ANNIVERSARY:2001-06-30\r\nBDAY:0000-03-01\r\n"),
         "Evo: a 2001-6-30|Evo: b 0-3-1"},
        // 4.0: year-less dates, ANNIVERSARY, a date written as text.
        {card("4.0", "FN:Ann\r\nBDAY:--0415\r\nANNIVERSARY:--04-16\r\n"), "Ann: b 0-4-15|Ann: a 0-4-16"},
        {card("4.0", "FN:Circa\r\nBDAY;VALUE=text:circa 1800\r\n"), "Circa: -"},
        // Not a whole date, or no such day: left out.
        {card("4.0", "FN:Part\r\nBDAY:1985\r\nBDAY:--04\r\nBDAY:19850230\r\nBDAY:1900-02-29\r\n"), "Part: -"},
        {card("4.0", "N:Doe;Jo;;;\r\n"), "Jo Doe: -"},
        {card("4.0", "ORG:Acme;Sales\r\nBDAY:20000229\r\n"), "Acme: b 2000-2-29"},
        {card("4.0", "FN:/A trick\r\n") + "BEGIN:VCARD\r\nBDAY:19990101", "A trick: -|Unnamed contact: b 1999-1-1"},
    };
    for (const auto &[vcf, expected] : cases)
        EXPECT_EQ(datesOf(vcf).join(u'|'), QString::fromUtf8(expected)) << vcf.constData();
}

TEST(ContactCardsTest, DataFileInTheDateFormatReadsBackAsTheCardsDates)
{
    const auto cards = readContactCards(card("3.0", "FN:Sam Smith\r\nN:Smith;Sam\r\nBDAY:19850415\r\n"
                                                    "ANNIVERSARY:--0630\r\nX-SPOUSE:Alex\r\n") +
                                        card("3.0", "FN:Kim\r\nANNIVERSARY:2010-01-02\r\n") + card("4.0", "FN:Bo\r\n"));
    const DateFormat format = DateFormat::fromSettings(1, 2, 1); // 04-15-1985
    const ContactDataFile file = contactDataFile(cards, format, QStringLiteral("contacts.vcf"));
    EXPECT_EQ(file.text, "; Birthdays and anniversaries from contacts.vcf, imported by Nudgely.\n"
                         "04-15-1985 Sam Smith's birthday\n06-30-XXXX Sam and Alex's anniversary\n"
                         "01-02-2010 Kim's anniversary\n");
    EXPECT_EQ(file.dates, 3);
    EXPECT_EQ(file.cardsWithoutDates, QStringList("Bo"));
    // Each line is read back as the date it was made from.
    const QStringList lines = file.text.split(u'\n', Qt::SkipEmptyParts).mid(1);
    const ParsedDate sam = parseDateField(parseDataLine(lines[0])->date, format, 2026);
    EXPECT_EQ(QDate::fromJulianDay(sam.date), QDate(1985, 4, 15));
    const ParsedDate yearless = parseDateField(parseDataLine(lines[1])->date, format, 2026);
    EXPECT_TRUE(yearless.kind == DateKind::YearlessDate && yearless.month == 6 && yearless.day == 30);
}

} // namespace
} // namespace nudgely
