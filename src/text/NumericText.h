#pragma once

#include <QStringView>

#include <optional>

namespace nudgely {

// Numeric text as data files and grid cells use it: optional spaces, an optional sign,
// decimal digits with an optional fraction or exponent, optional spaces. Its value, or
// nothing when the text is not numeric.
std::optional<double> numericTextValue(QStringView text);

// The value of numeric text rounded to a whole number (halves to the even neighbour) that
// must lie within -32768 to 32767.
std::optional<int> numericValue(QStringView text);

// Decimal digits, 0 to 9 only.
inline bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The index of the first character at or after i that is not a digit.
inline qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

} // namespace nudgely
