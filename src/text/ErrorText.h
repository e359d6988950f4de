#pragma once

#include <QString>

namespace nudgely {

// The system's one-line text for an errno value, trimmed; "Unknown error." when it has none.
QString systemErrorText(int code);

} // namespace nudgely
