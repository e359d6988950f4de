#include "app/Listing.h"

#include "app/AppPaths.h"
#include "app/ContactImport.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "eventlist/CsvWriter.h"
#include "eventlist/JsonWriter.h"
#include "eventlist/TsvWriter.h"
#include "events/OccurrenceResolver.h"
#include "text/ErrorText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace nudgely {

namespace {

// A closed standard output would be the descriptor the next file opened gets, and the list
// would be written into it. /dev/null holds the place; the closed output is still a failure.
bool holdClosedOutput()
{
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1)
        return false;
    const int fd = ::open("/dev/null", O_WRONLY);
    if (fd >= 0 && fd != STDOUT_FILENO)
        ::close(fd);
    return true;
}

} // namespace

void printProblems(const Session &session, std::FILE *err)
{
    for (const DataFileProblem &problem : session.problems())
        std::fprintf(err, "nudgely: %s: %s\n", problem.path.toUtf8().constData(),
                     problem.reason.toUtf8().constData());
}

int writeList(const Session &session, QByteArrayView text, std::FILE *out, std::FILE *err, const QStringList &notes)
{
    errno = 0;
    const std::size_t written = std::fwrite(text.data(), 1, static_cast<std::size_t>(text.size()), out);
    // A closed or full output must not look like a list printed whole.
    const int error = (std::fflush(out) != 0 || written != static_cast<std::size_t>(text.size()) || std::ferror(out))
                          ? (errno != 0 ? errno : EIO)
                          : 0;
    printProblems(session, err);
    for (const QString &note : notes)
        std::fprintf(err, "nudgely: %s\n", note.toUtf8().constData());
    std::fprintf(err, "%s\n", session.summaryText().toUtf8().constData());
    return error;
}

int printEventList(const Session &session, std::FILE *out, std::FILE *err, ListFormat format)
{
    switch (format) {
    case ListFormat::Csv:
        return writeList(session, csvText(session.list()), out, err);
    case ListFormat::Json:
        return writeList(session, jsonText(session.list(), session.dataFiles()), out, err);
    case ListFormat::Tsv:
        break;
    case ListFormat::Ics:
        return ENOTSUP; // the full program's, with the calendar library
    }
    return writeList(session, tsvText(session.list()), out, err);
}

Session *loadWithoutWindow(const ProgramOptions &options, const AppPaths &paths, MessagePresenter &messages,
                           int &status)
{
    const auto configPath = settleConfigurationFile(options.arguments, paths, messages);
    if (!configPath) {
        status = ExitConfigurationProblem;
        return nullptr;
    }
    auto *session = new Session(paths, *configPath, messages);
    session->clock().setToday(options.today);
    session->setListPeriod({options.days, options.past});
    // The run goes on all the same: the settings were read, only a write failed.
    status = session->loadConfiguration() ? 0 : ExitConfigurationProblem;
    session->reloadDataFiles();
    return session;
}

int runListing(const ProgramOptions &options, const QString &commandPath, ListPrinter print)
{
    const bool outputClosed = holdClosedOutput();
    // No application object: it sets up an event loop, locale and plugin paths that a list
    // never uses, and costs a tenth of the run.
    StandardErrorPresenter messages;
    int status = 0;
    const Session *session = loadWithoutWindow(options, AppPaths::forThisProgram(commandPath), messages, status);
    if (!session)
        return status;
    int error = print(*session, stdout, stderr, options.format);
    if (outputClosed)
        error = EBADF;
    if (error != 0) {
        std::fprintf(stderr, "nudgely: writing the list: %s\n", systemErrorText(error).toUtf8().constData());
        status = ExitOutputFailure;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

int printDateCheck(const Session &session, std::FILE *out, std::FILE *err)
{
    const EventTable &table = session.table();
    int bad = 0;
    for (const Event &event : table.events()) {
        if (!event.badDate)
            continue;
        ++bad;
        QString reason = badDateReason(table.date(event), session.dateFormat(), session.resolvedFor());
        if (reason.isEmpty())
            reason = QStringLiteral("the date cannot be resolved");
        std::fprintf(out, "%s:%u: %s: %s\n", session.dataFiles()[event.slot].path.toUtf8().constData(), event.line,
                     reason.toUtf8().constData(), table.lineText(event).toUtf8().constData());
    }
    printProblems(session, err);
    std::fflush(out);
    return bad > 0 || !session.problems().empty() ? ExitBadLines : 0;
}

int runCheck(const ProgramOptions &options)
{
    StandardErrorPresenter messages;
    int status = 0;
    const Session *session = loadWithoutWindow(options, AppPaths::forThisProgram(), messages, status);
    if (!session)
        return status;
    status = std::max(status, printDateCheck(*session, stdout, stderr));
    std::fflush(nullptr);
    std::_Exit(status);
}

int runContactImport(int argc, char **argv, const ProgramOptions &options)
{
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    const AppPaths paths = AppPaths::forThisProgram();
    const auto configPath = settleConfigurationFile(options.arguments, paths, messages);
    if (!configPath)
        return ExitConfigurationProblem;
    Session session(paths, *configPath, messages);
    int status = session.loadConfiguration() ? 0 : ExitConfigurationProblem;
    const ContactImportResult result = importContacts(options.importContacts, options.importTo, session.dateFormat());
    std::fprintf(result.written ? stdout : stderr, "%s%s\n", result.written ? "" : "nudgely: ",
                 result.message.toUtf8().constData());
    if (!result.written)
        status = ExitNotImported;
    return status;
}

} // namespace nudgely
