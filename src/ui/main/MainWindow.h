#pragma once

#include "config/WindowGeometry.h"
#include "ui/main/QtClipboard.h"
#include "ui/main/WindowUtilities.h"

#include <QMainWindow>
#include <QPointF>
#include <QPointer>
#include <QRect>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace nudgely {

class GridView;
class GridTableModel;
class frmOptions;
class frmAbout;

// The main window: the events grid, its menus and status bar. Its load drives the start of
// a run; closing it stores its geometry and ends the program.
class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The load handler: settings, geometry, layout, then the window is shown and the events
    // are read and listed.
    void Form_Load();
    void SaveWindowSettings();
    // Closes the window (which stores its geometry) and ends the program.
    void ExitApplication();
    void ApplyEventsFont();

    void menuRefreshEvents_Click();
    void menuReloadDatafiles_Click();
    void menuSelectAll_Click();
    void menuCopy_Click();
    void menuDefaultWindowSize_Click();
    void menuCentreNow_Click();
    void menuOptions_Click();
    void menuAbout_Click();

    GridView *gridView() const { return grdDatesView_; }
    QLabel *versionPanel() const { return versionPanel_; }
    QLabel *statusPanel() const { return statusPanel_; }
    QMenu *eventsMenu() const { return menuEvents_; }
    // The grid cell of the last mouse press over the grid.
    QPoint lastPressedCell() const { return pressedCell_; }
    // The preferences dialog, loaded with the window; nullptr after its close box unloaded it.
    frmOptions *preferences() const;
    // The About box, once opened; nullptr after its close box unloaded it.
    frmAbout *aboutBox() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createMenus();
    void createStatusBar();
    void installHooks();
    void removeHooks();
    void applyStoredGeometry();
    void setOuterGeometry(const QRect &outer);
    void fitFrame();
    void setColumnWidthsInTwips(const std::array<double, 5> &twips);
    void showSortMarks();
    void gridPressed(int row, int column, Qt::MouseButton button);
    void gridReleased(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    QRect centredOuter(const QSize &outer, QPointF *twips) const;
    double savedTwips(int pixels, int setPixels, double setTwips) const;

    GridTableModel *model_ = nullptr;
    GridView *grdDatesView_ = nullptr;
    QLabel *versionPanel_ = nullptr;
    QLabel *statusPanel_ = nullptr;
    QMenu *menuEvents_ = nullptr;
    QAction *menuSortByAge_ = nullptr;
    QAction *menuSortByTimeLeft_ = nullptr;
    QAction *menuSortByEventDescription_ = nullptr;
    QAction *menuSortAscending_ = nullptr;
    QAction *menuSortDescending_ = nullptr;
    QtClipboard clipboard_;
    QPointer<frmOptions> options_;
    QPointer<frmAbout> about_;

    int twipsPerPixel_ = 15;
    SizeBounds sizeBounds_;
    // What the geometry was last set to, in twips and in pixels: while the window still has
    // those pixels at closing, the same twips are written back, so nothing drifts.
    StoredWindowGeometry setTwips_;
    QRect setOuter_;
    // The outer geometry of the normal state, followed here: a window that started maximised
    // may not know it otherwise.
    QRect normalOuter_;
    std::array<int, 5> setColumnPixels_{};
    bool fitFramePending_ = false;
    bool unloaded_ = false;
    QPoint pressedCell_;
};

} // namespace nudgely
