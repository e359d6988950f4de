#pragma once

#include "eventlist/GridModel.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>

namespace nudgely {

// Grid colours are 0x00BBGGRR values.
QColor ColourFromValue(qint32 value);
qint32 ValueFromColour(const QColor &colour);

// Shows a grid model to a Qt view: grid row 0 is the header, data rows 1 to n are the
// model's rows 0 to n-1. A colour of 0 in the grid is the view's standard colour.
class GridTableModel final : public QAbstractTableModel, private GridListener {
    Q_OBJECT

public:
    explicit GridTableModel(GridModel &grid, QObject *parent = nullptr);
    ~GridTableModel() override;

    GridModel &grid() { return grid_; }

    // The colours that stand for 0; they follow the view's palette.
    void setStandardColours(const QColor &text, const QColor &background);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The tooltip of every cell of a grid row.
    void setRowToolTips(std::function<QString(int gridRow)> toolTips) { rowToolTips_ = std::move(toolTips); }

Q_SIGNALS:
    void gridSelectionChanged();
    void gridFocusRequested();

private:
    void gridAboutToBeReset() override;
    void gridReset() override;
    void cellsChanged(int top, int left, int bottom, int right) override;
    void selectionChanged() override;
    void focusRequested() override;

    QVariant colour(qint32 value, const QColor &standard) const;

    GridModel &grid_;
    std::function<QString(int)> rowToolTips_;
    QColor standardText_;
    QColor standardBackground_;
};

} // namespace nudgely
