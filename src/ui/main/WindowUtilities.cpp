#include "ui/main/WindowUtilities.h"

#include "config/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace nudgely {

namespace {
const char *const HookedProperty = "nudgelySizeHook";
}

int ScreenTwipsPerPixel(const QScreen *screen)
{
    return TwipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0);
}

SizeBounds ComputeSizeBounds(const QScreen *screen)
{
    const int twipsPerPixel = ScreenTwipsPerPixel(screen);
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    // Whole-number division, as the bounds have always been worked out.
    return {QSize(static_cast<int>(MinimumWindowWidth) / twipsPerPixel,
                  static_cast<int>(MinimumWindowHeight) / twipsPerPixel),
            screenSize};
}

void InstallSizeHook(QWidget *window, const SizeBounds &bounds)
{
    // The bounds are for the outer size; Qt bounds the inside.
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    window->setMinimumSize(bounds.minimum - frameSize);
    window->setMaximumSize(bounds.maximum - frameSize);
    window->setProperty(HookedProperty, true);
}

void RemoveSizeHook(QWidget *window)
{
    if (!window->property(HookedProperty).toBool())
        return;
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setProperty(HookedProperty, false);
}

bool CentreForm(QWidget *window, QPointF *twipsPosition)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return false;
    const QScreen *screen = window->screen();
    const int twipsPerPixel = ScreenTwipsPerPixel(screen);
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize outer = window->frameGeometry().size();
    const QPointF twips((screenSize.width() - outer.width()) * twipsPerPixel / 2.0,
                        (screenSize.height() - outer.height()) * twipsPerPixel / 2.0);
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window->move(origin + QPoint(TwipsToPixels(twips.x(), twipsPerPixel), TwipsToPixels(twips.y(), twipsPerPixel)));
    if (twipsPosition)
        *twipsPosition = twips;
    return true;
}

} // namespace nudgely
