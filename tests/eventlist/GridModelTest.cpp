#include "eventlist/GridModel.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

// A 4-column grid whose data rows hold the given cells of the key columns 1 and 2.
GridModel GridWith(const std::vector<std::pair<QString, QString>> &rows)
{
    GridModel grid(4);
    grid.setText(0, 1, QStringLiteral("first"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = grid.appendRow();
        grid.setText(row, 0, QString::number(i)); // the original position
        grid.setText(row, 1, rows[i].first);
        grid.setText(row, 2, rows[i].second);
    }
    return grid;
}

QStringList Column(const GridModel &grid, int column)
{
    QStringList texts;
    for (int row = 1; row < grid.rowCount(); ++row)
        texts.append(grid.text(row, column));
    return texts;
}

TEST(GridModelTest, NumbersBeforeTextsTextsWithoutCaseEqualRowsKeepTheirOrder)
{
    GridModel grid = GridWith({{"b", ""}, {"10", ""}, {"?", ""}, {"9", ""}, {"A", ""}, {" ", ""}, {"-3", ""},
                               {"a", ""}, {"2.5", ""}, {"21st", ""}, {"3rd", ""}});
    grid.sortRows(1, 1, false);
    EXPECT_EQ(Column(grid, 1), QStringList({"-3", "2.5", "9", "10", " ", "21st", "3rd", "?", "A", "a", "b"}));
    EXPECT_EQ(Column(grid, 0)[8], QStringLiteral("4")); // A and a keep their order
    grid.sortRows(1, 1, true);
    EXPECT_EQ(Column(grid, 1), QStringList({"b", "A", "a", "?", "3rd", "21st", " ", "10", "9", "2.5", "-3"}));
    EXPECT_EQ(Column(grid, 0)[1], QStringLiteral("4")); // still in their order when descending
    EXPECT_EQ(grid.text(0, 1), QStringLiteral("first")); // the header stays
}

TEST(GridModelTest, SecondKeyDecidesOnlyBetweenEqualFirstKeys)
{
    GridModel grid = GridWith({{"1", "b"}, {"0", "z"}, {"1", "a"}, {"0", "y"}});
    grid.sortRows(1, 2, false);
    EXPECT_EQ(Column(grid, 2), QStringList({"y", "z", "a", "b"}));
    grid.sortRows(2, 1, true); // the range counts from its smaller end
    EXPECT_EQ(Column(grid, 2), QStringList({"b", "a", "z", "y"}));
}

TEST(GridModelTest, SettingTheCurrentCellCollapsesTheSelection)
{
    GridModel grid = GridWith({{"a", "b"}, {"c", "d"}, {"e", "f"}});
    grid.setCurrentCell(3, 3);
    grid.setSelectionEnd(1, 1);
    EXPECT_TRUE(grid.selectionContains(2, 2));
    EXPECT_FALSE(grid.selectionContains(0, 2));
    grid.setCurrentColumn(2);
    EXPECT_EQ(grid.rowSel(), 3);
    EXPECT_EQ(grid.colSel(), 2);
    grid.setSelectionEnd(1, 1);
    grid.setCurrentRow(2);
    EXPECT_EQ(grid.rowSel(), 2);
    EXPECT_EQ(grid.colSel(), 1); // the column end stays
}

TEST(GridModelTest, ClipTextRunsTopLeftToBottomRightWhateverTheCorners)
{
    GridModel grid = GridWith({{"a", "b"}, {"c", "d"}});
    grid.setCurrentCell(2, 2);
    grid.setSelectionEnd(0, 1);
    EXPECT_EQ(grid.clipText(), QStringLiteral("first\t\ra\tb\rc\td"));
    grid.setCurrentCell(1, 2);
    EXPECT_EQ(grid.clipText(), QStringLiteral("b"));
}

TEST(GridModelTest, SelectionColoursAndAlignmentFallBackToTheColumn)
{
    GridModel grid = GridWith({{"a", "b"}, {"c", "d"}});
    grid.setColumnAlignment(2, CellAlignment::Centre);
    grid.setCurrentCell(1, 0);
    grid.setSelectionEnd(1, 3);
    grid.setSelectionForeColour(255);
    grid.setSelectionBackColour(65535);
    grid.setCurrentCell(2, 2);
    grid.setSelectionAlignment(CellAlignment::Right);
    EXPECT_EQ(grid.cell(1, 3).foreColour, 255);
    EXPECT_EQ(grid.cell(1, 0).backColour, 65535);
    EXPECT_EQ(grid.cell(2, 0).foreColour, 0);
    EXPECT_EQ(grid.alignment(1, 2), CellAlignment::Centre);
    EXPECT_EQ(grid.alignment(2, 2), CellAlignment::Right);
    EXPECT_EQ(grid.alignment(1, 1), CellAlignment::General);
}

class CountingListener final : public GridListener {
public:
    void gridAboutToBeReset() override { ++aboutToReset; }
    void gridReset() override { ++resets; }
    void cellsChanged(int, int, int, int) override { ++cells; }
    void selectionChanged() override { ++selections; }
    void focusRequested() override {}
    int aboutToReset = 0, resets = 0, cells = 0, selections = 0;
};

TEST(GridModelTest, WithRedrawOffTheListenerHearsOneResetAtTheEnd)
{
    GridModel grid(3);
    CountingListener listener;
    grid.setListener(&listener);
    grid.appendRow();
    EXPECT_EQ(listener.resets, 1);
    grid.setRedraw(false);
    for (int i = 0; i < 5; ++i)
        grid.setText(grid.appendRow(), 1, QStringLiteral("x"));
    grid.removeRow(1);
    EXPECT_EQ(listener.resets, 1);
    EXPECT_EQ(listener.cells, 0);
    grid.setRedraw(true);
    EXPECT_EQ(listener.aboutToReset, 2);
    EXPECT_EQ(listener.resets, 2);
    EXPECT_EQ(grid.rowCount(), 6);
}

} // namespace
} // namespace nudgely
