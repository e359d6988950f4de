#include "app/MessagePresenter.h"

#include <cstdio>

namespace nudgely {

void StandardErrorPresenter::warn(const QString &text)
{
    std::fprintf(stderr, "Nudgely: %s\n", qPrintable(text));
}

void StandardErrorPresenter::inform(const QString &text)
{
    warn(text);
}

bool StandardErrorPresenter::confirm(const QString &text)
{
    warn(text);
    std::fprintf(stderr, "Nudgely: no one to ask; taking the answer No\n");
    return false;
}

} // namespace nudgely
