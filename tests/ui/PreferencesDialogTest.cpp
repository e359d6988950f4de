#include "ui/preferences/PreferencesDialog.h"

#include "config/IniDocument.h"
#include "support/TestSession.h"
#include "ui/common/ScreenMetrics.h"
#include "ui/preferences/DataFileListModel.h"
#include "ui/preferences/DataFilesPage.h"
#include "ui/preferences/DateFormatPage.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace nudgely {
namespace {

using Model = DataFileListModel;

// Answers the file, colour and font dialogs as the person at the screen would have: each answer
// once, then as cancelled.
struct ScriptedDialogs final : PreferencesDialogs {
    QString openDataFile(QWidget *) override { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString newDataFile(QWidget *) override { return openDataFile(nullptr); }
    QString openContactsFile(QWidget *) override { return openDataFile(nullptr); }
    QString chooseEditor(QWidget *, const QString &) override { return openDataFile(nullptr); }
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override
    {
        offered = initial;
        return std::exchange(colour, std::nullopt);
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::exchange(font, std::nullopt); }

    QStringList files; // answered in turn
    std::optional<QColor> colour;
    QColor offered;
    std::optional<QFont> font;
};

// The files of each command; which program gets them is EditorLauncherTest's.
struct RecordingLauncher final : ProgramLauncher {
    bool startDetached(const EditorCommand &command, QString &) override
    {
        started.append(command.arguments);
        return true;
    }
    QList<QStringList> started;
};

// Five data files on disk, the first `listed` of them configured, and the dialog filled and shown;
// with qtDialogs, Qt's own file, colour and font dialogs.
struct Preferences {
    explicit Preferences(int listed, const QByteArray &moreIni = {}, bool qtDialogs = false)
    {
        QByteArray ini = "[DataFiles]\n";
        for (int n = 1; n <= 5; ++n) {
            paths.append(s.writeDataFile(QStringLiteral("file%1.txt").arg(n), "05/12/1990 Birthday\n"));
            if (n <= listed)
                ini += QByteArray::number(n) + "File=" + paths.last().toUtf8() + "\n";
        }
        s.writeIni(ini + moreIni);
        s.session.setProgramLauncher(&launcher);
        s.session.loadConfiguration();
        dialog.emplace(s.session, qtDialogs ? nullptr : &dialogs, nullptr);
        QObject::connect(&*dialog, &PreferencesDialog::applied, [this](ApplyOutcome o) { applied.append(o); });
        dialog->fillFromSettings();
        dialog->show();
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
    QString dateOrder() const // the elements checked at positions 1 to 3, by initial: "dmy" for day, month, year
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
    Model *model() const { return dialog->dataFilesPage()->model(); }
    TableView *list() const { return dialog->dataFilesPage()->listView(); }
    QPoint cell(int row, int column) const { return list()->visualRect(model()->index(row, column)).center(); }
    // Add, New, Edit, Remove, text colour, background colour: 1 for enabled; then the current cell.
    QString rightClick(QWidget *where, QPoint at) const
    {
        QTest::mouseClick(where, Qt::RightButton, {}, at);
        QString items;
        for (const QAction *action : control<QMenu>("dataFilePopupMenu")->actions())
            items += action->isSeparator() ? u"" : action->isEnabled() ? u"1" : u"0";
        control<QMenu>("dataFilePopupMenu")->hide();
        const QModelIndex current = list()->currentIndex();
        return items + QStringLiteral(" at %1,%2").arg(current.row()).arg(current.column());
    }

    test::TestSession s;
    QStringList paths;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    std::optional<PreferencesDialog> dialog;
    QList<ApplyOutcome> applied; // as the main window hears them
};

// Values unlike their neighbours and, but for ShowMissed, the defaults: one control in another's place shows.
TEST(PreferencesDialogTest, OpeningFillsEveryControlAndAnUnchangedApplyGivesTheSameSettingsBack)
{
    Preferences p(2, "[ColoursToday]\n2Back=255\n"
                     "[Display]\nHideUnknown=1\nAppendToAge=0\nFilter=0\nFilterLength=9\nShowMissed=1\n"
                     "MissedLength=3\nCentre=0\nFontName=DejaVu Sans\nFontSize=11\nFontStyle=2\n"
                     "[DateFormat]\nDelimiter=1\nDayPos=3\nMonthPos=2\nYearPos=1\n"
                     "[Editor]\nUseDefault=0\nPath=/usr/bin/gedit\nMultiFile=1\n");
    EXPECT_EQ(p.model()->index(1, Model::FutureColumn).data().toString(), u"sample");
    const QByteArray home = qgetenv("HOME"); // shown as "~", the tip has the whole path
    qputenv("HOME", p.s.folder.root().toUtf8());
    EXPECT_EQ(p.model()->index(0, Model::PathColumn).data().toString(), u"~/data/file1.txt");
    EXPECT_EQ(p.model()->index(0, Model::PathColumn).data(Qt::ToolTipRole).toString(), p.paths[0]);
    qputenv("HOME", home);
    p.dialog->setListFont(QFont(QStringLiteral("DejaVu Sans"), 16)); // "sample" still shows whole
    EXPECT_LT(QFontMetrics(p.list()->font()).horizontalAdvance(QStringLiteral("sample")), p.list()->columnWidth(Model::TodayColumn) - 4);
    EXPECT_EQ(p.model()->index(1, Model::TodayColumn).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(p.states({"otherEditorButton", "rememberLocationButton"}), u"11"); // shown, not read by Apply
    EXPECT_EQ(p.dateOrder(), u"ymd");
    EXPECT_EQ(p.text("numericSample"), u"1998-12-25 ");
    EXPECT_EQ(p.text("fontSample"), u"DejaVu Sans, italic, size 11");

    // The autostart box shows whether the entry exists; the file stores nothing about it.
    p.s.folder.write(p.s.paths.autostartEntry(), "[Desktop Entry]\n");
    p.s.session.loadConfiguration();
    p.dialog->fillFromSettings();
    const Settings before = p.s.session.settings();
    QFile::remove(p.s.iniPath());
    p.click("applyButton"); // saves though nothing changed
    EXPECT_EQ(p.s.session.settings(), before);
    EXPECT_EQ(p.ini("ColoursToday", "2Back"), u"255");
}

TEST(PreferencesDialogTest, OutOfRangeValuesOpenAndApplyAndThePositionIsKeptAsReadOrAsMoved)
{
    Preferences p(1, "[Display]\nFilterLength=200\nMissedLength=0\nfrmOLeft=1500\nfrmOTop=1234.5\n"
                     "[DateFormat]\nDayPos=7\nDelimiter=7\n");
    const int perPixel = screenTwipsPerPixel(p.dialog->screen());
    EXPECT_EQ(p.dialog->pos(), QPoint(qRound(1500.0 / perPixel), qRound(1234.5 / perPixel)));
    p.dialog->storePosition(); // not moved: the twips as read, nothing drifts
    // A length shows its nearest end; a position or delimiter outside the list shows none, stored as 0.
    p.click("applyButton");
    const QStringList stored{p.ini("Display", "FilterLength"), p.ini("Display", "MissedLength"),
                             p.ini("DateFormat", "DayPos"), p.ini("DateFormat", "Delimiter"),
                             p.ini("Display", "frmOLeft"), p.ini("Display", "frmOTop")};
    EXPECT_EQ(stored, (QStringList{"26", "1", "0", "0", "1500", "1234.5"}));
    EXPECT_TRUE(p.s.messages.warnings.isEmpty());

    // The close box stores it and unloads the dialog.
    QPointer<PreferencesDialog> moved = new PreferencesDialog(p.s.session, &p.dialogs, nullptr);
    moved->show();
    moved->move(200, 120);
    moved->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(moved.isNull());
    EXPECT_EQ(p.ini("Display", "frmOLeft") + u' ' + p.ini("Display", "frmOTop"),
              QStringLiteral("%1 %2").arg(200 * perPixel).arg(120 * perPixel));
    EXPECT_EQ(PreferencesDialog(p.s.session, &p.dialogs, nullptr).pos(), QPoint(200, 120));

    // Loaded before its owner was framed and never shown, it stores the centre of its frame.
    p.s.writeIni({});
    QWidget owner;
    PreferencesDialog unseen(p.s.session, &p.dialogs, &owner);
    owner.show();
    unseen.storePosition();
    const int outer = unseen.height() + 4; // the offscreen frame: 2 above, 2 below
    EXPECT_EQ(p.ini("Display", "frmOTop"), QString::number((owner.screen()->size().height() - outer) * perPixel / 2.0));
}

TEST(PreferencesDialogTest, RemovingAsksKeepsPathsAndColoursTogetherAndCancelDropsIt)
{
    Preferences p(5, "[ColoursToday]\n3Back=255\n");
    p.list()->setCurrentIndex(p.model()->index(1, Model::FutureColumn));
    p.click("removeButton"); // answered No
    p.s.messages.answer = true;
    p.click("removeButton");
    EXPECT_TRUE(p.s.messages.questions.value(1).startsWith(
        u"Are you sure you want to remove the following data files:\n     "));
    EXPECT_TRUE(p.s.messages.questions.value(1).endsWith(u"file2.txt")); // shortened in the middle
    p.click("applyButton");
    EXPECT_EQ(p.ini("ColoursToday", "2Back"), u"255");
    EXPECT_EQ(p.ini("DataFiles", "4File"), p.paths[4]);
    EXPECT_EQ(p.ini("DataFiles", "5File"), u"<none>");

    p.list()->selectAll();
    p.click("removeButton");
    EXPECT_EQ(p.rightClick(p.list()->viewport(), p.cell(0, 1)), u"110000 at 0,1"); // the empty row holds no file
    p.click("cancelButton"); // nothing stored; the next opening shows the settings again
    EXPECT_FALSE(p.dialog->isVisible());
    EXPECT_EQ(p.ini("DataFiles", "1File"), p.paths[0]);
    p.dialog->fillFromSettings();
    EXPECT_EQ(p.model()->fileCount(), 4);
}

TEST(PreferencesDialogTest, NewCreatesTheFileAndOpensItAndALineBreakInTheNameOrTheTwentyFirstIsRefused)
{
    Preferences p(0);
    const QString created = p.s.folder.path(QStringLiteral("data/new.txt"));
    // The configuration file cannot store a line break in a name: refused by Add and New alike.
    p.dialogs.files =
        QStringList{p.s.folder.path("data/two\nlines.txt"), p.s.folder.path("data/new\r.txt"), created, p.paths[0]};
    p.click("addButton");
    for (int n = 1; n <= 4; ++n)
        p.click("newButton"); // the last one cancelled
    EXPECT_TRUE(QFile::exists(created) && p.s.folder.read(created).isEmpty());
    EXPECT_EQ(p.launcher.started, (QList<QStringList>{{created}, {p.paths[0]}}));
    EXPECT_EQ((QStringList{p.model()->path(0), p.model()->path(1)}), (QStringList{created, p.paths[0]}));
    EXPECT_EQ(p.s.messages.warnings.value(0),
              "Nudgely cannot use the data file\n" + p.s.folder.path("data/two\u21b5lines.txt") +
                  "\nIts name holds a line break (shown as \u21b5), which the configuration file cannot store. "
                  "Rename the file, then add it again.");

    // Refused before any file dialog.
    p.dialogs.files.fill(QStringLiteral("/d/more.txt"), 19);
    for (int n = 3; n <= 20; ++n)
        p.click("addButton");
    p.click("newButton");
    p.click("addButton");
    EXPECT_EQ(p.s.messages.warnings.mid(2), QStringList(2, "Maximum number of datafiles has been reached.\n"
                                                           "No more datafiles can be added."));
    EXPECT_EQ(p.dialogs.files.size(), 1);
}

TEST(PreferencesDialogTest, PopUpMenuItemsFollowTheRightClickAndColoursStoreBlackAsOne)
{
    Preferences p(2);
    QWidget *rows = p.list()->viewport();
    EXPECT_EQ(p.rightClick(p.list()->horizontalHeader()->viewport(), QPoint(5, 5)), u"110000 at 0,1");
    p.click("editButton");
    EXPECT_EQ(p.s.messages.warnings, QStringList{QStringLiteral("No datafile(s) selected for editing!")});
    EXPECT_EQ(p.rightClick(rows, p.cell(1, Model::PathColumn)), u"111100 at 1,0");
    EXPECT_EQ(p.rightClick(rows, p.cell(0, Model::TodayColumn)), u"111111 at 0,2");
    // Inside the selection the click keeps it, for the items to act on all of it; never on paths.
    const QItemSelection block(p.model()->index(0, Model::PathColumn), p.model()->index(1, Model::PastColumn));
    p.list()->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(p.rightClick(rows, p.cell(1, Model::PastColumn)), u"111111 at 0,2");
    p.dialogs.colour = QColor(Qt::black);
    p.control<QAction>("textColourAction")->trigger();
    EXPECT_EQ(p.list()->selectionModel()->selectedIndexes().size(), 8); // the block is selected again

    p.list()->setCurrentIndex(p.model()->index(1, Model::PastColumn));
    p.control<QAction>("textColourAction")->trigger(); // cancelled: nothing changes
    EXPECT_EQ(p.dialogs.offered, QColor(Qt::black));
    p.dialogs.colour = QColor(Qt::blue);
    p.control<QAction>("backgroundColourAction")->trigger();
    p.click("applyButton");
    EXPECT_EQ(p.ini("ColoursFuture", "1Fore") + p.ini("ColoursPast", "2Fore"), u"11"); // 0 is the standard colour
    EXPECT_EQ(p.ini("ColoursPast", "2Back"), u"16711680"); // 0x00BBGGRR, as the file always had
    EXPECT_EQ(p.ini("ColoursPast", "1Back"), u"12632256");
    EXPECT_EQ(p.s.session.settings(), Settings()); // defaults in, defaults out: see the first test
}

TEST(PreferencesDialogTest, EditAndDoubleClickOpenTheClickedFileOrForAMultiFileEditorTheSelection)
{
    // Row 2 clicked last, rows 0 and 1 selected, row 1 current: the first and the number Edit opens.
    const std::tuple<QByteArray, int, int> cases[] = {
        {"UseDefault=1\nMultiFile=1\n", 2, 1},
        {"UseDefault=0\nPath=/usr/bin/ed\nMultiFile=0\n", 2, 1},
        {"UseDefault=0\nPath=/usr/bin/ed\nMultiFile=1\n", 0, 2},
    };
    for (const auto &[editor, first, count] : cases) {
        Preferences p(3, "[Editor]\n" + editor);
        QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, {}, p.cell(0, 1));
        QTest::mouseClick(p.list()->viewport(), Qt::LeftButton, Qt::ShiftModifier, p.cell(2, 2));
        QTest::keyClick(p.list(), Qt::Key_Up, Qt::ShiftModifier);
        p.click("editButton");
        // A double-click opens the file under the pointer and no other.
        QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {}, p.cell(1, 3));
        EXPECT_EQ(p.launcher.started, (QList<QStringList>{p.paths.mid(first, count), {p.paths[1]}})) << editor.data();
    }
}

// What the controls show is what Apply takes (the first test); what becomes of it is ApplyPreferencesTest's.
TEST(PreferencesDialogTest, TheOtherPagesShowEachChoiceAtOnceAndOkAppliesThem)
{
    Preferences p(1);
    p.dialogs.font = QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold);
    p.dialogs.font->setPointSizeF(9.5);
    p.click("fontButton");
    p.click("fontButton"); // cancelled
    EXPECT_EQ(p.text("fontSample"), u"DejaVu Sans, bold, size 9.5");

    // Default and other checked, then browse, multiple files and command enabled.
    const auto editor = [&p] {
        return p.states({"defaultEditorButton", "otherEditorButton"}) +
               p.states({"browseButton", "multiFileCheck", "editorCommandEdit"}, true);
    };
    EXPECT_EQ(editor(), u"10000");
    p.click("otherEditorButton");
    EXPECT_EQ(editor(), u"01111");
    p.dialogs.files = QStringList{QStringLiteral("/opt/My Editor/ed")};
    p.click("browseButton");
    p.click("browseButton"); // cancelled
    QTest::keyClicks(p.control<QLineEdit>("editorCommandEdit"), " --new-window"); // after the quoted path
    p.click("defaultEditorButton");
    EXPECT_EQ(editor(), u"10000");

    QStringList heard; // at once, without Apply
    QObject::connect(&*p.dialog, &PreferencesDialog::centreWindowRequested, [&heard] { heard << "centre"; });
    QObject::connect(&*p.dialog, &PreferencesDialog::defaultWindowSizeRequested, [&heard] { heard << "reset"; });
    p.click("centreNowButton");
    p.click("resetButton");
    EXPECT_EQ(heard, (QStringList{"centre", "reset"}));

    p.click("autoStartCheck");
    p.click("applyButton");
    EXPECT_TRUE(QFile::exists(p.s.paths.autostartEntry()));
    EXPECT_EQ(p.ini("Editor", "Path"), QStringLiteral("\"/opt/My Editor/ed\" --new-window"));
    p.click("autoStartCheck"); // and back, with OK below
    p.click("yearPosition1Button"); // the day it displaces takes the year's old place
    p.click("monthPosition3Button");
    EXPECT_EQ(p.dateOrder(), u"ydm");
    p.control<QComboBox>("delimiterList")->setCurrentIndex(2);
    EXPECT_EQ(p.text("numericSample"), u"1998.25.12 ");
    EXPECT_EQ(p.text("monthNameSample"), u"1998.25.DEC ");
    p.click("okButton");
    EXPECT_FALSE(p.dialog->isVisible());
    EXPECT_FALSE(QFile::exists(p.s.paths.autostartEntry()));
    EXPECT_TRUE(p.applied.value(1).reloadNeeded); // as the main window hears it
    const Settings &s = p.s.session.settings();
    EXPECT_EQ(QList<int>({s.dayPos, s.monthPos, s.yearPos, s.delimiter}), QList<int>({2, 3, 1, 2}));
}

// Qt's own font dialog: OK on the font it opened with is no choice; another face is.
TEST(PreferencesDialogTest, OkInTheFontDialogWithoutAChangeKeepsTheStoredFace)
{
    Preferences p(1, {}, true); // the default face, which no Linux desktop has
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    EXPECT_EQ(p.text("fontSample"), QStringLiteral("%1, size %2 (the desktop's font)")
                                        .arg(QFontInfo(desktop).family()).arg(desktop.pointSizeF()));
    for (const QFont &font : {QFont(), QFont(QStringLiteral("DejaVu Sans"), 11)}) {
        QTimer::singleShot(0, [font] {
            auto *fonts = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            if (font != QFont())
                fonts->setCurrentFont(font);
            fonts->accept();
        });
        p.click("fontButton");
        p.click("applyButton");
        EXPECT_EQ(p.ini("Display", "FontName") + u' ' + p.ini("Display", "FontSize") + u' ' +
                      QString::number(p.applied.takeLast().redisplayNeeded),
                  font == QFont() ? u"MS Sans Serif 8 0" : u"DejaVu Sans 11 1");
    }
}

TEST(PreferencesDialogTest, TheRemindersPageShowsItsSectionAndApplyStoresItsControls)
{
    Preferences p(1, "[Reminders]\nDaysAhead=90\nKeepInTray=1\n");
    const std::initializer_list<const char *> boxes{"notifyCheck", "keepInTrayCheck", "updateAtMidnightCheck",
                                                    "reloadOnChangeCheck"};
    EXPECT_EQ(p.states(boxes) + QString::number(p.control<QSpinBox>("daysAheadSpin")->value()), u"111160");
    // This platform has no notification area: the box keeps what was stored, and says why.
    EXPECT_EQ(p.states({"daysAheadSpin", "keepInTrayCheck"}, true), u"10");
    EXPECT_EQ(p.control<QWidget>("keepInTrayCheck")->toolTip(), u"this desktop has no notification area");
    p.control<QSpinBox>("daysAheadSpin")->setValue(0);
    p.dialog->setTrayAvailable(true);
    for (const char *box : boxes)
        p.click(box);
    EXPECT_EQ(p.states({"daysAheadSpin"}, true), u"0"); // no notification, no days to set
    p.click("applyButton");
    QString stored;
    for (const char *key : {"Notify", "DaysAhead", "KeepInTray", "UpdateAtMidnight", "ReloadOnChange"})
        stored += p.ini("Reminders", key);
    EXPECT_EQ(stored, u"00000");
}

} // namespace
} // namespace nudgely
