// Opens the main window on a configuration file as the program does, waits until the list
// has painted its rows, then times a full reload (read, resolve, rows, sort, model reset and
// the view's update) and exits. bench/window-timing.sh times the whole process from outside.

#include "app/Session.h"
#include "ui/common/MessageBoxPresenter.h"
#include "ui/main/MainWindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

namespace {

// Counts paints of the list's rows.
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

void waitForPaint(PaintCounter &counter)
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
    nudgely::MessageBoxPresenter messages;
    nudgely::Session session(nudgely::AppPaths::forThisProgram(), QString::fromLocal8Bit(argv[1]), messages);
    session.clock().setToday(QDate(2026, 12, 5));

    nudgely::MainWindow window(session);
    PaintCounter counter;
    window.listView()->viewport()->installEventFilter(&counter);
    window.load();
    waitForPaint(counter);

    if (argc > 2 && QByteArray(argv[2]) == "--reload") {
        QElapsedTimer timer;
        timer.start();
        window.reloadDataFiles();
        window.listView()->viewport()->update();
        waitForPaint(counter);
        std::printf("load chain with view update: %.1f ms, %d rows\n", timer.nsecsElapsed() / 1e6,
                    window.listView()->model()->rowCount());
    }
    return 0;
}
