#include "ui/preferences/PreferencesDialog.h"

#include "config/AutostartEntry.h"
#include "config/EditorLauncher.h"
#include "config/IniSettings.h"
#include "config/Settings.h"
#include "eventlist/EventsGrid.h"
#include "events/EventTables.h"
#include "startup/AppPaths.h"
#include "support/TestEnvironment.h"
#include "ui/main/GridView.h"
#include "ui/main/MainWindow.h"
#include "ui/preferences/DataFilesPage.h"
#include "ui/preferences/DateFormatPage.h"
#include "ui/preferences/EditorPage.h"
#include "ui/preferences/EventsPage.h"
#include "ui/preferences/PreferencesDialogs.h"
#include "ui/preferences/WindowsPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace nudgely {
namespace {

using test::TestEnvironment;

// Answers the file, colour and font dialogs with what a test set up.
class ScriptedDialogs final : public PreferencesDialogs {
public:
    QString openDataFile(QWidget *) override { return next(files); }
    QString newDataFile(QWidget *) override { return next(files); }
    QString chooseEditor(QWidget *, const QString &) override { return next(files); }
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override
    {
        offeredColour = initial;
        return colour;
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return font; }

    QStringList files;
    std::optional<QColor> colour;
    QColor offeredColour;
    std::optional<QFont> font;

private:
    static QString next(QStringList &list) { return list.isEmpty() ? QString() : list.takeFirst(); }
};

class RecordingLauncher final : public ProgramLauncher {
public:
    bool startDetached(const EditorCommand &command, QString &) override
    {
        started.push_back(command);
        return true;
    }
    std::vector<EditorCommand> started;
};

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPreferencesDialogs(&dialogs);
        InstallProgramLauncher(&launcher);
        for (int n = 1; n <= 5; ++n)
            env.writeFile(QStringLiteral("data/file%1.txt").arg(n), "05/12/1990 Birthday\r\n");
    }
    void TearDown() override
    {
        window.reset();
        InstallPreferencesDialogs(nullptr);
        InstallProgramLauncher(nullptr);
    }

    QString file(int n) const { return env.path(QStringLiteral("data/file%1.txt").arg(n)); }

    void open(const QByteArray &ini)
    {
        env.writeIni(ini);
        window = std::make_unique<frmMain>();
        window->Form_Load();
        dialog = window->preferences();
        ASSERT_NE(dialog, nullptr);
        dialog->FillFromSettings();
    }
    void openWithFiles(int count, const QByteArray &more = {})
    {
        QByteArray ini = "[DataFiles]\n";
        for (int n = 1; n <= count; ++n)
            ini += QStringLiteral("%1File=%2\n").arg(n).arg(file(n)).toUtf8();
        open(ini + more);
    }
    ApplyOutcome apply() { return ApplyPreferences(dialog->working()); }
    template <typename T>
    T *control(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QString ini(const char *section, const char *key) const
    {
        return ReadIniString(QLatin1String(section), QLatin1String(key), IniFilePath, QStringLiteral("<none>"));
    }

    TestEnvironment env;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    std::unique_ptr<frmMain> window;
    frmOptions *dialog = nullptr;
};

TEST_F(PreferencesTest, OpeningFillsEveryControlFromTheSettings)
{
    openWithFiles(2, "[Display]\nHideUnknown=1\nAppendToAge=0\nFilter=0\nFilterLength=9\nShowMissed=0\n"
                     "MissedLength=3\nCentre=0\nFontName=DejaVu Sans\nFontSize=11\nFontStyle=3\n"
                     "[DateFormat]\nDelimiter=1\nDayPos=3\nMonthPos=2\nYearPos=1\n"
                     "[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\nMultiFile=1\n");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Nudgely Preferences"));
    EXPECT_EQ(dialog->tabs()->tabText(0), QStringLiteral("Data Files "));
    EXPECT_EQ(dialog->tabs()->tabText(4), QStringLiteral("Data File Editor "));
    EXPECT_EQ(dialog->dataFilesPage()->WorkingFileCount, 2);
    EXPECT_EQ(dialog->dataFilesPage()->WorkingFileNames[1], file(2));
    EXPECT_EQ(dialog->dataFilesPage()->grid().text(1, 1), QStringLiteral("sample"));
    EXPECT_TRUE(control<QCheckBox>("chkHideUnknown")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkAppendToAge")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkFilterDates")->isChecked());
    EXPECT_EQ(control<QSpinBox>("scrlPeriod")->value(), 9);
    EXPECT_FALSE(control<QCheckBox>("chkShowMissed")->isChecked());
    EXPECT_EQ(control<QSpinBox>("scrlMissedLength")->value(), 3);
    EXPECT_EQ(control<QComboBox>("lstDateDelimiter")->currentText(), QStringLiteral("-"));
    EXPECT_TRUE(control<QRadioButton>("optnYearPos_1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optnDayPos_3")->isChecked());
    EXPECT_EQ(control<QLabel>("lblSampleDateFormat")->text(), QStringLiteral("1998-12-25 "));
    EXPECT_EQ(control<QLabel>("lblSampleDateFormat2")->text(), QStringLiteral("1998-DEC-25 "));
    EXPECT_TRUE(control<QRadioButton>("optnUseDefaultEditor_1")->isChecked());
    EXPECT_EQ(control<QLabel>("lblEditor")->text(), QStringLiteral("/usr/bin/gedit"));
    EXPECT_TRUE(control<QCheckBox>("chkEditMultiFiles")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optnCentreForm_1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkAutoStart")->isChecked());
    EXPECT_EQ(control<QLabel>("lblSampleEventsFont")->text(), QStringLiteral("DejaVu Sans, bold, italic, size 11"));
}

TEST_F(PreferencesTest, ApplyWithNothingChangedSavesButNeitherReloadsNorRedisplays)
{
    openWithFiles(2);
    QFile::remove(IniFilePath);
    const ApplyOutcome outcome = apply();
    EXPECT_FALSE(outcome.reloadNeeded);
    EXPECT_FALSE(outcome.redisplayNeeded);
    EXPECT_EQ(ini("DataFiles", "2File"), file(2));
    EXPECT_EQ(ini("Display", "FontName"), QStringLiteral("MS Sans Serif"));
}

TEST_F(PreferencesTest, WhatChangedDecidesBetweenReloadAndRedisplay)
{
    openWithFiles(2);
    dialogs.colour = QColor(0, 0, 255);
    DataFilesPage *page = dialog->dataFilesPage();
    page->grid().setCurrentCell(2, 2);
    page->menuSetBackColour_Click();
    ApplyOutcome outcome = apply();
    EXPECT_FALSE(outcome.reloadNeeded);
    EXPECT_TRUE(outcome.redisplayNeeded);
    EXPECT_EQ(DataFiles[2].lngTodayColourB, 0xFF0000);

    control<QComboBox>("lstDateDelimiter")->setCurrentIndex(2);
    outcome = apply();
    EXPECT_TRUE(outcome.reloadNeeded);
    EXPECT_EQ(Settings.Delimiter, 2);

    dialog->dateFormatPage()->optnPos_Click(MonthElement, 1);
    outcome = apply();
    EXPECT_TRUE(outcome.reloadNeeded);
    EXPECT_EQ(Settings.MonthPos, 1);
    EXPECT_EQ(Settings.DayPos, 2);

    dialogs.files = QStringList{file(3)};
    page->menuAddDatafile_Click();
    outcome = apply();
    EXPECT_TRUE(outcome.reloadNeeded);
    EXPECT_EQ(DataFiles[3].szFileName, file(3));
}

TEST_F(PreferencesTest, APeriodLengthWithItsFilterOffIsStoredWithoutRedisplay)
{
    openWithFiles(1, "[Display]\nFilter=0\n");
    control<QSpinBox>("scrlPeriod")->setValue(12);
    ApplyOutcome outcome = apply();
    EXPECT_FALSE(outcome.redisplayNeeded);
    EXPECT_EQ(Settings.FilterLength, 12);
    EXPECT_EQ(ini("Display", "FilterLength"), QStringLiteral("12"));
    control<QCheckBox>("chkFilterDates")->setChecked(true);
    outcome = apply();
    EXPECT_TRUE(outcome.redisplayNeeded);
    EXPECT_EQ(Settings.Filter, 1);
}

TEST_F(PreferencesTest, OutOfRangeStoredValuesOpenAndApply)
{
    openWithFiles(1, "[Display]\nFilterLength=200\nMissedLength=0\n[DateFormat]\nDayPos=0\nMonthPos=9\nDelimiter=7\n");
    EXPECT_EQ(control<QSpinBox>("scrlPeriod")->value(), 26);
    EXPECT_EQ(control<QSpinBox>("scrlMissedLength")->value(), 1);
    EXPECT_EQ(control<QLabel>("lblSampleDateFormat")->text(), QStringLiteral("1998 "));
    const ApplyOutcome outcome = apply();
    EXPECT_TRUE(outcome.reloadNeeded);
    EXPECT_EQ(Settings.FilterLength, 26);
    EXPECT_EQ(Settings.DayPos, 0);
    EXPECT_EQ(Settings.MonthPos, 0);
    EXPECT_EQ(Settings.YearPos, 3);
}

TEST_F(PreferencesTest, AutoStartIsSwitchedOnlyWhenTheBoxChanged)
{
    openWithFiles(1);
    QCheckBox *box = control<QCheckBox>("chkAutoStart");
    box->setChecked(true);
    box->setChecked(false);
    apply();
    EXPECT_FALSE(AutostartEntryExists());

    box->setChecked(true);
    apply();
    EXPECT_TRUE(AutostartEntryExists());
    EXPECT_TRUE(env.readFile(AutostartEntryPath()).contains("Exec=" + ProgramPath().toUtf8()));
    EXPECT_EQ(Settings.AutoStart, 1);

    box->setChecked(false);
    apply();
    EXPECT_FALSE(AutostartEntryExists());
}

TEST_F(PreferencesTest, CancelThenReopenShowsTheSettingsAgain)
{
    openWithFiles(2);
    control<QCheckBox>("chkHideUnknown")->setChecked(true);
    dialogs.files = QStringList{file(3)};
    dialog->dataFilesPage()->menuAddDatafile_Click();
    dialog->btnCancel_Click();
    EXPECT_FALSE(dialog->isVisible());
    dialog->FillFromSettings();
    EXPECT_FALSE(control<QCheckBox>("chkHideUnknown")->isChecked());
    EXPECT_EQ(dialog->dataFilesPage()->WorkingFileCount, 2);
    EXPECT_EQ(dialog->dataFilesPage()->grid().rowCount(), 3);
}

TEST_F(PreferencesTest, RemovingRowTwoOfFiveKeepsListAndPathsAligned)
{
    openWithFiles(5);
    DataFilesPage *page = dialog->dataFilesPage();
    page->grid().setCurrentCell(2, 1);
    env.presenter.answer = MessageAnswer::Yes;
    page->menuRemoveDatafile_Click();
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_TRUE(env.presenter.messages[0].text.startsWith(
        QStringLiteral("Are you sure you want to remove the following data files:\n     ")));
    EXPECT_EQ(page->grid().rowCount(), 5);
    EXPECT_EQ(page->WorkingFileCount, 4);
    EXPECT_EQ(page->WorkingFileNames.mid(0, 5), QStringList({file(1), file(3), file(4), file(5), QString()}));
    apply();
    EXPECT_EQ(DataFiles[2].szFileName, file(3));
    EXPECT_EQ(DataFiles[4].szFileName, file(5));
    EXPECT_TRUE(DataFiles[5].szFileName.isEmpty());
    EXPECT_EQ(ini("DataFiles", "5File"), QStringLiteral("<none>"));
}

TEST_F(PreferencesTest, RemovingTheOnlyFileLeavesOneEmptyRow)
{
    openWithFiles(1);
    env.presenter.answer = MessageAnswer::Yes;
    dialog->dataFilesPage()->menuRemoveDatafile_Click();
    EXPECT_EQ(dialog->dataFilesPage()->grid().rowCount(), 2);
    EXPECT_EQ(dialog->dataFilesPage()->WorkingFileCount, 0);
    apply();
    EXPECT_TRUE(DataFiles[1].szFileName.isEmpty());
}

TEST_F(PreferencesTest, TheTwentyFirstFileIsRefused)
{
    open("");
    DataFilesPage *page = dialog->dataFilesPage();
    for (int n = 1; n <= 20; ++n) {
        dialogs.files = QStringList{QStringLiteral("/d/%1.txt").arg(n)};
        page->menuAddDatafile_Click();
    }
    EXPECT_EQ(page->grid().rowCount(), 21);
    EXPECT_TRUE(env.presenter.messages.empty());
    dialogs.files = QStringList{QStringLiteral("/d/21.txt")};
    page->menuNewDatafile_Click();
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages[0].text,
              QStringLiteral("Maximum number of datafiles has been reached.\nNo more datafiles can be added."));
    EXPECT_EQ(page->grid().rowCount(), 21);
    EXPECT_EQ(dialogs.files.size(), 1); // the file dialog never opened
}

TEST_F(PreferencesTest, ColoursStoreBlackAsOneAndNeverColourThePathColumn)
{
    openWithFiles(2);
    DataFilesPage *page = dialog->dataFilesPage();
    page->grid().setCurrentCell(1, 0);
    page->grid().setSelectionEnd(2, 3);
    dialogs.colour = QColor(Qt::black);
    page->menuSetTextColour_Click();
    EXPECT_EQ(page->grid().cell(2, 3).foreColour, 1);
    EXPECT_EQ(page->grid().cell(1, 0).foreColour, 0);
    EXPECT_EQ(page->grid().rowSel(), 2); // the selection is back
    page->grid().setCurrentCell(2, 3);
    page->menuSetTextColour_Click();
    EXPECT_EQ(dialogs.offeredColour, QColor(Qt::black)); // 1 is offered as black

    dialogs.colour.reset(); // cancelled: nothing changes
    page->menuSetBackColour_Click();
    EXPECT_EQ(page->grid().cell(2, 3).backColour, DefaultPastBack);
}

TEST_F(PreferencesTest, PopUpMenuItemsFollowWhereTheRightClickFell)
{
    openWithFiles(2);
    DataFilesPage *page = dialog->dataFilesPage();
    GridView *view = page->gridView();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const auto enabled = [page](const char *name) {
        return page->popupMenu()->findChild<QAction *>(QLatin1String(name))->isEnabled();
    };
    QTest::mousePress(view->horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(enabled("menuAddDatafile"));
    EXPECT_FALSE(enabled("menuEditDatafile"));
    EXPECT_FALSE(enabled("menuSetTextColour"));
    page->popupMenu()->hide();

    QTest::mousePress(view->viewport(), Qt::RightButton, {}, view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_EQ(page->grid().row(), 2);
    EXPECT_TRUE(enabled("menuEditDatafile"));
    EXPECT_FALSE(enabled("menuSetBackColour"));
    page->popupMenu()->hide();

    QTest::mousePress(view->viewport(), Qt::RightButton, {}, view->visualRect(view->model()->index(0, 2)).center());
    EXPECT_TRUE(enabled("menuSetBackColour"));
    EXPECT_EQ(page->popupMenu()->defaultAction()->objectName(), QStringLiteral("menuEditDatafile"));
    page->popupMenu()->hide();
}

TEST_F(PreferencesTest, EditAndDoubleClickStartTheConfiguredEditor)
{
    openWithFiles(3, "[Editor]\nUseDefault=0\nPath=/usr/bin/ed\nMultiFile=1\n");
    DataFilesPage *page = dialog->dataFilesPage();
    page->grid().setCurrentCell(3, 1);
    page->grid().setSelectionEnd(1, 2);
    page->menuEditDatafile_Click();
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, QStringLiteral("/usr/bin/ed"));
    EXPECT_EQ(launcher.started[0].arguments, QStringList({file(1), file(2), file(3)}));

    // A double-click opens one file, whatever the editor could take.
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    GridView *view = page->gridView();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 1)).center());
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[1].arguments, QStringList({file(2)}));

    Settings.UseDefault = 1;
    page->ClickedRow = 3;
    page->menuEditDatafile_Click();
    EXPECT_EQ(launcher.started[2].program, QStringLiteral("xdg-open"));
    EXPECT_EQ(launcher.started[2].arguments, QStringList({file(3)}));

    page->ClickedRow = 0;
    page->menuEditDatafile_Click();
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_EQ(env.presenter.messages[0].text, QStringLiteral("No datafile(s) selected for editing!"));
}

TEST_F(PreferencesTest, NewCreatesTheFileAndOpensIt)
{
    open("");
    const QString fresh = env.path("data/new.txt");
    dialogs.files = QStringList{fresh};
    dialog->dataFilesPage()->menuNewDatafile_Click();
    EXPECT_TRUE(QFile::exists(fresh));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].arguments, QStringList({fresh}));
    EXPECT_EQ(dialog->dataFilesPage()->grid().rowCount(), 2); // it took the empty row's place
}

TEST_F(PreferencesTest, AHalfPointFontShowsItsSizeAndStoresWholePoints)
{
    openWithFiles(1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    dialogs.font = font;
    dialog->eventsPage()->btnSpecifyEventsFont_Click();
    EXPECT_EQ(control<QLabel>("lblSampleEventsFont")->text(), QStringLiteral("DejaVu Sans, size 9.5"));
    EXPECT_TRUE(apply().redisplayNeeded);
    EXPECT_EQ(Settings.FontSize, 10);
    font.setPointSizeF(10.5);
    dialogs.font = font;
    dialog->eventsPage()->btnSpecifyEventsFont_Click();
    EXPECT_FALSE(apply().redisplayNeeded); // 10.5 rounds to the even 10: the same
    dialogs.font.reset();
    dialog->eventsPage()->btnSpecifyEventsFont_Click(); // cancelled
    EXPECT_EQ(control<QLabel>("lblSampleEventsFont")->text(), QStringLiteral("DejaVu Sans, size 10.5"));
}

TEST_F(PreferencesTest, EditorChoiceEnablesItsControls)
{
    openWithFiles(1);
    EditorPage *page = dialog->editorPage();
    EXPECT_FALSE(control<QPushButton>("btnBrowseEditor")->isEnabled());
    control<QRadioButton>("optnUseDefaultEditor_1")->click();
    EXPECT_FALSE(control<QRadioButton>("optnUseDefaultEditor_0")->isChecked());
    EXPECT_TRUE(control<QPushButton>("btnBrowseEditor")->isEnabled());
    dialogs.files = QStringList{QStringLiteral("/opt/ed")};
    page->btnBrowseEditor_Click();
    apply();
    EXPECT_EQ(Settings.UseDefault, 0);
    EXPECT_EQ(Settings.Path, QStringLiteral("/opt/ed"));
}

TEST_F(PreferencesTest, AReadOnlyConfigurationIsReportedOnceAndApplyGoesOn)
{
    openWithFiles(2);
    QFile::setPermissions(IniFilePath, QFile::ReadOwner);
    control<QComboBox>("lstDateDelimiter")->setCurrentIndex(1);
    dialog->btnApply_Click();
    ASSERT_EQ(env.presenter.messages.size(), 1u);
    EXPECT_TRUE(env.presenter.messages[0].text.startsWith(
        QStringLiteral("Nudgely failed to write to configuration file while saving settings:")));
    EXPECT_EQ(Settings.Delimiter, 1);
    // The reload ran with the new delimiter: "05/12/1990" no longer parses.
    EXPECT_EQ(grdDates.text(1, TimeLeftColumn), QStringLiteral("?"));
}

TEST_F(PreferencesTest, ThePositionIsStoredWhenTheDialogGoes)
{
    openWithFiles(1, "[Display]\nfrmOLeft=1500\nfrmOTop=1234.5\n");
    EXPECT_EQ(dialog->pos(), QPoint(qRound(1500.0 / 15), qRound(1234.5 / 15)));
    window->close();
    EXPECT_EQ(ini("Display", "frmOLeft"), QStringLiteral("1500"));
    EXPECT_EQ(ini("Display", "frmOTop"), QStringLiteral("1234.5"));
}

} // namespace
} // namespace nudgely
