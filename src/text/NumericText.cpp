#include "text/NumericText.h"

#include <QByteArray>

#include <charconv>
#include <cmath>

namespace nudgely {

namespace {

// The extent of the number inside optional spaces, or nothing when the text is not one.
std::optional<QStringView> numberCore(QStringView text)
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
    const qsizetype integerEnd = skipDigits(text, i);
    qsizetype digits = integerEnd - i;
    i = integerEnd;
    if (i < end && text[i] == QLatin1Char('.')) {
        const qsizetype fractionEnd = skipDigits(text, i + 1);
        digits += fractionEnd - (i + 1);
        i = fractionEnd;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < end && (text[e] == QLatin1Char('+') || text[e] == QLatin1Char('-')))
            ++e;
        const qsizetype exponentEnd = skipDigits(text, e);
        if (exponentEnd == e)
            return std::nullopt;
        i = exponentEnd;
    }
    if (i != end)
        return std::nullopt;
    return text.mid(begin, end - begin);
}

// Plain whole numbers of up to five digits are by far the most common; they skip the
// general conversion.
std::optional<int> smallWholeNumber(QStringView core)
{
    if (core.size() > 6)
        return std::nullopt;
    qsizetype i = 0;
    const bool negative = core.front() == QLatin1Char('-');
    if (negative || core.front() == QLatin1Char('+'))
        ++i;
    int value = 0;
    for (; i < core.size(); ++i) {
        if (!isDigit(core[i]))
            return std::nullopt;
        value = value * 10 + (core[i].unicode() - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::optional<double> numericTextValue(QStringView text)
{
    const auto core = numberCore(text);
    if (!core)
        return std::nullopt;
    if (const auto whole = smallWholeNumber(*core))
        return *whole;
    const QByteArray latin = core->toLatin1();
    const char *begin = latin.constData();
    if (*begin == '+')
        ++begin;
    double number = 0;
    const auto result = std::from_chars(begin, latin.constData() + latin.size(), number);
    if (result.ec != std::errc() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<int> numericValue(QStringView text)
{
    // Date elements are nearly always a few plain digits: read them without the general
    // conversion.
    if (!text.isEmpty() && text.size() <= 4 && skipDigits(text, 0) == text.size()) {
        int value = 0;
        for (const QChar c : text)
            value = value * 10 + (c.unicode() - u'0');
        return value;
    }
    const auto number = numericTextValue(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // halves to even in the default rounding mode
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace nudgely
