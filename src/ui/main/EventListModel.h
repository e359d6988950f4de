#pragma once

#include <QAbstractTableModel>
#include <QColor>

namespace nudgely {

class Session;

// The session's event list for a view: one row per list row, the texts made for the cells
// the view asks for. It follows the list through every rebuild and sort.
class EventListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit EventListModel(Session &session, QObject *parent = nullptr);

    // The colours that a colour of 0 stands for.
    void setStandardColours(const QColor &text, const QColor &background);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void listChanging();
    void listChanged();

    Session &session_;
    // While the session rebuilds the list, a view repainting for a status message must see
    // the rows it knew, and no text: the events behind them are being replaced.
    bool changing_ = false;
    int rowsBeforeChange_ = 0;
    QColor standardText_;
    QColor standardBackground_;
};

} // namespace nudgely
