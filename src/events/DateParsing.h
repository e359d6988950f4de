#pragma once

#include "events/Calendar.h"
#include "events/DateFormat.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace nudgely {

// A day element such as 2SU: the n-th given weekday of a month.
struct WeekdayRule {
    int count = 1;
    int weekday = 1; // 1 = Sunday ... 7 = Saturday
};
// An optional count, then two letters naming the weekday (SU MO TU WE TH FI SA, in any
// case), then anything.
std::optional<WeekdayRule> parseWeekdayRule(QStringView day);

enum class DateKind { Bad, FullDate, YearlessDate, WeekdayRule };

// What a date field means.
struct ParsedDate {
    DateKind kind = DateKind::Bad;
    DayNumber date = 0;  // FullDate: the date itself
    int month = 0;       // YearlessDate and WeekdayRule; may lie outside 1 to 12
    int day = 0;         // YearlessDate
    WeekdayRule rule;    // WeekdayRule
};

// Splits the field into its elements and applies the rules in order: a full date, else a
// date without a year (its year ends in X), else a weekday rule. A weekday rule is
// recognised here by its form; whether its occurrence can be computed is the resolver's.
// currentYear decides whether a date without a year can be built at all.
ParsedDate parseDateField(QStringView field, const DateFormat &format, int currentYear);

// Why parseDateField finds no date in the field, such as "FR" is not a weekday; empty when
// it finds one. Worked out only for the fields that fail, so reading stays as fast.
QString dateFieldProblem(QStringView field, const DateFormat &format, int currentYear);

} // namespace nudgely
