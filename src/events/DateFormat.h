#pragma once

#include <QChar>

namespace nudgely {

// How the date fields of the data files are written: the delimiter between the three
// elements, and which element is the day, the month and the year.
struct DateFormat {
    QChar delimiter = u'/';
    int dayIndex = 0; // 0 to 2, the element's place in the field
    int monthIndex = 1;
    int yearIndex = 2;
    // False for a format no field can match: every date is then unreadable.
    bool valid = true;

    // From the settings: the delimiter's index into "/", "-", "." and the day's and the
    // month's positions (1 to 3); the year takes the place they leave.
    static DateFormat fromSettings(int delimiterIndex, int dayPosition, int monthPosition);
};

// The delimiters in the order the settings number them.
inline constexpr char16_t DateDelimiters[3] = {u'/', u'-', u'.'};

} // namespace nudgely
