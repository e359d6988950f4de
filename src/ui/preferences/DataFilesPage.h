#pragma once

#include "eventlist/GridModel.h"
#include "events/EventRecord.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QAction;
class QMenu;

namespace nudgely {

class GridTableModel;
class GridView;

// The "Data Files " page: the list of data files with their colour samples, and the
// commands that add, create, remove, colour, edit and reload them. The list is a working
// copy until Apply.
class DataFilesPage final : public QWidget {
    Q_OBJECT

public:
    explicit DataFilesPage(QWidget *parent = nullptr);

    // Fills the list from DataFiles, dropping unapplied changes.
    void ShowDatafiles();
    void AddDataFileToGrid(const QString &path, qint32 futureText, qint32 futureBack, qint32 todayText,
                           qint32 todayBack, qint32 pastText, qint32 pastBack);
    // The list as Apply stores it, top to bottom.
    std::vector<DataFileEntry> workingFiles() const;
    void setEventsFont(const QFont &font);

    void menuAddDatafile_Click();
    void menuNewDatafile_Click();
    void menuEditDatafile_Click();
    void menuRemoveDatafile_Click();
    void menuSetTextColour_Click();
    void menuSetBackColour_Click();
    void btnReloadFile_Click();

    GridModel &grid() { return grid_; }
    GridView *gridView() const { return grdDataFiles_; }
    QMenu *popupMenu() const { return menuDatafilePopup_; }

    // Full paths of the rows: entry r - 1 belongs to row r.
    QStringList WorkingFileNames;
    int WorkingFileCount = 0;
    // The cell of the last mouse press over the list; row 0 is the header.
    int ClickedRow = 0;
    int ClickedCol = 0;

private:
    void createPopupMenu();
    void addFile(bool existing);
    void gridPressed(int row, int column, Qt::MouseButton button);
    void gridDoubleClicked(int row);
    void setColour(bool text);
    QString shortenedPath(const QString &path) const;
    int firstSelectedRow() const;
    int lastSelectedRow() const;

    GridModel grid_;
    GridTableModel *model_ = nullptr;
    GridView *grdDataFiles_ = nullptr;
    QMenu *menuDatafilePopup_ = nullptr;
    QAction *menuEditDatafile_ = nullptr;
    QAction *menuRemoveDatafile_ = nullptr;
    QAction *menuSetTextColour_ = nullptr;
    QAction *menuSetBackColour_ = nullptr;
};

} // namespace nudgely
