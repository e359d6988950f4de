#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace nudgely {

// The program's own "--" options, taken out of the arguments before start-up reads them.
struct ProgramOptions {
    bool list = false;
    bool help = false;
    bool version = false;
    QDate today;              // null unless --today was given
    QString error;            // a bad option; empty when all were understood
    QStringList startupArgs;  // everything else, in order, for the start-up's tokenizer
};

// A lone "--" ends the options: what follows goes to start-up unchanged.
ProgramOptions ParseProgramOptions(const QStringList &arguments);

// The text of --help, ending with where the user guide is.
QString ProgramUsage(const QString &helpFile);

} // namespace nudgely
