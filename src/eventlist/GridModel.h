#pragma once

#include <QString>

#include <vector>

namespace nudgely {

// How a cell's text sits in it; vertically it is always centred.
enum class CellAlignment { General, Left, Centre, Right };

struct GridCell {
    QString text;
    qint32 foreColour = 0; // 0x00BBGGRR; 0 means the view's standard colour
    qint32 backColour = 0;
    CellAlignment alignment = CellAlignment::General;
};

// Told of every change, so that a view can follow. While redraw is off nothing is told;
// turning it on again tells one reset.
class GridListener {
public:
    virtual ~GridListener() = default;
    virtual void gridAboutToBeReset() = 0;
    virtual void gridReset() = 0;
    virtual void cellsChanged(int top, int left, int bottom, int right) = 0;
    virtual void selectionChanged() = 0;
    virtual void focusRequested() = 0;
};

// A grid of text cells with colours and alignment. Row 0 is the fixed header row. The
// selection is the rectangle between the current cell and the selection's end cell;
// setting the current row or column collapses it.
class GridModel {
public:
    explicit GridModel(int columns = 1);

    void setListener(GridListener *listener) { listener_ = listener; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }
    void setColumnCount(int columns);
    // Keeps the rows below the new count's end out, adds empty rows as needed.
    void setRowCount(int rows);
    void insertRow(int index);
    // The index of the new last row.
    int appendRow();
    void removeRow(int index);

    const GridCell &cell(int row, int column) const;
    // A cell's own alignment, or its column's when the cell has none.
    CellAlignment alignment(int row, int column) const;
    void setColumnAlignment(int column, CellAlignment alignment);
    const QString &text(int row, int column) const { return cell(row, column).text; }
    void setText(int row, int column, const QString &text);

    int row() const { return row_; }
    int column() const { return column_; }
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setCurrentCell(int row, int column);
    // Collapses the row selection to the row.
    void setCurrentRow(int row);
    // Collapses the whole selection to the current row and this column.
    void setCurrentColumn(int column);
    void setSelectionEnd(int row, int column);
    bool selectionContains(int row, int column) const;

    // Colours and alignment for every cell of the selection.
    void setSelectionForeColour(qint32 colour);
    void setSelectionBackColour(qint32 colour);
    void setSelectionAlignment(CellAlignment alignment);

    // Sorts rows 1 to the last on the key columns first to last, compared left to right.
    // Two cells compare as numbers when both are numeric text, otherwise as text without
    // regard to case, and in ascending order every number comes before every text (a
    // mixed pair compared as text would make the order circular). Rows equal on every key
    // keep their order; descending reverses every key.
    void sortRows(int firstKeyColumn, int lastKeyColumn, bool descending);

    // The selected cells, tabs between cells and a carriage return between rows.
    QString clipText() const;

    // Suspends and resumes telling the listener.
    void setRedraw(bool redraw);
    void requestFocus();

private:
    using Row = std::vector<GridCell>;

    int clampRow(int row) const;
    int clampColumn(int column) const;
    template <typename Change>
    void changeSelectedCells(Change change);
    void structureChanging();
    void structureChanged();
    void cellsChanged(int top, int left, int bottom, int right);
    void selectionChanged();

    int columns_;
    std::vector<Row> rows_;
    std::vector<CellAlignment> columnAlignments_;
    int row_ = 0;
    int column_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    bool redraw_ = true;
    bool missedChanges_ = false;
    GridListener *listener_ = nullptr;
};

} // namespace nudgely
