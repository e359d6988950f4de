#include "ui/main/MainWindow.h"

#include "config/LegacyMigration.h"
#include "config/Settings.h"
#include "eventlist/ClipboardCopy.h"
#include "eventlist/EventListBuilder.h"
#include "eventlist/EventListing.h"
#include "eventlist/EventsGrid.h"
#include "eventlist/Sorting.h"
#include "startup/AppIdentity.h"
#include "startup/StatusMessages.h"
#include "ui/main/GridView.h"
#include "ui/main/GridTableModel.h"
#include "ui/main/MenuActions.h"
#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace nudgely {

namespace {

QAction *AddCheckable(QMenu *menu, QActionGroup *group, const char *name, const QString &caption)
{
    QAction *action = AddAction(menu, name, caption);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

QMenu *AddMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// A row's tooltip: its date in the long format, or why it has none.
QString EventRowToolTip(int gridRow)
{
    if (gridRow <= 0 || gridRow >= grdDates.rowCount())
        return {};
    if (grdDates.text(gridRow, TimeLeftColumn) == QLatin1String("?"))
        return QStringLiteral("couldn't resolve date for this event");
    const QDate date = DateFromHiddenText(grdDates.text(gridRow, HiddenDateColumn));
    return date.isValid() ? QLocale().toString(date, QLocale::LongFormat) : QString();
}

QSize ShrunkByFrame(const QSize &outer, const QMargins &frame)
{
    return {outer.width() - frame.left() - frame.right(), outer.height() - frame.top() - frame.bottom()};
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    // The stored default face comes from Windows; of the faces a Linux desktop may have,
    // these come closest in width, before the desktop's own sans serif.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Noto Sans")});
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppTitle);
    model_ = new GridTableModel(grdDates, this);
    model_->setRowToolTips(EventRowToolTip);
    grdDatesView_ = new GridView(model_, this);
    grdDatesView_->setObjectName(QStringLiteral("grdDates"));
    grdDatesView_->setColumnHidden(HiddenDateColumn, true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(grdDatesView_);
    setCentralWidget(central);

    createMenus();
    createStatusBar();

    connect(grdDatesView_, &GridView::cellPressed, this, &frmMain::gridPressed);
    connect(grdDatesView_, &GridView::cellReleased, this, &frmMain::gridReleased);
    // Escape ends the program wherever the focus is within the window.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &frmMain::ExitApplication);
}

frmMain::~frmMain()
{
    removeHooks();
}

void frmMain::createMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = AddMenu(bar, "menuFile", QStringLiteral("&File"));
    connect(AddAction(file, "menuRefreshEvents", QStringLiteral("Refresh &Display"), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &frmMain::menuRefreshEvents_Click);
    connect(AddAction(file, "menuReloadDatafiles", QStringLiteral("&Reload All Datafiles"),
                      QKeySequence(Qt::SHIFT | Qt::Key_F5)),
            &QAction::triggered, this, &frmMain::menuReloadDatafiles_Click);
    file->addSeparator()->setObjectName(QStringLiteral("line"));
    connect(AddAction(file, "menuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &frmMain::ExitApplication);

    menuEvents_ = AddMenu(bar, "menuEvents", QStringLiteral("&Events"));
    connect(AddAction(menuEvents_, "menuSelectAll", QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &frmMain::menuSelectAll_Click);
    connect(AddAction(menuEvents_, "menuCopy", QStringLiteral("&Copy to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &frmMain::menuCopy_Click);
    menuEvents_->addSeparator()->setObjectName(QStringLiteral("menuSeparator2"));
    QMenu *sortBy = menuEvents_->addMenu(QStringLiteral("&Sort By"));
    sortBy->setObjectName(QStringLiteral("menuSortBy"));
    auto *keys = new QActionGroup(this);
    menuSortByAge_ = AddCheckable(sortBy, keys, "menuSortByAge", QStringLiteral("&Age"));
    menuSortByTimeLeft_ = AddCheckable(sortBy, keys, "menuSortByTimeLeft", QStringLiteral("&Time Left"));
    menuSortByEventDescription_ =
        AddCheckable(sortBy, keys, "menuSortByEventDescription", QStringLiteral("Event &Description"));
    QMenu *sortOrder = menuEvents_->addMenu(QStringLiteral("Sort &Order"));
    sortOrder->setObjectName(QStringLiteral("menuSortOrder"));
    auto *orders = new QActionGroup(this);
    menuSortAscending_ = AddCheckable(sortOrder, orders, "menuSortAscending", QStringLiteral("&Ascending"));
    menuSortDescending_ = AddCheckable(sortOrder, orders, "menuSortDescending", QStringLiteral("&Descending"));
    const auto sortBy_ = [this](SortKey key) {
        return [this, key] {
            ChooseSortKey(key);
            showSortMarks();
        };
    };
    connect(menuSortByAge_, &QAction::triggered, this, sortBy_(SortKey::Age));
    connect(menuSortByTimeLeft_, &QAction::triggered, this, sortBy_(SortKey::TimeLeft));
    connect(menuSortByEventDescription_, &QAction::triggered, this, sortBy_(SortKey::EventDescription));
    const auto sortIn = [this](SortOrder order) {
        return [this, order] {
            ChooseSortOrder(order);
            showSortMarks();
        };
    };
    connect(menuSortAscending_, &QAction::triggered, this, sortIn(SortOrder::Ascending));
    connect(menuSortDescending_, &QAction::triggered, this, sortIn(SortOrder::Descending));

    QMenu *configuration = AddMenu(bar, "menuConfiguration", QStringLiteral("&Configuration"));
    connect(AddAction(configuration, "menuOptions", QStringLiteral("&Preferences...")), &QAction::triggered, this,
            &frmMain::menuOptions_Click);
    configuration->addSeparator()->setObjectName(QStringLiteral("line2"));
    connect(AddAction(configuration, "menuDefaultWindowSize", QStringLiteral("Revert to Default &Window Size")),
            &QAction::triggered, this, &frmMain::menuDefaultWindowSize_Click);
    connect(AddAction(configuration, "menuCentreNow", QStringLiteral("&Centre Window Now")), &QAction::triggered,
            this, &frmMain::menuCentreNow_Click);

    QMenu *help = AddMenu(bar, "menuHelp", QStringLiteral("&Help"));
    connect(AddAction(help, "menuHelpContents", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, [this] { ShowHelpContents(this); });
    connect(AddAction(help, "menuSearchHelp", QStringLiteral("&Search For Help On...")), &QAction::triggered, this,
            [this] { SearchHelp(this); });
    help->addSeparator()->setObjectName(QStringLiteral("menuSeparator"));
    connect(AddAction(help, "menuAbout", QStringLiteral("&About Nudgely...")), &QAction::triggered, this,
            &frmMain::menuAbout_Click);

    // The shortcuts work while the menus are closed.
    addActions(bar->actions());
    for (QMenu *menu : findChildren<QMenu *>())
        addActions(menu->actions());
}

void frmMain::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("staMain"));
    versionPanel_ = new QLabel(this);
    versionPanel_->setObjectName(QStringLiteral("staMainPanel1"));
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("staMainPanel2"));
    // A long message is cut, never a reason for the window to grow.
    statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(versionPanel_);
    statusBar()->addWidget(statusPanel_, 1);
}

void frmMain::installHooks()
{
    InstallStatusSink([this](const QString &message) {
        // Long work does not return to the event loop: the message is painted now.
        statusPanel_->setText(message);
        statusPanel_->repaint();
    });
    InstallCaptionHook([this](const QString &caption) { setWindowTitle(caption); });
    InstallBusyPointerHook([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    InstallBeepHook([] { QApplication::beep(); });
    InstallClipboard(&clipboard_);
}

void frmMain::removeHooks()
{
    InstallStatusSink(nullptr);
    InstallCaptionHook(nullptr);
    SetBusyPointer(false);
    InstallBusyPointerHook(nullptr);
    InstallBeepHook(nullptr);
    InstallClipboard(nullptr);
}

void frmMain::Form_Load()
{
    create(); // the native window, so that its frame is known as early as the platform tells it
    twipsPerPixel_ = ScreenTwipsPerPixel(screen());
    sizeBounds_ = ComputeSizeBounds(screen());
    InstallSizeHook(this, sizeBounds_);
    installHooks();

    MigrateLegacySettings();
    LoadSettings();
    applyStoredGeometry();

    CurrentSortMarks = SortMarks();
    showSortMarks();
    LayOutEventsGrid();
    setColumnWidthsInTwips(setTwips_.columns);
    versionPanel_->setText(VersionText());
    ApplyEventsFont();

    // Visible while the data loads.
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();

    LoadEvents();
}

QRect frmMain::centredOuter(const QSize &outer, QPointF *twips) const
{
    const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    *twips = QPointF((screenRect.width() - outer.width()) * twipsPerPixel_ / 2.0,
                     (screenRect.height() - outer.height()) * twipsPerPixel_ / 2.0);
    return {screenRect.topLeft() + QPoint(TwipsToPixels(twips->x(), twipsPerPixel_),
                                          TwipsToPixels(twips->y(), twipsPerPixel_)),
            outer};
}

void frmMain::applyStoredGeometry()
{
    setTwips_ = ReadStoredWindowGeometry();
    const QSize outer(TwipsToPixels(setTwips_.width, twipsPerPixel_), TwipsToPixels(setTwips_.height, twipsPerPixel_));
    QPointF centred;
    QRect rect = centredOuter(outer, &centred);
    // A missing position takes the centred one.
    if (!setTwips_.left)
        setTwips_.left = centred.x();
    else
        rect.moveLeft(TwipsToPixels(*setTwips_.left, twipsPerPixel_));
    if (!setTwips_.top)
        setTwips_.top = centred.y();
    else
        rect.moveTop(TwipsToPixels(*setTwips_.top, twipsPerPixel_));
    setOuterGeometry(rect);
    if (setTwips_.maximised)
        setWindowState(Qt::WindowMaximized);
}

void frmMain::setOuterGeometry(const QRect &outer)
{
    setOuter_ = outer;
    normalOuter_ = outer;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(ShrunkByFrame(outer.size(), frame));
    move(outer.topLeft());
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window manager tells the frame's size only once the window is shown; the stored size
    // is the outer one, so the inside is fitted again then.
    if (!fitFramePending_) {
        fitFramePending_ = true;
        QTimer::singleShot(0, this, &frmMain::fitFrame);
        QTimer::singleShot(300, this, &frmMain::fitFrame);
    }
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (windowState() == Qt::WindowNoState && isVisible())
        normalOuter_ = frameGeometry();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (windowState() == Qt::WindowNoState && isVisible())
        normalOuter_ = frameGeometry();
}

void frmMain::fitFrame()
{
    if (windowState() != Qt::WindowNoState || !isVisible() || !windowHandle() || unloaded_)
        return;
    InstallSizeHook(this, sizeBounds_);
    const QSize inside = ShrunkByFrame(setOuter_.size(), windowHandle()->frameMargins());
    if (frameGeometry().size() != setOuter_.size())
        resize(inside);
    if (frameGeometry().topLeft() != setOuter_.topLeft())
        move(setOuter_.topLeft());
}

void frmMain::setColumnWidthsInTwips(const std::array<double, 5> &twips)
{
    setTwips_.columns = twips;
    grdDatesView_->setColumnWidth(HiddenDateColumn, 0);
    for (std::size_t i = 0; i < twips.size(); ++i) {
        setColumnPixels_[i] = TwipsToPixels(twips[i], twipsPerPixel_);
        grdDatesView_->setColumnWidth(static_cast<int>(i) + DateColumn, setColumnPixels_[i]);
    }
}

double frmMain::savedTwips(int pixels, int setPixels, double setTwips) const
{
    return pixels == setPixels ? setTwips : double(pixels) * twipsPerPixel_;
}

void frmMain::SaveWindowSettings()
{
    if (isMinimized()) {
        // Normal again, unseen, so that the normal geometry can be read.
        setWindowState(Qt::WindowNoState);
        hide();
    }
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    WindowGeometryToSave toSave;
    if (normal) {
        const QRect outer = normalOuter_;
        toSave.width = savedTwips(outer.width(), setOuter_.width(), setTwips_.width);
        toSave.height = savedTwips(outer.height(), setOuter_.height(), setTwips_.height);
        if (Settings.Centre == 0) {
            toSave.top = savedTwips(outer.top(), setOuter_.top(), setTwips_.top.value_or(0));
            toSave.left = savedTwips(outer.left(), setOuter_.left(), setTwips_.left.value_or(0));
        }
    }
    toSave.maximised = windowState() & Qt::WindowMaximized;
    for (std::size_t i = 0; i < toSave.columns.size(); ++i) {
        toSave.columns[i] = savedTwips(grdDatesView_->columnWidth(static_cast<int>(i) + DateColumn),
                                       setColumnPixels_[i], setTwips_.columns[i]);
    }
    WriteWindowGeometry(toSave);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!unloaded_) {
        unloaded_ = true;
        SaveWindowSettings();
        RemoveSizeHook(this);
        if (options_) {
            options_->Form_Unload();
            delete options_;
        }
        removeHooks();
    }
    event->accept();
}

void frmMain::ExitApplication()
{
    close();
    QCoreApplication::quit();
}

void frmMain::ApplyEventsFont()
{
    QFont font(Settings.FontName);
    font.setPointSize(qMax<int>(1, Settings.FontSize));
    font.setBold(Settings.FontStyle & 1);
    font.setItalic(Settings.FontStyle & 2);
    grdDatesView_->setFont(font);
    grdDatesView_->horizontalHeader()->setFont(font);
    grdDatesView_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    // The data file list of the preferences shows the same font; reaching it loads the
    // dialog, hidden, when it is not loaded yet.
    if (!options_)
        options_ = new frmOptions(this);
    options_->setEventsFont(font);
}

frmAbout *frmMain::aboutBox() const
{
    return about_;
}

void frmMain::menuAbout_Click()
{
    // Loaded at the first opening; OK only hides it.
    if (!about_)
        about_ = new frmAbout(this);
    about_->exec();
}

frmOptions *frmMain::preferences() const
{
    return options_;
}

void frmMain::menuOptions_Click()
{
    if (!options_)
        ApplyEventsFont();
    options_->ShowCurrentSettings();
}

void frmMain::showSortMarks()
{
    menuSortByAge_->setChecked(CurrentSortMarks.key == SortKey::Age);
    menuSortByTimeLeft_->setChecked(CurrentSortMarks.key == SortKey::TimeLeft);
    menuSortByEventDescription_->setChecked(CurrentSortMarks.key == SortKey::EventDescription);
    menuSortAscending_->setChecked(CurrentSortMarks.order == SortOrder::Ascending);
    menuSortDescending_->setChecked(CurrentSortMarks.order == SortOrder::Descending);
}

void frmMain::menuRefreshEvents_Click()
{
    DisplayEvents();
}

void frmMain::menuReloadDatafiles_Click()
{
    LoadEvents();
}

void frmMain::menuSelectAll_Click()
{
    SetBusyPointer(true);
    SelectAllEvents();
    SetBusyPointer(false);
}

void frmMain::menuCopy_Click()
{
    SetBusyPointer(true);
    CopyEventsToClipboard();
    SetBusyPointer(false);
}

void frmMain::menuDefaultWindowSize_Click()
{
    setWindowState(Qt::WindowNoState);
    setTwips_.width = DefaultWindowWidth;
    setTwips_.height = DefaultWindowHeight;
    const QSize outer(TwipsToPixels(DefaultWindowWidth, twipsPerPixel_),
                      TwipsToPixels(DefaultWindowHeight, twipsPerPixel_));
    setOuterGeometry(QRect(isVisible() ? frameGeometry().topLeft() : setOuter_.topLeft(), outer));
    setColumnWidthsInTwips(DefaultColumnWidths);
    ShowStatus(QStringLiteral("window size and column widths set to defaults"));
}

void frmMain::menuCentreNow_Click()
{
    QPointF twips;
    if (!CentreForm(this, &twips)) {
        ShowStatus(QStringLiteral("can't centre if Nudgely is maximised!"));
        Beep();
        return;
    }
    setTwips_.left = twips.x();
    setTwips_.top = twips.y();
    setOuter_ = frameGeometry();
    normalOuter_ = setOuter_;
    ShowStatus(QStringLiteral("window centred on screen!"));
}

void frmMain::gridPressed(int row, int column, Qt::MouseButton button)
{
    pressedCell_ = QPoint(column, row);
    grdDatesView_->setFocus(Qt::MouseFocusReason);
    if (button != Qt::RightButton)
        return;
    if (row > 0 && column >= 0 && !grdDates.selectionContains(row, column))
        grdDates.setCurrentCell(row, column);
    menuEvents_->popup(QCursor::pos());
}

void frmMain::gridReleased(int row, int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const bool plainLeft =
        button == Qt::LeftButton && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (!plainLeft || pressedCell_.y() != 0 || row != 0)
        return;
    HeaderClick(pressedCell_.x(), column);
    showSortMarks();
}

} // namespace nudgely
