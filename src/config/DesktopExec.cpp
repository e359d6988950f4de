#include "config/DesktopExec.h"

#include <algorithm>
#include <utility>

namespace nudgely {

namespace {

bool escapedInQuotes(QChar c)
{
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

} // namespace

QString desktopExecArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = argument.isEmpty() || std::any_of(argument.begin(), argument.end(), [](QChar c) {
                                 return reserved.contains(c);
                             });
    if (!needsQuotes)
        return argument;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (escapedInQuotes(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

bool splitDesktopExec(const QString &command, QStringList &arguments, QString &problem)
{
    arguments.clear();
    QString argument;
    bool started = false; // "" is an argument too
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command[i];
        if (c == u'\\' && !quoted) {
            problem = QStringLiteral("a backslash stands outside double quotes; put that argument in double quotes "
                                     "instead");
            return false;
        }
        if (c == u'\\') {
            if (i + 1 == command.size() || !escapedInQuotes(command[i + 1])) {
                problem = QStringLiteral("inside double quotes a backslash may only stand before \", `, $ or \\");
                return false;
            }
            argument += command[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (c != u' ' || quoted) {
            argument += c;
            started = true;
        } else if (started) {
            arguments.append(std::exchange(argument, QString()));
            started = false;
        }
    }
    if (quoted) {
        problem = QStringLiteral("a double quote is not closed");
        return false;
    }
    if (started)
        arguments.append(argument);
    return true;
}

} // namespace nudgely
