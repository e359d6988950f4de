#pragma once

#include <QObject>
#include <QString>

class QAbstractItemView;

namespace nudgely {

// For the start-up benchmark: once the list's viewport has first painted rows (the window
// flushes them to the screen right after), writes the CLOCK_MONOTONIC time in nanoseconds to
// a file and says so. The window program makes one only when NUDGELY_FIRST_PAINT_REPORT
// names the file.
class FirstPaintReport final : public QObject {
    Q_OBJECT

public:
    FirstPaintReport(QAbstractItemView *view, const QString &file);

Q_SIGNALS:
    void reported();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showsRows() const;
    void report();

    QAbstractItemView *view_;
    QString file_;
    bool painting_ = false;
    bool done_ = false;
};

} // namespace nudgely
