#include "ui/main/MainWindow.h"

#include "app/CalendarExport.h"
#include "app/LiveUpdates.h"
#include "app/Session.h"
#include "app/Version.h"
#include "config/SettingsStore.h"
#include "eventlist/DueEvents.h"
#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"
#include "ui/common/ListFont.h"
#include "ui/common/MenuActions.h"
#include "ui/main/EventListModel.h"
#include "ui/preferences/PreferencesDialog.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <optional>

namespace nudgely {

namespace {

QAction *addCheckable(QMenu *menu, QActionGroup *group, const char *name, const QString &caption)
{
    QAction *action = addMenuItem(menu, name, caption);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QSize shrunkByFrame(const QSize &outer, const QMargins &frame)
{
    return {outer.width() - frame.left() - frame.right(), outer.height() - frame.top() - frame.bottom()};
}

} // namespace

MainWindow::MainWindow(Session &session, PreferencesDialogs *dialogs, QWidget *parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Nudgely"));
    model_ = new EventListModel(session, this);
    listView_ = new TableView(this);
    listView_->setObjectName(QStringLiteral("eventList"));
    listView_->setModel(model_);
    listView_->viewport()->installEventFilter(this);
    model_->setStandardColours(listView_->standardText(), listView_->standardBackground());
    connect(listView_, &TableView::lookChanged, this,
            [this] { model_->setStandardColours(listView_->standardText(), listView_->standardBackground()); });

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(listView_);
    setCentralWidget(central);

    createMenus();
    createStatusBar();

    connect(listView_, &TableView::pressed, this, &MainWindow::listPressed);
    connect(listView_, &TableView::released, this, &MainWindow::listReleased);
    // Escape closes the window wherever the focus is within it.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { keptInTray() ? hide() : exitProgram(); });

    connect(&session, &Session::statusMessage, this, &MainWindow::showStatus);
    connect(&session, &Session::busyChanged, this, &MainWindow::setBusy);
    connect(&session, &Session::listAboutToChange, this, &MainWindow::listChanging);
    connect(&session, &Session::listChanged, this, &MainWindow::listChanged);

    live_ = new LiveUpdates(session_, this);

    settleTimer_ = new QTimer(this);
    settleTimer_->setSingleShot(true);
    connect(settleTimer_, &QTimer::timeout, this, [this] {
        fitFrame();
        settling_ = false;
    });
}

MainWindow::~MainWindow()
{
    setBusy(false);
    if (keptInTray())
        QGuiApplication::setQuitOnLastWindowClosed(true);
}

bool MainWindow::trayAvailable()
{
    // Asked when first needed: the platform asks the session bus.
    if (!trayAvailable_)
        trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
    return *trayAvailable_;
}

void MainWindow::setTrayAvailable(bool available)
{
    trayAvailable_ = available;
    if (preferences_)
        preferences_->setTrayAvailable(available);
}

PreferencesDialog *MainWindow::preferencesDialog()
{
    ensurePreferences();
    return preferences_;
}

AboutDialog *MainWindow::aboutDialog() const
{
    return about_;
}

HelpWindow *MainWindow::helpWindow() const
{
    return help_;
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = addMenu(bar, "fileMenu", QStringLiteral("&File"));
    connect(addMenuItem(file, "refreshAction", QStringLiteral("Refresh &Display"), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &MainWindow::refreshList);
    connect(addMenuItem(file, "reloadAction", QStringLiteral("&Reload All Datafiles"), QKeySequence(Qt::SHIFT | Qt::Key_F5)),
            &QAction::triggered, this, &MainWindow::reloadDataFiles);
    connect(addMenuItem(file, "importContactsAction", QStringLiteral("&Import Contacts...")), &QAction::triggered, this,
            &MainWindow::importContacts);
    file->addSeparator();
    connect(addMenuItem(file, "exportCalendarAction", QStringLiteral("&Export to Calendar...")), &QAction::triggered,
            this, &MainWindow::exportToCalendar);
    file->addSeparator();
    // Ctrl+Q, as elsewhere on Linux, where Ctrl+X is Cut.
    connect(addMenuItem(file, "exitAction", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &MainWindow::exitProgram);

    eventsMenu_ = addMenu(bar, "eventsMenu", QStringLiteral("&Events"));
    connect(addMenuItem(eventsMenu_, "selectAllAction", QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &MainWindow::selectAll);
    connect(addMenuItem(eventsMenu_, "copyAction", QStringLiteral("&Copy to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &MainWindow::copyToClipboard);
    eventsMenu_->addSeparator();
    QMenu *sortByMenu = eventsMenu_->addMenu(QStringLiteral("&Sort By"));
    sortByMenu->setObjectName(QStringLiteral("sortByMenu"));
    auto *keys = new QActionGroup(this);
    sortByAgeAction_ = addCheckable(sortByMenu, keys, "sortByAgeAction", QStringLiteral("&Age"));
    sortByTimeLeftAction_ = addCheckable(sortByMenu, keys, "sortByTimeLeftAction", QStringLiteral("&Time Left"));
    sortByDescriptionAction_ =
        addCheckable(sortByMenu, keys, "sortByDescriptionAction", QStringLiteral("Event &Description"));
    connect(sortByAgeAction_, &QAction::triggered, this, [this] { sortBy(SortKey::Age); });
    connect(sortByTimeLeftAction_, &QAction::triggered, this, [this] { sortBy(SortKey::TimeLeft); });
    connect(sortByDescriptionAction_, &QAction::triggered, this, [this] { sortBy(SortKey::Description); });
    QMenu *orderMenu = eventsMenu_->addMenu(QStringLiteral("Sort &Order"));
    orderMenu->setObjectName(QStringLiteral("sortOrderMenu"));
    auto *orders = new QActionGroup(this);
    ascendingAction_ = addCheckable(orderMenu, orders, "ascendingAction", QStringLiteral("&Ascending"));
    descendingAction_ = addCheckable(orderMenu, orders, "descendingAction", QStringLiteral("&Descending"));
    connect(ascendingAction_, &QAction::triggered, this, &MainWindow::sortAscending);
    connect(descendingAction_, &QAction::triggered, this, &MainWindow::sortDescending);

    QMenu *configuration = addMenu(bar, "configurationMenu", QStringLiteral("&Configuration"));
    connect(addMenuItem(configuration, "preferencesAction", QStringLiteral("&Preferences...")), &QAction::triggered, this,
            &MainWindow::showPreferences);
    configuration->addSeparator();
    connect(addMenuItem(configuration, "defaultSizeAction", QStringLiteral("Revert to Default &Window Size")),
            &QAction::triggered, this, &MainWindow::resetWindowSize);
    connect(addMenuItem(configuration, "centreAction", QStringLiteral("&Centre Window Now")), &QAction::triggered, this,
            &MainWindow::centreOnScreen);

    QMenu *help = addMenu(bar, "helpMenu", QStringLiteral("&Help"));
    connect(addMenuItem(help, "helpContentsAction", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &MainWindow::showHelpContents);
    connect(addMenuItem(help, "searchHelpAction", QStringLiteral("&Search For Help On...")), &QAction::triggered, this,
            &MainWindow::searchHelp);
    help->addSeparator();
    connect(addMenuItem(help, "aboutAction", QStringLiteral("&About Nudgely...")), &QAction::triggered, this,
            &MainWindow::showAbout);

    // The shortcuts work while the menus are closed.
    addActions(bar->actions());
    for (QMenu *menu : findChildren<QMenu *>())
        addActions(menu->actions());
}

void MainWindow::createStatusBar()
{
    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    // A long message is cut, never a reason for the window to grow.
    statusLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Shown while data files could not be read, or not whole; its tip names them and why.
    problemsLabel_ = new QLabel(this);
    problemsLabel_->setObjectName(QStringLiteral("problemsLabel"));
    problemsLabel_->hide();
    statusBar()->addWidget(versionLabel_);
    statusBar()->addWidget(problemsLabel_);
    statusBar()->addWidget(statusLabel_, 1);
}

void MainWindow::showProblems()
{
    QStringList lines;
    for (const DataFileProblem &problem : session_.problems())
        lines.append(problem.path + QStringLiteral(": ") + problem.reason);
    const QString tip = lines.isEmpty() ? QString() : QStringLiteral("Data files not read, or not whole:\n") + lines.join(u'\n');
    problemsLabel_->setToolTip(tip);
    statusLabel_->setToolTip(tip);
    if (!lines.isEmpty() && problemsLabel_->pixmap().isNull()) {
        // Taken when first needed: the style reads the icon theme for it, slowly.
        const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
        problemsLabel_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
    }
    problemsLabel_->setVisible(!lines.isEmpty());
}

void MainWindow::load()
{
    create(); // the native window, so that its frame is known as early as the platform tells it
    twipsPerPixel_ = screenTwipsPerPixel(screen());
    sizeBounds_ = sizeBoundsOn(screen());
    applySizeBounds(this, sizeBounds_);

    session_.loadConfiguration();
    applyStoredGeometry();
    showSortMarks();
    setColumnWidthsInTwips(setTwips_.columns);
    descriptionFills_ = false;
    versionLabel_->setText(QLatin1String(VersionText));
    applyListFont();

    // Visible while the data loads.
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();

    session_.reloadDataFiles();
    fitColumns(setTwips_.columnStored);
    followReminders();
    // The rows at once, before whatever else the event loop has waiting.
    repaint();
}

void MainWindow::followReminders()
{
    live_->followSettings();
    const bool inTray = session_.reminders().keepInTray != 0 && trayAvailable();
    if (inTray && !tray_)
        createTrayIcon();
    if (!tray_)
        return;
    tray_->setVisible(inTray);
    // While the window hides in the notification area, closing a dialog is no reason to end.
    QGuiApplication::setQuitOnLastWindowClosed(!inTray);
    if (!inTray && !isVisible() && !closed_)
        show(); // else it could not be reached again
}

void MainWindow::createTrayIcon()
{
    tray_ = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/nudgely.svg")), this);
    tray_->setObjectName(QStringLiteral("trayIcon"));
    auto *menu = new QMenu(this); // the icon does not own its menu
    menu->setObjectName(QStringLiteral("trayMenu"));
    connect(addMenuItem(menu, "trayShowAction", QStringLiteral("&Show")), &QAction::triggered, this,
            &MainWindow::showFromTray);
    connect(addMenuItem(menu, "trayReloadAction", QStringLiteral("&Reload All Datafiles")), &QAction::triggered, this,
            &MainWindow::reloadDataFiles);
    connect(addMenuItem(menu, "trayPreferencesAction", QStringLiteral("&Preferences...")), &QAction::triggered, this,
            &MainWindow::showPreferences);
    menu->addSeparator();
    connect(addMenuItem(menu, "trayQuitAction", QStringLiteral("&Quit")), &QAction::triggered, this,
            &MainWindow::exitProgram);
    tray_->setContextMenu(menu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            showFromTray();
    });
    tray_->setToolTip(dueText(countDue(session_.table())));
}

bool MainWindow::keptInTray() const
{
    return tray_ && tray_->isVisible();
}

void MainWindow::showFromTray()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::showStatus(const QString &message)
{
    // Long work does not return to the event loop: the message is painted now, though no
    // more than once a frame; the label's own update paints the last one when the loop runs.
    statusLabel_->setText(message);
    if (!statusPainted_.isValid() || statusPainted_.hasExpired(FrameMilliseconds)) {
        statusLabel_->repaint();
        statusPainted_.start();
    }
}

void MainWindow::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::listChanging()
{
    const QModelIndex current = listView_->currentIndex();
    currentBeforeChange_ = current.isValid() ? QPoint(current.column(), current.row()) : QPoint(DateColumn, 0);
    selectionBeforeChange_.clear();
    for (const QItemSelectionRange &range : listView_->selectionModel()->selection())
        selectionBeforeChange_.append(QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom())));
    scrollBeforeChange_ = QPoint(listView_->horizontalScrollBar()->value(), listView_->verticalScrollBar()->value());
}

void MainWindow::listChanged(ListChange change)
{
    setWindowTitle(session_.list().caption());
    showProblems();
    if (tray_)
        tray_->setToolTip(dueText(countDue(session_.table())));
    if (change == ListChange::Renewed) {
        keepPlaceInList();
        return;
    }
    // A rebuilt list starts at its first date; a sorted one keeps the current cell's place
    // while the rows under it have moved.
    const QPoint cell = change == ListChange::Rebuilt ? QPoint(DateColumn, 0) : currentBeforeChange_;
    const QModelIndex index = model_->index(qMin(cell.y(), model_->rowCount() - 1), cell.x());
    listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    showSortMarks();
}

void MainWindow::keepPlaceInList()
{
    // Renewed by itself, the list stays where the user left it: current cell, selection and
    // scrolling, as far as its rows still reach.
    const int lastRow = model_->rowCount() - 1;
    QItemSelectionModel *selection = listView_->selectionModel();
    selection->setCurrentIndex(model_->index(qMin(currentBeforeChange_.y(), lastRow), currentBeforeChange_.x()),
                               QItemSelectionModel::NoUpdate);
    QItemSelection kept;
    for (const QRect &block : std::as_const(selectionBeforeChange_)) {
        if (block.top() <= lastRow)
            kept.select(model_->index(block.top(), block.left()), model_->index(qMin(block.bottom(), lastRow), block.right()));
    }
    selection->select(kept, QItemSelectionModel::ClearAndSelect);
    listView_->doItemsLayout(); // the scroll bars' ranges for the new rows
    listView_->horizontalScrollBar()->setValue(scrollBeforeChange_.x());
    listView_->verticalScrollBar()->setValue(scrollBeforeChange_.y());
}

QFont MainWindow::listFontOfSettings() const
{
    const Settings &settings = session_.settings();
    return listFont(settings.fontName, settings.fontSize, settings.fontStyle & 1, settings.fontStyle & 2);
}

void MainWindow::applyListFont()
{
    const QFont font = listFontOfSettings();
    listView_->setListFont(font);
    // The data file list of the preferences shows the same font.
    if (preferences_)
        preferences_->setListFont(font);
}

void MainWindow::ensurePreferences()
{
    // Built at its first opening, not at the start: most runs never open it.
    if (preferences_)
        return;
    preferencesBuilt_ = true;
    preferences_ = new PreferencesDialog(session_, dialogs_, this);
    preferences_->setTrayAvailable(trayAvailable());
    preferences_->setListFont(listFontOfSettings());
    connect(preferences_, &PreferencesDialog::applied, this, [this](const ApplyOutcome &outcome) {
        if (outcome.redisplayNeeded)
            applyListFont();
        followReminders(); // its settings at once, and the data files as they now are
    });
    connect(preferences_, &PreferencesDialog::centreWindowRequested, this, &MainWindow::centreOnScreen);
    connect(preferences_, &PreferencesDialog::defaultWindowSizeRequested, this, &MainWindow::resetWindowSize);
}

void MainWindow::showSortMarks()
{
    const SortOrder &order = session_.sortOrder();
    sortByAgeAction_->setChecked(order.key == SortKey::Age);
    sortByTimeLeftAction_->setChecked(order.key == SortKey::TimeLeft);
    sortByDescriptionAction_->setChecked(order.key == SortKey::Description);
    ascendingAction_->setChecked(!order.descending);
    descendingAction_->setChecked(order.descending);
}

QRect MainWindow::centredOuter(const QSize &outer, QPointF *twips) const
{
    const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    *twips = QPointF((screenRect.width() - outer.width()) * twipsPerPixel_ / 2.0,
                     (screenRect.height() - outer.height()) * twipsPerPixel_ / 2.0);
    return {screenRect.topLeft() + QPoint(twipsToPixels(twips->x(), twipsPerPixel_),
                                          twipsToPixels(twips->y(), twipsPerPixel_)),
            outer};
}

void MainWindow::applyStoredGeometry()
{
    setTwips_ = session_.storedWindowGeometry();
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    // No larger than the screen's free area, before it is centred in it.
    const QSize stored(twipsToPixels(setTwips_.width, twipsPerPixel_), twipsToPixels(setTwips_.height, twipsPerPixel_));
    const QSize outer = stored.boundedTo(available.size());
    QPointF centred;
    QRect rect = centredOuter(outer, &centred);
    // A missing position takes the centred one.
    if (!setTwips_.left)
        setTwips_.left = centred.x();
    else
        rect.moveLeft(twipsToPixels(*setTwips_.left, twipsPerPixel_));
    if (!setTwips_.top)
        setTwips_.top = centred.y();
    else
        rect.moveTop(twipsToPixels(*setTwips_.top, twipsPerPixel_));
    // On the screen under its title bar, or on its own when that is off every screen.
    const QScreen *under = QGuiApplication::screenAt(QPoint(rect.center().x(), rect.top()));
    const QRect placed = fittedInto(rect, under ? under->availableGeometry() : available);
    // What had to change is stored as it now is; the rest keeps its twips.
    const auto keep = [this](double &twips, int pixels, int wanted) {
        if (pixels != wanted)
            twips = double(pixels) * twipsPerPixel_;
    };
    keep(setTwips_.width, placed.width(), stored.width());
    keep(setTwips_.height, placed.height(), stored.height());
    keep(*setTwips_.left, placed.left(), rect.left());
    keep(*setTwips_.top, placed.top(), rect.top());
    setOuterGeometry(placed);
    if (setTwips_.maximised)
        setWindowState(Qt::WindowMaximized);
}

void MainWindow::setOuterGeometry(const QRect &outer)
{
    setOuter_ = outer;
    normalOuter_ = outer;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(shrunkByFrame(outer.size(), frame));
    move(outer.topLeft());
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window manager tells the frame's size only once the window is shown; the stored size
    // is the outer one, so the inside is fitted again then.
    if (!shownOnce_) {
        shownOnce_ = true;
        settleNormalGeometry();
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const Qt::WindowStates wide = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & wide) {
        // The bounds hold for dragging only: a maximised window takes all the screen gives,
        // with the borders the window manager leaves off.
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (windowState() == Qt::WindowNoState &&
               (static_cast<QWindowStateChangeEvent *>(event)->oldState() & (wide | Qt::WindowMinimized))) {
        // Back to the normal outer geometry: one that started maximised got its inside before
        // its frame was known, and the window manager brings that back grown by the frame.
        applySizeBounds(this, sizeBounds_);
        settleNormalGeometry();
    }
}

void MainWindow::settleNormalGeometry()
{
    settling_ = true;
    QTimer::singleShot(0, this, &MainWindow::fitFrame);
    settleTimer_->start(300); // a slow window manager places it late
}

void MainWindow::followNormalGeometry()
{
    if (windowState() == Qt::WindowNoState && isVisible() && !settling_)
        normalOuter_ = frameGeometry();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    followNormalGeometry();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    followNormalGeometry();
}

void MainWindow::fitFrame()
{
    if (windowState() != Qt::WindowNoState || !isVisible() || !windowHandle() || closed_)
        return;
    applySizeBounds(this, sizeBounds_);
    const QSize inside = shrunkByFrame(normalOuter_.size(), windowHandle()->frameMargins());
    if (frameGeometry().size() != normalOuter_.size())
        resize(inside);
    if (frameGeometry().topLeft() != normalOuter_.topLeft())
        move(normalOuter_.topLeft());
}

void MainWindow::setColumnWidthsInTwips(const std::array<double, 5> &twips)
{
    setTwips_.columns = twips;
    for (std::size_t i = 0; i < twips.size(); ++i) {
        setColumnPixels_[i] = twipsToPixels(twips[i], twipsPerPixel_);
        listView_->setColumnWidth(static_cast<int>(i), setColumnPixels_[i]);
    }
}

void MainWindow::fitColumns(const std::array<bool, 5> &stored)
{
    // The default widths were made for a Windows font and clip the texts in a Linux one: the
    // short columns take what their texts and headers need, the description what is left.
    // Measured with every event listed, so that showing them all later clips nothing either.
    const EventList *all = &session_.list();
    std::optional<EventList> unfiltered;
    if (session_.settings().filter != 0) {
        Settings everything = session_.settings();
        everything.filter = 0;
        all = &unfiltered.emplace(session_.table());
        unfiltered->rebuild(everything, session_.dataFiles(), session_.resolvedFor());
    }
    // As many rows as the header view itself would measure.
    const int rows = qMin(all->rowCount(), listView_->horizontalHeader()->resizeContentsPrecision());
    for (int column = DateColumn; column < DescriptionColumn; ++column) {
        if (stored[column])
            continue;
        int widest = listView_->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < rows; ++row)
            widest = qMax(widest, listView_->cellWidthFor(all->text(row, column)));
        listView_->setColumnWidth(column, widest);
        setColumnPixels_[column] = widest;
        setTwips_.columns[column] = double(widest) * twipsPerPixel_;
    }
    listView_->doItemsLayout(); // the scroll bars as the rows want them, before measuring what is left
    descriptionFills_ = !stored[DescriptionColumn];
    fitDescription();
}

void MainWindow::fitDescription()
{
    if (listView_->columnWidth(DescriptionColumn) != setColumnPixels_[DescriptionColumn])
        descriptionFills_ = false; // sized by the user
    if (!descriptionFills_)
        return;
    // What the window lacks of its normal width while it is maximised.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    int rest = listView_->viewport()->width() - (width() - shrunkByFrame(normalOuter_.size(), frame).width());
    for (int column = DateColumn; column < DescriptionColumn; ++column)
        rest -= listView_->columnWidth(column);
    setColumnPixels_[DescriptionColumn] = qMax(rest, listView_->horizontalHeader()->sectionSizeHint(DescriptionColumn));
    setTwips_.columns[DescriptionColumn] = double(setColumnPixels_[DescriptionColumn]) * twipsPerPixel_;
    listView_->setColumnWidth(DescriptionColumn, setColumnPixels_[DescriptionColumn]);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listView_->viewport() && event->type() == QEvent::Resize)
        fitDescription();
    return QMainWindow::eventFilter(watched, event);
}

double MainWindow::savedTwips(int pixels, int setPixels, double setTwips) const
{
    return pixels == setPixels ? setTwips : double(pixels) * twipsPerPixel_;
}

void MainWindow::storeGeometry()
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
        if (session_.settings().centre == 0) {
            toSave.top = savedTwips(outer.top(), setOuter_.top(), setTwips_.top.value_or(0));
            toSave.left = savedTwips(outer.left(), setOuter_.left(), setTwips_.left.value_or(0));
        }
    }
    toSave.maximised = windowState() & Qt::WindowMaximized;
    for (std::size_t i = 0; i < toSave.columns.size(); ++i)
        toSave.columns[i] = savedTwips(listView_->columnWidth(static_cast<int>(i)), setColumnPixels_[i], setTwips_.columns[i]);
    session_.saveWindowGeometry(toSave);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (keptInTray() && !quitting_) {
        event->ignore();
        hide();
        return;
    }
    if (!closed_) {
        closed_ = true;
        storeGeometry();
        if (!preferencesBuilt_) {
            // Never opened, the dialog's position is written as it would have opened: as
            // read, or centred, for which the dialog's size is needed.
            const DialogPosition stored = session_.storedDialogPosition();
            if (stored.left && stored.top)
                session_.saveDialogPosition(*stored.left, *stored.top);
            else
                ensurePreferences();
        }
        if (preferences_) {
            preferences_->storePosition();
            delete preferences_;
        }
    }
    event->accept();
}

void MainWindow::exitProgram()
{
    quitting_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::refreshList()
{
    session_.refresh();
}

void MainWindow::reloadDataFiles()
{
    session_.reloadDataFiles();
}

void MainWindow::exportToCalendar()
{
    QtPreferencesDialogs qtDialogs;
    const QString path = (dialogs_ ? *dialogs_ : static_cast<PreferencesDialogs &>(qtDialogs)).calendarFile(this);
    if (!path.isEmpty())
        exportCalendar(session_, path);
}

void MainWindow::importContacts()
{
    // Refused before any file is asked for, as the preferences' Add is.
    if (session_.dataFileListFull()) {
        session_.messages().warn(dataFilesFullText());
        return;
    }
    QtPreferencesDialogs qtDialogs;
    PreferencesDialogs &dialogs = dialogs_ ? *dialogs_ : qtDialogs;
    const QString vcard = dialogs.openContactsFile(this);
    if (vcard.isEmpty())
        return;
    // A new file: the import never writes over one.
    const QString target = dialogs.newDataFile(this);
    if (!target.isEmpty())
        session_.importContacts(vcard, target);
}

void MainWindow::selectAll()
{
    setBusy(true);
    listView_->setFocus();
    const int lastRow = model_->rowCount() - 1;
    QItemSelectionModel *selection = listView_->selectionModel();
    selection->select(QItemSelection(model_->index(0, 0), model_->index(lastRow, EventColumnCount - 1)),
                      QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(model_->index(lastRow, EventColumnCount - 1), QItemSelectionModel::NoUpdate);
    session_.showStatus(pluraliseCount(model_->rowCount(), QStringLiteral("row")) + QStringLiteral(" selected"));
    setBusy(false);
}

void MainWindow::copyToClipboard()
{
    setBusy(true);
    listView_->setFocus();
    session_.showStatus(QStringLiteral("copying data to clipboard..."));
    QRect block = listView_->selectedBlock();
    if (block.isEmpty())
        block = QRect(0, 0, 1, 1);
    // The whole list, as Select All takes it, goes with its header line.
    const bool wholeList = block == QRect(0, 0, EventColumnCount, model_->rowCount());
    const QStringList lines = session_.list().lines(block.top(), block.bottom(), block.left(), block.right(), wholeList);
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    session_.showStatus(pluraliseCount(block.height(), QStringLiteral("row")) +
                        QStringLiteral(" successfully copied to clipboard"));
    setBusy(false);
}

void MainWindow::sortBy(SortKey key)
{
    session_.sortBy({key, session_.sortOrder().descending});
}

void MainWindow::sortAscending()
{
    session_.sortBy({session_.sortOrder().key, false});
}

void MainWindow::sortDescending()
{
    session_.sortBy({session_.sortOrder().key, true});
}

void MainWindow::showPreferences()
{
    ensurePreferences();
    preferences_->showCurrentSettings();
}

void MainWindow::resetWindowSize()
{
    setWindowState(Qt::WindowNoState);
    setTwips_.width = DefaultWindowWidth;
    setTwips_.height = DefaultWindowHeight;
    const QSize outer(twipsToPixels(DefaultWindowWidth, twipsPerPixel_), twipsToPixels(DefaultWindowHeight, twipsPerPixel_));
    setOuterGeometry(QRect(isVisible() ? frameGeometry().topLeft() : setOuter_.topLeft(), outer));
    fitColumns({});
    session_.showStatus(QStringLiteral("window size and column widths set to defaults"));
}

void MainWindow::centreOnScreen()
{
    QPointF twips;
    if (!centreWindow(this, &twips)) {
        session_.showStatus(QStringLiteral("can't centre if Nudgely is maximised!"));
        QApplication::beep();
        return;
    }
    setTwips_.left = twips.x();
    setTwips_.top = twips.y();
    setOuter_ = frameGeometry();
    normalOuter_ = setOuter_;
    session_.showStatus(QStringLiteral("window centred on screen!"));
}

void MainWindow::showHelpContents()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showContents(session_.paths().helpFile());
}

void MainWindow::searchHelp()
{
    showHelpContents();
    help_->startSearch();
}

void MainWindow::showAbout()
{
    // Loaded at the first opening; OK only hides it.
    if (!about_)
        about_ = new AboutDialog(this);
    about_->exec();
}

void MainWindow::listPressed(const ListPlace &place, Qt::MouseButton button)
{
    pressedPlace_ = place;
    listView_->setFocus(Qt::MouseFocusReason);
    if (button != Qt::RightButton)
        return;
    if (place.isCell()) {
        const QModelIndex index = model_->index(place.row, place.column);
        if (!listView_->selectionModel()->isSelected(index) && index != listView_->currentIndex())
            listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    eventsMenu_->popup(QCursor::pos());
}

void MainWindow::listReleased(const ListPlace &place, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const bool plainLeft =
        button == Qt::LeftButton && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    // A press on a column border resized the column: no click.
    if (!plainLeft || !pressedPlace_.header || pressedPlace_.border || !place.header)
        return;
    const auto key = pressedPlace_.column == place.column ? keyOfColumn(place.column) : std::nullopt;
    if (!key) {
        session_.showStatus(QStringLiteral("can't sort on that column!"));
        QApplication::beep();
        return;
    }
    session_.sortBy(afterHeaderClick(session_.sortOrder(), *key));
}

} // namespace nudgely
