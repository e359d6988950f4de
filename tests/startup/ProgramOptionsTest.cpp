#include "startup/ProgramOptions.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(ProgramOptionsTest, OwnOptionsAreTakenOutAndTheRestKeepsItsOrder)
{
    const auto options = ParseProgramOptions({QStringLiteral("--list"), QStringLiteral("/I"),
                                              QStringLiteral("--today=2026-12-05"), QStringLiteral("my.ini")});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_TRUE(options.list);
    EXPECT_EQ(options.today, QDate(2026, 12, 5));
    EXPECT_EQ(options.startupArgs, QStringList({QStringLiteral("/I"), QStringLiteral("my.ini")}));
}

TEST(ProgramOptionsTest, DoubleDashEndsTheOptions)
{
    const auto options = ParseProgramOptions({QStringLiteral("/I"), QStringLiteral("--"), QStringLiteral("--odd.ini")});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.startupArgs, QStringList({QStringLiteral("/I"), QStringLiteral("--odd.ini")}));
}

TEST(ProgramOptionsTest, BadOptionsAreErrors)
{
    const char *bad[] = {"--bogus", "--today=2026-02-30", "--today=5.12.2026", "--today=", "--today=26-12-05",
                         "--LIST", "--today"};
    for (const char *argument : bad) {
        const auto options = ParseProgramOptions({QString::fromLatin1(argument)});
        EXPECT_FALSE(options.error.isEmpty()) << argument;
        EXPECT_FALSE(options.today.isValid()) << argument;
    }
}

TEST(ProgramOptionsTest, HelpAndVersion)
{
    const auto options = ParseProgramOptions({QStringLiteral("--help"), QStringLiteral("--version")});
    EXPECT_TRUE(options.help);
    EXPECT_TRUE(options.version);
    EXPECT_TRUE(options.startupArgs.isEmpty());
}

} // namespace
} // namespace nudgely
