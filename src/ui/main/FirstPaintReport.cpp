#include "ui/main/FirstPaintReport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <time.h>

namespace nudgely {

FirstPaintReport::FirstPaintReport(QAbstractItemView *view, const QString &file)
    : QObject(view), view_(view), file_(file)
{
    view->viewport()->installEventFilter(this);
}

bool FirstPaintReport::eventFilter(QObject *watched, QEvent *event)
{
    if (!seen_ && event->type() == QEvent::Paint && showsRows()) {
        seen_ = true;
        // Timed once the paint and its flush to the screen have returned to the event loop.
        QTimer::singleShot(0, this, &FirstPaintReport::report);
    }
    return QObject::eventFilter(watched, event);
}

bool FirstPaintReport::showsRows() const
{
    // An empty list still shows one blank row.
    const QAbstractItemModel *model = view_->model();
    for (int column = 0; model && column < model->columnCount(); ++column) {
        if (!model->index(0, column).data().toString().isEmpty())
            return true;
    }
    return false;
}

void FirstPaintReport::report()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    QFile out(file_);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec) + '\n');
    Q_EMIT reported();
}

} // namespace nudgely
