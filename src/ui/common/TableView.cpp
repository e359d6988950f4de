#include "ui/common/TableView.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProxyStyle>

namespace nudgely {

namespace {

bool isDark(const QColor &colour)
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
            return static_cast<int>((isDark(base) ? base.lighter(170) : QColor(0xC0, 0xC0, 0xC0)).rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Whether a press at x resizes a column, as the header itself decides it: within the grip
// margin of a column's end, the end of the column before for its start.
bool onResizeGrip(const QHeaderView *header, int x)
{
    const int visual = header->visualIndexAt(x);
    if (visual < 0)
        return false;
    const int logical = header->logicalIndex(visual);
    const int start = header->sectionViewportPosition(logical);
    const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    int resized = -1;
    if (x > start + header->sectionSize(logical) - grip) {
        resized = logical;
    } else if (x < start + grip) {
        for (int before = visual - 1; before >= 0 && resized < 0; --before)
            if (!header->isSectionHidden(header->logicalIndex(before)))
                resized = header->logicalIndex(before);
    }
    return resized >= 0 && header->sectionResizeMode(resized) == QHeaderView::Interactive;
}

} // namespace

TableView::TableView(QWidget *parent) : QTableView(parent)
{
    auto *style = new GridLineStyle;
    style->setParent(this);
    setStyle(style);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    applyLook();
}

int TableView::cellWidthFor(const QString &text) const
{
    // A focus margin and a space each side of the text, and the grid line.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    return fontMetrics().horizontalAdvance(text) + margins;
}

QColor TableView::standardText() const
{
    return palette().color(QPalette::Active, QPalette::Text);
}

QColor TableView::standardBackground() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

QRect TableView::selectedBlock() const
{
    QRect block;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        block |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
    const QModelIndex current = currentIndex();
    if (block.isEmpty() && current.isValid())
        block = QRect(current.column(), current.row(), 1, 1);
    return block;
}

void TableView::setListFont(const QFont &font)
{
    setFont(font);
    horizontalHeader()->setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
}

ListPlace TableView::placeAt(QWidget *where, const QPoint &pos) const
{
    const QPoint global = where->mapToGlobal(pos);
    QWidget *header = horizontalHeader()->viewport();
    const QPoint inHeader = header->mapFromGlobal(global);
    if (header->rect().contains(inHeader))
        return {true, -1, horizontalHeader()->logicalIndexAt(inHeader.x()),
                onResizeGrip(horizontalHeader(), inHeader.x())};
    const QPoint inRows = viewport()->mapFromGlobal(global);
    const QModelIndex index = viewport()->rect().contains(inRows) ? indexAt(inRows) : QModelIndex();
    return index.isValid() ? ListPlace{false, index.row(), index.column()} : ListPlace{};
}

bool TableView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return QTableView::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    // A release goes to the widget that had the press, wherever the pointer is by then.
    const ListPlace place = placeAt(static_cast<QWidget *>(watched), mouse->position().toPoint());
    if (type == QEvent::MouseButtonDblClick) {
        if (mouse->button() == Qt::LeftButton)
            Q_EMIT doubleClicked(place);
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        Q_EMIT pressed(place, mouse->button());
        // The right button opens a menu; which cell becomes current is decided there.
        return mouse->button() == Qt::RightButton && watched == viewport();
    }
    Q_EMIT released(place, mouse->button(), mouse->modifiers());
    return false;
}

void TableView::applyLook()
{
    const QPalette standard = palette();
    const QColor base = standard.color(QPalette::Active, QPalette::Base);

    // Below the last row the list shows mid grey; its rows keep the standard background.
    QPalette area = viewport()->palette();
    area.setColor(QPalette::Base, isDark(base) ? base.darker(160) : QColor(0x80, 0x80, 0x80));
    viewport()->setPalette(area);
    viewport()->setAutoFillBackground(true);

    // The header in the colours of an active title: the accent colour and its text.
    QPalette header = horizontalHeader()->palette();
    const QColor accent = standard.color(QPalette::Active, QPalette::Highlight);
    header.setColor(QPalette::Button, accent.darker(115));
    header.setColor(QPalette::Window, accent.darker(115));
    header.setColor(QPalette::ButtonText, standard.color(QPalette::Active, QPalette::HighlightedText));
    horizontalHeader()->setPalette(header);
}

void TableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    // A new desktop palette (light to dark, say) is followed at once.
    if (event->type() == QEvent::PaletteChange) {
        applyLook();
        Q_EMIT lookChanged();
    }
}

} // namespace nudgely
