#include "app/Startup.h"

#include "config/ConfigLocation.h"

#include <QFileInfo>

namespace nudgely {

bool namesConfigurationFile(const QStringList &arguments)
{
    return !arguments.isEmpty() && arguments.first().left(2).toUpper() == QLatin1String("/I");
}

std::optional<QString> settleConfigurationFile(const QStringList &arguments, const AppPaths &paths,
                                               MessagePresenter &messages)
{
    if (!namesConfigurationFile(arguments))
        return searchConfigurationFile(paths.programFolder, paths.userConfigFolder);

    const QString given = arguments.value(1);
    if (given.isEmpty()) {
        messages.warn(QStringLiteral("Configuration file not found on command line after /i parameter!\n\n"
                                     "Please check the command or launcher that starts Nudgely and try again."));
        return std::nullopt;
    }
    const QString path = QFileInfo(given).absoluteFilePath();
    if (QFileInfo(path).isFile())
        return path;
    const bool goOn = messages.confirm(QStringLiteral("Configuration file specified as command line parameter not "
                                                      "found:\n%1\n\nAre you sure you want to continue?")
                                           .arg(path));
    return goOn ? std::optional<QString>(path) : std::nullopt;
}

} // namespace nudgely
