#include "app/Listing.h"

#include "app/Session.h"
#include "app/Startup.h"

#include <QCoreApplication>

#include <cstdlib>

namespace nudgely {

void printEventList(const EventList &list, std::FILE *out, std::FILE *err)
{
    const QStringList lines = list.lines(0, list.rowCount() - 1, DateColumn, DescriptionColumn, true);
    const QByteArray text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
    std::fflush(out);
    std::fprintf(err, "%s\n", list.summaryText().toUtf8().constData());
}

int runListing(int argc, char **argv, const ProgramOptions &options)
{
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    const AppPaths paths = AppPaths::forThisProgram();
    const auto configPath = settleConfigurationFile(options.arguments, paths, messages);
    if (!configPath)
        return ExitConfigurationProblem;
    // Everything is printed before the exit: tearing down tens of thousands of events one
    // by one would only delay it, so the session is never destroyed.
    auto *session = new Session(paths, *configPath, messages);
    session->clock().setToday(options.today);
    session->loadConfiguration();
    session->reloadDataFiles();
    printEventList(session->list(), stdout, stderr);
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace nudgely
