#include "events/DateFormat.h"

namespace nudgely {

DateFormat DateFormat::fromSettings(int delimiterIndex, int dayPosition, int monthPosition)
{
    DateFormat format;
    if (delimiterIndex < 0 || delimiterIndex > 2 || dayPosition < 1 || dayPosition > 3) {
        format.valid = false;
        return format;
    }
    format.delimiter = QChar(DateDelimiters[delimiterIndex]);
    format.dayIndex = dayPosition - 1;
    // The month takes the first place of the two left in order, unless its position names
    // the other one.
    const int first = dayPosition == 1 ? 1 : 0;
    const int second = dayPosition == 3 ? 1 : 2;
    format.monthIndex = monthPosition - 1 == first ? first : second;
    format.yearIndex = 3 - format.dayIndex - format.monthIndex;
    return format;
}

} // namespace nudgely
