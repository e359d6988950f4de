#pragma once

#include <QColor>
#include <QVariant>

namespace nudgely {

// Colours are kept as 0x00BBGGRR values, as the configuration file holds them.
QColor colourFromValue(qint32 value);
qint32 valueFromColour(const QColor &colour);

// A cell's colour for a view: 0 stands for the standard colour, or for the view's own
// when there is none.
QVariant cellColour(qint32 value, const QColor &standard);

} // namespace nudgely
