#pragma once

#include "events/NumericText.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace nudgely {

// The delimiter character that Settings.Delimiter selects ("/", "-", "."); nothing for an
// index outside the list.
std::optional<QChar> DateDelimiter(int index);

// Splits a date field at the configured delimiter into the day, month and year elements
// by the configured positions. False with fewer than two delimiters, a second delimiter
// at the end, or a month element that is neither numeric nor a month name. On success a
// month name has become its number ("1" to "12").
bool SplitDateField(const QString &text, QString &day, QString &month, QString &year);

// True when all three are numeric text and a date can be built from their values.
bool IsValidDate(const QString &day, const QString &month, const QString &year);

// A day element such as 2SU: the n-th given weekday of a month.
struct WeekdayRule {
    int count = 1;
    int weekday = 1; // 1 = Sunday ... 7 = Saturday
};
std::optional<WeekdayRule> ParseWeekdayRule(QStringView day);

enum class DateKind { Bad, FullDate, YearlessDate, WeekdayRule };

// What a date field is, with the elements it was split into.
struct ClassifiedDate {
    DateKind kind = DateKind::Bad;
    QString day;
    QString month;
    QString year;
    QDate date;              // FullDate: the date itself
    int monthValue = 0;      // YearlessDate and WeekdayRule
    int dayValue = 0;        // YearlessDate
    WeekdayRule rule;        // WeekdayRule
};

// Applies the classification rules in order, for a given current year. A weekday rule is
// classified here by its syntax; whether its occurrence can be computed is the resolver's.
ClassifiedDate ClassifyDateField(const QString &text, int currentYear);

} // namespace nudgely
