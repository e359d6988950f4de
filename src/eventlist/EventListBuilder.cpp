#include "eventlist/EventListBuilder.h"

#include "config/Settings.h"
#include "eventlist/EventsGrid.h"
#include "eventlist/Sorting.h"
#include "events/EventTables.h"
#include "events/NumericText.h"
#include "events/SharedTexts.h"
#include "startup/AppIdentity.h"
#include "startup/StatusMessages.h"

#include <QLocale>

#include <array>

namespace nudgely {

namespace {

constexpr qint32 BadDateColour = 0x000000FF; // pure red
const QString Unknown = QStringLiteral("?");

std::function<void(const QString &)> captionHook;

// The age of a missed row: one less than at the next occurrence, for recurring events.
QString MissedAge(const EventRecord &event)
{
    const auto age = NumericValue(event.szAge);
    if ((event.bytFlags & OneOffFlag) || !age)
        return event.szAge;
    return QString::number(*age - 1);
}

// A recurring full date that still lies ahead has had no previous occurrence: its
// previous date is only the date less a year, so it is never missed (its age would be -1).
bool HadPreviousOccurrence(const EventRecord &event)
{
    const auto age = NumericValue(event.szAge);
    return (event.bytFlags & OneOffFlag) || !age || *age >= 1;
}

bool InMissedWindow(const EventRecord &event)
{
    return Settings.ShowMissed == 1 && !event.blnBadDate && event.intDaysToLast <= 0 &&
           event.intDaysToLast >= -int(Settings.MissedLength) && HadPreviousOccurrence(event);
}

void ColourRow(int row, bool badDate, int dayCount, int dataFile)
{
    grdDates.setCurrentCell(row, 0);
    grdDates.setSelectionEnd(row, EventsColumnCount - 1);
    if (badDate) {
        grdDates.setSelectionForeColour(BadDateColour);
        return;
    }
    const DataFileEntry &file = DataFiles[static_cast<std::size_t>(qBound(0, dataFile, MaxDataFiles))];
    if (dayCount > 0) {
        grdDates.setSelectionForeColour(file.lngFutureColourF);
        grdDates.setSelectionBackColour(file.lngFutureColourB);
    } else if (dayCount == 0) {
        grdDates.setSelectionForeColour(file.lngTodayColourF);
        grdDates.setSelectionBackColour(file.lngTodayColourB);
    } else {
        grdDates.setSelectionForeColour(file.lngPastColourF);
        grdDates.setSelectionBackColour(file.lngPastColourB);
    }
}

// The locale's abbreviated weekday names, looked up once per locale rather than per row.
QString ShortDayName(int dayOfWeek)
{
    static QLocale namesLocale(QLocale::c());
    static std::array<QString, 7> names;
    const QLocale locale;
    if (names[0].isNull() || locale != namesLocale) {
        namesLocale = locale;
        for (int day = 1; day <= 7; ++day)
            names[static_cast<std::size_t>(day - 1)] = locale.dayName(day, QLocale::ShortFormat);
    }
    return names[static_cast<std::size_t>(dayOfWeek - 1)];
}

void ShowNext(const EventRecord &event)
{
    AddEventRow(event.dtNext, event.szDate, event.szAge, event.intDaysToNext, event.szDescription, event.blnBadDate,
                event.bytDataFile);
}

} // namespace

QString HiddenDateText(const QDate &date)
{
    // ISO 8601 by hand: QDate::toString goes through the locale machinery for every row.
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return date.toString(Qt::ISODate);
    const char16_t text[10] = {
        char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10),
        char16_t(u'0' + year % 10),   u'-', char16_t(u'0' + month / 10), char16_t(u'0' + month % 10), u'-',
        char16_t(u'0' + day / 10),    char16_t(u'0' + day % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

QDate DateFromHiddenText(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QString AppendOrdinalSuffix(const QString &text)
{
    if (!NumericTextValue(text) || text.isEmpty())
        return text;
    const QChar last = text.back();
    const int d = IsDigit(last) ? last.unicode() - '0' : 0;
    if (text.size() > 1 && IsDigit(text[text.size() - 2])) {
        const int tens = 10 * (text[text.size() - 2].unicode() - '0') + d;
        if (tens >= 11 && tens <= 13)
            return text + QStringLiteral("th");
    }
    switch (d) {
    case 1:
        return text + QStringLiteral("st");
    case 2:
        return text + QStringLiteral("nd");
    case 3:
        return text + QStringLiteral("rd");
    default:
        return text + QStringLiteral("th");
    }
}

QString PluraliseCount(int count, const QString &noun)
{
    return QString::number(count) + QLatin1Char(' ') + noun + (count == 1 ? QString() : QStringLiteral("s"));
}

QString EventListCaption()
{
    QString caption = AppTitle + QStringLiteral(":  ");
    if (Settings.Filter == 0)
        return caption + QStringLiteral("all events");
    if (Settings.ShowMissed == 1)
        caption += QStringLiteral("-%1 days to ").arg(Settings.MissedLength);
    else
        caption += QStringLiteral("today to ");
    return caption + QStringLiteral("+%1 weeks").arg(Settings.FilterLength);
}

void InstallCaptionHook(std::function<void(const QString &)> hook)
{
    captionHook = std::move(hook);
}

void AddEventRow(const QDate &date, const QString &dateText, const QString &ageText, int dayCount,
                 const QString &description, bool badDate, int dataFile)
{
    if (Settings.HideUnknown == 1 && badDate)
        return;
    const int row = grdDates.appendRow();
    grdDates.setText(row, HiddenDateColumn, HiddenDateText(date));
    grdDates.setText(row, DateColumn, dateText);
    if (badDate) {
        for (const int column : {DayColumn, AgeColumn, TimeLeftColumn})
            grdDates.setText(row, column, Unknown);
    } else {
        grdDates.setText(row, DayColumn, ShortDayName(date.dayOfWeek()));
        grdDates.setText(row, AgeColumn,
                         Settings.AppendToAge == 1 ? SharedText(AppendOrdinalSuffix(ageText)) : ageText);
        grdDates.setText(row, TimeLeftColumn, SharedNumber(dayCount));
    }
    grdDates.setText(row, DescriptionColumn, description);
    ColourRow(row, badDate, dayCount, dataFile);
}

void DisplayEvents()
{
    ShowStatus(QStringLiteral("preparing to display events..."));
    SetBusyPointer(true);
    if (captionHook)
        captionHook(EventListCaption());

    grdDates.insertRow(1);
    grdDates.setRowCount(2);
    grdDates.setRedraw(false);

    int displayed = 0;
    int badDates = 0;
    const int futureDays = 7 * int(Settings.FilterLength);
    for (int i = 1; i <= EventCount; ++i) {
        const EventRecord &event = Events[static_cast<std::size_t>(i)];
        bool shown = false;
        if (InMissedWindow(event)) {
            AddEventRow(event.dtLast, event.szDate, MissedAge(event), event.intDaysToLast, event.szDescription,
                        event.blnBadDate, event.bytDataFile);
            ++displayed;
            shown = true;
        }
        if (Settings.Filter == 1) {
            if (!event.blnBadDate) {
                if (event.intDaysToNext >= 0 && event.intDaysToNext <= futureDays && !shown) {
                    ShowNext(event);
                    ++displayed;
                }
            } else {
                // A bad date is listed whatever the window, unless bad dates are hidden.
                ++badDates;
                if (Settings.HideUnknown == 0) {
                    ShowNext(event);
                    ++displayed;
                }
            }
        } else if (!shown) {
            if (event.blnBadDate) {
                ++badDates;
                if (Settings.HideUnknown == 0)
                    ++displayed;
            } else {
                ++displayed;
            }
            ShowNext(event);
        }
    }
    if (grdDates.rowCount() > 2)
        grdDates.removeRow(1);

    ShowStatus(QStringLiteral("sorting events..."));
    grdDates.setCurrentCell(1, DateColumn);
    grdDates.setSelectionEnd(grdDates.rowCount() - 1, DateColumn);
    grdDates.setSelectionAlignment(CellAlignment::Right);
    SortEvents();
    grdDates.setRedraw(true);

    ShowStatus(PluraliseCount(EventCount, QStringLiteral("event")) + QStringLiteral(" in ") +
               PluraliseCount(DataFilesRead, QStringLiteral("datafile")) + QStringLiteral(", ") +
               PluraliseCount(badDates, QStringLiteral("bad date")) + QStringLiteral(", ") +
               PluraliseCount(displayed, QStringLiteral("event")) + QStringLiteral(" displayed"));
    SetBusyPointer(false);
}

} // namespace nudgely
