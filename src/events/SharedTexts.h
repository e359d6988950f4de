#pragma once

#include <QString>
#include <QStringView>

namespace nudgely {

// The same short text as a string shared with every earlier request for it. Date elements
// such as "05" or "XXXX" recur across thousands of events; sharing them saves an allocation
// each. Longer texts, and any once the pool is full, are made afresh.
QString SharedText(QStringView text);

// The decimal text of a number, shared the same way: ages and day counts repeat too.
QString SharedNumber(int number);

} // namespace nudgely
