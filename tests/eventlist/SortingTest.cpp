#include "eventlist/EventList.h"
#include "eventlist/Sorting.h"

#include "events/OccurrenceResolver.h"

#include <QStringList>

#include <vector>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// A list of the given lines on 5 December 2026, with the default settings but for ages.
class SortingTest : public ::testing::Test {
protected:
    void build(const QString &lines, bool appendToAge = true)
    {
        table.addFile(0, lines);
        resolveEvents(table, DateFormat(), QDate(2026, 12, 5));
        Settings settings;
        settings.appendToAge = appendToAge ? 1 : 0;
        list.rebuild(settings, DataFileList());
    }
    QStringList sortedBy(SortKey key, bool descending)
    {
        list.sort({key, descending});
        QStringList texts;
        for (int row = 0; row < static_cast<int>(list.rows().size()); ++row)
            texts.append(list.text(row, DescriptionColumn));
        return texts;
    }

    EventTable table;
    EventList list{table};
};

// b, c, a, bad and A: ages 57, none, 57, "?" and 5; times left 5, 0, 2, "?" and 5.
const QString Mixed = QStringLiteral("10/12/1969 b\n05/12/XXXX c\n07/12/1969 a\n99/xx/19 bad\n10/12/2021 A\n");

TEST_F(SortingTest, EachKeyInBothOrdersWithItsSecondKey)
{
    struct Case {
        SortKey key;
        bool descending;
        QStringList expected;
        const char *message;
    };
    const Case cases[] = {
        {SortKey::TimeLeft, false, {"c", "a", "A", "b", "bad"}, "events sorted in ascending order by 'time left'"},
        {SortKey::TimeLeft, true, {"bad", "b", "A", "a", "c"}, "events sorted in descending order by 'time left'"},
        {SortKey::Age, false, {"A", "a", "b", "c", "bad"}, "events sorted in ascending order by 'age'"},
        {SortKey::Age, true, {"bad", "c", "b", "a", "A"}, "events sorted in descending order by 'age'"},
        {SortKey::Description, false, {"a", "A", "b", "bad", "c"},
         "events sorted in ascending order by 'event description'"},
        {SortKey::Description, true, {"c", "bad", "b", "a", "A"},
         "events sorted in descending order by 'event description'"},
    };
    build(Mixed, false);
    for (const Case &c : cases) {
        EXPECT_EQ(sortedBy(c.key, c.descending), c.expected) << c.message;
        EXPECT_EQ(sortedMessage({c.key, c.descending}), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(sortingMessage({SortKey::TimeLeft, false}),
              QStringLiteral("sorting events in ascending order by 'time left'..."));
    EXPECT_EQ(sortingMessage({SortKey::Description, true}),
              QStringLiteral("sorting events in descending order by 'event description'..."));
}

TEST_F(SortingTest, WithSuffixesAgesCompareAsText)
{
    build(Mixed);
    // " " < "57th" < "5th" < "?"
    EXPECT_EQ(sortedBy(SortKey::Age, false), QStringList({"c", "a", "b", "A", "bad"}));
    EXPECT_EQ(sortedBy(SortKey::Age, true), QStringList({"bad", "A", "b", "a", "c"}));
    EXPECT_EQ(list.text(1, AgeColumn), QStringLiteral("5th")); // rows move whole
}

TEST_F(SortingTest, NumbersComeBeforeTextsAndTextIgnoresCase)
{
    build("05/12/XXXX b\n05/12/XXXX 10\n05/12/XXXX ?\n05/12/XXXX 9\n05/12/XXXX A\n05/12/XXXX -3\n"
          "05/12/XXXX a\n05/12/XXXX 2.5\n05/12/XXXX 21st\n05/12/XXXX 3rd\n");
    EXPECT_EQ(sortedBy(SortKey::Description, false),
              QStringList({"-3", "2.5", "9", "10", "21st", "3rd", "?", "A", "a", "b"}));
    EXPECT_EQ(sortedBy(SortKey::Description, true),
              QStringList({"b", "A", "a", "?", "3rd", "21st", "10", "9", "2.5", "-3"}));
}

TEST_F(SortingTest, RowsEqualOnEveryKeyKeepTheirOrder)
{
    // Equal ages and times left, and enough rows for an unstable sort to show; the
    // description decides only where it is a key.
    QString lines;
    std::vector<int> all, ys, zs;
    for (int i = 0; i < 60; ++i) {
        lines += i % 3 == 0 ? QStringLiteral("05/12/XXXX y\n") : QStringLiteral("05/12/XXXX z\n");
        all.push_back(i);
        (i % 3 == 0 ? ys : zs).push_back(i);
    }
    build(lines);
    const auto joined = [](std::vector<int> a, const std::vector<int> &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::pair<SortOrder, std::vector<int>> cases[] = {
        {{SortKey::Age, false}, all},                    {{SortKey::Age, true}, all},
        {{SortKey::TimeLeft, false}, joined(ys, zs)},    {{SortKey::TimeLeft, true}, joined(zs, ys)},
        {{SortKey::Description, false}, joined(ys, zs)}, {{SortKey::Description, true}, joined(zs, ys)},
    };
    for (const auto &[order, expected] : cases) {
        list.rebuild(Settings(), DataFileList()); // back to table order
        list.sort(order);
        std::vector<int> events;
        for (const EventRow &row : list.rows())
            events.push_back(row.event);
        EXPECT_EQ(events, expected) << sortedMessage(order).toStdString();
    }
}

TEST(HeaderClickTest, SameKeyTogglesTheOrderAnotherKeepsIt)
{
    SortOrder order;
    EXPECT_EQ(order, (SortOrder{SortKey::TimeLeft, false}));
    order = afterHeaderClick(order, SortKey::Description);
    EXPECT_EQ(order, (SortOrder{SortKey::Description, false}));
    order = afterHeaderClick(order, SortKey::Description);
    EXPECT_EQ(order, (SortOrder{SortKey::Description, true}));
    order = afterHeaderClick(order, SortKey::Age);
    EXPECT_EQ(order, (SortOrder{SortKey::Age, true}));
    order = afterHeaderClick(order, SortKey::Age);
    EXPECT_EQ(order, (SortOrder{SortKey::Age, false}));
}

TEST(HeaderClickTest, OnlyTheKeyColumnsSort)
{
    EXPECT_EQ(keyOfColumn(AgeColumn), SortKey::Age);
    EXPECT_EQ(keyOfColumn(TimeLeftColumn), SortKey::TimeLeft);
    EXPECT_EQ(keyOfColumn(DescriptionColumn), SortKey::Description);
    for (const int column : {-1, int(DateColumn), int(DayColumn), int(EventColumnCount)})
        EXPECT_FALSE(keyOfColumn(column).has_value()) << column;
    for (const SortKey key : {SortKey::Age, SortKey::TimeLeft, SortKey::Description})
        EXPECT_EQ(keyOfColumn(keyColumn(key)), key);
}

} // namespace
} // namespace nudgely
