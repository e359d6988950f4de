#include "ui/common/Colours.h"

namespace nudgely {

QColor colourFromValue(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 valueFromColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QVariant cellColour(qint32 value, const QColor &standard)
{
    if (value == 0)
        return standard.isValid() ? QVariant(standard) : QVariant();
    return colourFromValue(value);
}

} // namespace nudgely
