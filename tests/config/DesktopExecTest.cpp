#include "config/DesktopExec.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// What a person types: spaces between arguments, double quotes; no shell, so nothing else is special.
TEST(DesktopExecTest, ACommandSplitsAtSpacesOutsideQuotesMalformedQuotingIsRefusedAndQuotedArgumentsSplitBack)
{
    const auto split = [](const QString &command) {
        QStringList arguments;
        QString problem;
        return splitDesktopExec(command, arguments, problem) ? arguments : QStringList(u'!' + problem);
    };
    const std::pair<QString, QStringList> cases[] = {
        {"  x-terminal-emulator   -e nano ", {"x-terminal-emulator", "-e", "nano"}},
        {"\"/opt/My Editor/ed\" \"\" --file=\"a b\"c", {"/opt/My Editor/ed", "", "--file=a bc"}},
        {"ed ~/a 'b c' $HOME", {"ed", "~/a", "'b", "c'", "$HOME"}},
        {"", {}},
        {"gedit \"my file", {"!a double quote is not closed"}},
        {"gedit my\\ file", {"!a backslash stands outside double quotes; put that argument in double quotes instead"}},
        {"ed \"C:\\temp\"", {"!inside double quotes a backslash may only stand before \", `, $ or \\"}},
    };
    for (const auto &[command, expected] : cases)
        EXPECT_EQ(split(command), expected) << qPrintable(command);

    const QStringList awkward = {"", " lead", "trail ", "two  spaces", "q\"uote", "back\\slash", "$HOME", "`cmd`",
                                 "it's", "a;b|c&d>e", "~", "100%", "*?#()", "tab\there", "line\nbreak", "\\\"$`",
                                 "\\", "Zoë's \u00e9diteur", ""};
    QStringList quoted;
    for (const QString &argument : awkward)
        quoted.append(desktopExecArgument(argument));
    EXPECT_EQ(split(quoted.join(u' ')), awkward) << qPrintable(quoted.join(u' '));
}

} // namespace
} // namespace nudgely
