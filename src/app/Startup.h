#pragma once

#include "app/AppPaths.h"
#include "app/MessagePresenter.h"

#include <QStringList>

#include <optional>

namespace nudgely {

// True when the command line names the configuration file: a first argument that begins
// with "/I" (any case, "/ini" too), the file in the second.
bool namesConfigurationFile(const QStringList &arguments);

// The configuration file of this run: the one the command line names, else searched for.
// Nothing when the start-up must end: "/I" without a file, or a missing file the user did
// not confirm.
std::optional<QString> settleConfigurationFile(const QStringList &arguments, const AppPaths &paths,
                                               MessagePresenter &messages);

} // namespace nudgely
