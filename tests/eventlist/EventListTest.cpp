#include "eventlist/EventList.h"

#include "events/OccurrenceResolver.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

const QDate Today = QDate(2026, 12, 5); // a Saturday

class EventListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        files[0].colours = {11, 12, 21, 22, 31, 32};
        files[1].colours = {41, 42, 51, 52, 61, 62};
    }

    void read(const char *lines, int slot = 0) { table.addFile(slot, QString::fromUtf8(lines)); }
    void rebuild()
    {
        resolveEvents(table, DateFormat(), Today);
        list.rebuild(settings, files);
    }
    // Each row as "description|time left|age", in list order.
    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < static_cast<int>(list.rows().size()); ++row) {
            texts.append(list.text(row, DescriptionColumn) + u'|' + list.text(row, TimeLeftColumn) + u'|' +
                         list.text(row, AgeColumn));
        }
        return texts;
    }

    EventTable table;
    Settings settings;
    DataFileList files;
    EventList list{table};
};

TEST_F(EventListTest, DefaultWindowsShowTheLastWeekAndTheNextSixWeeks)
{
    read("16/01/XXXX next in 42 days\n17/01/XXXX next in 43 days\n28/11/XXXX missed 7 days ago\n"
         "27/11/XXXX missed 8 days ago\n05/12/XXXX today\n");
    rebuild();
    EXPECT_EQ(rows(), QStringList({"next in 42 days|42| ", "missed 7 days ago|-7| ", "today|0| "}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  -7 days to +6 weeks"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("5 events in 1 datafile, 0 bad dates, 3 events displayed"));

    settings.showMissed = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"next in 42 days|42| ", "today|0| "}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  today to +6 weeks"));
}

TEST_F(EventListTest, ZeroLengthWindowsKeepOnlyToday)
{
    read("05/12/XXXX today\n06/12/XXXX tomorrow\n1SA/12/XXXX weekday rule today\n04/12/XXXX yesterday\n");
    settings.filterLength = 0;
    settings.missedLength = 0;
    rebuild();
    // The weekday rule's previous occurrence is today as well: one row, not two.
    EXPECT_EQ(rows(), QStringList({"today|0| ", "weekday rule today|0| "}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  -0 days to +0 weeks"));
}

TEST_F(EventListTest, WithoutAFutureWindowEveryEventShowsAndMissedOnesAsMissed)
{
    read("15/11/2026 /A past one-off\n30/11/1997 missed\n01/10/XXXX far\n99/xx/19 broken\n");
    settings.filter = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"past one-off|-20| ", "missed|-5|29th", "far|300| ", "broken|?|?"}));
    EXPECT_EQ(list.caption(), QStringLiteral("Nudgely:  all events"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("4 events in 1 datafile, 1 bad date, 4 events displayed"));
}

TEST_F(EventListTest, AFullDateStillAheadIsNeverMissed)
{
    // Its previous date, 30/11/2026, is only the date less a year.
    read("30/11/2027 first anniversary ahead\n");
    rebuild();
    EXPECT_EQ(rows(), QStringList());
    EXPECT_EQ(list.summaryText(), QStringLiteral("1 event in 1 datafile, 0 bad dates, 0 events displayed"));

    settings.filter = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"first anniversary ahead|360|0th"}));
}

TEST_F(EventListTest, MissedRowAgeIsOneLessExceptWithoutAYear)
{
    read("30/11/1997 birthday\n05/12/2026 /A one-off today\n01/12/XXXX year-less\n");
    settings.appendToAge = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"birthday|-5|29", "one-off today|0| ", "year-less|-4| "}));
}

TEST_F(EventListTest, BadDatesAreListedInRedOrHiddenButAlwaysCounted)
{
    read("99/xx/19 broken\n08/12/XXXX soon\n");
    rebuild();
    EXPECT_EQ(rows(), QStringList({"broken|?|?", "soon|3| "}));
    EXPECT_EQ(list.text(0, DayColumn), QStringLiteral("?"));
    EXPECT_EQ(list.text(0, DateColumn), QStringLiteral("99/xx/19"));
    ASSERT_NE(list.row(0), nullptr);
    EXPECT_TRUE(list.row(0)->badDate);
    EXPECT_EQ(list.row(0)->foreground, 0x0000FF);
    EXPECT_EQ(list.row(0)->background, 0); // not the file's
    EXPECT_EQ(list.toolTip(0), QStringLiteral("couldn't resolve date for this event"));
    EXPECT_EQ(list.summaryText(), QStringLiteral("2 events in 1 datafile, 1 bad date, 2 events displayed"));

    settings.hideUnknown = 1;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"soon|3| "}));
    EXPECT_EQ(list.summaryText(), QStringLiteral("2 events in 1 datafile, 1 bad date, 1 event displayed"));
    settings.filter = 0;
    rebuild();
    EXPECT_EQ(rows(), QStringList({"soon|3| "}));
    EXPECT_EQ(list.summaryText(), QStringLiteral("2 events in 1 datafile, 1 bad date, 1 event displayed"));
}

TEST_F(EventListTest, RowsTakeTheirFilesColoursBySignOfTheDayCount)
{
    read("10/12/XXXX future\n", 0);
    read("05/12/XXXX today\n03/12/XXXX past\n", 1);
    read("06/12/XXXX standard\n", 2);
    rebuild();
    ASSERT_EQ(rows(), QStringList({"future|5| ", "today|0| ", "past|-2| ", "standard|1| "}));
    const std::pair<int, int> expected[] = {{11, 12}, {51, 52}, {61, 62}, {0, 0}};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(list.row(row)->foreground, expected[row].first) << row;
        EXPECT_EQ(list.row(row)->background, expected[row].second) << row;
    }
    EXPECT_EQ(list.summaryText(), QStringLiteral("4 events in 3 datafiles, 0 bad dates, 4 events displayed"));
}

TEST_F(EventListTest, CellTextsToolTipsAndLines)
{
    read("05/12/1969 Wedding anniversary\n06/12/XXXX a\n07/12/XXXX b\n08/12/XXXX c\n09/12/XXXX d\n"
         "10/12/XXXX e\n11/12/XXXX f\n");
    rebuild();
    EXPECT_EQ(list.text(0, DateColumn), QStringLiteral("05/12/1969"));
    EXPECT_EQ(list.text(0, AgeColumn), QStringLiteral("57th"));
    EXPECT_EQ(list.text(0, TimeLeftColumn), QStringLiteral("0"));
    EXPECT_EQ(list.text(0, DescriptionColumn), QStringLiteral("Wedding anniversary"));
    EXPECT_EQ(list.text(1, AgeColumn), QStringLiteral(" "));
    QStringList days;
    for (int row = 0; row < 7; ++row)
        days.append(list.text(row, DayColumn));
    EXPECT_EQ(days, QStringList({"Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"}));
    EXPECT_EQ(list.toolTip(0), QStringLiteral("Saturday, 5 December 2026"));
    EXPECT_EQ(list.toolTip(6), QStringLiteral("Friday, 11 December 2026"));

    EXPECT_EQ(list.lines(0, 1, DateColumn, DescriptionColumn, true),
              QStringList({"date\tday\tage\ttime left\tevent description",
                           "05/12/1969\tSat\t57th\t0\tWedding anniversary", "06/12/XXXX\tSun\t \t1\ta"}));
    EXPECT_EQ(list.lines(1, 2, TimeLeftColumn, DescriptionColumn, false), QStringList({"1\ta", "2\tb"}));

    settings.appendToAge = 0;
    rebuild();
    EXPECT_EQ(list.text(0, AgeColumn), QStringLiteral("57"));
}

TEST_F(EventListTest, AnEmptyListHasOneEmptyRow)
{
    rebuild();
    list.sort({SortKey::Age, true});
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.row(0), nullptr);
    for (int column = 0; column < EventColumnCount; ++column)
        EXPECT_EQ(list.text(0, column), QString()) << column;
    EXPECT_EQ(list.toolTip(0), QString());
    EXPECT_EQ(list.lines(0, 0, DateColumn, DescriptionColumn, true),
              QStringList({"date\tday\tage\ttime left\tevent description", "\t\t\t\t"}));
    EXPECT_EQ(list.summaryText(), QStringLiteral("0 events in 0 datafiles, 0 bad dates, 0 events displayed"));

    read("06/12/XXXX one\n");
    rebuild();
    EXPECT_EQ(list.rowCount(), 1);
    ASSERT_NE(list.row(0), nullptr);
    EXPECT_EQ(rows(), QStringList({"one|1| "}));
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
