#include "events/Today.h"

namespace nudgely {

namespace {
QDate fixedToday;
}

QDate Today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void SetToday(const QDate &date)
{
    fixedToday = date;
}

} // namespace nudgely
