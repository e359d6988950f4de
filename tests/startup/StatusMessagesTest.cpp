#include "startup/StatusMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace nudgely {
namespace {

TEST(StatusMessagesTest, WithoutASinkTheLastMessageIsKept)
{
    InstallStatusSink(nullptr);
    ShowStatus(QStringLiteral("first..."));
    ShowStatus(QStringLiteral("second"));
    EXPECT_EQ(LastStatusMessage(), QStringLiteral("second"));
    ShowStatus(QString());
    EXPECT_EQ(LastStatusMessage(), QString());
}

TEST(StatusMessagesTest, BusyPointerHookHearsOnlyChanges)
{
    std::vector<bool> heard;
    InstallBusyPointerHook([&heard](bool busy) { heard.push_back(busy); });
    SetBusyPointer(true);
    SetBusyPointer(true); // every data file turns it on; one turn off ends it
    SetBusyPointer(false);
    SetBusyPointer(false);
    InstallBusyPointerHook(nullptr);
    EXPECT_EQ(heard, std::vector<bool>({true, false}));
}

} // namespace
} // namespace nudgely
