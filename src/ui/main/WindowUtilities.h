#pragma once

#include <QPointF>
#include <QSize>

class QScreen;
class QWidget;

namespace nudgely {

// The main window's size bounds in pixels: no smaller than 3000 x 2400 twips, no larger
// than the screen, both taken when the window loads.
struct SizeBounds {
    QSize minimum;
    QSize maximum;
};

int ScreenTwipsPerPixel(const QScreen *screen);
SizeBounds ComputeSizeBounds(const QScreen *screen);
void InstallSizeHook(QWidget *window, const SizeBounds &bounds);
// Removing it twice, or without installing it, does nothing.
void RemoveSizeHook(QWidget *window);

// Centres a window (its frame included) on its screen. False, leaving it alone, when the
// window is minimised or maximised. The new position in twips, exact to the half twip,
// goes to twipsPosition when given.
bool CentreForm(QWidget *window, QPointF *twipsPosition = nullptr);

} // namespace nudgely
