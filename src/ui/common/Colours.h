#pragma once

#include <QColor>

namespace nudgely {

// Colours are kept as 0x00BBGGRR values, as the configuration file holds them.
QColor colourFromValue(qint32 value);
qint32 valueFromColour(const QColor &colour);

} // namespace nudgely
