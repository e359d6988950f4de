#include "ui/main/EventListModel.h"

#include "app/Session.h"
#include "ui/common/Colours.h"

namespace nudgely {

EventListModel::EventListModel(Session &session, QObject *parent) : QAbstractTableModel(parent), session_(session)
{
    connect(&session, &Session::listAboutToChange, this, &EventListModel::listChanging);
    connect(&session, &Session::listChanged, this, &EventListModel::listChanged);
}

void EventListModel::listChanging()
{
    rowsBeforeChange_ = rowCount();
    changing_ = true;
    beginResetModel();
}

void EventListModel::listChanged()
{
    changing_ = false;
    endResetModel();
}

void EventListModel::setStandardColours(const QColor &text, const QColor &background)
{
    standardText_ = text;
    standardBackground_ = background;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole, Qt::BackgroundRole});
}

int EventListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return changing_ ? rowsBeforeChange_ : session_.list().rowCount();
}

int EventListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : EventColumnCount;
}

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (changing_ || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const EventList &list = session_.list();
    const EventRow *row = list.row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return list.text(index.row(), index.column());
    case Qt::ForegroundRole:
        return cellColour(row ? row->foreground : 0, standardText_);
    case Qt::BackgroundRole:
        return cellColour(row ? row->background : 0, standardBackground_);
    case Qt::TextAlignmentRole:
        if (index.column() == DateColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        if (index.column() == DescriptionColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    case Qt::ToolTipRole:
        return list.toolTip(index.row());
    default:
        return {};
    }
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= EventColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return columnHeader(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    return {};
}

} // namespace nudgely
