#include "startup/CommandLine.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

QStringList AllArguments(const QString &commandLine)
{
    QStringList arguments;
    for (int n = 1; n <= CommandLineArgCount(commandLine); ++n)
        arguments.append(CommandLineArg(commandLine, n));
    return arguments;
}

struct TokenizerCase {
    const char *commandLine;
    QStringList expected;
};

class TokenizerTest : public ::testing::TestWithParam<TokenizerCase> {};

TEST_P(TokenizerTest, SplitsAsTheQuotingRulesSay)
{
    const QString commandLine = QString::fromUtf8(GetParam().commandLine);
    EXPECT_EQ(AllArguments(commandLine), GetParam().expected) << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    QuotingCases, TokenizerTest,
    ::testing::Values(
        TokenizerCase{"", {}},
        TokenizerCase{"   ", {}},
        TokenizerCase{"/i", {"/i"}},
        TokenizerCase{"/I \"C:\\My Files\\n.ini\"", {"/I", "C:\\My Files\\n.ini"}},
        TokenizerCase{"/I \"\"", {"/I", ""}},
        TokenizerCase{"\"abc\"def", {"abc", "def"}},
        TokenizerCase{"ab\"c d", {"abc", "d"}},
        TokenizerCase{"  a    b  ", {"a", "b"}},
        TokenizerCase{"/Ifoo C:\\x.ini", {"/Ifoo", "C:\\x.ini"}},
        TokenizerCase{"\"unterminated quote", {"unterminated quote"}},
        TokenizerCase{"\"\"", {""}},
        TokenizerCase{"a\"\"b", {"ab"}},
        TokenizerCase{"\"a\"\"b\"", {"a", "b"}},
        TokenizerCase{"tab\tinside", {"tab\tinside"}}));

TEST(CommandLineArgTest, OutOfRangeArgumentsAreEmpty)
{
    EXPECT_EQ(CommandLineArg(QStringLiteral("one two"), 0), QString());
    EXPECT_EQ(CommandLineArg(QStringLiteral("one two"), 3), QString());
    EXPECT_EQ(CommandLineArg(QStringLiteral("one two"), -1), QString());
}

TEST(RebuildCommandLineTest, TokenizerReadsBackWhatTheSystemSplit)
{
    const QStringList cases[] = {
        {},
        {QStringLiteral("/I"), QStringLiteral("/home/me/My Files/n.ini")},
        {QStringLiteral("/I"), QString()},
        {QStringLiteral("a"), QString(), QStringLiteral("b c"), QStringLiteral("d")},
        {QStringLiteral("/I"), QStringLiteral("  leading and trailing  ")},
    };
    for (const QStringList &arguments : cases)
        EXPECT_EQ(AllArguments(RebuildCommandLine(arguments)), arguments) << qPrintable(arguments.join(u'|'));
}

TEST(RebuildCommandLineTest, QuotesOnlyEmptyArgumentsAndThoseWithSpaces)
{
    EXPECT_EQ(RebuildCommandLine({QStringLiteral("/I"), QStringLiteral("a b"), QString(), QStringLiteral("c")}),
              QStringLiteral("/I \"a b\" \"\" c"));
}

} // namespace
} // namespace nudgely
