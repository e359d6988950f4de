#pragma once

#include <QDate>

namespace nudgely {

// Today's date for every computation: the one place that reads the system clock, unless a
// date is fixed (by --today, or by a test).
class Clock {
public:
    QDate today() const { return fixed_.isValid() ? fixed_ : QDate::currentDate(); }
    // A null date goes back to the system clock.
    void setToday(const QDate &date) { fixed_ = date; }

private:
    QDate fixed_;
};

} // namespace nudgely
