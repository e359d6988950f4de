#include "eventlist/EventList.h"
#include "eventlist/Sorting.h"

#include "events/OccurrenceResolver.h"
#include "text/NumericText.h"

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using enum SortKey;
using namespace Qt::StringLiterals;

class SortingTest : public ::testing::Test {
protected:
    void read(const QString &lines) { table.addFile(0, lines.toUtf8()); resolveEvents(table, DateFormat(), QDate(2026, 12, 5)); }
    // The descriptions, space-separated, once the list is rebuilt in table order and sorted.
    QString sorted(const SortOrder &order, quint8 appendToAge = 1)
    {
        settings.appendToAge = appendToAge;
        list.rebuild(settings, DataFileList(), QDate(2026, 12, 5));
        list.sort(order);
        return list.lines(0, list.rowCount() - 1, DescriptionColumn, DescriptionColumn, false).join(u' ');
    }

    EventTable table;
    Settings settings;
    EventList list{table};
};

TEST_F(SortingTest, EachKeyInBothOrdersWithItsSecondKey)
{
    // b, c, a, bad and A: ages 57, none, 57, "?" and 5; times left 5, 0, 2, "?" and 5.
    read(QStringLiteral("10/12/1969 b\n05/12/XXXX c\n07/12/1969 a\n99/xx/19 bad\n10/12/2021 A\n"));
    const std::tuple<SortOrder, quint8, const char *, const char *> cases[] = {
        {{TimeLeft, false}, 0, "c a A b bad", "events sorted in ascending order by 'time left'"},
        {{TimeLeft, true}, 0, "bad b A a c", "events sorted in descending order by 'time left'"},
        {{Age, false}, 0, "A a b c bad", "events sorted in ascending order by 'age'"},
        {{Age, true}, 0, "bad c b a A", "events sorted in descending order by 'age'"},
        {{Description, false}, 0, "a A b bad c", "events sorted in ascending order by 'event description'"},
        {{Description, true}, 0, "c bad b a A", "events sorted in descending order by 'event description'"},
        // With suffixes ages compare as text: " " < "57th" < "5th" < "?".
        {{Age, false}, 1, "c a b A bad", "events sorted in ascending order by 'age'"},
        {{Age, true}, 1, "bad A b a c", "events sorted in descending order by 'age'"},
    };
    for (const auto &[order, appendToAge, expected, message] : cases) {
        EXPECT_EQ(sorted(order, appendToAge), expected) << message << ", suffixes " << int(appendToAge);
        EXPECT_EQ(sortedMessage(order), message);
    }
    EXPECT_EQ(list.lines(1, 1, AgeColumn, DescriptionColumn, false), QStringList({"5th\t5\tA"})); // rows move whole
    EXPECT_EQ(sortingMessage({Age, true}), "sorting events in descending order by 'age'...");
}

TEST_F(SortingTest, NumbersComeBeforeTextsAndTextIgnoresCase)
{
    read(QStringLiteral("05/12/XXXX b\n05/12/XXXX 10\n05/12/XXXX ?\n05/12/XXXX 9\n05/12/XXXX A\n05/12/XXXX -3\n"
                        "05/12/XXXX a\n05/12/XXXX 2.5\n05/12/XXXX 21st\n05/12/XXXX 3rd\n"));
    EXPECT_EQ(sorted({Description, false}), "-3 2.5 9 10 21st 3rd ? A a b");
    EXPECT_EQ(sorted({Description, true}), "b A a ? 3rd 21st 10 9 2.5 -3");
}

TEST_F(SortingTest, RowsEqualOnEveryKeyKeepTheirOrder)
{
    // Rows equal but for their description, enough of them for an unstable sort to show.
    read(QStringLiteral("05/12/XXXX z\n").repeated(40) + QStringLiteral("05/12/XXXX y\n").repeated(20));
    std::vector<int> zy(60), yz(60);
    std::iota(zy.begin(), zy.end(), 0);
    std::rotate_copy(zy.begin(), zy.begin() + 40, zy.end(), yz.begin());
    const std::pair<SortOrder, std::vector<int>> cases[] = {
        {{Age, false}, zy},      {{Age, true}, zy},         {{TimeLeft, false}, yz},
        {{TimeLeft, true}, zy},  {{Description, false}, yz}, {{Description, true}, zy},
    };
    for (const auto &[order, expected] : cases) {
        sorted(order);
        std::vector<int> events;
        for (const EventRow &row : list.rows())
            events.push_back(row.event);
        EXPECT_EQ(events, expected) << sortedMessage(order).toStdString();
    }
}

TEST_F(SortingTest, DescriptionsOrderAsTheLibraryComparesThemWithoutCaseWhereverTheyFirstDiffer)
{
    // Texts that first differ before, at and after their eighth and sixteenth characters, end
    // there, differ only in case, or hold characters beyond ASCII that fold to ASCII letters
    // (the Kelvin sign and the long s); each three times, so that rows equal on every key show
    // their order.
    const QStringList pool = {
        u"event 1"_s,   u"Event 1"_s,   u"EVENT 12"_s,  u"event 12a"_s, u"Eventual"_s,  u"event"_s,
        u"even"_s,      u"evenT 1234567"_s, u"event 1234568"_s, u"Kelvin"_s, u"\u212Aelvin"_s, u"kelvin"_s,
        u"kelvio"_s,    u"\u017Fun"_s,  u"sun"_s,       u"Sunny"_s,     u"\u00E9t\u00E9"_s, u"\u00C9t\u00E9"_s,
        u"ete"_s,       u"z"_s,         u"Z"_s,         u"~"_s,         u"_"_s,         u"a b"_s,
        u"a_b"_s,       u"ab"_s,        u"ab cdefgh"_s, u"ab cdefgI"_s, u"ab cdefgh\u00E9"_s, u"ab cdefgh\u212A"_s,
        u"ab cdefg\u212A"_s, u"ab cdefgk"_s, u"10"_s, u"9"_s, u"2.5"_s, u"-3"_s, u"1e3"_s,
        u"abcdefghijklmnop"_s, u"ABCDEFGHIJKLMNOPq"_s, u"abcdefghijklmnoP"_s, u"abcdefghijkl\u212Amno"_s,
        u"abcdefghijklkmno"_s, u"abcdefghijklmnoq"_s, u"abcdefghijkLM"_s};
    QStringList descriptions;
    for (int copy = 0; copy < 3; ++copy) {
        for (qsizetype i = 0; i < pool.size(); ++i)
            descriptions.append(pool[(i * 7 + copy * 5) % pool.size()]); // 7 is prime to the pool's size
    }
    ASSERT_NE(pool.size() % 7, 0);
    QString lines;
    for (const QString &description : descriptions)
        lines += u"05/12/XXXX "_s + description + u'\n';
    read(lines);

    const auto compare = [](const QString &a, const QString &b) {
        const auto x = numericTextValue(a);
        const auto y = numericTextValue(b);
        if (x.has_value() != y.has_value())
            return x ? -1 : 1;
        if (x)
            return *x < *y ? -1 : (*x > *y ? 1 : 0);
        const int result = a.compare(b, Qt::CaseInsensitive);
        return result < 0 ? -1 : (result > 0 ? 1 : 0);
    };
    for (const SortOrder order : {SortOrder{Description, false}, SortOrder{Description, true},
                                  SortOrder{TimeLeft, false}, SortOrder{TimeLeft, true}}) {
        std::vector<int> expected(static_cast<std::size_t>(descriptions.size()));
        std::iota(expected.begin(), expected.end(), 0);
        // Every row is due today: time left ties, and the description decides.
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const int result = compare(descriptions[a], descriptions[b]);
            return order.descending ? result > 0 : result < 0;
        });
        sorted(order);
        std::vector<int> events;
        for (const EventRow &row : list.rows())
            events.push_back(row.event);
        EXPECT_EQ(events, expected) << sortedMessage(order).toStdString();
    }
}

TEST(HeaderClickTest, SameKeyTogglesTheOrderAnotherKeepsItAndOnlyKeyColumnsSort)
{
    EXPECT_EQ(SortOrder(), (SortOrder{TimeLeft, false}));
    EXPECT_EQ(afterHeaderClick({}, Description), (SortOrder{Description, false}));
    EXPECT_EQ(afterHeaderClick({Description, false}, Description), (SortOrder{Description, true}));
    EXPECT_EQ(afterHeaderClick({Description, true}, Age), (SortOrder{Age, true}));
    EXPECT_EQ(afterHeaderClick({Age, true}, Age), (SortOrder{Age, false}));

    EXPECT_EQ(keyOfColumn(AgeColumn), Age);
    EXPECT_EQ(keyOfColumn(TimeLeftColumn), TimeLeft);
    EXPECT_EQ(keyOfColumn(DescriptionColumn), Description);
    for (const int column : {-1, int(DateColumn), int(DayColumn), int(EventColumnCount)})
        EXPECT_FALSE(keyOfColumn(column).has_value()) << column;
}

} // namespace
} // namespace nudgely
