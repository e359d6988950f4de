#include "text/ErrorText.h"

#include <cstring>

namespace nudgely {

QString systemErrorText(int code)
{
    // strerrordesc_np tells a known code from an unknown one in every locale.
    if (::strerrordesc_np(code) == nullptr)
        return QStringLiteral("Unknown error.");
    char buffer[256];
    const char *text = ::strerror_r(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text).simplified();
}

} // namespace nudgely
