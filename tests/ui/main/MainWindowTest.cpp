#include "ui/main/MainWindow.h"

#include "config/IniSettings.h"
#include "config/Settings.h"
#include "eventlist/EventsGrid.h"
#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"
#include "ui/main/GridView.h"
#include "ui/main/GridTableModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace nudgely {
namespace {

using test::TestEnvironment;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        twipsPerPixel = qRound(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInch());
        screenSize = QGuiApplication::primaryScreen()->geometry().size();
        env.writeFile("data/family.txt", "05/12/1990 Ann's birthday\r\n"
                                         "04/12/1990 Bob's birthday\r\n"
                                         "1SU/12/XXXX Advent\r\n"
                                         "99/xx/19 Broken line\r\n");
    }
    void TearDown() override { window.reset(); }

    // Writes the configuration and opens the window as a start of the program would.
    void open(const QByteArray &display = {})
    {
        env.writeIni("[DataFiles]\n1File=" + env.path("data/family.txt").toUtf8() + "\n[Display]\n" + display);
        window = std::make_unique<frmMain>();
        window->Form_Load();
    }
    QString ini(const char *key) const
    {
        return ReadIniString(QStringLiteral("Display"), QLatin1String(key), IniFilePath, QStringLiteral("<none>"));
    }
    int px(double twips) const { return qRound(twips / twipsPerPixel); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    QString status() const { return window->statusPanel()->text(); }
    QStringList descriptions() const
    {
        QStringList list;
        for (int row = 1; row < grdDates.rowCount(); ++row)
            list.append(grdDates.text(row, DescriptionColumn));
        return list;
    }
    void clickHeader(int pressColumn, int releaseColumn)
    {
        QHeaderView *header = window->gridView()->horizontalHeader();
        const auto centre = [header](int column) {
            return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centre(pressColumn));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centre(releaseColumn));
    }

    TestEnvironment env;
    std::unique_ptr<frmMain> window;
    int twipsPerPixel = 15;
    QSize screenSize;
};

TEST_F(MainWindowTest, FirstRunOpensCentredAtTheDefaultSizeAndStoresItBackUnchanged)
{
    open();
    const QRect outer = window->frameGeometry();
    EXPECT_EQ(outer.size(), QSize(px(7185), px(5370)));
    EXPECT_EQ(outer.topLeft(), QPoint(qRound((screenSize.width() - outer.width()) / 2.0),
                                      qRound((screenSize.height() - outer.height()) / 2.0)));
    const int expectedColumns[] = {px(1000), px(480), px(480), px(645), px(3990)};
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(window->gridView()->columnWidth(column), expectedColumns[column - 1]) << column;
    EXPECT_TRUE(window->gridView()->isColumnHidden(0));
    EXPECT_EQ(window->versionPanel()->text(), QStringLiteral("version 1.4 rev 2"));

    window->close();
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("7185"));
    EXPECT_EQ(ini("frmHeight"), QStringLiteral("5370"));
    EXPECT_EQ(ini("frmMax"), QStringLiteral("0"));
    EXPECT_EQ(ini("frmLeft"), QStringLiteral("<none>")); // centred windows keep no position
    const char *columns[] = {"1000", "480", "480", "645", "3990"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ini(qPrintable(QStringLiteral("Col%1").arg(i))), QString::fromLatin1(columns[i])) << i;
}

TEST_F(MainWindowTest, StoredGeometryRoundTripsExactlyRunAfterRun)
{
    open("Centre=0\nfrmWidth=8000\nfrmHeight=6007\nfrmLeft=1234.5\nfrmTop=307\n"
         "Col0=1001\nCol1=499\nCol2=480\nCol3=646\nCol4=3990\n");
    for (int run = 0; run < 3; ++run) {
        if (run > 0) {
            window = std::make_unique<frmMain>();
            window->Form_Load();
        }
        window->close();
        window.reset();
    }
    const std::pair<const char *, const char *> expected[] = {
        {"frmWidth", "8000"}, {"frmHeight", "6007"}, {"frmLeft", "1234.5"}, {"frmTop", "307"},
        {"Col0", "1001"},     {"Col1", "499"},       {"Col3", "646"}};
    for (const auto &[key, value] : expected)
        EXPECT_EQ(ini(key), QString::fromLatin1(value)) << key;
}

TEST_F(MainWindowTest, ASizeBelowTheMinimumIsRaised)
{
    open("frmWidth=100\nfrmHeight=abc\n");
    EXPECT_EQ(window->frameGeometry().width(), px(3000));
    EXPECT_EQ(window->frameGeometry().height(), px(5370));
    window->close();
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("3000"));
    EXPECT_EQ(ini("frmHeight"), QStringLiteral("5370"));
}

TEST_F(MainWindowTest, MaximisedWindowKeepsTheStoredNormalGeometry)
{
    open("frmMax=1\nCentre=0\nfrmWidth=6000\nfrmHeight=4500\nfrmLeft=300\nfrmTop=150\n");
    EXPECT_TRUE(window->isMaximized());
    window->close();
    EXPECT_EQ(ini("frmMax"), QStringLiteral("1"));
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("6000"));
    EXPECT_EQ(ini("frmLeft"), QStringLiteral("300"));
}

TEST_F(MainWindowTest, CentredWindowIgnoresAndKeepsTheStoredPosition)
{
    open("Centre=1\nfrmLeft=15\nfrmTop=30\n");
    EXPECT_NE(window->frameGeometry().topLeft(), QPoint(1, 2));
    window->close();
    EXPECT_EQ(ini("frmLeft"), QStringLiteral("15"));
    EXPECT_EQ(ini("frmTop"), QStringLiteral("30"));
}

TEST_F(MainWindowTest, ClosingWhileMinimisedStoresTheNormalSize)
{
    open("frmMax=1\nfrmWidth=6000\n");
    window->showMinimized();
    window->close();
    EXPECT_EQ(ini("frmMax"), QStringLiteral("0"));
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("6000"));
}

TEST_F(MainWindowTest, EscapeClosesTheWindowAndStoresItsGeometry)
{
    open("Centre=0\n");
    QTest::keyClick(window->gridView(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("7185"));
    EXPECT_NE(ini("frmLeft"), QStringLiteral("<none>"));
}

TEST_F(MainWindowTest, LoadShowsCaptionSummaryAndSortedRows)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nudgely:  -7 days to +6 weeks"));
    EXPECT_EQ(status(), QStringLiteral("4 events in 1 datafile, 1 bad date, 4 events displayed"));
    EXPECT_EQ(descriptions(), QStringList({"Bob's birthday", "Ann's birthday", "Advent", "Broken line"}));
    EXPECT_TRUE(action("menuSortByTimeLeft")->isChecked());
    EXPECT_TRUE(action("menuSortAscending")->isChecked());
    for (const char *name : {"menuOptions", "menuHelpContents", "menuSearchHelp", "menuAbout"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, RefreshRedisplaysButOnlyReloadReadsTheFilesAgain)
{
    open();
    env.writeFile("data/family.txt", "06/12/1990 Cleo's birthday\r\n");
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(descriptions().size(), 4);
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(descriptions(), QStringList({"Cleo's birthday"}));
    EXPECT_EQ(status(), QStringLiteral("1 event in 1 datafile, 0 bad dates, 1 event displayed"));
}

TEST_F(MainWindowTest, SortingByMenuAndByHeader)
{
    open();
    action("menuSortByEventDescription")->trigger();
    EXPECT_EQ(descriptions(), QStringList({"Advent", "Ann's birthday", "Bob's birthday", "Broken line"}));
    EXPECT_TRUE(action("menuSortByEventDescription")->isChecked());

    clickHeader(DescriptionColumn, DescriptionColumn); // the marked key: the order turns
    EXPECT_TRUE(action("menuSortDescending")->isChecked());
    EXPECT_EQ(descriptions().front(), QStringLiteral("Broken line"));
    clickHeader(DescriptionColumn, DescriptionColumn);
    EXPECT_TRUE(action("menuSortAscending")->isChecked());
    clickHeader(AgeColumn, AgeColumn);
    EXPECT_TRUE(action("menuSortByAge")->isChecked());
    EXPECT_EQ(status(), QStringLiteral("events sorted in ascending order by 'age'"));

    clickHeader(AgeColumn, TimeLeftColumn); // a drag across headers
    EXPECT_EQ(status(), QStringLiteral("can't sort on that column!"));
    clickHeader(DateColumn, DateColumn);
    EXPECT_EQ(status(), QStringLiteral("can't sort on that column!"));
    EXPECT_TRUE(action("menuSortByAge")->isChecked());
}

TEST_F(MainWindowTest, SelectAllThenCopyPutsTheListOnTheClipboard)
{
    open();
    QTest::keyClick(window->gridView(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(status(), QStringLiteral("4 rows selected"));
    QTest::keyClick(window->gridView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(status(), QStringLiteral("4 rows successfully copied to clipboard"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("date\tday\tage\ttime left\tevent description\r\n"
                             "04/12/1990\tFri\t36th\t-1\tBob's birthday\r\n"
                             "05/12/1990\tSat\t36th\t0\tAnn's birthday\r\n"
                             "1SU/12/XXXX\tSun\t \t1\tAdvent\r\n"
                             "99/xx/19\t?\t?\t?\tBroken line"));
}

TEST_F(MainWindowTest, ClickingACellMakesItTheOneThatIsCopied)
{
    open();
    GridView *view = window->gridView();
    const QModelIndex advent = view->model()->index(2, DescriptionColumn);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(advent).center());
    EXPECT_EQ(grdDates.row(), 3);
    EXPECT_EQ(grdDates.column(), DescriptionColumn);
    action("menuCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Advent"));
}

TEST_F(MainWindowTest, RightClickOutsideTheSelectionMovesTheCurrentCell)
{
    open();
    GridView *view = window->gridView();
    grdDates.setCurrentCell(1, DateColumn);
    grdDates.setSelectionEnd(2, DescriptionColumn);
    const QPoint inside = view->visualRect(view->model()->index(1, DayColumn)).center();
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, inside);
    EXPECT_EQ(grdDates.rowSel(), 2); // the selection stays
    window->eventsMenu()->hide();
    const QPoint outside = view->visualRect(view->model()->index(3, DayColumn)).center();
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, outside);
    EXPECT_EQ(grdDates.row(), 4);
    EXPECT_EQ(grdDates.rowSel(), 4);
    EXPECT_TRUE(window->eventsMenu()->isVisible());
    window->eventsMenu()->hide();
}

TEST_F(MainWindowTest, RowToolTips)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    open();
    QAbstractItemModel *model = window->gridView()->model();
    EXPECT_EQ(model->data(model->index(1, DescriptionColumn), Qt::ToolTipRole).toString(),
              QStringLiteral("Saturday, 5 December 2026"));
    EXPECT_EQ(model->data(model->index(3, DayColumn), Qt::ToolTipRole).toString(),
              QStringLiteral("couldn't resolve date for this event"));
    EXPECT_EQ(model->headerData(DescriptionColumn, Qt::Horizontal, Qt::ToolTipRole), QVariant());
}

TEST_F(MainWindowTest, DefaultSizeAndCentring)
{
    open("Centre=0\nfrmWidth=9000\nCol0=2000\n");
    window->move(10, 10);
    action("menuDefaultWindowSize")->trigger();
    EXPECT_EQ(window->frameGeometry().size(), QSize(px(7185), px(5370)));
    EXPECT_EQ(window->gridView()->columnWidth(DateColumn), px(1000));
    EXPECT_EQ(status(), QStringLiteral("window size and column widths set to defaults"));
    action("menuCentreNow")->trigger();
    EXPECT_EQ(status(), QStringLiteral("window centred on screen!"));
    window->showMaximized();
    action("menuCentreNow")->trigger();
    EXPECT_EQ(status(), QStringLiteral("can't centre if Nudgely is maximised!"));
    window->showNormal();
    window->close();
    EXPECT_EQ(ini("frmWidth"), QStringLiteral("7185"));
    EXPECT_EQ(ini("Col0"), QStringLiteral("1000"));
}

TEST_F(MainWindowTest, StandardColoursFollowTheViewsPalette)
{
    open();
    GridView *view = window->gridView();
    QPalette dark = view->palette();
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    view->setPalette(dark);
    // Text colour 0 on Bob's row, background 0 on the bad-date row: the standard colours.
    const QModelIndex bob = view->model()->index(0, DescriptionColumn);
    const QModelIndex broken = view->model()->index(3, DescriptionColumn);
    EXPECT_EQ(view->model()->data(bob, Qt::ForegroundRole).value<QColor>(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(view->model()->data(broken, Qt::BackgroundRole).value<QColor>(), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(view->model()->data(broken, Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0, 0));
    // The empty area below the rows stays darker than the rows, not mid grey.
    EXPECT_LT(view->viewport()->palette().color(QPalette::Base).lightness(), 0x20);
}

TEST_F(MainWindowTest, TheTableModelIsConsistentThroughLoadsAndSorts)
{
    env.writeIni("[DataFiles]\n1File=" + env.path("data/family.txt").toUtf8() + "\n");
    window = std::make_unique<frmMain>();
    QAbstractItemModelTester tester(window->gridView()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    window->Form_Load();
    action("menuSortByAge")->trigger();
    action("menuReloadDatafiles")->trigger();
    action("menuSelectAll")->trigger();
    EXPECT_EQ(window->gridView()->model()->rowCount(), 4);
}

} // namespace
} // namespace nudgely
