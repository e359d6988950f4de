// Opens the main window on a configuration file as the program does, waits until the grid
// has painted its rows, then times a full reload (read, resolve, list, view update) and
// exits. bench/window-timing.sh times the whole process from outside.

#include "events/Today.h"
#include "startup/AppPaths.h"
#include "ui/main/GridView.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

namespace {

// Counts paints of the grid's rows.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void WaitForPaint(PaintCounter &counter)
{
    const int before = counter.paints;
    while (counter.paints == before)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CONFIGURATION-FILE [--reload]\n", argv[0]);
        return 2;
    }
    nudgely::IniFilePath = QString::fromLocal8Bit(argv[1]);
    nudgely::SetToday(QDate(2026, 12, 5));

    nudgely::frmMain window;
    PaintCounter counter;
    window.gridView()->viewport()->installEventFilter(&counter);
    window.Form_Load();
    WaitForPaint(counter);

    if (argc > 2 && QByteArray(argv[2]) == "--reload") {
        QElapsedTimer timer;
        timer.start();
        window.menuReloadDatafiles_Click();
        window.gridView()->viewport()->update();
        WaitForPaint(counter);
        std::printf("load chain with view update: %.1f ms, %d rows\n", timer.nsecsElapsed() / 1e6,
                    window.gridView()->model()->rowCount());
    }
    return 0;
}
