#pragma once

#include "config/DataFileList.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

namespace nudgely {

// The data file list of the preferences: the working copy until Apply. Each row is a file
// with its colour samples for events ahead, today and past. With no file it shows one empty
// row.
class DataFileListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { PathColumn, FutureColumn, TodayColumn, PastColumn, ColumnCount };

    explicit DataFileListModel(QObject *parent = nullptr);

    // The colours that a colour of 0 stands for.
    void setStandardColours(const QColor &text, const QColor &background);

    // The listed files of the slots, in slot order; empty slots close up.
    void setFiles(const DataFileList &files);
    // The rows as Apply takes them, top to bottom; the empty row of an empty list counts.
    std::vector<DataFile> rows() const;
    int fileCount() const { return static_cast<int>(files_.size()); }
    // The path of a row; empty for the empty row.
    QString path(int row) const;

    void addFile(const DataFile &file);
    // Rows first to last, while keeping at least the empty row.
    void removeFiles(int first, int last);
    // Text or background colour of a block of sample cells; the path column takes none.
    void setColour(int firstRow, int lastRow, int firstColumn, int lastColumn, bool text, qint32 colour);
    qint32 colour(int row, int column, bool text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<DataFile> files_;
    QColor standardText_;
    QColor standardBackground_;
};

} // namespace nudgely
