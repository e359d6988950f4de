#include "app/Listing.h"

#include "app/ContactImport.h"
#include "app/DueEventsNotifier.h"
#include "app/IcsWriter.h"
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

void printProblems(const Session &session, std::FILE *err)
{
    for (const DataFileProblem &problem : session.problems())
        std::fprintf(err, "nudgely: %s: %s\n", problem.path.toUtf8().constData(),
                     problem.reason.toUtf8().constData());
}

} // namespace

int printEventList(const Session &session, std::FILE *out, std::FILE *err, ListFormat format)
{
    QByteArray text;
    IcsCalendar calendar;
    switch (format) {
    case ListFormat::Tsv:
        text = tsvText(session.list());
        break;
    case ListFormat::Csv:
        text = csvText(session.list());
        break;
    case ListFormat::Json:
        text = jsonText(session.list(), session.dataFiles());
        break;
    case ListFormat::Ics:
        calendar = icsCalendar(session.table(), session.dateFormat(), session.dataFiles(), session.resolvedFor());
        text = calendar.text;
        break;
    }
    errno = 0;
    const std::size_t written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
    // A closed or full output must not look like a list printed whole.
    const int error = (std::fflush(out) != 0 || written != static_cast<std::size_t>(text.size()) || std::ferror(out))
                          ? (errno != 0 ? errno : EIO)
                          : 0;
    printProblems(session, err);
    if (calendar.badDates > 0)
        std::fprintf(err, "nudgely: %s left out of the calendar\n",
                     pluraliseCount(calendar.badDates, QStringLiteral("bad date")).toUtf8().constData());
    if (calendar.noRule > 0)
        std::fprintf(err, "nudgely: %s left out of the calendar: a weekday counted past the fifth week has no "
                          "calendar rule\n",
                     pluraliseCount(calendar.noRule, QStringLiteral("event")).toUtf8().constData());
    std::fprintf(err, "%s\n", session.summaryText().toUtf8().constData());
    return error;
}

namespace {

// The start-up and the load chain as the window runs them; nothing when the start-up ended.
// The session is never destroyed: tearing down tens of thousands of events one by one would
// only delay the exit. status becomes 2 when a needed write to the configuration failed.
Session *loadWithoutWindow(const ProgramOptions &options, MessagePresenter &messages, int &status)
{
    const AppPaths paths = AppPaths::forThisProgram();
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

} // namespace

int runListing(int argc, char **argv, const ProgramOptions &options)
{
    const bool outputClosed = holdClosedOutput();
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    int status = 0;
    const Session *session = loadWithoutWindow(options, messages, status);
    if (!session)
        return status;
    int error = printEventList(*session, stdout, stderr, options.format);
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

int runCheck(int argc, char **argv, const ProgramOptions &options)
{
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    int status = 0;
    const Session *session = loadWithoutWindow(options, messages, status);
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

int runNotification(int argc, char **argv, const ProgramOptions &options)
{
    const QCoreApplication app(argc, argv);
    StandardErrorPresenter messages;
    int status = 0;
    Session *session = loadWithoutWindow(options, messages, status);
    if (!session)
        return status;
    // A timer's log is where a file that was not read shows.
    printProblems(*session, stderr);
    if (const auto notice = sessionDueNotice(*session)) {
        const QString failure = DesktopNotifications().showAndWait(*notice);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "nudgely: no notification shown: %s\n", failure.toUtf8().constData());
            status = ExitNotShown;
        }
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace nudgely
