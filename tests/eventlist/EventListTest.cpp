#include "eventlist/EventList.h"

#include "eventlist/DueEvents.h"

#include "events/OccurrenceResolver.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

class EventListTest : public ::testing::Test {
protected:
    void read(const char *lines, int slot = 0) { table.addFile(slot, lines); }
    // On Saturday 5 December 2026.
    void rebuild()
    {
        resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
        list.rebuild(settings, files, QDate(2026, 12, 5));
    }
    // Each row as "age|time left|description", in list order.
    QStringList rows() const
    {
        return list.lines(0, list.rowCount() - 1, AgeColumn, DescriptionColumn, false).replaceInStrings(u"\t", u"|");
    }

    EventTable table;
    Settings settings;
    DataFileList files;
    EventList list{table};
};

TEST_F(EventListTest, DefaultWindowsShowTheLastWeekAndTheNextSixWeeks)
{
    // A full date still ahead was never missed: its previous date is only the date less a year.
    read("16/01/XXXX in\n17/01/XXXX out\n28/11/XXXX in\n27/11/XXXX out\n05/12/XXXX today\n30/11/2027 ahead\n");
    rebuild();
    EXPECT_EQ(rows(), QStringList({" |42|in", " |-7|in", " |0|today"}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  -7 days to +6 weeks"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("6 events in 1 datafile, 0 bad dates, 3 events displayed"));

    settings.showMissed = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({" |42|in", " |0|today"}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  today to +6 weeks"));
}

TEST_F(EventListTest, ZeroLengthWindowsKeepOnlyToday)
{
    read("05/12/XXXX today\n06/12/XXXX tomorrow\n1SA/12/XXXX rule\n04/12/XXXX yesterday\n");
    settings.filterLength = 0;
    settings.missedLength = 0;
    rebuild();
    // The weekday rule's previous occurrence is today as well: one row, not two.
    EXPECT_EQ(rows(), QStringList({" |0|today", " |0|rule"}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  -0 days to +0 weeks"));
}

TEST_F(EventListTest, WithoutAFutureWindowEveryEventShowsAndMissedOnesAsMissed)
{
    // A missed row's age is the one at that date, one less; none without a year.
    read("15/11/2026 /A past one-off\n30/11/1997 missed\n01/10/XXXX far\n99/xx/19 broken\n30/11/2027 ahead\n"
         "05/12/2026 /A one-off today\n01/12/XXXX year-less\n");
    settings.filter = 0;
    settings.appendToAge = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({" |-20|past one-off", "29|-5|missed", " |300|far", "?|?|broken", "0|360|ahead",
                                   " |0|one-off today", " |-4|year-less"}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  all events"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("7 events in 1 datafile, 1 bad date, 7 events displayed"));
}

TEST_F(EventListTest, RowColoursAndBadDates)
{
    files[0] = {QStringLiteral("/data/events03.txt"), {11, 12, 21, 22, 31, 32}};
    files[1].colours = {41, 42, 51, 52, 61, 62};
    read("10/12/XXXX future\n99/xx/19 bad\n", 0);
    read("05/12/XXXX today\n03/12/XXXX past\n", 1);
    read("06/12/XXXX standard\n", 2);
    rebuild();
    ASSERT_EQ(rows(), QStringList({" |5|future", "?|?|bad", " |0|today", " |-2|past", " |1|standard"}));
    // The file's colours by the sign of the day count; a bad date is red on the list's own background.
    const std::pair<int, int> expected[] = {{11, 12}, {0x0000FF, 0}, {51, 52}, {61, 62}, {0, 0}};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(std::pair(list.row(row)->foreground, list.row(row)->background), expected[row]) << row;
    EXPECT_EQ(list.lines(1, 1, DateColumn, DayColumn, false), QStringList({"99/xx/19\t?"}));
    EXPECT_TRUE(list.row(1)->badDate);
    EXPECT_EQ(list.toolTip(1), QStringLiteral(R"(events03.txt, line 2: "xx" is not a month)"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("5 events in 3 datafiles, 1 bad date, 5 events displayed"));

    // Hidden, a bad date is still counted, whatever the window.
    settings.hideUnknown = 1;
    for (const int filter : {1, 0}) {
        settings.filter = static_cast<quint8>(filter);
        rebuild();
        EXPECT_EQ(rows(), QStringList({" |5|future", " |0|today", " |-2|past", " |1|standard"})) << filter;
        EXPECT_EQ(std::pair(list.summary().badDates, list.summary().displayed), std::pair(1, 4)) << filter;
    }
}

TEST_F(EventListTest, CellTextsToolTipsAndLines)
{
    read("05/12/1969 w\n06/12/XXXX a\tb\n07/12/XXXX b\n08/12/XXXX c\n09/12/XXXX d\n10/12/XXXX e\n11/12/XXXX f\n");
    rebuild();
    EXPECT_EQ(list.lines(0, 1, DateColumn, DescriptionColumn, true),
              QStringList({"date\tday\tage\ttime left\tevent description", "05/12/1969\tSat\t57th\t0\tw",
                           "06/12/XXXX\tSun\t \t1\ta b"})); // a tab in a field is a space
    EXPECT_EQ(list.lines(2, 6, DayColumn, DayColumn, false), QStringList({"Mon", "Tue", "Wed", "Thu", "Fri"}));
    EXPECT_EQ(list.toolTip(6), QStringLiteral("Friday, 11 December 2026"));
}

TEST_F(EventListTest, AnEmptyListHasOneEmptyRow)
{
    rebuild();
    list.sort({SortKey::Age, true});
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.row(0), nullptr);
    EXPECT_EQ(list.toolTip(0), QString()); // its copied text: MainWindowTest

    read("06/12/XXXX one\n");
    rebuild();
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(rows(), QStringList({" |1|one"}));
}

// Due are today and the seven days after it, bad dates left out.
TEST_F(EventListTest, DueEventsAreTodaysAndTheNextWeeks)
{
    read("05/12/XXXX today\n5/12/1990 today\n12/12/XXXX in a week\n13/12/XXXX later\n04/12/XXXX yesterday\n"
         "99/12/XXXX bad\n04/12/2026 /A gone\n");
    rebuild();
    EXPECT_EQ(dueText(countDue(table)), QStringLiteral("2 events today, 1 in the next week"));
    EXPECT_EQ(dueText({0, 0}), QStringLiteral("No events in the next week"));
    EXPECT_EQ(dueText({1, 0}), QStringLiteral("1 event today")); // the next week's alone: MainWindowTest
}

TEST(OrdinalSuffixTest, Suffixes)
{
    const std::pair<int, const char *> cases[] = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},       {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},   {23, "23rd"},     {101, "101st"},
        {111, "111th"}, {112, "112th"}, {113, "113th"}, {1000, "1000th"}, {1002, "1002nd"}};
    for (const auto &[number, expected] : cases)
        EXPECT_EQ(withOrdinalSuffix(number), QString::fromLatin1(expected)) << number;
}

} // namespace
} // namespace nudgely
