#include "config/WindowGeometry.h"

#include "text/NumericText.h"

#include <cmath>

namespace nudgely {

namespace {

// Single precision, as the file has always held them.
std::optional<double> parseTwips(const std::optional<QString> &text)
{
    const auto number = text ? numericTextValue(*text) : std::nullopt;
    if (!number || std::abs(*number) > 1e9)
        return std::nullopt;
    return static_cast<double>(static_cast<float>(*number));
}

std::optional<double> readTwips(const IniDocument &file, const ConfigKey &key)
{
    return parseTwips(file.value(key.section, key.name));
}

double readWholeTwips(const IniDocument &file, const ConfigKey &key, double defaultValue)
{
    const auto number = readTwips(file, key);
    return number ? std::nearbyint(*number) : defaultValue;
}

void writeTwips(ConfigEdit &edit, const ConfigKey &key, double twips)
{
    edit.set(key, twipsText(twips));
}

} // namespace

int twipsPerPixel(double logicalDpi)
{
    if (logicalDpi <= 0)
        return 15;
    return qMax(1, static_cast<int>(std::lround(1440.0 / logicalDpi)));
}

int twipsToPixels(double twips, int twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QString twipsText(double twips)
{
    return QString::number(static_cast<float>(twips), 'g', 9);
}

QRect fittedInto(const QRect &outer, const QRect &area)
{
    QRect fitted(outer.topLeft(), outer.size().boundedTo(area.size()));
    fitted.moveLeft(qBound(area.left(), fitted.left(), area.left() + area.width() - fitted.width()));
    fitted.moveTop(qBound(area.top(), fitted.top(), area.top() + area.height() - fitted.height()));
    return fitted;
}

StoredWindowGeometry readWindowGeometry(const IniDocument &file, bool centred)
{
    StoredWindowGeometry geometry;
    for (std::size_t i = 0; i < geometry.columns.size(); ++i) {
        const auto twips = readTwips(file, ConfigKeys::ColumnWidths[i]);
        geometry.columns[i] = twips ? std::nearbyint(*twips) : DefaultColumnWidths[i];
        geometry.columnStored[i] = twips.has_value();
    }
    geometry.width = qMax(readWholeTwips(file, ConfigKeys::WindowWidth, DefaultWindowWidth), MinimumWindowWidth);
    geometry.height = qMax(readWholeTwips(file, ConfigKeys::WindowHeight, DefaultWindowHeight), MinimumWindowHeight);
    const auto maximised = file.value(ConfigKeys::WindowMaximised.section, ConfigKeys::WindowMaximised.name);
    geometry.maximised = numericTextValue(maximised.value_or(QStringLiteral("0"))) == 1.0;
    if (!centred) {
        geometry.left = readTwips(file, ConfigKeys::WindowLeft);
        geometry.top = readTwips(file, ConfigKeys::WindowTop);
    }
    return geometry;
}

void writeWindowGeometry(ConfigEdit &edit, const WindowGeometryToSave &geometry)
{
    if (geometry.width)
        writeTwips(edit, ConfigKeys::WindowWidth, *geometry.width);
    if (geometry.height)
        writeTwips(edit, ConfigKeys::WindowHeight, *geometry.height);
    if (geometry.top)
        writeTwips(edit, ConfigKeys::WindowTop, *geometry.top);
    if (geometry.left)
        writeTwips(edit, ConfigKeys::WindowLeft, *geometry.left);
    edit.set(ConfigKeys::WindowMaximised, geometry.maximised ? QStringLiteral("1") : QStringLiteral("0"));
    for (std::size_t i = 0; i < geometry.columns.size(); ++i)
        writeTwips(edit, ConfigKeys::ColumnWidths[i], std::nearbyint(geometry.columns[i]));
}

DialogPosition readDialogPosition(const IniDocument &file)
{
    return {readTwips(file, ConfigKeys::PreferencesLeft), readTwips(file, ConfigKeys::PreferencesTop)};
}

void writeDialogPosition(ConfigEdit &edit, double left, double top)
{
    writeTwips(edit, ConfigKeys::PreferencesTop, top);
    writeTwips(edit, ConfigKeys::PreferencesLeft, left);
}

} // namespace nudgely
