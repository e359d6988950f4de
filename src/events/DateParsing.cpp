#include "events/DateParsing.h"

#include "config/Settings.h"
#include "events/Calendar.h"

#include <array>
#include <charconv>
#include <cmath>

namespace nudgely {

namespace {

constexpr std::array<char, 3> Delimiters = {'/', '-', '.'};
constexpr std::array<const char *, 12> MonthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
// Friday is FI, not FR.
constexpr std::array<const char *, 7> WeekdayNames = {"SU", "MO", "TU", "WE", "TH", "FI", "SA"};

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype SkipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The extent of the number inside optional spaces, or nothing when the text is not one.
std::optional<QStringView> NumberCore(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    qsizetype i = begin;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype integerEnd = SkipDigits(text, i);
    qsizetype digits = integerEnd - i;
    i = integerEnd;
    if (i < end && text[i] == QLatin1Char('.')) {
        const qsizetype fractionEnd = SkipDigits(text, i + 1);
        digits += fractionEnd - (i + 1);
        i = fractionEnd;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < end && (text[e] == QLatin1Char('+') || text[e] == QLatin1Char('-')))
            ++e;
        const qsizetype exponentEnd = SkipDigits(text, e);
        if (exponentEnd == e)
            return std::nullopt;
        i = exponentEnd;
    }
    if (i != end)
        return std::nullopt;
    return text.mid(begin, end - begin);
}

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

std::optional<int> NumericValue(QStringView text)
{
    const auto core = NumberCore(text);
    if (!core)
        return std::nullopt;
    // Plain whole numbers are by far the most common; leave the general path to the rest.
    if (core->size() <= 6) {
        bool whole = true;
        int value = 0;
        qsizetype i = 0;
        const bool negative = core->front() == QLatin1Char('-');
        if (negative || core->front() == QLatin1Char('+'))
            ++i;
        for (; i < core->size(); ++i) {
            if (!IsDigit((*core)[i])) {
                whole = false;
                break;
            }
            value = value * 10 + ((*core)[i].unicode() - '0');
        }
        if (whole) {
            value = negative ? -value : value;
            if (value < -32768 || value > 32767)
                return std::nullopt;
            return value;
        }
    }
    const QByteArray latin = core->toLatin1();
    const char *begin = latin.constData();
    if (*begin == '+')
        ++begin;
    double number = 0;
    const auto result = std::from_chars(begin, latin.constData() + latin.size(), number);
    if (result.ec != std::errc() || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number); // halves to even in the default rounding mode
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<QChar> DateDelimiter(int index)
{
    if (index < 0 || index >= static_cast<int>(Delimiters.size()))
        return std::nullopt;
    return QLatin1Char(Delimiters[static_cast<std::size_t>(index)]);
}

bool SplitDateField(const QString &text, QString &day, QString &month, QString &year)
{
    const auto delimiter = DateDelimiter(Settings.Delimiter);
    if (!delimiter)
        return false;
    const qsizetype first = text.indexOf(*delimiter);
    if (first < 0)
        return false;
    const qsizetype second = text.indexOf(*delimiter, first + 1);
    if (second < 0 || second == text.size() - 1)
        return false;

    const QStringView view(text);
    const QStringView elements[3] = {view.left(first), view.mid(first + 1, second - first - 1), view.mid(second + 1)};
    // The year takes whatever position day and month leave.
    int roles[3] = {}; // element index of day, month and year
    switch (Settings.DayPos) {
    case 1:
        roles[0] = 0;
        roles[1] = Settings.MonthPos == 2 ? 1 : 2;
        break;
    case 2:
        roles[0] = 1;
        roles[1] = Settings.MonthPos == 1 ? 0 : 2;
        break;
    case 3:
        roles[0] = 2;
        roles[1] = Settings.MonthPos == 1 ? 0 : 1;
        break;
    default:
        return false;
    }
    roles[2] = 3 - roles[0] - roles[1];
    day = elements[roles[0]].toString();
    year = elements[roles[2]].toString();

    const QStringView monthElement = elements[roles[1]];
    if (NumericValue(monthElement)) {
        month = monthElement.toString();
        return true;
    }
    month = monthElement.toString();
    const auto number = MonthNumberFromName(monthElement);
    if (!number)
        return false;
    month = QString::number(*number);
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
    if (!SplitDateField(text, result.day, result.month, result.year))
        return result;

    const auto day = NumericValue(result.day);
    const auto month = NumericValue(result.month);
    if (const auto year = NumericValue(result.year); day && month && year) {
        if (const auto date = BuildDate(*year, *month, *day)) {
            result.kind = DateKind::FullDate;
            result.date = *date;
            return result;
        }
    }
    if (!IsYearless(result.year) || !month)
        return result;
    result.monthValue = *month;
    if (day && BuildDate(currentYear, *month, *day)) {
        result.kind = DateKind::YearlessDate;
        result.dayValue = *day;
        return result;
    }
    if (const auto rule = ParseWeekdayRule(result.day)) {
        result.kind = DateKind::WeekdayRule;
        result.rule = *rule;
    }
    return result;
}

} // namespace nudgely
