#include "app/ProgramOptions.h"

#include <QCommandLineParser>

#include <algorithm>

namespace nudgely {

namespace {

QDate isoDate(const QString &text)
{
    // Exactly YYYY-MM-DD: fromString alone would also take other widths.
    const bool shape = text.size() == 10 && text[4] == u'-' && text[7] == u'-' &&
                       std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'-' || c.isDigit(); });
    return shape ? QDate::fromString(text, Qt::ISODate) : QDate();
}

// A count of days for --days and --past: a whole number from 0 to about a century.
std::optional<int> dayCount(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return ok && digits && value <= 36500 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

ProgramOptions parseProgramOptions(const QStringList &arguments)
{
    // Only the "--" options are the parser's: anything else, a file name beginning with a
    // dash included, stays for the start-up's "/I FILE", in its order.
    ProgramOptions options;
    QStringList own(QStringLiteral("nudgely"));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            options.arguments += arguments.mid(i + 1);
            break;
        }
        if (arguments[i].startsWith(QLatin1String("--"))) {
            own.append(arguments[i]);
            // The file names these take may also come as the next argument.
            if ((arguments[i] == u"--import-contacts" || arguments[i] == u"--to") && i + 1 < arguments.size())
                own.append(arguments[++i]);
        }
        else
            options.arguments.append(arguments[i]);
    }

    QCommandLineParser parser;
    const QCommandLineOption list(QStringLiteral("list"));
    const QCommandLineOption notify(QStringLiteral("notify"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption importContacts(QStringLiteral("import-contacts"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption importTo(QStringLiteral("to"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption today(QStringLiteral("today"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption days(QStringLiteral("days"), QString(), QStringLiteral("N"));
    const QCommandLineOption past(QStringLiteral("past"), QString(), QStringLiteral("N"));
    parser.addOptions({list, notify, check, importContacts, importTo, today, help, version, format, days, past});

    if (!parser.parse(own)) {
        options.error = parser.errorText();
        return options;
    }
    options.list = parser.isSet(list) || parser.isSet(format) || parser.isSet(days) || parser.isSet(past);
    options.notify = parser.isSet(notify);
    if (parser.isSet(format)) {
        static constexpr std::pair<const char *, ListFormat> Formats[] = {
            {"tsv", ListFormat::Tsv}, {"csv", ListFormat::Csv}, {"json", ListFormat::Json}, {"ics", ListFormat::Ics}};
        const QString value = parser.value(format);
        const auto *found = std::find_if(std::begin(Formats), std::end(Formats),
                                         [&](const auto &known) { return value == QLatin1String(known.first); });
        if (found == std::end(Formats))
            options.error = QStringLiteral("--format is tsv, csv, json or ics, not \"%1\"").arg(value);
        else
            options.format = found->second;
    }
    for (const auto &[option, value] : {std::pair{&days, &options.days}, std::pair{&past, &options.past}}) {
        if (!parser.isSet(*option))
            continue;
        *value = dayCount(parser.value(*option));
        if (!*value)
            options.error = QStringLiteral("--%1 needs a number of days from 0 to 36500, not \"%2\"")
                                .arg(option->names().constFirst(), parser.value(*option));
    }
    options.check = parser.isSet(check);
    options.importContacts = parser.value(importContacts);
    options.importTo = parser.value(importTo);
    if (parser.isSet(importContacts) != parser.isSet(importTo) || (parser.isSet(importContacts) &&
                                                                   (options.importContacts.isEmpty() || options.importTo.isEmpty())))
        options.error = QStringLiteral("--import-contacts FILE.vcf needs --to NEW.txt, the data file to create");
    if (int(options.list) + int(options.notify) + int(options.check) + int(parser.isSet(importContacts)) > 1)
        options.error = QStringLiteral("only one of --list (or --format, --days, --past), --notify, --check and "
                                       "--import-contacts can be given");
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (parser.isSet(today)) {
        const QString value = parser.value(today);
        options.today = isoDate(value);
        if (!options.today.isValid())
            options.error = QStringLiteral("--today needs a real date written YYYY-MM-DD, not \"%1\"").arg(value);
    }
    return options;
}

QString programUsage(const QString &helpFile)
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
        "  --format=FORMAT     with --list (which it implies): tsv, the grid as\n"
        "                      tab-separated lines (the default); csv, comma-separated\n"
        "                      values with a header row (RFC 4180); json, an array of\n"
        "                      objects with typed fields; ics, an iCalendar file of every\n"
        "                      event of the data files, recurring as Nudgely resolves them\n"
        "  --days=N            list the events 0 to N days ahead instead of the configured\n"
        "                      period ([Display] Filter and FilterLength); implies --list\n"
        "  --past=N            also list events missed in the last N days, 0 for none,\n"
        "                      instead of [Display] ShowMissed and MissedLength; implies\n"
        "                      --list. Neither changes the configuration\n"
        "  --notify            show a desktop notification of the events due today and in\n"
        "                      the next days ([Reminders] DaysAhead), then exit; nothing\n"
        "                      is shown when nothing is due or [Reminders] Notify=0\n"
        "  --check             print each date that cannot be read as\n"
        "                      PATH:LINE: reason: the line as written, then exit; nothing\n"
        "                      is printed when every date is clean\n"
        "  --import-contacts FILE.vcf --to NEW.txt\n"
        "                      write the birthdays and anniversaries of the vCard file as\n"
        "                      a new data file NEW.txt in the configured date format,\n"
        "                      then exit; an existing NEW.txt is never written over\n"
        "  --today=YYYY-MM-DD  take that date as today\n"
        "  --help              show this text and exit\n"
        "  --version           show the version and exit\n"
        "  --                  end of options: what follows is passed on unchanged\n"
        "\n"
        "Without a display Nudgely behaves as with --list.\n"
        "Exit status: 0 on success, 1 when the list could not be written or no desktop\n"
        "notification service could be reached, --check found a bad date or a data file\n"
        "it could not read, or --import-contacts wrote nothing; 2 for a bad option or a\n"
        "configuration problem.\n"
        "\n"
        "The user guide: %1\n").arg(helpFile);
}

} // namespace nudgely
