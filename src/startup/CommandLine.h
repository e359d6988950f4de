#pragma once

#include <QString>
#include <QStringList>

namespace nudgely {

// One command-line text from arguments already split by the system: an argument that is
// empty or holds a space is enclosed in double quotes, so the tokenizer below reads it back.
QString RebuildCommandLine(const QStringList &arguments);

// Only the space separates arguments and only the double quote quotes; a quote inside an
// unquoted argument is dropped.
int CommandLineArgCount(const QString &commandLine);

// Argument n, counted from 1, without enclosing quotes; empty when there is no argument n.
QString CommandLineArg(const QString &commandLine, int n);

} // namespace nudgely
