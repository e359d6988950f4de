#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace nudgely {

// The date and time for every computation: the one place that reads the system clock,
// unless a time is fixed (by --today, or by a test, which may move it on).
class Clock {
public:
    QDateTime now() const { return fixed_.isValid() ? fixed_ : QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }
    // Noon of that day; a null date goes back to the system clock.
    void setToday(const QDate &date) { fixed_ = date.isValid() ? QDateTime(date, QTime(12, 0)) : QDateTime(); }
    void setNow(const QDateTime &now) { fixed_ = now; }

private:
    QDateTime fixed_;
};

} // namespace nudgely
