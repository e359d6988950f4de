#include "ui/main/GridView.h"

#include "eventlist/GridModel.h"
#include "ui/main/GridTableModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProxyStyle>

namespace nudgely {

namespace {

bool IsDark(const QColor &colour)
{
    return colour.lightness() < 128;
}

// Grid lines in light grey on a light palette, and in a quiet tone on a dark one.
class GridLineStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Table_GridLineColor && widget) {
            const QColor base = widget->palette().color(QPalette::Base);
            return static_cast<int>((IsDark(base) ? base.lighter(170) : QColor(0xC0, 0xC0, 0xC0)).rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

GridView::GridView(GridTableModel *model, QWidget *parent) : QTableView(parent), model_(model)
{
    auto *style = new GridLineStyle;
    style->setParent(this);
    setStyle(style);
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);

    connect(model, &GridTableModel::gridSelectionChanged, this, &GridView::showGridSelection);
    connect(model, &GridTableModel::gridFocusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::showGridSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridView::takeViewSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &GridView::takeViewSelection);
    applyLook();
}

GridModel &GridView::grid()
{
    return model_->grid();
}

QPoint GridView::cellAt(QWidget *where, const QPoint &pos) const
{
    // A release goes to the widget that had the press, wherever the pointer is by then.
    const QPoint global = where->mapToGlobal(pos);
    QWidget *header = horizontalHeader()->viewport();
    const QPoint inHeader = header->mapFromGlobal(global);
    if (header->rect().contains(inHeader))
        return {horizontalHeader()->logicalIndexAt(inHeader.x()), 0};
    const QPoint inRows = viewport()->mapFromGlobal(global);
    const QModelIndex index = viewport()->rect().contains(inRows) ? indexAt(inRows) : QModelIndex();
    return index.isValid() ? QPoint(index.column(), index.row() + 1) : QPoint(-1, -1);
}

bool GridView::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick && event->type() != QEvent::MouseButtonRelease)
        return QTableView::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint cell = cellAt(static_cast<QWidget *>(watched), mouse->position().toPoint());
    if (doubleClick) {
        if (mouse->button() == Qt::LeftButton)
            Q_EMIT cellDoubleClicked(cell.y(), cell.x());
        return false;
    }
    if (press) {
        Q_EMIT cellPressed(cell.y(), cell.x(), mouse->button());
        // The right button opens the menu; which cell is current is decided there.
        return mouse->button() == Qt::RightButton && watched == viewport();
    }
    Q_EMIT cellReleased(cell.y(), cell.x(), mouse->button(), mouse->modifiers());
    return false;
}

void GridView::showGridSelection()
{
    const GridModel &g = model_->grid();
    if (showingGridSelection_ || g.rowCount() < 2)
        return;
    showingGridSelection_ = true;
    // The header row is part of the grid's selection but not of the view's.
    const int top = qMax(1, qMin(g.row(), g.rowSel())) - 1;
    const int bottom = qMax(1, qMax(g.row(), g.rowSel())) - 1;
    const int left = qMin(g.column(), g.colSel());
    const int right = qMax(g.column(), g.colSel());
    const QModelIndex current = model()->index(qMax(1, g.row()) - 1, g.column());
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(model()->index(top, left), model()->index(bottom, right)),
                             QItemSelectionModel::ClearAndSelect);
    showingGridSelection_ = false;
}

void GridView::takeViewSelection()
{
    const QModelIndex current = currentIndex();
    if (showingGridSelection_ || !current.isValid())
        return;
    GridModel &g = model_->grid();
    QPoint end(current.column(), current.row());
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        // The corner of the selected rectangle opposite the current cell.
        const QItemSelectionRange range = selectionModel()->selection().constFirst();
        end = {current.column() == range.left() ? range.right() : range.left(),
               current.row() == range.top() ? range.bottom() : range.top()};
    }
    showingGridSelection_ = true;
    g.setCurrentCell(current.row() + 1, current.column());
    g.setSelectionEnd(end.y() + 1, end.x());
    showingGridSelection_ = false;
}

void GridView::applyLook()
{
    const QPalette standard = palette();
    const QColor base = standard.color(QPalette::Active, QPalette::Base);
    model_->setStandardColours(standard.color(QPalette::Active, QPalette::Text), base);

    // Below the last row the grid shows mid grey; its rows keep the standard background.
    QPalette area = viewport()->palette();
    area.setColor(QPalette::Base, IsDark(base) ? base.darker(160) : QColor(0x80, 0x80, 0x80));
    viewport()->setPalette(area);
    viewport()->setAutoFillBackground(true);

    // The header row in the colours of an active title: the accent colour and its text.
    QPalette header = horizontalHeader()->palette();
    const QColor accent = standard.color(QPalette::Active, QPalette::Highlight);
    header.setColor(QPalette::Button, accent.darker(115));
    header.setColor(QPalette::Window, accent.darker(115));
    header.setColor(QPalette::ButtonText, standard.color(QPalette::Active, QPalette::HighlightedText));
    horizontalHeader()->setPalette(header);
}

void GridView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    // A new desktop palette (light to dark, say) is followed at once.
    if (event->type() == QEvent::PaletteChange)
        applyLook();
}

} // namespace nudgely
