#include "ui/preferences/PreferencesDialog.h"

#include "config/IniDocument.h"
#include "eventlist/EventColumns.h"
#include "support/TestSession.h"
#include "ui/common/ScreenMetrics.h"
#include "ui/preferences/DataFileListModel.h"
#include "ui/preferences/DataFilesPage.h"
#include "ui/preferences/DateFormatPage.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

namespace nudgely {
namespace {

using Model = DataFileListModel;

// Answers the file, colour and font dialogs as the person at the screen would have.
struct ScriptedDialogs final : PreferencesDialogs {
    QString next() { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString openDataFile(QWidget *) override { return next(); }
    QString newDataFile(QWidget *) override { return next(); }
    QString chooseEditor(QWidget *, const QString &) override { return next(); }
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override
    {
        offeredColour = initial;
        return colour;
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return font; }

    QStringList files; // answered in turn; once they run out the dialog counts as cancelled
    std::optional<QColor> colour;
    QColor offeredColour;
    std::optional<QFont> font;
};

// Each command as the program followed by its arguments.
struct RecordingLauncher final : ProgramLauncher {
    bool startDetached(const EditorCommand &command, QString &) override
    {
        started.append(QStringList{command.program} + command.arguments);
        return true;
    }
    QList<QStringList> started;
};

// Five data files on disk, the first `listed` of them configured, and the dialog opened:
// filled from the settings, then shown.
struct Preferences {
    explicit Preferences(int listed, const QByteArray &moreIni = {})
    {
        QByteArray ini = "[DataFiles]\n";
        for (int n = 1; n <= 5; ++n) {
            paths.append(s.writeDataFile(QStringLiteral("file%1.txt").arg(n), "05/12/1990 Birthday\n"));
            if (n <= listed)
                ini += QByteArray::number(n) + "File=" + paths.last().toUtf8() + "\n";
        }
        s.writeIni(ini + moreIni);
        s.session.setProgramLauncher(&launcher);
        QObject::connect(&s.session, &Session::statusMessage, [this](const QString &message) {
            filesRead += message.startsWith(u"reading datafile: ") ? 1 : 0;
        });
        QObject::connect(&s.session, &Session::listAboutToChange, [this] { ++rebuilds; });
        s.session.loadConfiguration();
        dialog = std::make_unique<PreferencesDialog>(s.session, &dialogs, nullptr);
        QObject::connect(dialog.get(), &PreferencesDialog::applied, [this] { ++applied; });
        dialog->fillFromSettings();
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <typename T = QAbstractButton>
    T *control(const char *name) const { return dialog->findChild<T *>(QLatin1String(name)); }
    void click(const char *button) const { control(button)->click(); }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    // "1" or "0" for each named control: checked or not, or with `enabled`, enabled or not.
    QString states(std::initializer_list<const char *> names, bool enabled = false) const
    {
        QString states;
        for (const char *name : names)
            states += (enabled ? control<QWidget>(name)->isEnabled() : control(name)->isChecked()) ? u'1' : u'0';
        return states;
    }
    // The elements checked at positions 1 to 3, by initial: "dmy" for day, month, year.
    QString dateOrder() const
    {
        QString order;
        for (const QRadioButton *option : dialog->dateFormatPage()->findChildren<QRadioButton *>())
            order += option->isChecked() ? option->text().left(1) : QString();
        return order;
    }
    QString ini(QAnyStringView section, QAnyStringView key) const
    {
        return IniDocument::fromBytes(s.readIni()).value(section, key).value_or(QStringLiteral("<none>"));
    }
    QMenu *menu() const { return dialog->dataFilesPage()->popupMenu(); }
    QAction *item(const char *name) const { return menu()->findChild<QAction *>(QLatin1String(name)); }
    Model *model() const { return dialog->dataFilesPage()->model(); }
    TableView *list() const { return dialog->dataFilesPage()->listView(); }
    QStringList listed() const
    {
        QStringList files;
        for (int row = 0; row < model()->fileCount(); ++row)
            files.append(model()->path(row));
        return files;
    }
    QPoint cell(int row, int column) const { return list()->visualRect(model()->index(row, column)).center(); }

    test::TestSession s;
    QStringList paths;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    std::unique_ptr<PreferencesDialog> dialog;
    int filesRead = 0; // a reload reads every listed file
    int rebuilds = 0;  // a reload or a redisplay
    int applied = 0;
};

TEST(PreferencesDialogTest, OpeningFillsEveryControlFromTheSettings)
{
    Preferences p(2, "[ColoursToday]\n2Back=255\n"
                     "[Display]\nHideUnknown=1\nAppendToAge=0\nFilter=0\nFilterLength=9\nShowMissed=0\n"
                     "MissedLength=3\nCentre=0\nFontName=DejaVu Sans\nFontSize=11\nFontStyle=3\n"
                     "[DateFormat]\nDelimiter=1\nDayPos=3\nMonthPos=2\nYearPos=1\n"
                     "[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\nMultiFile=1\n");
    EXPECT_EQ(p.listed(), p.paths.mid(0, 2));
    EXPECT_EQ(p.model()->index(1, Model::FutureColumn).data().toString(), QStringLiteral("sample"));
    EXPECT_EQ(p.model()->index(1, Model::TodayColumn).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(p.states({"hideUnknownCheck", "appendToAgeCheck", "filterCheck", "showMissedCheck"}),
              QStringLiteral("1000"));
    EXPECT_EQ(p.control<QSpinBox>("filterLengthSpin")->value(), 9);
    EXPECT_EQ(p.control<QSpinBox>("missedLengthSpin")->value(), 3);
    EXPECT_EQ(p.control<QComboBox>("delimiterList")->currentText(), QStringLiteral("-"));
    EXPECT_EQ(p.dateOrder(), QStringLiteral("ymd"));
    EXPECT_EQ(p.text("numericSample"), QStringLiteral("1998-12-25 "));
    EXPECT_EQ(p.text("monthNameSample"), QStringLiteral("1998-DEC-25 "));
    EXPECT_EQ(p.states({"defaultEditorButton", "otherEditorButton", "multiFileCheck"}), QStringLiteral("011"));
    EXPECT_EQ(p.text("editorPathLabel"), QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(p.states({"rememberLocationButton", "centreButton", "autoStartCheck"}), QStringLiteral("100"));
    EXPECT_EQ(p.text("fontSample"), QStringLiteral("DejaVu Sans, bold, italic, size 11"));

    // The box shows whether the entry exists; the file stores nothing about it.
    p.s.folder.write(p.s.paths.autostartEntry(), "[Desktop Entry]\n");
    p.s.session.loadConfiguration();
    p.dialog->fillFromSettings();
    EXPECT_EQ(p.states({"autoStartCheck"}), QStringLiteral("1"));
}

TEST(PreferencesDialogTest, ApplySavesAlwaysAndWhatChangedDecidesBetweenReloadAndRedisplay)
{
    struct Case {
        const char *change;
        std::function<void(Preferences &)> make;
        bool reload;
        bool redisplay;
    };
    const Case cases[] = {
        {"nothing", [](Preferences &) {}, false, false},
        {"hidden unknown dates", [](Preferences &p) { p.click("hideUnknownCheck"); }, false, true},
        {"a colour", [](Preferences &p) {
             p.list()->setCurrentIndex(p.model()->index(1, Model::PastColumn));
             p.dialogs.colour = QColor(Qt::blue);
             p.item("backgroundColourAction")->trigger();
         }, false, true},
        {"the delimiter", [](Preferences &p) { p.control<QComboBox>("delimiterList")->setCurrentIndex(2); },
         true, true},
        {"the date order", [](Preferences &p) { p.click("monthPosition1Button"); }, true, true},
        {"a file added", [](Preferences &p) {
             p.dialogs.files = QStringList{p.paths[2]};
             p.click("addButton");
         }, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.change);
        Preferences p(2);
        c.make(p);
        QFile::remove(p.s.iniPath());
        p.click("applyButton");
        EXPECT_EQ(p.ini("DataFiles", "2File"), p.paths[1]);
        EXPECT_EQ(p.applied, 1);
        EXPECT_EQ(p.filesRead, c.reload ? p.model()->fileCount() : 0);
        EXPECT_EQ(p.rebuilds, c.redisplay ? 1 : 0);
    }
}

TEST(PreferencesDialogTest, OutOfRangeStoredValuesOpenAndApply)
{
    // Section, key, the value stored by hand, and what Apply stores in its place.
    const std::array<QByteArray, 4> cases[] = {
        {"Display", "FilterLength", "0", "1"},
        {"Display", "FilterLength", "200", "26"},
        {"DateFormat", "DayPos", "7", "0"},
        {"DateFormat", "Delimiter", "7", "0"},
    };
    for (const auto &[section, key, value, stored] : cases) {
        SCOPED_TRACE((key + '=' + value).constData());
        Preferences p(1, '[' + section + "]\n" + key + '=' + value + '\n');
        p.click("applyButton");
        EXPECT_EQ(p.ini(section, key), QString::fromLatin1(stored));
        EXPECT_EQ(p.applied, 1);
        EXPECT_TRUE(p.s.messages.warnings.isEmpty());
    }
}

TEST(PreferencesDialogTest, TheWindowsPageSwitchesAutostartOnlyWhenChangedAndCentresAtOnce)
{
    Preferences p(1);
    const QString entry = p.s.paths.autostartEntry();
    p.click("autoStartCheck");
    p.click("autoStartCheck");
    p.click("applyButton");
    EXPECT_FALSE(QFile::exists(entry));

    p.click("autoStartCheck");
    p.click("applyButton");
    EXPECT_TRUE(p.s.folder.read(entry).contains("Exec="));
    EXPECT_TRUE(p.s.folder.read(entry).contains(p.s.paths.programPath.toUtf8()));
    // Left alone, the box leaves the entry as the user made it.
    p.s.folder.write(entry, "[Desktop Entry]\nExec=mine\n");
    p.click("applyButton");
    EXPECT_EQ(p.s.folder.read(entry), QByteArray("[Desktop Entry]\nExec=mine\n"));

    p.click("autoStartCheck");
    p.click("applyButton");
    EXPECT_FALSE(QFile::exists(entry));

    // Centre Now and Reset act on the main window at once, without Apply.
    QSignalSpy centre(p.dialog.get(), &PreferencesDialog::centreWindowRequested);
    QSignalSpy reset(p.dialog.get(), &PreferencesDialog::defaultWindowSizeRequested);
    p.click("centreNowButton");
    EXPECT_EQ(centre.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    p.click("resetButton");
    EXPECT_EQ(reset.count(), 1);
}

TEST(PreferencesDialogTest, CancelThenReopenShowsTheSettingsAgain)
{
    Preferences p(2);
    p.click("hideUnknownCheck");
    p.dialogs.files = QStringList{p.paths[2]};
    p.click("addButton");
    p.click("cancelButton");
    EXPECT_FALSE(p.dialog->isVisible());
    EXPECT_EQ(p.ini("DataFiles", "3File"), QStringLiteral("<none>"));
    p.dialog->fillFromSettings();
    EXPECT_EQ(p.states({"hideUnknownCheck"}), QStringLiteral("0"));
    EXPECT_EQ(p.listed(), p.paths.mid(0, 2));
}

TEST(PreferencesDialogTest, RemovingKeepsPathsAndColoursTogetherAndLeavesAtLeastTheEmptyRow)
{
    Preferences p(5, "[ColoursToday]\n3Back=255\n");
    p.list()->setCurrentIndex(p.model()->index(1, Model::FutureColumn));
    p.click("removeButton"); // answered No
    EXPECT_EQ(p.model()->fileCount(), 5);
    p.s.messages.answer = true;
    p.click("removeButton");
    ASSERT_EQ(p.s.messages.questions.size(), 2);
    EXPECT_TRUE(p.s.messages.questions[1].startsWith(
        QStringLiteral("Are you sure you want to remove the following data files:\n     ")));
    EXPECT_TRUE(p.s.messages.questions[1].endsWith(u"file2.txt"));
    const QStringList kept{p.paths[0], p.paths[2], p.paths[3], p.paths[4]};
    EXPECT_EQ(p.listed(), kept);

    p.click("applyButton");
    QStringList slots;
    for (int slot = 0; slot < 5; ++slot)
        slots.append(p.s.session.dataFiles()[slot].path);
    EXPECT_EQ(slots, kept + QStringList{QString()});
    EXPECT_EQ(p.ini("ColoursToday", "2Back"), QStringLiteral("255"));
    EXPECT_EQ(p.ini("DataFiles", "4File"), p.paths[4]);
    EXPECT_EQ(p.ini("DataFiles", "5File"), QStringLiteral("<none>"));

    Preferences one(1);
    one.s.messages.answer = true;
    one.click("removeButton");
    EXPECT_EQ(one.model()->rowCount(), 1); // the empty row
    EXPECT_TRUE(one.listed().isEmpty());
    one.click("applyButton");
    EXPECT_EQ(one.ini("DataFiles", "1File"), QStringLiteral("<none>"));
}

TEST(PreferencesDialogTest, TheTwentyFirstFileIsRefusedBeforeAnyFileDialog)
{
    Preferences p(0);
    for (int n = 1; n <= 20; ++n) {
        p.dialogs.files = QStringList{QStringLiteral("/d/%1.txt").arg(n)};
        p.click("addButton");
    }
    EXPECT_TRUE(p.s.messages.warnings.isEmpty());
    p.dialogs.files = QStringList{QStringLiteral("/d/21.txt")};
    p.click("newButton");
    p.click("addButton");
    const QString refusal =
        QStringLiteral("Maximum number of datafiles has been reached.\nNo more datafiles can be added.");
    EXPECT_EQ(p.s.messages.warnings, (QStringList{refusal, refusal}));
    EXPECT_EQ(p.dialogs.files.size(), 1);
    EXPECT_TRUE(p.launcher.started.empty());
    EXPECT_EQ(p.model()->fileCount(), 20);
}

TEST(PreferencesDialogTest, ColoursStoreBlackAsOneAndNeverColourThePathColumn)
{
    Preferences p(2);
    const QItemSelection block(p.model()->index(0, Model::PathColumn), p.model()->index(1, Model::PastColumn));
    p.list()->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    p.dialogs.colour = QColor(Qt::black);
    p.item("textColourAction")->trigger();
    EXPECT_EQ(p.model()->colour(0, Model::FutureColumn, true), 1);
    EXPECT_EQ(p.model()->colour(1, Model::PastColumn, true), 1);
    EXPECT_EQ(p.model()->index(0, Model::PathColumn).data(Qt::ForegroundRole).value<QColor>(),
              p.list()->standardText());
    EXPECT_EQ(p.list()->selectionModel()->selectedIndexes().size(), 8); // the block is selected again

    p.list()->setCurrentIndex(p.model()->index(1, Model::PastColumn));
    p.dialogs.colour.reset(); // cancelled: nothing changes
    p.item("textColourAction")->trigger();
    EXPECT_EQ(p.dialogs.offeredColour, QColor(Qt::black));
    EXPECT_EQ(p.model()->colour(1, Model::PastColumn, true), 1);
    p.dialogs.colour = QColor(Qt::blue);
    p.item("backgroundColourAction")->trigger();
    p.click("applyButton");
    EXPECT_EQ(p.ini("ColoursPast", "2Fore"), QStringLiteral("1"));
    EXPECT_EQ(p.ini("ColoursPast", "2Back"), QStringLiteral("16711680")); // 0x00BBGGRR, as the file always had
    EXPECT_EQ(p.ini("ColoursPast", "1Back"), QStringLiteral("12632256"));
}

TEST(PreferencesDialogTest, PopUpMenuItemsFollowWhereTheRightClickFell)
{
    // Add, New, Edit, Remove, text colour, background colour: 1 for enabled.
    const auto rightClick = [](const Preferences &p, QWidget *where, const QPoint &at) {
        QTest::mouseClick(where, Qt::RightButton, {}, at);
        QString items;
        for (const QAction *action : p.menu()->actions())
            items += action->isSeparator() ? u"" : action->isEnabled() ? u"1" : u"0";
        p.menu()->hide();
        return items;
    };
    Preferences p(2);
    QWidget *rows = p.list()->viewport();
    EXPECT_EQ(rightClick(p, p.list()->horizontalHeader()->viewport(), QPoint(5, 5)), QStringLiteral("110000"));
    EXPECT_EQ(rightClick(p, rows, p.cell(1, Model::PathColumn)), QStringLiteral("111100"));
    EXPECT_EQ(p.list()->currentIndex(), p.model()->index(1, Model::PathColumn));
    EXPECT_EQ(rightClick(p, rows, p.cell(0, Model::TodayColumn)), QStringLiteral("111111"));
    EXPECT_EQ(p.list()->currentIndex(), p.model()->index(0, Model::TodayColumn));
    // Inside the selection the click keeps it, for the items to act on all of it.
    p.list()->selectionModel()->select(QItemSelection(p.model()->index(0, 1), p.model()->index(1, 3)),
                                       QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(rightClick(p, rows, p.cell(1, Model::PastColumn)), QStringLiteral("111111"));
    EXPECT_EQ(p.list()->currentIndex(), p.model()->index(0, Model::TodayColumn));
    EXPECT_EQ(p.list()->selectionModel()->selectedIndexes().size(), 6);

    Preferences empty(0);
    EXPECT_EQ(rightClick(empty, empty.list()->viewport(), empty.cell(0, 1)), QStringLiteral("110000"));
}

TEST(PreferencesDialogTest, EditAndDoubleClickStartTheConfiguredEditor)
{
    struct Case {
        QByteArray editor;
        const char *program;
        QList<int> editedRows;
    };
    // Row 2 clicked last, rows 0 and 1 selected, row 1 current.
    const Case cases[] = {
        {"UseDefault=1\nMultiFile=1\n", "xdg-open", {2}},
        {"UseDefault=0\nPath=/usr/bin/ed\nMultiFile=0\n", "/usr/bin/ed", {2}},
        {"UseDefault=0\nPath=/usr/bin/ed\nMultiFile=1\n", "/usr/bin/ed", {0, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.editor.constData());
        Preferences p(3, "[Editor]\n" + c.editor);
        QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, {}, p.cell(0, 1));
        QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, Qt::ShiftModifier, p.cell(2, 2));
        QTest::keyClick(p.list(), Qt::Key_Up, Qt::ShiftModifier);
        p.click("editButton");
        // A double-click opens the file under the pointer and no other.
        QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {}, p.cell(1, 3));
        QStringList edited{QLatin1String(c.program)};
        for (const int row : c.editedRows)
            edited.append(p.paths[row]);
        EXPECT_EQ(p.launcher.started, (QList<QStringList>{edited, {QLatin1String(c.program), p.paths[1]}}));
    }

    Preferences p(2);
    QTest::mouseClick(p.list()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    p.click("editButton");
    EXPECT_EQ(p.s.messages.warnings, QStringList{QStringLiteral("No datafile(s) selected for editing!")});
    EXPECT_TRUE(p.launcher.started.empty());
}

TEST(PreferencesDialogTest, NewCreatesTheFileEmptyNeverTruncatesOneAndOpensIt)
{
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing);
        Preferences p(0);
        const QString path = existing ? p.paths[0] : p.s.folder.path(QStringLiteral("data/new.txt"));
        p.dialogs.files = QStringList{path};
        p.click("newButton");
        p.click("newButton"); // cancelled
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(p.s.folder.read(path), existing ? QByteArray("05/12/1990 Birthday\n") : QByteArray());
        EXPECT_EQ(p.launcher.started, (QList<QStringList>{{QStringLiteral("xdg-open"), path}}));
        EXPECT_EQ(p.listed(), QStringList{path});
    }
}

TEST(PreferencesDialogTest, AHalfPointFontShowsItsSizeAndStoresWholePoints)
{
    Preferences p(1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    p.dialogs.font = font;
    p.click("fontButton");
    p.dialogs.font.reset();
    p.click("fontButton"); // cancelled
    EXPECT_EQ(p.text("fontSample"), QStringLiteral("DejaVu Sans, size 9.5"));
    p.click("applyButton");
    EXPECT_EQ(p.ini("Display", "FontSize"), QStringLiteral("10"));
    EXPECT_EQ(p.rebuilds, 1);
}

TEST(PreferencesDialogTest, TheEditorChoiceEnablesItsControls)
{
    Preferences p(1);
    const auto enabled = [&p] { return p.states({"browseButton", "multiFileCheck", "editorPathLabel"}, true); };
    EXPECT_EQ(enabled(), QStringLiteral("000"));
    p.click("otherEditorButton");
    EXPECT_EQ(p.states({"defaultEditorButton", "otherEditorButton"}), QStringLiteral("01"));
    EXPECT_EQ(enabled(), QStringLiteral("111"));
    p.dialogs.files = QStringList{QStringLiteral("/opt/ed")};
    p.click("browseButton");
    p.click("browseButton"); // cancelled: the path stays
    p.click("multiFileCheck");
    p.click("applyButton");
    EXPECT_EQ(p.ini("Editor", "UseDefault"), QStringLiteral("0"));
    EXPECT_EQ(p.ini("Editor", "Path"), QStringLiteral("/opt/ed"));
    EXPECT_EQ(p.ini("Editor", "MultiFile"), QStringLiteral("1"));

    p.click("defaultEditorButton");
    EXPECT_EQ(p.states({"defaultEditorButton", "otherEditorButton"}), QStringLiteral("10"));
    EXPECT_EQ(enabled(), QStringLiteral("000"));
}

TEST(PreferencesDialogTest, AReadOnlyConfigurationIsReportedOnceAndApplyGoesOn)
{
    Preferences p(2);
    QFile::setPermissions(p.s.iniPath(), QFile::ReadOwner);
    p.control<QComboBox>("delimiterList")->setCurrentIndex(1);
    p.click("okButton"); // Apply, then close
    EXPECT_FALSE(p.dialog->isVisible());
    ASSERT_EQ(p.s.messages.warnings.size(), 1);
    EXPECT_TRUE(p.s.messages.warnings[0].startsWith(
        QStringLiteral("Nudgely failed to write to configuration file while saving settings:")));
    // The reload went on with the new delimiter, which "05/12/1990" does not use.
    EXPECT_EQ(p.filesRead, 2);
    EXPECT_EQ(p.s.session.list().text(0, TimeLeftColumn), QStringLiteral("?"));
    EXPECT_EQ(p.applied, 1);
}

TEST(PreferencesDialogTest, ThePositionIsStoredWhenTheDialogGoesAndReadBackNextTime)
{
    Preferences p(1, "[Display]\nfrmOLeft=1500\nfrmOTop=1234.5\n");
    const int perPixel = screenTwipsPerPixel(p.dialog->screen());
    EXPECT_EQ(p.dialog->pos(), QPoint(qRound(1500.0 / perPixel), qRound(1234.5 / perPixel)));
    p.dialog->storePosition(); // not moved: the twips as read, nothing drifts
    EXPECT_EQ(p.ini("Display", "frmOLeft"), QStringLiteral("1500"));
    EXPECT_EQ(p.ini("Display", "frmOTop"), QStringLiteral("1234.5"));

    // The close box stores it and unloads the dialog.
    QPointer<PreferencesDialog> moved = new PreferencesDialog(p.s.session, &p.dialogs, nullptr);
    moved->show();
    moved->move(200, 120);
    moved->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(moved.isNull());
    EXPECT_EQ(p.ini("Display", "frmOLeft"), QString::number(200 * perPixel));
    EXPECT_EQ(p.ini("Display", "frmOTop"), QString::number(120 * perPixel));
    EXPECT_EQ(PreferencesDialog(p.s.session, &p.dialogs, nullptr).pos(), QPoint(200, 120));
}

TEST(PreferencesDialogTest, TheDateFormatPageKeepsAPermutationAndShowsSamples)
{
    Preferences p(1);
    EXPECT_EQ(p.text("numericSample"), QStringLiteral("25/12/1998 "));
    EXPECT_EQ(p.text("monthNameSample"), QStringLiteral("25/DEC/1998 "));
    p.click("yearPosition1Button"); // the day it displaces takes the year's old place
    EXPECT_EQ(p.dateOrder(), QStringLiteral("ymd"));
    p.click("monthPosition3Button");
    EXPECT_EQ(p.dateOrder(), QStringLiteral("ydm"));
    p.control<QComboBox>("delimiterList")->setCurrentIndex(2);
    EXPECT_EQ(p.text("numericSample"), QStringLiteral("1998.25.12 "));
    EXPECT_EQ(p.text("monthNameSample"), QStringLiteral("1998.25.DEC "));
    p.click("applyButton");
    const Settings &settings = p.s.session.settings();
    EXPECT_EQ(QList<int>({settings.dayPos, settings.monthPos, settings.yearPos}), QList<int>({2, 3, 1}));
}

} // namespace
} // namespace nudgely
