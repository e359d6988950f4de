#include "eventlist/GridModel.h"

#include "events/NumericText.h"

#include <algorithm>
#include <numeric>

namespace nudgely {

namespace {

// One cell as a sort key, worked out once per row rather than at every comparison.
struct SortKey {
    bool isNumber = false;
    double number = 0;
    QString text; // case-folded
};

int CompareKeys(const SortKey &a, const SortKey &b)
{
    if (a.isNumber != b.isNumber)
        return a.isNumber ? -1 : 1;
    if (a.isNumber)
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    return a.text.compare(b.text);
}

} // namespace

GridModel::GridModel(int columns)
    : columns_(qMax(1, columns)), rows_(1, Row(static_cast<std::size_t>(columns_))),
      columnAlignments_(static_cast<std::size_t>(columns_), CellAlignment::General)
{
}

void GridModel::structureChanging()
{
    if (redraw_ && listener_)
        listener_->gridAboutToBeReset();
}

void GridModel::structureChanged()
{
    if (!redraw_) {
        missedChanges_ = true;
        return;
    }
    if (listener_)
        listener_->gridReset();
}

void GridModel::cellsChanged(int top, int left, int bottom, int right)
{
    if (!redraw_)
        missedChanges_ = true;
    else if (listener_)
        listener_->cellsChanged(top, left, bottom, right);
}

void GridModel::selectionChanged()
{
    if (!redraw_)
        missedChanges_ = true;
    else if (listener_)
        listener_->selectionChanged();
}

void GridModel::setRedraw(bool redraw)
{
    if (redraw == redraw_)
        return;
    redraw_ = redraw;
    if (redraw && missedChanges_) {
        missedChanges_ = false;
        structureChanging();
        structureChanged();
        selectionChanged();
    }
}

void GridModel::requestFocus()
{
    if (listener_)
        listener_->focusRequested();
}

void GridModel::setColumnCount(int columns)
{
    structureChanging();
    columns_ = qMax(1, columns);
    for (Row &r : rows_)
        r.resize(static_cast<std::size_t>(columns_));
    columnAlignments_.resize(static_cast<std::size_t>(columns_), CellAlignment::General);
    column_ = clampColumn(column_);
    colSel_ = clampColumn(colSel_);
    structureChanged();
}

void GridModel::setRowCount(int rows)
{
    structureChanging();
    rows_.resize(static_cast<std::size_t>(qMax(1, rows)), Row(static_cast<std::size_t>(columns_)));
    row_ = clampRow(row_);
    rowSel_ = clampRow(rowSel_);
    structureChanged();
}

void GridModel::insertRow(int index)
{
    structureChanging();
    const int at = std::clamp(index, 1, rowCount());
    rows_.insert(rows_.begin() + at, Row(static_cast<std::size_t>(columns_)));
    structureChanged();
}

int GridModel::appendRow()
{
    structureChanging();
    rows_.emplace_back(static_cast<std::size_t>(columns_));
    structureChanged();
    return rowCount() - 1;
}

void GridModel::removeRow(int index)
{
    if (index < 1 || index >= rowCount())
        return;
    structureChanging();
    rows_.erase(rows_.begin() + index);
    row_ = clampRow(row_);
    rowSel_ = clampRow(rowSel_);
    structureChanged();
}

int GridModel::clampRow(int row) const
{
    return std::clamp(row, 0, rowCount() - 1);
}

int GridModel::clampColumn(int column) const
{
    return std::clamp(column, 0, columns_ - 1);
}

const GridCell &GridModel::cell(int row, int column) const
{
    return rows_[static_cast<std::size_t>(clampRow(row))][static_cast<std::size_t>(clampColumn(column))];
}

CellAlignment GridModel::alignment(int row, int column) const
{
    const CellAlignment own = cell(row, column).alignment;
    return own != CellAlignment::General ? own : columnAlignments_[static_cast<std::size_t>(clampColumn(column))];
}

void GridModel::setColumnAlignment(int column, CellAlignment alignment)
{
    if (column < 0 || column >= columns_)
        return;
    columnAlignments_[static_cast<std::size_t>(column)] = alignment;
    cellsChanged(0, column, rowCount() - 1, column);
}

void GridModel::setText(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text = text;
    cellsChanged(row, column, row, column);
}

void GridModel::setCurrentCell(int row, int column)
{
    row_ = rowSel_ = clampRow(row);
    column_ = colSel_ = clampColumn(column);
    selectionChanged();
}

void GridModel::setCurrentRow(int row)
{
    row_ = rowSel_ = clampRow(row);
    selectionChanged();
}

void GridModel::setCurrentColumn(int column)
{
    column_ = colSel_ = clampColumn(column);
    rowSel_ = row_;
    selectionChanged();
}

void GridModel::setSelectionEnd(int row, int column)
{
    rowSel_ = clampRow(row);
    colSel_ = clampColumn(column);
    selectionChanged();
}

bool GridModel::selectionContains(int row, int column) const
{
    return row >= qMin(row_, rowSel_) && row <= qMax(row_, rowSel_) && column >= qMin(column_, colSel_) &&
           column <= qMax(column_, colSel_);
}

template <typename Change>
void GridModel::changeSelectedCells(Change change)
{
    const int top = qMin(row_, rowSel_);
    const int bottom = qMax(row_, rowSel_);
    const int left = qMin(column_, colSel_);
    const int right = qMax(column_, colSel_);
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c)
            change(rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
    cellsChanged(top, left, bottom, right);
}

void GridModel::setSelectionForeColour(qint32 colour)
{
    changeSelectedCells([colour](GridCell &cell) { cell.foreColour = colour; });
}

void GridModel::setSelectionBackColour(qint32 colour)
{
    changeSelectedCells([colour](GridCell &cell) { cell.backColour = colour; });
}

void GridModel::setSelectionAlignment(CellAlignment alignment)
{
    changeSelectedCells([alignment](GridCell &cell) { cell.alignment = alignment; });
}

void GridModel::sortRows(int firstKeyColumn, int lastKeyColumn, bool descending)
{
    const int first = clampColumn(qMin(firstKeyColumn, lastKeyColumn));
    const int last = clampColumn(qMax(firstKeyColumn, lastKeyColumn));
    const std::size_t dataRows = rows_.size() - 1;
    const std::size_t keysPerRow = static_cast<std::size_t>(last - first + 1);

    std::vector<SortKey> keys(dataRows * keysPerRow);
    for (std::size_t r = 0; r < dataRows; ++r) {
        for (std::size_t k = 0; k < keysPerRow; ++k) {
            const QString &text = rows_[r + 1][static_cast<std::size_t>(first) + k].text;
            SortKey &key = keys[r * keysPerRow + k];
            if (const auto number = NumericTextValue(text)) {
                key.isNumber = true;
                key.number = *number;
            } else {
                key.text = text.toCaseFolded(); // once per cell, not at every comparison
            }
        }
    }

    std::vector<std::size_t> order(dataRows);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < keysPerRow; ++k) {
            const int result = CompareKeys(keys[a * keysPerRow + k], keys[b * keysPerRow + k]);
            if (result != 0)
                return descending ? result > 0 : result < 0;
        }
        return false;
    });

    structureChanging();
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    sorted.push_back(std::move(rows_.front()));
    for (const std::size_t index : order)
        sorted.push_back(std::move(rows_[index + 1]));
    rows_ = std::move(sorted);
    structureChanged();
}

QString GridModel::clipText() const
{
    const int top = qMin(row_, rowSel_);
    const int bottom = qMax(row_, rowSel_);
    const int left = qMin(column_, colSel_);
    const int right = qMax(column_, colSel_);
    QString text;
    for (int r = top; r <= bottom; ++r) {
        if (r > top)
            text += QLatin1Char('\r');
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += QLatin1Char('\t');
            text += rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].text;
        }
    }
    return text;
}

} // namespace nudgely
