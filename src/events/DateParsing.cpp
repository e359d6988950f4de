#include "events/DateParsing.h"

#include "config/Settings.h"
#include "events/Calendar.h"
#include "events/NumericText.h"
#include "events/SharedTexts.h"

#include <array>

namespace nudgely {

namespace {

constexpr std::array<char, 3> Delimiters = {'/', '-', '.'};
constexpr std::array<const char *, 12> MonthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
// Friday is FI, not FR.
constexpr std::array<const char *, 7> WeekdayNames = {"SU", "MO", "TU", "WE", "TH", "FI", "SA"};

// Compares the start of the text with an upper-case ASCII name, ignoring case.
bool StartsWithName(QStringView text, const char *name, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i) {
        if (text[i].toUpper() != QLatin1Char(name[i]))
            return false;
    }
    return true;
}

// Month names count by their first three characters: January, jan and Janvier are all 1.
std::optional<int> MonthNumberFromName(QStringView text)
{
    if (text.size() < 3)
        return std::nullopt;
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (StartsWithName(text, MonthNames[i], 3))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

bool IsYearless(QStringView year)
{
    return !year.isEmpty() && (year.back() == QLatin1Char('X') || year.back() == QLatin1Char('x'));
}

} // namespace

std::optional<QChar> DateDelimiter(int index)
{
    if (index < 0 || index >= static_cast<int>(Delimiters.size()))
        return std::nullopt;
    return QLatin1Char(Delimiters[static_cast<std::size_t>(index)]);
}

namespace {

// The three elements of a date field by role, and the month's number.
struct DateElements {
    QStringView day;
    QStringView month;
    QStringView year;
    int monthValue = 0;
    bool monthIsName = false;
};

std::optional<DateElements> SplitElements(QStringView text)
{
    const auto delimiter = DateDelimiter(Settings.Delimiter);
    if (!delimiter)
        return std::nullopt;
    const qsizetype first = text.indexOf(*delimiter);
    if (first < 0)
        return std::nullopt;
    const qsizetype second = text.indexOf(*delimiter, first + 1);
    if (second < 0 || second == text.size() - 1)
        return std::nullopt;

    const QStringView elements[3] = {text.left(first), text.mid(first + 1, second - first - 1), text.mid(second + 1)};
    int dayAt = 0;
    int monthAt = 0;
    switch (Settings.DayPos) {
    case 1:
        dayAt = 0;
        monthAt = Settings.MonthPos == 2 ? 1 : 2;
        break;
    case 2:
        dayAt = 1;
        monthAt = Settings.MonthPos == 1 ? 0 : 2;
        break;
    case 3:
        dayAt = 2;
        monthAt = Settings.MonthPos == 1 ? 0 : 1;
        break;
    default:
        return std::nullopt;
    }
    // The year takes whatever position day and month leave.
    DateElements result{elements[dayAt], elements[monthAt], elements[3 - dayAt - monthAt]};
    if (const auto number = NumericValue(result.month)) {
        result.monthValue = *number;
    } else if (const auto named = MonthNumberFromName(result.month)) {
        result.monthValue = *named;
        result.monthIsName = true;
    } else {
        return std::nullopt;
    }
    return result;
}

// A month name becomes its number from here on.
QString MonthText(const DateElements &elements)
{
    return elements.monthIsName ? SharedNumber(elements.monthValue) : SharedText(elements.month);
}

} // namespace

bool SplitDateField(const QString &text, QString &day, QString &month, QString &year)
{
    const auto elements = SplitElements(text);
    if (!elements)
        return false;
    day = SharedText(elements->day);
    month = MonthText(*elements);
    year = SharedText(elements->year);
    return true;
}

bool IsValidDate(const QString &day, const QString &month, const QString &year)
{
    const auto d = NumericValue(day);
    const auto m = NumericValue(month);
    const auto y = NumericValue(year);
    return d && m && y && BuildDate(*y, *m, *d).has_value();
}

std::optional<WeekdayRule> ParseWeekdayRule(QStringView day)
{
    const qsizetype nameAt = SkipDigits(day, 0);
    if (day.size() < nameAt + 2)
        return std::nullopt;
    for (std::size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (!StartsWithName(day.mid(nameAt), WeekdayNames[i], 2))
            continue;
        WeekdayRule rule;
        rule.weekday = static_cast<int>(i) + 1;
        if (nameAt > 0) {
            // The count is a 16-bit value; a longer one makes no date.
            bool ok = false;
            rule.count = day.left(nameAt).toInt(&ok);
            if (!ok || rule.count > 32767)
                return std::nullopt;
        }
        return rule;
    }
    return std::nullopt;
}

ClassifiedDate ClassifyDateField(const QString &text, int currentYear)
{
    ClassifiedDate result;
    const auto elements = SplitElements(text);
    if (!elements)
        return result;
    result.day = SharedText(elements->day);
    result.month = MonthText(*elements);
    result.year = SharedText(elements->year);

    const int month = elements->monthValue;
    const auto day = NumericValue(elements->day);
    if (const auto year = NumericValue(elements->year); day && year) {
        if (const auto date = BuildDate(*year, month, *day)) {
            result.kind = DateKind::FullDate;
            result.date = *date;
            return result;
        }
    }
    if (!IsYearless(elements->year))
        return result;
    result.monthValue = month;
    if (day && BuildDate(currentYear, month, *day)) {
        result.kind = DateKind::YearlessDate;
        result.dayValue = *day;
        return result;
    }
    if (const auto rule = ParseWeekdayRule(elements->day)) {
        result.kind = DateKind::WeekdayRule;
        result.rule = *rule;
    }
    return result;
}

} // namespace nudgely
