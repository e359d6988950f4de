#include "config/PreferencesApply.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace nudgely {
namespace {

using Order = std::array<int, 3>; // the element at positions 1, 2, 3

DateOrderChoice choiceOf(const Order &order)
{
    DateOrderChoice choice;
    for (int position = 1; position <= 3; ++position)
        choice.select(static_cast<DateElement>(order[position - 1]), position);
    return choice;
}

Order orderOf(const DateOrderChoice &choice)
{
    return {choice.elementAt(1), choice.elementAt(2), choice.elementAt(3)};
}

TEST(DateOrderChoiceTest, AClickSwapsWithTheElementThatHeldThePosition)
{
    const Order orders[] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const Order &start : orders) {
        for (const DateElement element : {DayElement, MonthElement, YearElement}) {
            for (int position = 1; position <= 3; ++position) {
                DateOrderChoice choice = choiceOf(start);
                choice.select(element, position);
                Order expected = start;
                std::swap(expected[position - 1], *std::find(expected.begin(), expected.end(), element));
                EXPECT_EQ(orderOf(choice), expected) << start[0] << start[1] << start[2] << element << position;
                EXPECT_EQ(choice.positionOf(element), position);
            }
        }
    }
}

TEST(DateOrderChoiceTest, SamplesFollowTheOrderAndSkipAnEmptyPosition)
{
    const DateOrderChoice dmy = choiceOf({DayElement, MonthElement, YearElement});
    EXPECT_EQ(dateFormatSample(dmy, QStringLiteral("/"), false), QStringLiteral("25/12/1998 "));
    EXPECT_EQ(dateFormatSample(dmy, QStringLiteral("/"), true), QStringLiteral("25/DEC/1998 "));
    EXPECT_EQ(dateFormatSample(choiceOf({YearElement, MonthElement, DayElement}), QStringLiteral("-"), true),
              QStringLiteral("1998-DEC-25 "));
    DateOrderChoice choice = dmy;
    choice.select(DayElement, 0); // outside 1 to 3: selects nothing
    EXPECT_EQ(orderOf(choice), (Order{DayElement, MonthElement, YearElement}));
    // Day and month both stored at position 1: month, selected later, keeps it.
    choice.clear();
    choice.select(DayElement, 1);
    choice.select(MonthElement, 1);
    choice.select(YearElement, 3);
    EXPECT_EQ(orderOf(choice), (Order{MonthElement, -1, YearElement}));
    EXPECT_EQ(choice.positionOf(DayElement), 0);
    EXPECT_EQ(dateFormatSample(choice, QStringLiteral("/"), false), QStringLiteral("12/1998 "));
}

template <typename... T>
std::vector<int> ints(T... values)
{
    return {int(values)...};
}

// The preferences as the dialog shows them on opening: what is stored, unchanged.
class ApplyTest : public ::testing::Test {
protected:
    ApplyTest()
    {
        for (std::size_t n = 0; n < 5; ++n) {
            files[n] = {QStringLiteral("/d/file%1.txt").arg(n + 1), StoredColourDefaults};
            working.files.push_back(files[n]);
        }
        working.dateOrder = choiceOf({DayElement, MonthElement, YearElement});
        working.fontName = settings.fontName;
    }
    // What the apply asks for: "reload redisplay autostart" or a part of it.
    std::string apply()
    {
        const ApplyOutcome outcome = applyPreferences(working, settings, files);
        const std::string needed = std::string(outcome.reloadNeeded ? " reload" : "") +
                                   (outcome.redisplayNeeded ? " redisplay" : "") +
                                   (outcome.autoStartChanged ? " autostart" : "");
        return needed.empty() ? needed : needed.substr(1);
    }

    Settings settings;
    DataFileList files;
    WorkingPreferences working;
};

TEST_F(ApplyTest, WhatChangedDecidesBetweenReloadAndRedisplay)
{
    const Settings before = settings;
    const DataFileList filesBefore = files;
    EXPECT_EQ(apply(), "");
    EXPECT_EQ(settings, before);
    EXPECT_EQ(files, filesBefore);

    working.files[1].colours.todayBack = 0xFF0000;
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(files[1].colours.todayBack, 0xFF0000);
    working.hideUnknown = true;
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(settings.hideUnknown, 1);
    working.delimiter = 2;
    EXPECT_EQ(apply(), "reload redisplay");
    EXPECT_EQ(settings.delimiter, 2);
    working.dateOrder.select(MonthElement, 1);
    EXPECT_EQ(apply(), "reload redisplay");
    EXPECT_EQ(ints(settings.dayPos, settings.monthPos, settings.yearPos), ints(2, 1, 3));
    working.files.push_back({QStringLiteral("/d/six.txt"), NewFileColours});
    EXPECT_EQ(apply(), "reload redisplay");
    EXPECT_EQ(files[5], working.files[5]);

    // Neither shown nor read: stored without a redisplay.
    working.centre = working.useDefaultEditor = false;
    working.editorPath = QStringLiteral("/opt/ed");
    working.multiFile = true;
    EXPECT_EQ(apply(), "");
    EXPECT_EQ(ints(settings.centre, settings.useDefaultEditor, settings.multiFile), ints(0, 0, 1));
    EXPECT_EQ(settings.editorPath, QStringLiteral("/opt/ed"));
    working.autoStart = true;
    EXPECT_EQ(apply(), "autostart");
    EXPECT_TRUE(settings.autoStart);
    EXPECT_EQ(apply(), "");
}

TEST_F(ApplyTest, APeriodLengthWithItsPeriodOffIsStoredWithoutRedisplay)
{
    settings.filter = settings.showMissed = 0;
    working.filter = working.showMissed = false;
    working.filterLength = 12;
    working.missedLength = 3;
    EXPECT_EQ(apply(), "");
    EXPECT_EQ(ints(settings.filterLength, settings.missedLength), ints(12, 3));
    // Switching a period on stores its length with it; a length of a period on shows at once.
    working.filter = working.showMissed = true;
    working.filterLength = 9;
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(ints(settings.filter, settings.filterLength, settings.showMissed), ints(1, 9, 1));
    working.missedLength = 4;
    EXPECT_EQ(apply(), "redisplay");
}

TEST_F(ApplyTest, FontsStoreWholePointsAndOnlyAChangedStyleRedisplays)
{
    working.fontSize = 9.5;
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(settings.fontSize, 10);
    working.fontSize = 10.5; // halves to even: the same 10
    EXPECT_EQ(apply(), "");
    settings.fontStyle = 2;
    working.italic = true;
    EXPECT_EQ(apply(), "");
    working.bold = true;
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(settings.fontStyle, 3);
    working.fontName = QStringLiteral("DejaVu Sans");
    EXPECT_EQ(apply(), "redisplay");
    EXPECT_EQ(settings.fontName, QStringLiteral("DejaVu Sans"));
}

TEST_F(ApplyTest, ListRowsFillTheSlotsInOrderAndEmptyTheRest)
{
    working.files.erase(working.files.begin() + 1); // row 2 of 5 removed
    EXPECT_EQ(apply(), "reload redisplay");
    QStringList paths;
    for (const DataFile &file : files)
        paths.append(file.path);
    EXPECT_EQ(paths.mid(0, 5), QStringList({"/d/file1.txt", "/d/file3.txt", "/d/file4.txt", "/d/file5.txt", ""}));
    working.files.assign(1, DataFile()); // the only file removed leaves one empty row
    EXPECT_EQ(apply(), "reload redisplay");
    EXPECT_TRUE(files[0].path.isEmpty());
}

TEST_F(ApplyTest, AnElementLeftWithoutAPositionGetsZero)
{
    // Hand-edited positions, shown as the dialog shows them: nothing at 0 or 9.
    settings.dayPos = 0;
    settings.monthPos = 9;
    working.dateOrder.clear();
    working.dateOrder.select(YearElement, 3);
    EXPECT_EQ(apply(), "reload redisplay");
    EXPECT_EQ(ints(settings.dayPos, settings.monthPos, settings.yearPos), ints(0, 0, 3));
}

} // namespace
} // namespace nudgely
