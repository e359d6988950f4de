#include "ui/preferences/DataFileListModel.h"

#include "ui/common/Colours.h"

#include <QDir>

namespace nudgely {

namespace {

// A sample column's text or background colour.
qint32 FileColours::*colourField(int column, bool text)
{
    switch (column) {
    case DataFileListModel::FutureColumn:
        return text ? &FileColours::futureText : &FileColours::futureBack;
    case DataFileListModel::TodayColumn:
        return text ? &FileColours::todayText : &FileColours::todayBack;
    case DataFileListModel::PastColumn:
        return text ? &FileColours::pastText : &FileColours::pastBack;
    default:
        return nullptr;
    }
}

} // namespace

DataFileListModel::DataFileListModel(QObject *parent) : QAbstractTableModel(parent) {}

void DataFileListModel::setStandardColours(const QColor &text, const QColor &background)
{
    standardText_ = text;
    standardBackground_ = background;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::ForegroundRole, Qt::BackgroundRole});
}

void DataFileListModel::setFiles(const DataFileList &files)
{
    beginResetModel();
    files_.clear();
    for (const DataFile &file : files) {
        if (!file.path.isEmpty())
            files_.push_back(file);
    }
    endResetModel();
}

std::vector<DataFile> DataFileListModel::rows() const
{
    return files_.empty() ? std::vector<DataFile>(1) : files_;
}

QString DataFileListModel::path(int row) const
{
    return row >= 0 && row < fileCount() ? files_[static_cast<std::size_t>(row)].path : QString();
}

void DataFileListModel::addFile(const DataFile &file)
{
    if (files_.empty()) {
        // The first file takes the place of the empty row.
        beginResetModel();
        files_.push_back(file);
        endResetModel();
        return;
    }
    beginInsertRows({}, fileCount(), fileCount());
    files_.push_back(file);
    endInsertRows();
}

void DataFileListModel::removeFiles(int first, int last)
{
    first = qMax(first, 0);
    last = qMin(last, fileCount() - 1);
    if (last < first)
        return;
    beginResetModel();
    files_.erase(files_.begin() + first, files_.begin() + last + 1);
    endResetModel();
}

void DataFileListModel::setColour(int firstRow, int lastRow, int firstColumn, int lastColumn, bool text, qint32 colour)
{
    firstRow = qMax(firstRow, 0);
    lastRow = qMin(lastRow, fileCount() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = qMax(firstColumn, int(FutureColumn)); column <= lastColumn && column < ColumnCount; ++column)
            files_[static_cast<std::size_t>(row)].colours.*colourField(column, text) = colour;
    }
    if (lastRow >= firstRow)
        Q_EMIT dataChanged(index(firstRow, FutureColumn), index(lastRow, PastColumn));
}

qint32 DataFileListModel::colour(int row, int column, bool text) const
{
    const auto field = colourField(column, text);
    if (!field || row < 0 || row >= fileCount())
        return 0;
    return files_[static_cast<std::size_t>(row)].colours.*field;
}

int DataFileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(1, fileCount());
}

int DataFileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

namespace {

// As a file manager shows it: the home folder as "~", so the telling end of the path fits.
QString withHomeAsTilde(const QString &path)
{
    const QString home = QDir::homePath();
    if (home.size() > 1 && path.startsWith(home + u'/'))
        return u'~' + path.mid(home.size());
    return path;
}

} // namespace

QVariant DataFileListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const bool sample = index.column() != PathColumn && index.row() < fileCount();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == PathColumn)
            return withHomeAsTilde(path(index.row()));
        return sample ? QStringLiteral("sample") : QString();
    case Qt::ToolTipRole:
        return index.column() == PathColumn ? path(index.row()) : QVariant();
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        const bool text = role == Qt::ForegroundRole;
        return cellColour(sample ? colour(index.row(), index.column(), text) : 0,
                          text ? standardText_ : standardBackground_);
    }
    case Qt::TextAlignmentRole:
        if (index.column() == PathColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant DataFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[] = {"datafile", "future", "today", "past"};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QLatin1String(headers[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignVCenter));
    return {};
}

} // namespace nudgely
