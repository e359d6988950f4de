#include "ui/main/FirstPaintReport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include <time.h>

namespace nudgely {

FirstPaintReport::FirstPaintReport(QAbstractItemView *view, const QString &file)
    : QObject(view), view_(view), file_(file)
{
    view->viewport()->installEventFilter(this);
}

bool FirstPaintReport::eventFilter(QObject *watched, QEvent *event)
{
    if (done_ || painting_ || event->type() != QEvent::Paint || !showsRows())
        return false;
    // The paint is done here, so that the time is taken once the rows are painted.
    painting_ = true;
    QCoreApplication::sendEvent(watched, event);
    painting_ = false;
    report();
    return true;
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
    done_ = true;
    QFile out(file_);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(QByteArray::number(qint64(now.tv_sec) * 1000000000 + now.tv_nsec) + '\n');
    Q_EMIT reported();
}

} // namespace nudgely
