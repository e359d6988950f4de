#include "eventlist/ClipboardCopy.h"
#include "eventlist/EventsGrid.h"
#include "eventlist/Sorting.h"

#include "support/TestEnvironment.h"

#include <array>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using test::TestEnvironment;

// Rows of age, time left and description, straight into the grid.
void FillGrid(const std::vector<std::array<const char *, 3>> &rows)
{
    for (const auto &[age, timeLeft, description] : rows) {
        const int row = grdDates.appendRow();
        grdDates.setText(row, DateColumn, QStringLiteral("date%1").arg(row));
        grdDates.setText(row, AgeColumn, QString::fromUtf8(age));
        grdDates.setText(row, TimeLeftColumn, QString::fromUtf8(timeLeft));
        grdDates.setText(row, DescriptionColumn, QString::fromUtf8(description));
    }
    grdDates.removeRow(1); // the empty row the layout leaves
}

QStringList Descriptions()
{
    QStringList list;
    for (int row = 1; row < grdDates.rowCount(); ++row)
        list.append(grdDates.text(row, DescriptionColumn));
    return list;
}

class FakeClipboard final : public ClipboardAccess {
public:
    bool clear(QString &error) override
    {
        error = QStringLiteral("clipboard busy");
        text.clear();
        return !failClear;
    }
    bool setText(const QString &value, QString &error) override
    {
        error = QStringLiteral("no owner");
        if (!failSet)
            text = value;
        return !failSet;
    }
    QString text;
    bool failClear = false;
    bool failSet = false;
};

class SortingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillGrid({{"30", "5", "b"}, {" ", "0", "c"}, {"30", "2", "a"}, {"?", "?", "bad"}, {"7", "5", "A"}});
    }
    TestEnvironment env;
};

TEST_F(SortingTest, EachKeyInBothOrdersWithItsSecondKey)
{
    struct Case {
        SortKey key;
        SortOrder order;
        QStringList expected;
        const char *status;
    };
    const Case cases[] = {
        {SortKey::TimeLeft, SortOrder::Ascending, {"c", "a", "A", "b", "bad"},
         "events sorted in ascending order by 'time left'"},
        {SortKey::TimeLeft, SortOrder::Descending, {"bad", "b", "A", "a", "c"},
         "events sorted in descending order by 'time left'"},
        {SortKey::Age, SortOrder::Ascending, {"A", "a", "b", "c", "bad"}, "events sorted in ascending order by 'age'"},
        {SortKey::Age, SortOrder::Descending, {"bad", "c", "b", "a", "A"}, "events sorted in descending order by 'age'"},
        {SortKey::EventDescription, SortOrder::Ascending, {"a", "A", "b", "bad", "c"},
         "events sorted in ascending order by 'event description'"},
        {SortKey::EventDescription, SortOrder::Descending, {"c", "bad", "b", "a", "A"},
         "events sorted in descending order by 'event description'"},
    };
    for (const Case &c : cases) {
        CurrentSortMarks.order = c.order;
        ChooseSortKey(c.key);
        EXPECT_EQ(Descriptions(), c.expected) << c.status;
        EXPECT_EQ(env.statuses.back(), QString::fromUtf8(c.status));
    }
}

TEST_F(SortingTest, TheCurrentCellStaysAtItsPlace)
{
    grdDates.setCurrentCell(3, DayColumn);
    ChooseSortOrder(SortOrder::Descending);
    EXPECT_EQ(grdDates.row(), 3);
    EXPECT_EQ(grdDates.column(), DayColumn);
    EXPECT_EQ(env.statuses[env.statuses.size() - 2],
              QStringLiteral("sorting events in descending order by 'time left'..."));
}

TEST_F(SortingTest, HeaderClicksSortToggleAndRefuse)
{
    EXPECT_TRUE(HeaderClick(DescriptionColumn, DescriptionColumn));
    EXPECT_EQ(CurrentSortMarks.key, SortKey::EventDescription);
    EXPECT_EQ(CurrentSortMarks.order, SortOrder::Ascending);
    EXPECT_TRUE(HeaderClick(DescriptionColumn, DescriptionColumn));
    EXPECT_EQ(CurrentSortMarks.order, SortOrder::Descending);
    EXPECT_EQ(Descriptions(), QStringList({"c", "bad", "b", "a", "A"}));
    EXPECT_TRUE(HeaderClick(AgeColumn, AgeColumn)); // a new key keeps the order
    EXPECT_EQ(CurrentSortMarks.key, SortKey::Age);
    EXPECT_EQ(CurrentSortMarks.order, SortOrder::Descending);
    EXPECT_EQ(env.beeps, 0);

    const QStringList before = Descriptions();
    for (const auto &[press, release] : {std::pair{DateColumn, DateColumn}, std::pair{DayColumn, DayColumn},
                                        std::pair{HiddenDateColumn, HiddenDateColumn},
                                        std::pair{AgeColumn, TimeLeftColumn}}) {
        EXPECT_FALSE(HeaderClick(press, release));
        EXPECT_EQ(env.statuses.back(), QStringLiteral("can't sort on that column!"));
    }
    EXPECT_EQ(env.beeps, 4);
    EXPECT_EQ(Descriptions(), before);
    EXPECT_EQ(CurrentSortMarks.key, SortKey::Age);
}

TEST_F(SortingTest, SelectAllThenCopyGivesTheHeaderAndEveryRow)
{
    FakeClipboard clipboard;
    InstallClipboard(&clipboard);
    SelectAllEvents();
    EXPECT_EQ(env.statuses.back(), QStringLiteral("5 rows selected"));
    CopyEventsToClipboard();
    InstallClipboard(nullptr);
    EXPECT_EQ(clipboard.text, QStringLiteral("date\tday\tage\ttime left\tevent description\r\n"
                                             "date2\t\t30\t5\tb\r\n"
                                             "date3\t\t \t0\tc\r\n"
                                             "date4\t\t30\t2\ta\r\n"
                                             "date5\t\t?\t?\tbad\r\n"
                                             "date6\t\t7\t5\tA"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("5 rows successfully copied to clipboard"));
}

TEST_F(SortingTest, ASingleCellAndABackwardSelection)
{
    FakeClipboard clipboard;
    InstallClipboard(&clipboard);
    grdDates.setCurrentCell(2, DescriptionColumn);
    CopyEventsToClipboard();
    EXPECT_EQ(clipboard.text, QStringLiteral("c"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("1 row successfully copied to clipboard"));

    grdDates.setCurrentCell(3, DescriptionColumn);
    grdDates.setSelectionEnd(2, TimeLeftColumn);
    CopyEventsToClipboard();
    InstallClipboard(nullptr);
    EXPECT_EQ(clipboard.text, QStringLiteral("0\tc\r\n2\ta"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("2 rows successfully copied to clipboard"));
}

TEST_F(SortingTest, ClipboardFailuresAreReportedWithABeep)
{
    FakeClipboard clipboard;
    InstallClipboard(&clipboard);
    clipboard.failClear = true;
    CopyEventsToClipboard();
    EXPECT_EQ(env.statuses.back(), QStringLiteral("error while clearing Clipboard:  clipboard busy"));
    clipboard.failClear = false;
    clipboard.failSet = true;
    CopyEventsToClipboard();
    InstallClipboard(nullptr);
    EXPECT_EQ(env.statuses.back(), QStringLiteral("error while copying to clipboard:  no owner"));
    EXPECT_EQ(env.beeps, 2);
}

TEST(SelectAllTest, AnEmptyListCopiesTheHeaderAndOneEmptyRow)
{
    TestEnvironment env;
    FakeClipboard clipboard;
    InstallClipboard(&clipboard);
    SelectAllEvents();
    EXPECT_EQ(env.statuses.back(), QStringLiteral("1 row selected"));
    CopyEventsToClipboard();
    InstallClipboard(nullptr);
    EXPECT_EQ(clipboard.text, QStringLiteral("date\tday\tage\ttime left\tevent description\r\n\t\t\t\t"));
    EXPECT_EQ(env.statuses.back(), QStringLiteral("1 row successfully copied to clipboard"));
}

} // namespace
} // namespace nudgely
