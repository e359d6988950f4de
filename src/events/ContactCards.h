#pragma once

#include "events/DateFormat.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace nudgely {

// A birthday or an anniversary of a contact card; year 0 when the card gives none.
struct ContactDate {
    enum Kind { Birthday, Anniversary };
    Kind kind = Birthday;
    int year = 0;
    int month = 0;
    int day = 0;
};

// One card: its name, the spouse it names, and its dates that could be read.
struct ContactCard {
    QString name;      // FN, else N's given and family names, else ORG; never empty
    QString givenName; // N's given name, for "Sam and Alex's anniversary"
    QString spouse;
    std::vector<ContactDate> dates;
};

// The cards of a vCard file, version 2.1, 3.0 or 4.0: folded lines, quoted-printable and
// escaped values, text in UTF-8 or the card's 8-bit character set. Dates are read from BDAY,
// ANNIVERSARY and the X- names other programs give an anniversary, written 19850415,
// 1985-04-15, --0415 or --04-15 and with a time after them; a year the card marks as left
// out (X-APPLE-OMIT-YEAR) or one before 100 counts as none. Anything else is left out.
std::vector<ContactCard> readContactCards(QByteArrayView bytes);

// "Sam Smith's birthday", "Sam Smith's anniversary", or with a spouse on the card
// "Sam and Alex's anniversary".
QString contactDateDescription(const ContactCard &card, const ContactDate &date);

// A data file of the cards' dates in the given date format, one line per date, a year-less
// one (XXXX) where the card has no year; how many dates it holds, and the names of the
// cards without any.
struct ContactDataFile {
    QString text;
    int dates = 0;
    QStringList cardsWithoutDates;
};
ContactDataFile contactDataFile(const std::vector<ContactCard> &cards, const DateFormat &format,
                                const QString &source);

} // namespace nudgely
