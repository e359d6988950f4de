#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace nudgely {

// Rebuilds the rows of the events grid from Events by the display settings, sets the
// main window's caption and shows the summary.
void DisplayEvents();

// Appends one row for an occurrence of an event (nothing for a bad date while bad dates
// are hidden).
void AddEventRow(const QDate &date, const QString &dateText, const QString &ageText, int dayCount,
                 const QString &description, bool badDate, int dataFile);

// "1" -> "1st", "12" -> "12th", "22" -> "22nd"; text that is not numeric stays as it is.
QString AppendOrdinalSuffix(const QString &text);

// "1 event", "0 events", "2 datafiles".
QString PluraliseCount(int count, const QString &noun);

// "Nudgely:  -7 days to +6 weeks", or "Nudgely:  all events".
QString EventListCaption();

// Where the caption goes: the main window installs it.
void InstallCaptionHook(std::function<void(const QString &)> hook);

// The hidden date column's text: it must read back as the same date.
QString HiddenDateText(const QDate &date);
QDate DateFromHiddenText(const QString &text);

} // namespace nudgely
