#include "config/DateOrderChoice.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <queue>

namespace nudgely {
namespace {

using Order = std::array<int, 3>; // the element at positions 1, 2, 3

DateOrderChoice ChoiceOf(const Order &order)
{
    DateOrderChoice choice;
    for (int position = 1; position <= 3; ++position)
        choice.select(static_cast<DateElement>(order[position - 1]), position);
    return choice;
}

Order OrderOf(const DateOrderChoice &choice)
{
    return {choice.elementAt(1), choice.elementAt(2), choice.elementAt(3)};
}

bool IsPermutation(const Order &order)
{
    return order[0] >= 0 && order[1] >= 0 && order[2] >= 0 && order[0] != order[1] && order[1] != order[2] &&
           order[0] != order[2];
}

TEST(DateOrderChoiceTest, EveryClickKeepsAPermutationAndEveryOrderIsTwoClicksAway)
{
    const Order orders[] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const Order &start : orders) {
        // Breadth first over single clicks.
        std::map<Order, int> clicks{{start, 0}};
        std::queue<Order> queue;
        queue.push(start);
        while (!queue.empty()) {
            const Order from = queue.front();
            queue.pop();
            for (int element = 0; element < 3; ++element) {
                for (int position = 1; position <= 3; ++position) {
                    DateOrderChoice choice = ChoiceOf(from);
                    choice.select(static_cast<DateElement>(element), position);
                    const Order to = OrderOf(choice);
                    ASSERT_TRUE(IsPermutation(to));
                    if (clicks.emplace(to, clicks[from] + 1).second)
                        queue.push(to);
                }
            }
        }
        EXPECT_EQ(clicks.size(), 6u);
        for (const auto &[order, count] : clicks)
            EXPECT_LE(count, 2);
    }
}

TEST(DateOrderChoiceTest, ChoosingSwapsWithTheElementThatHeldThePosition)
{
    DateOrderChoice choice = ChoiceOf({DayElement, MonthElement, YearElement});
    choice.select(YearElement, 1);
    EXPECT_EQ(OrderOf(choice), (Order{YearElement, MonthElement, DayElement}));
    choice.select(YearElement, 1); // already there: nothing moves
    EXPECT_EQ(OrderOf(choice), (Order{YearElement, MonthElement, DayElement}));
}

TEST(DateOrderChoiceTest, SamplesFollowTheOrderAndTheDelimiter)
{
    const DateOrderChoice dmy = ChoiceOf({DayElement, MonthElement, YearElement});
    EXPECT_EQ(DateFormatSample(dmy, QStringLiteral("/"), false), QStringLiteral("25/12/1998 "));
    EXPECT_EQ(DateFormatSample(dmy, QStringLiteral("/"), true), QStringLiteral("25/DEC/1998 "));
    const DateOrderChoice ymd = ChoiceOf({YearElement, MonthElement, DayElement});
    EXPECT_EQ(DateFormatSample(ymd, QStringLiteral("-"), false), QStringLiteral("1998-12-25 "));
    EXPECT_EQ(DateFormatSample(ymd, QStringLiteral("-"), true), QStringLiteral("1998-DEC-25 "));
    DateOrderChoice mdy = dmy;
    mdy.select(MonthElement, 1);
    EXPECT_EQ(DateFormatSample(mdy, QStringLiteral("."), true), QStringLiteral("DEC.25.1998 "));
}

TEST(DateOrderChoiceTest, AnInconsistentStoredOrderLeavesAPositionEmpty)
{
    // Day and month both stored at position 1: month, selected later, keeps it.
    DateOrderChoice choice;
    choice.select(DayElement, 1);
    choice.select(MonthElement, 1);
    choice.select(YearElement, 3);
    EXPECT_EQ(OrderOf(choice), (Order{MonthElement, -1, YearElement}));
    EXPECT_EQ(choice.positionOf(DayElement), 0);
    EXPECT_EQ(DateFormatSample(choice, QStringLiteral("/"), false), QStringLiteral("12/1998 "));

    DateOrderChoice outOfRange;
    outOfRange.select(DayElement, 0);
    outOfRange.select(MonthElement, 9);
    EXPECT_EQ(OrderOf(outOfRange), (Order{-1, -1, -1}));
    EXPECT_EQ(DateFormatSample(outOfRange, QStringLiteral("/"), false), QStringLiteral(" "));
}

} // namespace
} // namespace nudgely
