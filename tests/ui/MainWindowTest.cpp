#include "ui/main/MainWindow.h"

#include "app/LiveUpdates.h"
#include "config/ConfigFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSession.h"
#include "ui/about/AboutDialog.h"
#include "ui/about/HelpWindow.h"
#include "ui/main/FirstPaintReport.h"
#include "ui/preferences/PreferencesDialog.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

namespace nudgely {
namespace {

using namespace std::chrono_literals;

// A widget's paints, in order, each with the text it showed then.
class PaintLog final : public QObject {
public:
    explicit PaintLog(QWidget *widget) : widget_(widget) { widget->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            texts.append(widget_->property("text").toString());
        return false;
    }

private:
    QWidget *widget_;
};

qint64 monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        twipsPerPixel = qRound(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInch());
        family = env.writeDataFile(QStringLiteral("family.txt"), "05/12/1990 Ann's birthday\r\n"
                                                                 "04/12/1990 Bob's birthday\r\n"
                                                                 "1SU/12/XXXX Advent\r\n"
                                                                 "99/xx/19 Broken line\r\n");
    }

    // Writes the configuration and opens the window as a start of the program would.
    void open(const QByteArray &display = {})
    {
        env.configureDataFile(family, "[Display]\n" + display);
        reopen();
    }
    // The model is checked for consistency through all a test does, from the first load on.
    // With tray, on a desktop that has a notification area.
    void reopen(bool tray = false)
    {
        tester.reset();
        window.reset();
        window = std::make_unique<MainWindow>(env.session, &dialogs);
        tester.emplace(model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        window->setTrayAvailable(tray);
        window->load();
    }
    void saveByRename(const QByteArray &bytes) const // as editors save: a new file renamed over the old
    {
        env.folder.write(family + u'~', bytes);
        std::filesystem::rename((family + u'~').toStdString(), family.toStdString());
    }
    QString ini(const char *key) const
    {
        return readConfigFile(env.iniPath()).value(QLatin1String("Display"), QLatin1String(key)).value_or("<none>");
    }
    void expectIni(std::initializer_list<std::pair<const char *, const char *>> expected) const
    {
        for (const auto &[key, value] : expected)
            EXPECT_EQ(ini(key), QString::fromLatin1(value)) << key;
    }
    int px(double twips) const { return qRound(twips / twipsPerPixel); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    QString status() const { return window->statusLabel()->text(); }
    QAbstractItemModel *model() const { return window->listView()->model(); }
    QStringList texts(int column) const
    {
        QStringList list;
        for (int row = 0; row < model()->rowCount(); ++row)
            list.append(model()->index(row, column).data().toString());
        return list;
    }
    QStringList descriptions() const { return texts(DescriptionColumn); }
    // Where the user is in the list: current cell, selection, scroll bars.
    QString place() const
    {
        const QTableView *view = window->listView();
        QString text = QStringLiteral("%1,%2 ").arg(view->currentIndex().row()).arg(view->currentIndex().column());
        for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
            text += QStringLiteral("%1,%2 ").arg(index.row()).arg(index.column());
        return text + QStringLiteral("@%1,%2").arg(view->horizontalScrollBar()->value()).arg(view->verticalScrollBar()->value());
    }
    QPoint cellCentre(int row, int column) const
    {
        return window->listView()->visualRect(model()->index(row, column)).center();
    }
    // Presses on the header at x and releases at releaseX, moving there first.
    void dragOnHeader(int x, int releaseX)
    {
        QWidget *header = window->listView()->horizontalHeader()->viewport();
        const int y = header->height() / 2;
        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(x, y));
        QTest::mouseMove(header, QPoint(releaseX, y));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(releaseX, y));
    }
    void dragOverHeader(int pressColumn, int releaseColumn)
    {
        QHeaderView *header = window->listView()->horizontalHeader();
        const auto centre = [header](int column) { return header->sectionViewportPosition(column) + header->sectionSize(column) / 2; };
        dragOnHeader(centre(pressColumn), centre(releaseColumn));
    }

    // Every text of the date to time-left columns shows whole as the view lays it out, also with
    // every event listed, and the description fills the rest.
    void expectColumnsHoldTheirTextsAndTheDescriptionTheRest() const
    {
        Settings everything = env.session.settings();
        everything.filter = 0;
        EventList all(env.session.table());
        all.rebuild(everything, env.session.dataFiles(), env.session.resolvedFor());
        const TableView *view = window->listView();
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        int rest = view->viewport()->width();
        for (int column = DateColumn; column < DescriptionColumn; ++column) {
            rest -= view->columnWidth(column);
            EXPECT_LE(view->horizontalHeader()->sectionSizeHint(column), view->columnWidth(column)) << column;
            for (int row = 0; row < all.rowCount(); ++row)
                EXPECT_LE(view->fontMetrics().horizontalAdvance(all.text(row, column)) + margins, view->columnWidth(column))
                    << all.text(row, column).toStdString();
        }
        EXPECT_EQ(view->columnWidth(DescriptionColumn), rest);
    }
    // The column widths in twips: as stored, or as shown.
    QString columnTwips(bool stored) const
    {
        QStringList twips;
        for (int column = DateColumn; column < EventColumnCount; ++column)
            twips.append(stored ? ini(qPrintable(QStringLiteral("Col%1").arg(column)))
                                : QString::number(window->listView()->columnWidth(column) * twipsPerPixel));
        return twips.join(u' ');
    }

    test::TestSession env;
    QString family;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::optional<QAbstractItemModelTester> tester; // gone before the window
    int twipsPerPixel = 15;
};

TEST_F(MainWindowTest, FirstRunOpensCentredInTheDesktopsFontWithColumnsThatHoldTheirTextsAndStoresThem)
{
    family = env.writeDataFile(QStringLiteral("all.txt"), "05/12/1990 Ann\n14/february/1990 Alex (not listed)\n");
    open();
    const QSize screenSize = QGuiApplication::primaryScreen()->geometry().size();
    const QRect outer = window->frameGeometry();
    EXPECT_EQ(outer.size(), QSize(px(7185), px(5370)));
    EXPECT_EQ(outer.topLeft(), QPoint(qRound((screenSize.width() - outer.width()) / 2.0),
                                      qRound((screenSize.height() - outer.height()) / 2.0)));
    EXPECT_EQ(window->listView()->font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    expectColumnsHoldTheirTextsAndTheDescriptionTheRest();
    const QString twips = columnTwips(false);
    EXPECT_EQ(window->versionLabel()->text(), QStringLiteral("version 1.4 rev 2"));

    QTest::keyClick(window->listView(), Qt::Key_Escape); // closes it wherever the focus is
    EXPECT_FALSE(window->isVisible());
    expectIni({{"frmWidth", "7185"}, {"frmHeight", "5370"}, {"frmMax", "0"}, {"frmLeft", "<none>"}}); // centred
    EXPECT_EQ(columnTwips(true), twips);

    // Stored widths and a chosen font are used as they are.
    open("Col0=1005\nCol1=480\nCol2=480\nCol3=645\nCol4=3990\nFontName=DejaVu Serif\nFontSize=14\n");
    EXPECT_EQ(columnTwips(false), QStringLiteral("%1 480 480 645 3990").arg(px(1005) * twipsPerPixel));
    EXPECT_EQ(QFontInfo(window->listView()->font()).family() + u' ' + QString::number(window->listView()->font().pointSize()),
              u"DejaVu Serif 14");
}

// Closed maximised, then minimised: the stored normal geometry comes back exactly, run after run.
TEST_F(MainWindowTest, StoredGeometrySurvivesMaximisingRestoringAndMinimisingAndMaximisedFillsTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect normal(px(1234.5), px(307), px(8000), px(6007));
    const auto reaches = [this](const QRect &outer) {
        return QTest::qWaitFor([&] { return window->frameGeometry() == outer; }, 2000);
    };
    const auto restored = [&] { return window->showNormal(), reaches(normal); };
    open("frmMax=1\nCentre=0\nfrmWidth=8000\nfrmHeight=6007\nfrmLeft=1234.5\nfrmTop=307\nCol0=1001\nCol3=646\n");
    for (int run = 0; run < 3; ++run) {
        if (run > 0)
            reopen();
        QTest::qWait(400); // restored by hand, after the window manager has placed it
        EXPECT_TRUE(restored()) << run;
        window->showMaximized();
        // Its drag bounds do not hold back a maximised window, which the frame no longer surrounds.
        EXPECT_TRUE(reaches(area) && window->maximumSize().boundedTo(area.size()) == area.size());
        EXPECT_TRUE(restored() && window->maximumSize() == area.size().shrunkBy(window->windowHandle()->frameMargins()));
        window->showMinimized();
        EXPECT_TRUE(restored()) << run;
        window->showMaximized();
        if (run > 0)
            window->showMinimized();
        window->close();
        expectIni({{"frmWidth", "8000"}, {"frmHeight", "6007"}, {"frmLeft", "1234.5"}, {"frmTop", "307"},
                   {"frmMax", run > 0 ? "0" : "1"}, {"Col0", "1001"}, {"Col3", "646"}});
    }
}

// Geometry off the screen opens on it and is stored as it opened.
TEST_F(MainWindowTest, StoredGeometryIsPutOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto twips = [this](int pixels) { return QString::number(pixels * twipsPerPixel); };
    const std::pair<QByteArray, QList<std::pair<const char *, QString>>> cases[] = {
        {"Centre=1\nfrmLeft=15\nfrmTop=30\n", {{"frmLeft", "15"}, {"frmTop", "30"}}}, // neither used nor stored
        {"Centre=1\nfrmWidth=99999999\nfrmHeight=99999999\n",
         {{"frmWidth", twips(area.width())}, {"frmHeight", twips(area.height())}}},
        {"Centre=0\nfrmLeft=-99999999\nfrmTop=-15\n", {{"frmLeft", twips(area.left())}, {"frmTop", twips(area.top())}}},
        {"Centre=0\nfrmLeft=99999999\nfrmTop=99999999\n", {{"frmLeft", twips(area.right() + 1 - px(7185))}}},
    };
    for (const auto &[display, stored] : cases) {
        open(display);
        EXPECT_TRUE(area.contains(window->frameGeometry())) << display.data();
        window->close();
        for (const auto &[key, value] : stored)
            EXPECT_EQ(ini(key), value) << display.data() << key;
    }
}

TEST_F(MainWindowTest, LoadListsTheEventsWithTheirTipsColoursAndAlignmentAndOnlyReloadReadsTheFilesAgain)
{
    const QString missing = env.folder.path("data/missing.txt");
    env.configureDataFile(family, "2File=" + missing.toUtf8() + "\n");
    reopen();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nudgely:  -7 days to +6 weeks"));
    EXPECT_EQ(status(), "4 events in 1 datafile, 1 bad date, 4 events displayed; 1 datafile not read");
    // The file that could not be read, and why, beside the summary.
    const QLabel *problems = window->findChild<QLabel *>("problemsLabel");
    EXPECT_TRUE(problems->isVisibleTo(window.get()) && !problems->pixmap().isNull());
    EXPECT_EQ(problems->toolTip(), "Data files not read, or not whole:\n" + missing + ": No such file or directory");
    EXPECT_EQ(descriptions(), QStringList({"Bob's birthday", "Ann's birthday", "Advent", "Broken line"}));
    EXPECT_TRUE(action("sortByTimeLeftAction")->isChecked());
    EXPECT_TRUE(action("ascendingAction")->isChecked());
    EXPECT_EQ(window->listView()->currentIndex(), model()->index(0, DateColumn));
    // Each cell of a row has the row's tip.
    EXPECT_EQ(model()->index(1, DayColumn).data(Qt::ToolTipRole).toString(), u"Saturday, 5 December 2026");
    EXPECT_EQ(model()->index(0, DateColumn).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(model()->index(0, AgeColumn).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignHCenter | Qt::AlignVCenter);

    // Colour 0 is the view's standard colour, and follows a new palette.
    TableView *view = window->listView();
    QPalette dark = view->palette();
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    view->setPalette(dark);
    EXPECT_EQ(model()->index(0, DescriptionColumn).data(Qt::ForegroundRole).value<QColor>(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(model()->index(3, DescriptionColumn).data(Qt::BackgroundRole).value<QColor>(), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(model()->index(3, DescriptionColumn).data(Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0, 0));
    // The empty area below the rows stays darker than the rows, not mid grey.
    EXPECT_LT(view->viewport()->palette().color(QPalette::Base).lightness(), 0x20);

    env.writeDataFile(QStringLiteral("family.txt"), "06/12/1990 Cleo's birthday\r\n");
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(descriptions().size(), 4);
    // A list waiting to be repainted is painted with the status messages of the reload,
    // while the events under its rows are being replaced.
    window->listView()->viewport()->update();
    env.writeDataFile(QStringLiteral("missing.txt"), {});
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(descriptions(), QStringList({"Cleo's birthday"}));
    EXPECT_FALSE(problems->isVisibleTo(window.get()) || window->statusLabel()->toolTip().size());
}

TEST_F(MainWindowTest, ExportToCalendarWritesEveryEventWithADateAndNeverADataFile)
{
    open();
    const QString calendar = env.folder.path("out/family.ics");
    dialogs.files = {QString(), family, env.iniPath(), calendar}; // cancelled first
    const QByteArray data = env.folder.read(family);
    for (int i = 0; i < 4; ++i)
        action("exportCalendarAction")->trigger();
    EXPECT_EQ(env.folder.read(family), data);
    const QStringList &warnings = env.messages.warnings;
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].contains(family + " is one of Nudgely's own files (a data file)")) << qPrintable(warnings[0]);
    EXPECT_TRUE(warnings[1].contains(env.iniPath() + " is one of Nudgely's own files (its configuration)"));
    const QByteArray text = env.folder.read(calendar);
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 3);
    EXPECT_TRUE(text.contains("\r\nRRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=12\r\n")) << text.constData();
    EXPECT_EQ(status(), "3 events exported to " + calendar + "; 1 left out (bad dates)");
}

TEST_F(MainWindowTest, SortingByMenuAndByHeader)
{
    open();
    window->listView()->setCurrentIndex(model()->index(2, AgeColumn));
    action("sortByDescriptionAction")->trigger();
    EXPECT_EQ(descriptions(), QStringList({"Advent", "Ann's birthday", "Bob's birthday", "Broken line"}));
    EXPECT_TRUE(action("sortByDescriptionAction")->isChecked());
    // The current cell stays at its place while the rows under it move.
    EXPECT_EQ(window->listView()->currentIndex(), model()->index(2, AgeColumn));

    dragOverHeader(DescriptionColumn, DescriptionColumn); // the marked key: the order turns
    EXPECT_TRUE(action("descendingAction")->isChecked());
    EXPECT_EQ(descriptions().front(), QStringLiteral("Broken line"));
    dragOverHeader(AgeColumn, AgeColumn); // another key: the order stays
    EXPECT_TRUE(action("sortByAgeAction")->isChecked());
    EXPECT_EQ(status(), QStringLiteral("events sorted in descending order by 'age'"));

    dragOverHeader(AgeColumn, TimeLeftColumn); // a drag across headers
    EXPECT_EQ(status(), QStringLiteral("can't sort on that column!"));
    dragOverHeader(DateColumn, DateColumn);
    EXPECT_EQ(status(), QStringLiteral("can't sort on that column!"));
    EXPECT_TRUE(action("sortByAgeAction")->isChecked());

    // Dragging a border resizes the column before it and is no click, on the key's header too.
    QHeaderView *header = window->listView()->horizontalHeader();
    const auto end = [header](int column) { return header->sectionViewportPosition(column) + header->sectionSize(column); };
    const QStringList before = descriptions() << QString(); // and no message
    const int widths = header->sectionSize(AgeColumn) + header->sectionSize(TimeLeftColumn);
    env.session.showStatus(QString());
    for (const int column : {AgeColumn, TimeLeftColumn})
        dragOnHeader(end(column) - 1, end(column) + 19);
    dragOnHeader(end(TimeLeftColumn) + 1, end(TimeLeftColumn) + 21); // on the start of the next header
    EXPECT_EQ(header->sectionSize(AgeColumn) + header->sectionSize(TimeLeftColumn), widths + 60);
    EXPECT_EQ(descriptions() << status(), before);
    EXPECT_TRUE(action("sortByAgeAction")->isChecked() && action("descendingAction")->isChecked());
}

TEST_F(MainWindowTest, CopyTakesTheSelectionSelectAllTheHeaderTooAndARightClickOutsideItMovesTheCurrentCell)
{
    open();
    QTest::keyClick(window->listView(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(status(), QStringLiteral("4 rows selected"));
    QTest::keyClick(window->listView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(status(), QStringLiteral("4 rows successfully copied to clipboard"));
    // Every line as the event list writes it, the header first.
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              env.session.list().lines(0, 3, DateColumn, DescriptionColumn, true).join(u'\n'));

    QTest::mouseClick(window->listView()->viewport(), Qt::LeftButton, {}, cellCentre(2, DescriptionColumn));
    action("copyAction")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Advent"));
    EXPECT_EQ(status(), QStringLiteral("1 row successfully copied to clipboard"));

    // A block chosen from its bottom right corner copies top to bottom, left to right.
    QTest::mouseClick(window->listView()->viewport(), Qt::LeftButton, {}, cellCentre(1, TimeLeftColumn));
    QTest::mouseClick(window->listView()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(0, AgeColumn));
    action("copyAction")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("36th\t-1\n36th\t0"));

    // A right click inside the selection keeps it for the menu to act on; outside, it moves there.
    QItemSelectionModel *selection = window->listView()->selectionModel();
    QTest::mousePress(window->listView()->viewport(), Qt::RightButton, {}, cellCentre(1, AgeColumn));
    EXPECT_TRUE(selection->isSelected(model()->index(0, TimeLeftColumn)));
    EXPECT_TRUE(window->eventsMenu()->isVisible());
    window->eventsMenu()->hide();
    QTest::mousePress(window->listView()->viewport(), Qt::RightButton, {}, cellCentre(3, DayColumn));
    EXPECT_EQ(window->listView()->currentIndex(), model()->index(3, DayColumn));
    EXPECT_EQ(selection->selectedIndexes(), QModelIndexList({model()->index(3, DayColumn)}));
    window->eventsMenu()->hide();

    // An empty list still has its one empty row to select and copy.
    env.writeDataFile(QStringLiteral("family.txt"), "; nothing yet\r\n");
    action("reloadAction")->trigger();
    action("selectAllAction")->trigger();
    EXPECT_EQ(status(), QStringLiteral("1 row selected"));
    action("copyAction")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("date\tday\tage\ttime left\tevent description\n\t\t\t\t"));
}

TEST_F(MainWindowTest, DefaultSizeAndCentring)
{
    open("Centre=0\nfrmWidth=9000\nCol0=2000\n");
    window->move(10, 10);
    action("defaultSizeAction")->trigger();
    EXPECT_EQ(window->frameGeometry().size(), QSize(px(7185), px(5370)));
    expectColumnsHoldTheirTextsAndTheDescriptionTheRest();
    const QString twips = columnTwips(false);
    EXPECT_EQ(status(), QStringLiteral("window size and column widths set to defaults"));
    action("centreAction")->trigger();
    EXPECT_EQ(status(), QStringLiteral("window centred on screen!"));
    window->showMaximized();
    action("centreAction")->trigger();
    EXPECT_EQ(status(), QStringLiteral("can't centre if Nudgely is maximised!"));
    window->showNormal();
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier); // Quit, as on every Linux desktop
    expectIni({{"frmWidth", "7185"}});
    EXPECT_EQ(columnTwips(true), twips);
}

TEST_F(MainWindowTest, TheAboutBoxIsKeptUntilItsCloseBoxAndF1AndSearchOpenTheGuideBesideTheProgram)
{
    open();
    // Opens the modal About box from the menu and, once it is up, answers it as the user would.
    const auto openAbout = [this](const std::function<void(AboutDialog &)> &answer) {
        QTimer::singleShot(0, window.get(), [this, answer] {
            answer(*window->aboutDialog());
            EXPECT_FALSE(window->aboutDialog()->isVisible()) << "the answer left the About box open";
            window->aboutDialog()->hide(); // so that a failure does not hang the test
        });
        action("aboutAction")->trigger();
    };
    openAbout([](AboutDialog &box) { box.findChild<QPushButton *>(QStringLiteral("okButton"))->click(); });
    const QPointer<AboutDialog> about = window->aboutDialog();
    EXPECT_EQ((QStringList{about->windowTitle(), about->nameLabel()->text(), about->versionLabel()->text()}),
              (QStringList{"About Nudgely", "Nudgely", "version 1.4 rev 2  (1 October 2001)"}));
    openAbout([](AboutDialog &box) { QTest::keyClick(&box, Qt::Key_Return); }); // Enter and Esc are OK too
    openAbout([](AboutDialog &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(about && window->aboutDialog() == about); // kept for the next opening, its window too
    EXPECT_TRUE(about->windowHandle() && about->windowHandle()->handle());
    openAbout([](AboutDialog &box) { box.close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());

    // A missing guide is said in the help window, with where it was looked for.
    const QString guide = QDir(env.paths.programFolder).filePath(QStringLiteral("Nudgely.html"));
    action("helpContentsAction")->trigger();
    HelpWindow *help = window->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->browser()->toPlainText().contains(guide));
    EXPECT_TRUE(env.messages.warnings.isEmpty());

    env.folder.write(guide, "<h1>Guide</h1><p>Sorting by age.</p><p>More about age here.</p>");
    window->activateWindow(); // F1 is the main window's
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1); // the program folder is never the current one
    EXPECT_EQ(help->browser()->source().toLocalFile(), guide);

    action("searchHelpAction")->trigger();
    EXPECT_EQ(help->focusWidget(), help->searchField());
    QTest::keyClicks(help->searchField(), QStringLiteral("age")); // not in the page saying the guide is missing
    EXPECT_EQ(help->matchesLabel()->text(), u"2 found");
    EXPECT_EQ(help->browser()->extraSelections().size(), 2);
    const auto next = [help] { return help->findNext(), help->browser()->textCursor().position(); };
    const int first = next(), second = next();
    EXPECT_TRUE(second > first && next() == first) << "the third goes round to the first again";
}

// Past midnight, or after a sleep, the day counts move on without reading the files, and the list
// stays as the user left it. Off, neither the day nor the files are watched, until Apply.
TEST_F(MainWindowTest, ANewDayMovesTheDayCountsOnWithoutReadingTheFilesAndKeepsThePlaceInTheList)
{
    QByteArray lines;
    for (int day = 7; day <= 46; ++day) // 40 events, 2 to 41 days ahead
        lines += QDate(2026, 12, day - 31 * (day > 31)).toString(u"dd/MM/").toLatin1() + "XXXX Day " +
                 QByteArray::number(day) + '\n';
    family = env.writeDataFile(QStringLiteral("days.txt"), lines);
    open("Col4=9000\n[Reminders]\nNotify=0\nUpdateAtMidnight=0\nReloadOnChange=0\n"); // wide enough to scroll
    action("sortByDescriptionAction")->trigger();
    QTableView *view = window->listView();
    view->setCurrentIndex(model()->index(30, AgeColumn));
    view->selectionModel()->select(QItemSelection(model()->index(29, AgeColumn), model()->index(31, TimeLeftColumn)),
                                   QItemSelectionModel::ClearAndSelect);
    view->horizontalScrollBar()->setValue(DescriptionColumn); // by columns: the current one out of sight
    const QString before = place();
    ASSERT_TRUE(before.contains(u"@4,") && !before.endsWith(u",0")); // scrolled both ways
    const QStringList order = descriptions(), days = texts(TimeLeftColumn);
    QStringList movedOn;
    for (const QString &count : days)
        movedOn.append(QString::number(count.toInt() - 1));

    window->liveUpdates()->setIntervals(1ms, 1ms);
    saveByRename("06/12/XXXX Not read\n");
    env.session.clock().setNow(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1)));
    QTest::qWait(200);
    EXPECT_TRUE(texts(TimeLeftColumn) == days && descriptions() == order);
    EXPECT_TRUE(window->liveUpdates()->watchedPaths().isEmpty() && !window->liveUpdates()->checkingDay());

    PreferencesDialog *preferences = window->preferencesDialog();
    preferences->fillFromSettings();
    for (const char *box : {"updateAtMidnightCheck", "reloadOnChangeCheck"})
        preferences->findChild<QCheckBox *>(box)->click();
    preferences->findChild<QPushButton *>("applyButton")->click(); // at once
    EXPECT_EQ(window->liveUpdates()->watchedPaths().size(), 2); // the file and its folder
    ASSERT_TRUE(QTest::qWaitFor([&] { return texts(TimeLeftColumn) == movedOn; }, 2000));
    EXPECT_EQ(descriptions(), order);
    EXPECT_EQ(place(), before);
}

TEST_F(MainWindowTest, ADataFileSavedOrDeletedIsReadAgainAtOnceKeepingThePlaceInTheList)
{
    open();
    action("sortByDescriptionAction")->trigger();
    window->listView()->setCurrentIndex(model()->index(2, AgeColumn));
    saveByRename("04/12/1990 Bob's birthday\r\n05/12/1990 Ann's birthday\r\n06/12/1990 Cleo's birthday\r\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return descriptions() == QStringList({"Ann's birthday", "Bob's birthday", "Cleo's birthday"}); }, 2000));
    EXPECT_EQ(place(), QStringLiteral("2,2 2,2 @0,0"));
    // Written in place after that, the new file is watched too.
    env.folder.write(family, "07/12/1990 Dan's birthday\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return descriptions() == QStringList{"Dan's birthday"}; }, 2000));

    QFile::remove(family);
    const QLabel *problems = window->findChild<QLabel *>("problemsLabel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return problems->isVisibleTo(window.get()); }, 2000));
    EXPECT_EQ(problems->toolTip(), "Data files not read, or not whole:\n" + family + ": No such file or directory");
    saveByRename("07/12/1990 Dan's birthday\r\n"); // and back
    EXPECT_TRUE(QTest::qWaitFor([&] { return !problems->isVisibleTo(window.get()); }, 2000));
}

TEST_F(MainWindowTest, KeptInTheNotificationAreaClosingHidesTheWindowAndTheIconsMenuShowsReloadsAndQuits)
{
    env.configureDataFile(family, "[Reminders]\nKeepInTray=1\n");
    reopen(true);
    const QSystemTrayIcon *tray = window->trayIcon();
    ASSERT_TRUE(tray && tray->isVisible() && tray->toolTip() == u"1 event today, 1 in the next week");
    EXPECT_FALSE(window->close() || window->isVisible());
    Q_EMIT window->trayIcon()->activated(QSystemTrayIcon::Trigger); // a click on the icon
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->listView(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    action("trayShowAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    window->hide();
    env.writeDataFile(QStringLiteral("family.txt"), "06/12/1990 Cleo's birthday\r\n");
    action("trayReloadAction")->trigger();
    EXPECT_EQ(descriptions() << tray->toolTip(), QStringList({"Cleo's birthday", "1 event in the next week"}));
    action("trayQuitAction")->trigger(); // stores the geometry as closing did
    EXPECT_EQ(ini("frmWidth"), "7185");

    // Turned off from the icon's menu while hidden: the window comes back, and closing ends.
    reopen(true);
    window->hide();
    QTimer::singleShot(0, window.get(), [this] {
        window->preferencesDialog()->findChild<QCheckBox *>("keepInTrayCheck")->click();
        window->preferencesDialog()->findChild<QPushButton *>("okButton")->click();
    });
    action("trayPreferencesAction")->trigger();
    EXPECT_TRUE(window->isVisible() && !window->trayIcon()->isVisible());
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, ImportedContactsAreListedAndABadDateNamesItsFileLineAndReason)
{
    env.configureDataFile(family);
    test::ScriptedDialogs dialogs; // the contacts file, then the new data file
    const QString target = env.folder.path(QStringLiteral("data/contacts.txt"));
    dialogs.files = {env.writeDataFile(QStringLiteral("c.vcf"), "BEGIN:VCARD\nFN:Cleo\nBDAY:--1206\nEND:VCARD\n"), target};
    window = std::make_unique<MainWindow>(env.session, &dialogs);
    window->load();
    window->findChild<QAction *>(QStringLiteral("importContactsAction"))->trigger();
    EXPECT_EQ(env.session.dataFiles()[1].path, target);
    const QStringList shown = descriptions();
    EXPECT_TRUE(shown.contains(u"Cleo's birthday")) << qPrintable(shown.join(u'|'));
    const int broken = static_cast<int>(shown.indexOf(u"Broken line"));
    EXPECT_EQ(window->listView()->model()->index(broken, 0).data(Qt::ToolTipRole),
              QStringLiteral(R"(family.txt, line 4: "xx" is not a month)"));
    window.reset();
}

// Long work does not return to the event loop: its messages are painted at once, but no more
// than once a frame, and the last one is what stays.
TEST_F(MainWindowTest, StatusMessagesArePaintedAtOnceAtMostOnceAFrameAndTheLastStays)
{
    open();
    PaintLog painted(window->statusLabel());
    QTest::qSleep(20); // the last painting out of the loop over a frame ago
    env.session.showStatus(QStringLiteral("reading"));
    EXPECT_EQ(painted.texts, QStringList{"reading"});
    QElapsedTimer burst;
    burst.start();
    for (int i = 0; i < 30; ++i)
        env.session.showStatus(QString::number(i));
    EXPECT_LE(painted.texts.size(), 2 + burst.elapsed() / 16);
    EXPECT_TRUE(QTest::qWaitFor([&] { return painted.texts.last() == u"29"; }));
}

// A run that never opened the preferences writes the same file as when the dialog was loaded
// with the window: its position as read, or centred.
TEST_F(MainWindowTest, ClosingWithoutOpeningThePreferencesWritesTheFileAsWithTheDialogLoaded)
{
    for (const char *position : {"", "frmOTop=1234.50\nfrmOLeft=-30\n"}) {
        QByteArray written[2];
        for (const bool loaded : {false, true}) {
            env.configureDataFile(family, QByteArray("[Display]\nFilter=0\n") + position + "[Other]\nKept=1\n");
            reopen();
            if (loaded)
                window->preferencesDialog();
            window->close();
            written[loaded] = env.readIni();
        }
        EXPECT_EQ(written[0], written[1]);
        EXPECT_TRUE(written[0].contains("frmOTop=") && written[0].contains("frmOLeft=")) << written[0].constData();
    }
}

// The start-up benchmark's clock: the time after the first paint that showed rows.
TEST_F(MainWindowTest, TheFirstPaintReportWritesTheTimeOnceTheListHasPaintedRows)
{
    const QString data = env.writeDataFile(QStringLiteral("later.txt"), "; nothing yet\n");
    env.configureDataFile(data);
    window = std::make_unique<MainWindow>(env.session, &dialogs);
    const QString file = env.folder.path(QStringLiteral("first-paint"));
    QSignalSpy reported(new FirstPaintReport(window->listView(), file), &FirstPaintReport::reported);
    PaintLog painted(window->listView()->viewport());
    const qint64 start = monotonicNanoseconds();
    window->load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !painted.texts.isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(reported.isEmpty() && !QFile::exists(file)); // an empty list, shown as a blank row, is no start

    env.writeDataFile(QStringLiteral("later.txt"), "05/12/1990 Ann's birthday\n");
    window->reloadDataFiles();
    ASSERT_TRUE(reported.wait());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const qint64 time = written.readAll().trimmed().toLongLong();
    EXPECT_TRUE(start < time && time < monotonicNanoseconds()) << time;
}

} // namespace
} // namespace nudgely
