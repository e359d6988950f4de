#include "events/EventTables.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace nudgely {
namespace {

TEST(EventTablesTest, TableHoldsAtMost32767EventsAfterItsUnusedElementZero)
{
    test::TestEnvironment env;
    ASSERT_EQ(Events.size(), 1u);
    for (int i = 1; i <= MaxEventCount; ++i)
        ASSERT_TRUE(AppendEvent(QStringLiteral("01/01/2000"), QString::number(i), 1, 0));
    EXPECT_FALSE(AppendEvent(QStringLiteral("01/01/2000"), QStringLiteral("one too many"), 2, 0));
    EXPECT_EQ(EventCount, 32767);
    EXPECT_EQ(Events.size(), 32768u);
    EXPECT_EQ(Events[32767].szDescription, QStringLiteral("32767"));
    EXPECT_EQ(Events[1].dtLast, QDate(1970, 1, 1));

    DataFilesRead = 3;
    ResetEvents();
    EXPECT_EQ(EventCount, 0);
    EXPECT_EQ(DataFilesRead, 0);
    EXPECT_EQ(Events.size(), 1u);
}

} // namespace
} // namespace nudgely
