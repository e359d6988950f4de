#pragma once

#include "config/WindowGeometry.h"
#include "ui/common/ScreenMetrics.h"
#include "ui/common/TableView.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace nudgely {

class AboutDialog;
class EventListModel;
class HelpWindow;
class LiveUpdates;
class PreferencesDialog;
class PreferencesDialogs;
class Session;
enum class ListChange;
enum class SortKey;

// The main window: the events list, its menus and its status bar. Its load drives the start
// of a run; closing it stores its geometry and ends the program, unless Nudgely is kept in
// the notification area, where closing only hides it.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The preferences' file, colour and font dialogs come from dialogs when given.
    explicit MainWindow(Session &session, PreferencesDialogs *dialogs = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start of a run: the configuration, the stored geometry, the window shown, then the
    // events read and listed.
    void load();
    // Whether the desktop shows a notification area; asked of the platform when first needed
    // unless set before.
    void setTrayAvailable(bool available);

    TableView *listView() const { return listView_; }
    EventListModel *listModel() const { return model_; }
    QLabel *versionLabel() const { return versionLabel_; }
    QLabel *statusLabel() const { return statusLabel_; }
    QMenu *eventsMenu() const { return eventsMenu_; }
    // The preferences dialog, built hidden if it is not loaded yet.
    PreferencesDialog *preferencesDialog();
    // The About box and the help window, once opened.
    AboutDialog *aboutDialog() const;
    HelpWindow *helpWindow() const;
    LiveUpdates *liveUpdates() const { return live_; }
    // The notification area's icon, once it was wanted.
    QSystemTrayIcon *trayIcon() const { return tray_; }

public Q_SLOTS:
    void refreshList();
    void reloadDataFiles();
    // Every event of the data files to an iCalendar file the user names.
    void exportToCalendar();
    void importContacts();
    void selectAll();
    void copyToClipboard();
    void sortBy(SortKey key);
    void sortAscending();
    void sortDescending();
    void showPreferences();
    void resetWindowSize();
    void centreOnScreen();
    void showHelpContents();
    void searchHelp();
    void showAbout();
    // Closes the window (which stores its geometry) and ends the program.
    void exitProgram();
    // Brings the window back from the notification area.
    void showFromTray();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createStatusBar();
    void showStatus(const QString &message);
    void showProblems();
    void setBusy(bool busy);
    void listChanging();
    void listChanged(ListChange change);
    void keepPlaceInList();
    void followReminders();
    void createTrayIcon();
    bool keptInTray() const;
    bool trayAvailable();
    QFont listFontOfSettings() const;
    void applyListFont();
    void showSortMarks();
    void applyStoredGeometry();
    void setOuterGeometry(const QRect &outer);
    void settleNormalGeometry();
    void followNormalGeometry();
    void fitFrame();
    void setColumnWidthsInTwips(const std::array<double, 5> &twips);
    void fitColumns(const std::array<bool, 5> &stored);
    void fitDescription();
    QRect centredOuter(const QSize &outer, QPointF *twips) const;
    double savedTwips(int pixels, int setPixels, double setTwips) const;
    void storeGeometry();
    void listPressed(const ListPlace &place, Qt::MouseButton button);
    void listReleased(const ListPlace &place, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ensurePreferences();

    Session &session_;
    PreferencesDialogs *dialogs_;
    EventListModel *model_ = nullptr;
    TableView *listView_ = nullptr;
    QLabel *versionLabel_ = nullptr;
    QLabel *statusLabel_ = nullptr;
    QLabel *problemsLabel_ = nullptr;
    QMenu *eventsMenu_ = nullptr;
    QAction *sortByAgeAction_ = nullptr;
    QAction *sortByTimeLeftAction_ = nullptr;
    QAction *sortByDescriptionAction_ = nullptr;
    QAction *ascendingAction_ = nullptr;
    QAction *descendingAction_ = nullptr;
    QPointer<PreferencesDialog> preferences_;
    bool preferencesBuilt_ = false;
    QPointer<AboutDialog> about_;
    QPointer<HelpWindow> help_;
    LiveUpdates *live_ = nullptr;
    QSystemTrayIcon *tray_ = nullptr;
    std::optional<bool> trayAvailable_;
    bool quitting_ = false;

    int twipsPerPixel_ = 15;
    SizeBounds sizeBounds_;
    // What the geometry was last set to, in twips and in pixels: while the window still has
    // those pixels at closing, the same twips are written back, so nothing drifts.
    StoredWindowGeometry setTwips_;
    QRect setOuter_;
    // The outer geometry of the normal state, followed here: a window that started maximised
    // may not know it otherwise. While the window manager is still placing the window (after
    // showing it, or bringing it back to normal), what it does is not followed but undone.
    QRect normalOuter_;
    std::array<int, 5> setColumnPixels_{};
    // A description without a stored width fills what the other columns leave of the normal
    // window, until the user sizes it.
    bool descriptionFills_ = false;
    QTimer *settleTimer_ = nullptr;
    bool settling_ = false;
    bool shownOnce_ = false;
    bool closed_ = false;
    bool busy_ = false;
    // The status label's last painting out of the event loop.
    QElapsedTimer statusPainted_;
    static constexpr int FrameMilliseconds = 16;
    QPoint currentBeforeChange_; // column, row
    QList<QRect> selectionBeforeChange_; // columns and rows of each block
    QPoint scrollBeforeChange_;
    ListPlace pressedPlace_;
};

} // namespace nudgely
