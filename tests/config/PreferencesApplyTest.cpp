#include "config/PreferencesApply.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

TEST(DateOrderChoiceTest, AClickSwapsWithTheElementThatHeldThePositionAndSamplesFollowTheOrder)
{
    Order start = {DayElement, MonthElement, YearElement};
    do {
        for (const DateElement element : {DayElement, MonthElement, YearElement}) {
            for (int position = 1; position <= 3; ++position) {
                DateOrderChoice choice = choiceOf(start);
                choice.select(element, position);
                Order expected = start;
                std::swap(expected[position - 1], *std::find(expected.begin(), expected.end(), element));
                EXPECT_EQ((Order{choice.elementAt(1), choice.elementAt(2), choice.elementAt(3)}), expected)
                    << start[0] << start[1] << start[2] << element << position;
                EXPECT_EQ(choice.positionOf(element), position);
            }
        }
    } while (std::next_permutation(start.begin(), start.end()));
    // Samples follow the order and skip an empty position.
    EXPECT_EQ(dateFormatSample(choiceOf({YearElement, MonthElement, DayElement}), "-", true), "1998-DEC-25 ");
    // Day and month both stored at position 1: month, selected later, keeps it.
    DateOrderChoice choice;
    choice.select(DayElement, 1);
    choice.select(MonthElement, 1);
    choice.select(YearElement, 3);
    choice.select(DayElement, 0); // outside 1 to 3: selects nothing
    EXPECT_EQ(dateFormatSample(choice, "/", false), QStringLiteral("12/1998 ")); // no day, nothing at 2, year at 3
}

TEST(ApplyPreferencesTest, WhatChangedDecidesBetweenReloadAndRedisplayAndEverythingIsStored)
{
    // The preferences as the dialog shows them on opening: what is stored, unchanged.
    Settings settings;
    ReminderSettings reminders;
    DataFileList files{{{"/1", {}}, {"/2", {}}, {"/3", {}}, {"/4", {}}, {"/5", {}}}};
    WorkingPreferences working;
    working.files.assign(files.begin(), files.begin() + 5);
    working.dateOrder = choiceOf({DayElement, MonthElement, YearElement});
    working.fontName = settings.fontName;
    const auto apply = [&] {
        const ApplyOutcome outcome = applyPreferences(working, settings, files, reminders);
        return std::string(outcome.reloadNeeded ? "reload " : "") + (outcome.redisplayNeeded ? "redisplay " : "") +
               (outcome.autoStartChanged ? "autostart " : "") + (outcome.remindersChanged ? "reminders " : "");
    };
    EXPECT_EQ(apply(), "");
    using W = WorkingPreferences;
    const std::pair<void (*)(W &), const char *> steps[] = {
        {[](W &w) { w.files[1].colours.todayBack = 0xFF0000; }, "redisplay "},
        {[](W &w) { w.hideUnknown = true; }, "redisplay "},
        {[](W &w) { w.delimiter = 2; }, "reload redisplay "},
        {[](W &w) { w.dateOrder.select(MonthElement, 1); }, "reload redisplay "},
        {[](W &w) { w.files.push_back({"/6", NewFileColours}); }, "reload redisplay "},
        // Neither shown nor read: stored without a redisplay.
        {[](W &w) { w.centre = w.useDefaultEditor = false; w.editorPath = "/opt/ed"; w.multiFile = true; }, ""},
        {[](W &w) { w.autoStart = true; }, "autostart "},
        {[](W &w) { w.reminders.daysAhead = 0; }, "reminders "},
        // A period's length shows at once while the period is on; while it is off, it is only stored.
        {[](W &w) { w.filterLength = 8; }, "redisplay "},
        {[](W &w) { w.filter = w.showMissed = false; }, "redisplay "},
        {[](W &w) { w.filterLength = 12; w.missedLength = 3; }, ""},
        {[](W &w) { w.filter = true; w.filterLength = 9; }, "redisplay "}, // switched on with its length
        // Whole points are stored (halves to even); only a changed style shows.
        {[](W &w) { w.fontSize = 9.5; }, "redisplay "},
        {[](W &w) { w.fontSize = 10.5; }, ""},
        {[](W &w) { w.italic = true; }, "redisplay "},
        {[](W &w) { w.bold = true; }, "redisplay "},
        {[](W &w) { w.fontName = "DejaVu Sans"; }, "redisplay "}};
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step].first(working);
        EXPECT_EQ(apply(), steps[step].second) << "step " << step;
    }
    EXPECT_TRUE(std::equal(working.files.begin(), working.files.end(), files.begin()));
    // Hand-edited positions, shown as the dialog shows them (nothing at 0 or 9): an element without one gets 0.
    settings.dayPos = 0;
    settings.monthPos = 9;
    working.dateOrder.clear();
    working.dateOrder.select(YearElement, 3);
    EXPECT_EQ(apply(), "reload redisplay ");
    EXPECT_EQ(settings, (Settings{.filter = 1, .filterLength = 9, .showMissed = 0, .missedLength = 3, .centre = 0,
                                  .fontName = "DejaVu Sans", .fontSize = 10, .fontStyle = 3, .hideUnknown = 1,
                                  .delimiter = 2, .dayPos = 0, .monthPos = 0, .yearPos = 3, .useDefaultEditor = 0,
                                  .editorPath = "/opt/ed", .multiFile = 1, .autoStart = true}));
    // List rows fill the slots in order and empty the rest.
    working.files.erase(working.files.begin() + 1);
    EXPECT_EQ(apply(), "reload redisplay ");
    EXPECT_EQ(QStringList({files[0].path, files[1].path, files[4].path, files[5].path}),
              QStringList({"/1", "/3", "/6", ""}));
    working.files.assign(1, DataFile()); // the only file removed leaves one empty row
    EXPECT_EQ(apply(), "reload redisplay ");
    EXPECT_TRUE(std::all_of(files.begin(), files.end(), [](const DataFile &file) { return file.path.isEmpty(); }));
}

} // namespace
} // namespace nudgely
