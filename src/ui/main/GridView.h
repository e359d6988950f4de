#pragma once

#include <QTableView>

namespace nudgely {

class GridTableModel;
class GridModel;

// A grid model on screen. It keeps the view's selection and the grid model's current cell
// and selection end the same both ways, and reports mouse presses and releases in grid
// coordinates: row 0 is the header, -1 means no cell.
class GridView final : public QTableView {
    Q_OBJECT

public:
    explicit GridView(GridTableModel *model, QWidget *parent = nullptr);

    GridModel &grid();
    // The grid cell under a point of the viewport or of the header.
    QPoint cellAt(QWidget *where, const QPoint &pos) const;
    // Colours from the palette: header, selection, grid lines, the empty area below the rows.
    void applyLook();

Q_SIGNALS:
    void cellPressed(int row, int column, Qt::MouseButton button);
    void cellDoubleClicked(int row, int column);
    void cellReleased(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showGridSelection();
    void takeViewSelection();

    GridTableModel *model_;
    bool showingGridSelection_ = false;
};

} // namespace nudgely
