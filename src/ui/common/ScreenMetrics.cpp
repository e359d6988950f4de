#include "ui/common/ScreenMetrics.h"

#include "config/WindowGeometry.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace nudgely {

namespace {

QSize screenSize(const QScreen *screen)
{
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

int screenTwipsPerPixel(const QScreen *screen)
{
    return twipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0);
}

SizeBounds sizeBoundsOn(const QScreen *screen)
{
    const int perPixel = screenTwipsPerPixel(screen);
    // Whole-number division, as the bounds have always been worked out.
    return {QSize(static_cast<int>(MinimumWindowWidth) / perPixel, static_cast<int>(MinimumWindowHeight) / perPixel),
            screenSize(screen)};
}

void applySizeBounds(QWidget *window, const SizeBounds &bounds)
{
    // Qt bounds the inside of the window.
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    window->setMinimumSize(bounds.minimum - frameSize);
    window->setMaximumSize(bounds.maximum - frameSize);
}

bool centreWindow(QWidget *window, QPointF *twipsPosition)
{
    if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return false;
    const QScreen *screen = window->screen();
    const int perPixel = screenTwipsPerPixel(screen);
    const QSize outer = window->frameGeometry().size();
    const QSize available = screenSize(screen);
    const QPointF twips((available.width() - outer.width()) * perPixel / 2.0,
                        (available.height() - outer.height()) * perPixel / 2.0);
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window->move(origin + QPoint(twipsToPixels(twips.x(), perPixel), twipsToPixels(twips.y(), perPixel)));
    if (twipsPosition)
        *twipsPosition = twips;
    return true;
}

} // namespace nudgely
