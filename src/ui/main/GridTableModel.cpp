#include "ui/main/GridTableModel.h"


namespace nudgely {

namespace {

Qt::Alignment ToQt(CellAlignment alignment)
{
    switch (alignment) {
    case CellAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::General:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

QColor ColourFromValue(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 ValueFromColour(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

GridTableModel::GridTableModel(GridModel &grid, QObject *parent) : QAbstractTableModel(parent), grid_(grid)
{
    grid_.setListener(this);
}

GridTableModel::~GridTableModel()
{
    grid_.setListener(nullptr);
}

void GridTableModel::setStandardColours(const QColor &text, const QColor &background)
{
    standardText_ = text;
    standardBackground_ = background;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                           {Qt::ForegroundRole, Qt::BackgroundRole});
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : grid_.rowCount() - 1;
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant GridTableModel::colour(qint32 value, const QColor &standard) const
{
    if (value == 0)
        return standard.isValid() ? QVariant(standard) : QVariant();
    return ColourFromValue(value);
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int row = index.row() + 1;
    const GridCell &cell = grid_.cell(row, index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ForegroundRole:
        return colour(cell.foreColour, standardText_);
    case Qt::BackgroundRole:
        return colour(cell.backColour, standardBackground_);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ToQt(grid_.alignment(row, index.column())));
    case Qt::ToolTipRole:
        return rowToolTips_ ? rowToolTips_(row) : QVariant();
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    return {};
}

void GridTableModel::gridAboutToBeReset()
{
    beginResetModel();
}

void GridTableModel::gridReset()
{
    endResetModel();
}

void GridTableModel::cellsChanged(int top, int left, int bottom, int right)
{
    if (top == 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, left, right);
    const int first = qMax(top, 1) - 1;
    const int last = bottom - 1;
    if (last >= first && last < rowCount())
        Q_EMIT dataChanged(index(first, left), index(last, right));
}

void GridTableModel::selectionChanged()
{
    Q_EMIT gridSelectionChanged();
}

void GridTableModel::focusRequested()
{
    Q_EMIT gridFocusRequested();
}

} // namespace nudgely
