#pragma once

#include "app/AppPaths.h"
#include "app/MessagePresenter.h"

#include <QStringList>

#include <optional>

namespace nudgely {

// The configuration file of this run. A first argument that begins with "/I" (any case,
// "/ini" too) names it in the second; any other command line searches for it. Nothing when
// the start-up must end: "/I" without a file, or a missing file the user did not confirm.
std::optional<QString> settleConfigurationFile(const QStringList &arguments, const AppPaths &paths,
                                               MessagePresenter &messages);

} // namespace nudgely
