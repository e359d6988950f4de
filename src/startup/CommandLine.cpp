#include "startup/CommandLine.h"

namespace nudgely {

namespace {

constexpr QChar Space = QLatin1Char(' ');
constexpr QChar Quote = QLatin1Char('"');

// Walks the text once; calls onArgument(index, text) for every argument, from 1, and stops
// early when it returns false.
template <typename Visitor>
void WalkArguments(const QString &commandLine, Visitor onArgument)
{
    bool inArgument = false;
    bool quoted = false;
    int index = 0;
    QString current;

    for (const QChar c : commandLine) {
        if (!inArgument) {
            if (c == Space)
                continue;
            inArgument = true;
            quoted = (c == Quote);
            current.clear();
            if (!quoted)
                current.append(c);
            continue;
        }
        const bool closes = quoted ? (c == Quote) : (c == Space);
        if (closes) {
            inArgument = false;
            if (!onArgument(++index, current))
                return;
        } else if (quoted || c != Quote) {
            current.append(c);
        }
    }
    if (inArgument)
        onArgument(++index, current);
}

} // namespace

QString RebuildCommandLine(const QStringList &arguments)
{
    QStringList parts;
    parts.reserve(arguments.size());
    for (const QString &argument : arguments) {
        if (argument.isEmpty() || argument.contains(Space))
            parts.append(Quote + argument + Quote);
        else
            parts.append(argument);
    }
    return parts.join(Space);
}

int CommandLineArgCount(const QString &commandLine)
{
    int count = 0;
    WalkArguments(commandLine, [&count](int index, const QString &) {
        count = index;
        return true;
    });
    return count;
}

QString CommandLineArg(const QString &commandLine, int n)
{
    QString result;
    WalkArguments(commandLine, [&result, n](int index, const QString &text) {
        if (index == n)
            result = text;
        return index < n;
    });
    return result;
}

} // namespace nudgely
