#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace nudgely {

// What --list prints: the grid as tab-separated lines, comma-separated values, JSON, or an
// iCalendar file of every event.
enum class ListFormat { Tsv, Csv, Json, Ics };

// The program's own "--" options; everything else is left, in order, for the start-up's
// "/I FILE". A lone "--" ends the options.
struct ProgramOptions {
    bool list = false;
    bool notify = false;
    bool check = false;
    QString importContacts; // --import-contacts FILE.vcf, with --to NEW.txt
    QString importTo;
    bool help = false;
    bool version = false;
    QDate today;            // null unless --today was given
    ListFormat format = ListFormat::Tsv; // --format; given, it implies --list
    std::optional<int> days; // --days: look ahead this many days instead of FilterLength
    std::optional<int> past; // --past: look back this many days instead of MissedLength
    QString error;          // a bad option; empty when all were understood
    QStringList arguments;  // what the start-up reads
};

// The arguments without the program's own name.
ProgramOptions parseProgramOptions(const QStringList &arguments);
// A program's arguments after its own name, as main() has them.
QStringList programArguments(int argc, char **argv);

// The text of --help, ending with where the user guide is.
QString programUsage(const QString &helpFile);

} // namespace nudgely
