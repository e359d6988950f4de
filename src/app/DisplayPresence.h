#pragma once

#include <initializer_list>
#include <stdlib.h>

namespace nudgely {

// Whether a window could be shown: the rule the nudgely command and its module both go by,
// the command without Qt, so that a window run is started at once.
inline bool hasDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace nudgely
