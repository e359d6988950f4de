#pragma once

#include <QDate>
#include <QString>

namespace nudgely {

// One configured data file and the colours of its rows. Colours are 0x00BBGGRR; in the
// events grid 0 means the grid's standard colour, so black is stored as 1.
struct DataFileEntry {
    QString szFileName; // empty: slot unused
    qint32 lngFutureColourF = 0;
    qint32 lngFutureColourB = 0;
    qint32 lngTodayColourF = 0;
    qint32 lngTodayColourB = 0;
    qint32 lngPastColourF = 0;
    qint32 lngPastColourB = 0;
};

// The date that marks "no previous occurrence computed yet" in dtLast.
inline const QDate UnsetLastDate = QDate(1970, 1, 1);

// One event line of a data file and what resolving its date made of it.
struct EventRecord {
    QString szDate;        // the date field exactly as written
    QString szDay;         // day element, or a weekday rule such as 2SU
    QString szMonth;       // month element; a month name becomes its number
    QString szYear;        // year element; a last character "X" means no year
    QDate dtNext;          // occurrence on or after today (a one-off event's own date)
    QDate dtLast = UnsetLastDate; // previous occurrence
    QString szDescription; // rest of the line, untrimmed
    QString szAge;         // whole years at dtNext, or " " when there is no age
    int intDaysToNext = 0; // days from today to dtNext
    int intDaysToLast = 0; // days from today to dtLast
    quint8 bytDataFile = 0; // DataFiles slot the event came from, 1 to 20
    bool blnBadDate = false; // the date could not be resolved
    quint8 bytFlags = 0;   // bit 0: one-off event
};

inline constexpr quint8 OneOffFlag = 0x01;

} // namespace nudgely
