#include "startup/StatusMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace nudgely {
namespace {

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
