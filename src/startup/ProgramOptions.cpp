#include "startup/ProgramOptions.h"

#include <QRegularExpression>

namespace nudgely {

namespace {

const QString TodayPrefix = QStringLiteral("--today=");

QDate ParseIsoDate(const QString &text)
{
    // Exactly YYYY-MM-DD: fromString alone would also take other widths.
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!shape.match(text).hasMatch())
        return {};
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace

ProgramOptions ParseProgramOptions(const QStringList &arguments)
{
    ProgramOptions options;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            options.startupArgs.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--list")) {
            options.list = true;
        } else if (argument == QLatin1String("--help")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument.startsWith(TodayPrefix)) {
            const QString value = argument.mid(TodayPrefix.size());
            options.today = ParseIsoDate(value);
            if (!options.today.isValid() && options.error.isEmpty())
                options.error = QStringLiteral("--today needs a real date written YYYY-MM-DD, not \"%1\"").arg(value);
        } else if (options.error.isEmpty()) {
            options.error = QStringLiteral("unknown option \"%1\"").arg(argument);
        }
    }
    return options;
}

QString ProgramUsage(const QString &helpFile)
{
    return QStringLiteral(
        "Usage: nudgely [OPTIONS] [/I CONFIGURATION-FILE]\n"
        "\n"
        "Shows the birthdays, anniversaries and appointments of your data files that fall\n"
        "around today.\n"
        "\n"
        "  /I FILE             use FILE as the configuration file instead of searching for\n"
        "                      Nudgely.ini beside the program and in ~/.config/Nudgely\n"
        "  --list              print the events list to standard output instead of opening\n"
        "                      a window; the summary goes to standard error\n"
        "  --today=YYYY-MM-DD  take that date as today\n"
        "  --help              show this text and exit\n"
        "  --version           show the version and exit\n"
        "  --                  end of options: what follows is passed on unchanged\n"
        "\n"
        "Without a display Nudgely behaves as with --list.\n"
        "Exit status: 0 on success, 2 for a bad option or a configuration problem.\n"
        "\n"
        "The user guide: %1\n").arg(helpFile);
}

} // namespace nudgely
