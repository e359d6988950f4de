#pragma once

#include <QTableView>

namespace nudgely {

// A place in a list under the mouse: a header, a cell, or neither.
struct ListPlace {
    bool header = false;
    int row = -1;    // for a cell
    int column = -1; // -1: outside every column
    bool border = false; // on the header's grip between columns, where a press resizes
    bool isCell() const { return !header && row >= 0 && column >= 0; }
};

// A list in the program's look: the header in the accent colour, grid lines in light grey,
// mid grey below the last row, cells selected as a rectangle. It reports mouse presses and
// releases over the header and the cells, wherever the release falls.
class TableView final : public QTableView {
    Q_OBJECT

public:
    explicit TableView(QWidget *parent = nullptr);

    // The place under a point of the viewport or of the header (or any widget's point, for
    // a release that went elsewhere).
    ListPlace placeAt(QWidget *where, const QPoint &pos) const;

    // The rows and columns the selection spans, or the current cell when nothing is selected.
    QRect selectedBlock() const;
    // The events font, for the cells and the header, with rows tall enough for it.
    void setListFont(const QFont &font);
    // The column width that shows a text whole in a cell, as the view lays cells out.
    int cellWidthFor(const QString &text) const;

    // The colours that a cell without its own stands in: the palette's, since the viewport
    // itself shows grey below the rows.
    QColor standardText() const;
    QColor standardBackground() const;

Q_SIGNALS:
    void pressed(const ListPlace &place, Qt::MouseButton button);
    void released(const ListPlace &place, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void doubleClicked(const ListPlace &place);
    // The palette changed: the standard colours with it.
    void lookChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyLook();
};

} // namespace nudgely
