#pragma once

#include <QPointF>
#include <QSize>

class QScreen;
class QWidget;

namespace nudgely {

// Twips per pixel on a screen: 1440 / its logical DPI, rounded (15 at 96 DPI).
int screenTwipsPerPixel(const QScreen *screen);

// The main window's size bounds in pixels: no smaller than 3000 x 2400 twips, no larger
// than the screen, both taken when the window loads. They bound the outer size.
struct SizeBounds {
    QSize minimum;
    QSize maximum;
};
SizeBounds sizeBoundsOn(const QScreen *screen);
void applySizeBounds(QWidget *window, const SizeBounds &bounds);

// Centres a window (its frame included) on its screen. False, leaving it alone, when the
// window is minimised or maximised. The new position in twips, exact to the half twip,
// goes to twipsPosition when given.
bool centreWindow(QWidget *window, QPointF *twipsPosition = nullptr);

} // namespace nudgely
