#include "events/DateParsing.h"

#include "text/NumericText.h"

#include <QString>

#include <array>

namespace nudgely {

namespace {

constexpr std::array<const char *, 12> MonthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
// Friday is FI, not FR.
constexpr std::array<const char *, 7> WeekdayNames = {"SU", "MO", "TU", "WE", "TH", "FI", "SA"};

// Compares the start of the text with an upper-case ASCII name, ignoring case.
bool startsWithName(QStringView text, const char *name, qsizetype length)
{
    for (qsizetype i = 0; i < length; ++i) {
        if (text[i].toUpper() != QLatin1Char(name[i]))
            return false;
    }
    return true;
}

// Month names count by their first three characters: January, jan and Janvier are all 1.
std::optional<int> monthFromName(QStringView text)
{
    if (text.size() < 3)
        return std::nullopt;
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (startsWithName(text, MonthNames[i], 3))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

bool isYearless(QStringView year)
{
    return !year.isEmpty() && (year.back() == u'X' || year.back() == u'x');
}

struct Elements {
    QStringView day;
    QStringView month;
    QStringView year;
    int monthValue = 0;
};

// Fewer than two delimiters, a second delimiter at the very end, or a month that is
// neither a number nor a name: no elements.
std::optional<Elements> splitElements(QStringView field, const DateFormat &format)
{
    if (!format.valid)
        return std::nullopt;
    qsizetype first = -1;
    qsizetype second = -1;
    for (qsizetype i = 0; i < field.size() && second < 0; ++i) {
        if (field[i] == format.delimiter)
            (first < 0 ? first : second) = i;
    }
    if (second < 0 || second == field.size() - 1)
        return std::nullopt;
    // A third delimiter stays in the last element.
    const QStringView parts[3] = {field.left(first), field.mid(first + 1, second - first - 1), field.mid(second + 1)};
    Elements elements{parts[format.dayIndex], parts[format.monthIndex], parts[format.yearIndex]};
    if (const auto number = numericValue(elements.month))
        elements.monthValue = *number;
    else if (const auto named = monthFromName(elements.month))
        elements.monthValue = *named;
    else
        return std::nullopt;
    return elements;
}

} // namespace

std::optional<WeekdayRule> parseWeekdayRule(QStringView day)
{
    const qsizetype nameAt = skipDigits(day, 0);
    if (day.size() < nameAt + 2)
        return std::nullopt;
    for (std::size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (!startsWithName(day.mid(nameAt), WeekdayNames[i], 2))
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

ParsedDate parseDateField(QStringView field, const DateFormat &format, int currentYear)
{
    ParsedDate result;
    const auto elements = splitElements(field, format);
    if (!elements)
        return result;
    const int month = elements->monthValue;
    const auto day = numericValue(elements->day);
    if (const auto year = numericValue(elements->year); day && year) {
        if (const auto date = buildDate(*year, month, *day)) {
            result.kind = DateKind::FullDate;
            result.date = *date;
            return result;
        }
    }
    if (!isYearless(elements->year))
        return result;
    result.month = month;
    if (day && buildDate(currentYear, month, *day)) {
        result.kind = DateKind::YearlessDate;
        result.day = *day;
        return result;
    }
    if (const auto rule = parseWeekdayRule(elements->day)) {
        result.kind = DateKind::WeekdayRule;
        result.rule = *rule;
    }
    return result;
}

namespace {

QString quoted(QStringView text)
{
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
}

QString outsideCalendar()
{
    return QStringLiteral("the date falls outside the years 100 to 9999");
}

// The day element of a year-less date that is neither a day number nor a weekday rule.
QString weekdayRuleProblem(QStringView day)
{
    if (day.isEmpty())
        return QStringLiteral("the day is missing");
    const qsizetype nameAt = skipDigits(day, 0);
    if (nameAt == 0 || day.size() < nameAt + 2)
        return quoted(day) + QStringLiteral(" is neither a day nor a weekday rule such as 2SU");
    if (!parseWeekdayRule(QString(day.left(nameAt).toString() + QStringLiteral("SU"))))
        return QStringLiteral("the count of %1 is larger than 32767").arg(quoted(day));
    return quoted(day.mid(nameAt, 2)) + QStringLiteral(" is not a weekday: write SU, MO, TU, WE, TH, FI or SA");
}

} // namespace

QString dateFieldProblem(QStringView field, const DateFormat &format, int currentYear)
{
    if (parseDateField(field, format, currentYear).kind != DateKind::Bad)
        return {};
    if (!format.valid)
        return QStringLiteral("the date order in the preferences leaves no place for the day, month or year");
    if (field.isEmpty())
        return QStringLiteral("the line is a single word, with no date before it");
    const QChar delimiter = format.delimiter;
    const qsizetype first = field.indexOf(delimiter);
    const qsizetype second = first < 0 ? -1 : field.indexOf(delimiter, first + 1);
    if (second < 0)
        return QStringLiteral("%1 needs a day, a month and a year separated by \"%2\"").arg(quoted(field), delimiter);
    if (second == field.size() - 1)
        return QStringLiteral("nothing follows the second \"%1\"").arg(delimiter);
    const QStringView parts[3] = {field.left(first), field.mid(first + 1, second - first - 1), field.mid(second + 1)};
    const QStringView day = parts[format.dayIndex];
    const QStringView month = parts[format.monthIndex];
    const QStringView year = parts[format.yearIndex];
    if (month.isEmpty())
        return QStringLiteral("the month is missing");
    if (!numericValue(month) && !monthFromName(month))
        return quoted(month) + QStringLiteral(" is not a month");
    const bool dayNumber = numericValue(day).has_value();
    if (dayNumber && numericValue(year))
        return outsideCalendar();
    if (!isYearless(year)) {
        if (year.isEmpty())
            return QStringLiteral("the year is missing");
        if (!numericValue(year))
            return numericTextValue(year) ? outsideCalendar() : quoted(year) + QStringLiteral(" is neither a year nor a run of X");
        if (parseWeekdayRule(day))
            return QStringLiteral("a weekday rule such as %1 needs a year-less year such as XXXX").arg(quoted(day));
        return day.isEmpty() ? QStringLiteral("the day is missing") : quoted(day) + QStringLiteral(" is not a day");
    }
    if (dayNumber)
        return outsideCalendar();
    if (!parseWeekdayRule(day))
        return weekdayRuleProblem(day);
    return QStringLiteral("the date cannot be read");
}

} // namespace nudgely
