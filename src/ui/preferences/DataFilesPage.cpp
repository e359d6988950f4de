#include "ui/preferences/DataFilesPage.h"

#include "config/EditorLauncher.h"
#include "config/Settings.h"
#include "config/WindowGeometry.h"
#include "eventlist/EventListing.h"
#include "events/EventTables.h"
#include "startup/MessageBoxes.h"
#include "ui/main/GridTableModel.h"
#include "ui/main/GridView.h"
#include "ui/main/MenuActions.h"
#include "ui/main/WindowUtilities.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace nudgely {

namespace {

enum DataFilesColumn { PathColumn = 0, FutureColumn = 1, TodayColumn = 2, PastColumn = 3 };
constexpr double PathColumnTwips = 2790;
constexpr double SampleColumnTwips = 600;
const QString Sample = QStringLiteral("sample");

// The colours a newly added or created file gets.
constexpr qint32 NewFileColours[6] = {1, 0, 0, DefaultTodayBack, 16777215, DefaultPastBack};

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    return button;
}

} // namespace

DataFilesPage::DataFilesPage(QWidget *parent) : QWidget(parent), grid_(4)
{
    model_ = new GridTableModel(grid_, this);
    grdDataFiles_ = new GridView(model_, this);
    grdDataFiles_->setObjectName(QStringLiteral("grdDataFiles"));
    grdDataFiles_->setToolTip(QStringLiteral("right click for file and colour operations"));
    const char *headers[] = {"datafile", "future", "today", "past"};
    for (int column = 0; column < 4; ++column)
        grid_.setText(0, column, QLatin1String(headers[column]));
    grid_.setRowCount(2);
    const int twipsPerPixel = ScreenTwipsPerPixel(screen());
    grdDataFiles_->setColumnWidth(PathColumn, TwipsToPixels(PathColumnTwips, twipsPerPixel));
    for (int column = FutureColumn; column <= PastColumn; ++column) {
        grdDataFiles_->setColumnWidth(column, TwipsToPixels(SampleColumnTwips, twipsPerPixel));
        grid_.setColumnAlignment(column, CellAlignment::Centre);
    }
    // Every column in sight; a sample cell shows its colours even when the word is cut.
    int columnsWidth = 0;
    for (int column = PathColumn; column <= PastColumn; ++column)
        columnsWidth += grdDataFiles_->columnWidth(column);
    grdDataFiles_->setMinimumWidth(columnsWidth + grdDataFiles_->verticalScrollBar()->sizeHint().width() +
                                   2 * grdDataFiles_->frameWidth());
    grdDataFiles_->setTextElideMode(Qt::ElideNone);

    auto *group = new QGroupBox(QStringLiteral("Data Files"), this);
    auto *buttons = new QVBoxLayout;
    QPushButton *newFile = Button(group, "btnNewFile", QStringLiteral("Ne&w"), QStringLiteral("create a new datafile"));
    QPushButton *addFile = Button(group, "btnAddFile", QStringLiteral("A&dd"), QStringLiteral("add a datafile"));
    QPushButton *removeFile =
        Button(group, "btnRemoveFile", QStringLiteral("Remo&ve"), QStringLiteral("remove selected datafile(s)"));
    QPushButton *editFile =
        Button(group, "btnEditFile", QStringLiteral("&Edit"), QStringLiteral("edit selected datafile(s)"));
    QPushButton *reloadFile =
        Button(group, "btnReloadFile", QStringLiteral("&Reload"), QStringLiteral("reload all datafiles"));
    for (QPushButton *button : {newFile, addFile, removeFile, editFile, reloadFile})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *inner = new QHBoxLayout(group);
    inner->addWidget(grdDataFiles_, 1);
    inner->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);

    createPopupMenu();
    connect(newFile, &QPushButton::clicked, this, &DataFilesPage::menuNewDatafile_Click);
    connect(addFile, &QPushButton::clicked, this, &DataFilesPage::menuAddDatafile_Click);
    connect(removeFile, &QPushButton::clicked, this, &DataFilesPage::menuRemoveDatafile_Click);
    connect(editFile, &QPushButton::clicked, this, &DataFilesPage::menuEditDatafile_Click);
    connect(reloadFile, &QPushButton::clicked, this, &DataFilesPage::btnReloadFile_Click);
    connect(grdDataFiles_, &GridView::cellPressed, this, &DataFilesPage::gridPressed);
    connect(grdDataFiles_, &GridView::cellDoubleClicked, this, &DataFilesPage::gridDoubleClicked);
    ShowDatafiles();
}

void DataFilesPage::createPopupMenu()
{
    menuDatafilePopup_ = new QMenu(QStringLiteral("DatafilePopup"), this);
    menuDatafilePopup_->setObjectName(QStringLiteral("menuDatafilePopup"));
    connect(AddAction(menuDatafilePopup_, "menuAddDatafile", QStringLiteral("&Add Data File")), &QAction::triggered,
            this, &DataFilesPage::menuAddDatafile_Click);
    connect(AddAction(menuDatafilePopup_, "menuNewDatafile", QStringLiteral("&New Data File")), &QAction::triggered,
            this, &DataFilesPage::menuNewDatafile_Click);
    menuEditDatafile_ = AddAction(menuDatafilePopup_, "menuEditDatafile", QStringLiteral("&Edit Data File(s)"));
    connect(menuEditDatafile_, &QAction::triggered, this, &DataFilesPage::menuEditDatafile_Click);
    menuRemoveDatafile_ = AddAction(menuDatafilePopup_, "menuRemoveDatafile", QStringLiteral("&Remove Data File(s)"));
    connect(menuRemoveDatafile_, &QAction::triggered, this, &DataFilesPage::menuRemoveDatafile_Click);
    menuDatafilePopup_->addSeparator();
    menuSetTextColour_ = AddAction(menuDatafilePopup_, "menuSetTextColour", QStringLiteral("Set &Text Colour"));
    connect(menuSetTextColour_, &QAction::triggered, this, &DataFilesPage::menuSetTextColour_Click);
    menuSetBackColour_ = AddAction(menuDatafilePopup_, "menuSetBackColour", QStringLiteral("Set &Background Colour"));
    connect(menuSetBackColour_, &QAction::triggered, this, &DataFilesPage::menuSetBackColour_Click);
    menuDatafilePopup_->setDefaultAction(menuEditDatafile_);
}

void DataFilesPage::setEventsFont(const QFont &font)
{
    grdDataFiles_->setFont(font);
    grdDataFiles_->horizontalHeader()->setFont(font);
    grdDataFiles_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
}

QString DataFilesPage::shortenedPath(const QString &path) const
{
    // Measured with the page's own font, not the list's.
    const int width = grdDataFiles_->columnWidth(PathColumn) - 8;
    return fontMetrics().elidedText(path, Qt::ElideMiddle, qMax(width, 1));
}

void DataFilesPage::ShowDatafiles()
{
    grid_.setRowCount(1);
    grid_.setRowCount(2);
    WorkingFileNames = QStringList(MaxDataFiles + 1, QString());
    WorkingFileCount = 0;
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        const DataFileEntry &entry = DataFiles[static_cast<std::size_t>(slot)];
        if (!entry.szFileName.isEmpty()) {
            AddDataFileToGrid(entry.szFileName, entry.lngFutureColourF, entry.lngFutureColourB, entry.lngTodayColourF,
                              entry.lngTodayColourB, entry.lngPastColourF, entry.lngPastColourB);
        }
    }
    update();
}

void DataFilesPage::AddDataFileToGrid(const QString &path, qint32 futureText, qint32 futureBack, qint32 todayText,
                                      qint32 todayBack, qint32 pastText, qint32 pastBack)
{
    if (WorkingFileCount < WorkingFileNames.size())
        WorkingFileNames[WorkingFileCount] = path;
    ++WorkingFileCount;
    const int row = grid_.appendRow();
    grid_.setText(row, PathColumn, shortenedPath(path));
    int newRow = row;
    // The first file takes the place of the empty row.
    if (grid_.rowCount() == 3 && grid_.text(1, PathColumn).isEmpty()) {
        grid_.removeRow(1);
        newRow = 1;
    }
    const std::pair<qint32, qint32> colours[] = {{futureText, futureBack}, {todayText, todayBack}, {pastText, pastBack}};
    for (int column = FutureColumn; column <= PastColumn; ++column) {
        grid_.setText(newRow, column, Sample);
        grid_.setCurrentCell(newRow, column);
        grid_.setSelectionForeColour(colours[column - 1].first);
        grid_.setSelectionBackColour(colours[column - 1].second);
    }
    grid_.setCurrentCell(1, FutureColumn);
}

std::vector<DataFileEntry> DataFilesPage::workingFiles() const
{
    std::vector<DataFileEntry> files;
    for (int row = 1; row < grid_.rowCount(); ++row) {
        DataFileEntry entry;
        entry.szFileName = row - 1 < WorkingFileNames.size() ? WorkingFileNames[row - 1] : QString();
        entry.lngFutureColourF = grid_.cell(row, FutureColumn).foreColour;
        entry.lngFutureColourB = grid_.cell(row, FutureColumn).backColour;
        entry.lngTodayColourF = grid_.cell(row, TodayColumn).foreColour;
        entry.lngTodayColourB = grid_.cell(row, TodayColumn).backColour;
        entry.lngPastColourF = grid_.cell(row, PastColumn).foreColour;
        entry.lngPastColourB = grid_.cell(row, PastColumn).backColour;
        files.push_back(entry);
    }
    return files;
}

int DataFilesPage::firstSelectedRow() const
{
    return qMin(grid_.row(), grid_.rowSel());
}

int DataFilesPage::lastSelectedRow() const
{
    return qMax(grid_.row(), grid_.rowSel());
}

void DataFilesPage::addFile(bool existing)
{
    if (grid_.rowCount() - 1 >= MaxDataFiles) {
        ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok,
                       QStringLiteral("Maximum number of datafiles has been reached.\nNo more datafiles can be added."));
        return;
    }
    const QString path = BrowseDataFile(this, existing);
    if (!path.isEmpty()) {
        AddDataFileToGrid(path, NewFileColours[0], NewFileColours[1], NewFileColours[2], NewFileColours[3],
                          NewFileColours[4], NewFileColours[5]);
        if (!existing)
            EditDataFiles({path}, true);
    }
    update();
}

void DataFilesPage::menuAddDatafile_Click()
{
    addFile(true);
}

void DataFilesPage::menuNewDatafile_Click()
{
    addFile(false);
}

void DataFilesPage::menuRemoveDatafile_Click()
{
    const int first = qMax(1, firstSelectedRow());
    const int last = lastSelectedRow();
    if (last < first)
        return;
    QString list;
    for (int row = first; row <= last; ++row) {
        if (!grid_.text(row, PathColumn).isEmpty())
            list += QStringLiteral("\n     ") + grid_.text(row, PathColumn);
    }
    const MessageAnswer answer =
        ShowMessageBox(MessageIcon::Question, MessageButtons::YesNoCancel,
                       QStringLiteral("Are you sure you want to remove the following data files:") + list);
    if (answer != MessageAnswer::Yes)
        return;
    for (int row = last; row >= first; --row) {
        // The list keeps at least one row, empty if need be.
        if (grid_.rowCount() == 2)
            grid_.appendRow();
        grid_.removeRow(row);
    }
    const int count = last - first + 1;
    for (int i = first - 1; i < WorkingFileNames.size(); ++i)
        WorkingFileNames[i] = i + count < WorkingFileNames.size() ? WorkingFileNames[i + count] : QString();
    WorkingFileCount = qMax(0, WorkingFileCount - count);
}

void DataFilesPage::menuEditDatafile_Click()
{
    QStringList paths;
    if (Settings.UseDefault != 1 && Settings.MultiFile != 0) {
        // An editor that takes several files gets every selected one, in row order.
        for (int row = qMax(1, firstSelectedRow()); row <= lastSelectedRow(); ++row) {
            if (row - 1 < WorkingFileNames.size() && !WorkingFileNames[row - 1].isEmpty())
                paths.append(WorkingFileNames[row - 1]);
        }
    } else if (ClickedRow > 0 && ClickedRow - 1 < WorkingFileNames.size() &&
               !WorkingFileNames[ClickedRow - 1].isEmpty()) {
        paths.append(WorkingFileNames[ClickedRow - 1]);
    }
    if (paths.isEmpty()) {
        ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok, QStringLiteral("No datafile(s) selected for editing!"));
        return;
    }
    EditDataFiles(paths, false);
}

void DataFilesPage::gridDoubleClicked(int row)
{
    // One file, whatever the editor could take: the row under the pointer, which the first
    // click of the two has made the current one.
    if (row >= 1 && row - 1 < WorkingFileNames.size() && !WorkingFileNames[row - 1].isEmpty())
        EditDataFiles({WorkingFileNames[row - 1]}, false);
}

void DataFilesPage::gridPressed(int row, int column, Qt::MouseButton button)
{
    ClickedRow = qMax(0, row);
    ClickedCol = qMax(0, column);
    if (button != Qt::RightButton)
        return;
    grdDataFiles_->setFocus(Qt::MouseFocusReason);
    const QList<QAction *> fileItems = {menuEditDatafile_, menuRemoveDatafile_, menuSetTextColour_, menuSetBackColour_};
    for (QAction *action : menuDatafilePopup_->actions())
        action->setEnabled(true);
    if (row < 0 || column < 0 || !grid_.selectionContains(row, column)) {
        if (ClickedRow != 0) {
            grid_.setCurrentCell(row, column);
        } else {
            for (QAction *action : fileItems)
                action->setEnabled(false);
        }
    }
    // The empty row holds no file to work on.
    if (grid_.row() == grid_.rowSel() && grid_.text(grid_.row(), PathColumn).isEmpty()) {
        for (QAction *action : fileItems)
            action->setEnabled(false);
    }
    if (ClickedCol == PathColumn) {
        menuSetTextColour_->setEnabled(false);
        menuSetBackColour_->setEnabled(false);
    }
    menuDatafilePopup_->popup(QCursor::pos());
}

void DataFilesPage::setColour(bool text)
{
    const int column = grid_.column();
    const int colSel = grid_.colSel();
    const int row = grid_.row();
    const int rowSel = grid_.rowSel();
    grid_.setCurrentColumn(column);
    grid_.setCurrentRow(row);

    const GridCell &current = grid_.cell(row, column);
    const qint32 stored = text ? current.foreColour : current.backColour;
    // Black is stored as 1, since 0 means the list's standard colour.
    const auto chosen = CurrentPreferencesDialogs().chooseColour(this, ColourFromValue(stored == 1 ? 0 : stored));
    if (!chosen)
        return;
    qint32 value = ValueFromColour(*chosen);
    if (value == 0)
        value = 1;

    const auto colourSelection = [this, text](qint32 colour) {
        if (text)
            grid_.setSelectionForeColour(colour);
        else
            grid_.setSelectionBackColour(colour);
    };
    grid_.setCurrentCell(row, column);
    grid_.setSelectionEnd(rowSel, colSel);
    colourSelection(value);
    // The path column never keeps a colour.
    grid_.setCurrentCell(1, PathColumn);
    grid_.setSelectionEnd(grid_.rowCount() - 1, PathColumn);
    colourSelection(0);
    grid_.setCurrentCell(row, column);
    grid_.setSelectionEnd(rowSel, colSel);
}

void DataFilesPage::menuSetTextColour_Click()
{
    setColour(true);
}

void DataFilesPage::menuSetBackColour_Click()
{
    setColour(false);
}

void DataFilesPage::btnReloadFile_Click()
{
    // From the settings as applied: changes not yet applied are not read.
    LoadEvents();
}

} // namespace nudgely
