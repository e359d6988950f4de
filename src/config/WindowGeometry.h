#pragma once

#include "config/ConfigFile.h"

#include <QRect>

#include <array>
#include <optional>

namespace nudgely {

// Window sizes and positions are kept in twips (1/1440 inch) so that the configuration file
// moves between screens; twips per pixel is 1440 / the screen's logical DPI, rounded (15 at
// 96 DPI).
inline constexpr double DefaultWindowWidth = 7185;
inline constexpr double DefaultWindowHeight = 5370;
inline constexpr double MinimumWindowWidth = 3000;
inline constexpr double MinimumWindowHeight = 2400;
inline constexpr std::array<double, 5> DefaultColumnWidths = {1000, 480, 480, 645, 3990};

int twipsPerPixel(double logicalDpi);
int twipsToPixels(double twips, int twipsPerPixel);

// The main window's geometry as the configuration file holds it.
struct StoredWindowGeometry {
    double width = DefaultWindowWidth;   // raised to the minimum
    double height = DefaultWindowHeight; // raised to the minimum
    // Only read for a window that is not centred; nothing when missing or not a number, and
    // the window is then centred.
    std::optional<double> left;
    std::optional<double> top;
    bool maximised = false;
    std::array<double, 5> columns = DefaultColumnWidths; // "date" to "event description"
    std::array<bool, 5> columnStored = {}; // the file holds a width for the column
};

StoredWindowGeometry readWindowGeometry(const IniDocument &file, bool centred);

// A window's outer rectangle shrunk to an area's size and moved the least into it, so that
// all of it, its title bar first, can be reached.
QRect fittedInto(const QRect &outer, const QRect &area);

// What a closing window writes: the size and position only when they are to be kept.
struct WindowGeometryToSave {
    std::optional<double> width;
    std::optional<double> height;
    std::optional<double> left;
    std::optional<double> top;
    bool maximised = false;
    std::array<double, 5> columns = DefaultColumnWidths;
};

// In the file's order: width, height, top, left, maximised, the column widths.
void writeWindowGeometry(ConfigEdit &edit, const WindowGeometryToSave &geometry);

// A coordinate as written: whole numbers without a fractional part.
QString twipsText(double twips);

// The preferences dialog's own position.
struct DialogPosition {
    std::optional<double> left;
    std::optional<double> top;
};
DialogPosition readDialogPosition(const IniDocument &file);
// In the file's order: top, then left.
void writeDialogPosition(ConfigEdit &edit, double left, double top);

} // namespace nudgely
