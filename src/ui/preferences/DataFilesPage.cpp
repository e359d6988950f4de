#include "ui/preferences/DataFilesPage.h"

#include "app/Session.h"
#include "config/SettingsStore.h"
#include "config/WindowGeometry.h"
#include "ui/common/Colours.h"
#include "ui/common/MenuActions.h"
#include "ui/common/ScreenMetrics.h"
#include "ui/preferences/DataFileListModel.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace nudgely {

namespace {

// Paths are shortened in the middle, where they are least telling; the samples are never
// cut, so that each shows its colours whatever its width.
class PathDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideMiddle;
    }
};

constexpr double PathColumnTwips = 2790;
constexpr double SampleColumnTwips = 600;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    return button;
}

} // namespace

DataFilesPage::DataFilesPage(Session &session, PreferencesDialogs &dialogs, QWidget *parent)
    : QWidget(parent), session_(session), dialogs_(dialogs)
{
    model_ = new DataFileListModel(this);
    listView_ = new TableView(this);
    listView_->setObjectName(QStringLiteral("dataFileList"));
    listView_->setModel(model_);
    listView_->setToolTip(QStringLiteral("right click for file and colour operations"));
    listView_->setTextElideMode(Qt::ElideNone);
    listView_->setItemDelegateForColumn(DataFileListModel::PathColumn, new PathDelegate(listView_));
    model_->setStandardColours(listView_->standardText(), listView_->standardBackground());
    connect(listView_, &TableView::lookChanged, this,
            [this] { model_->setStandardColours(listView_->standardText(), listView_->standardBackground()); });
    setListFont(listView_->font());

    auto *group = new QGroupBox(QStringLiteral("Data Files"), this);
    QPushButton *newButton = button(group, "newButton", QStringLiteral("Ne&w"), QStringLiteral("create a new datafile"));
    QPushButton *addButton = button(group, "addButton", QStringLiteral("A&dd"), QStringLiteral("add a datafile"));
    QPushButton *removeButton =
        button(group, "removeButton", QStringLiteral("Remo&ve"), QStringLiteral("remove selected datafile(s)"));
    QPushButton *editButton =
        button(group, "editButton", QStringLiteral("&Edit"), QStringLiteral("edit selected datafile(s)"));
    QPushButton *reloadButton =
        button(group, "reloadButton", QStringLiteral("&Reload"), QStringLiteral("reload all datafiles"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {newButton, addButton, removeButton, editButton, reloadButton})
        buttons->addWidget(each);
    buttons->addStretch();
    auto *inner = new QHBoxLayout(group);
    inner->addWidget(listView_, 1);
    inner->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);

    createPopupMenu();
    connect(newButton, &QPushButton::clicked, this, &DataFilesPage::newFile);
    connect(addButton, &QPushButton::clicked, this, &DataFilesPage::addFile);
    connect(removeButton, &QPushButton::clicked, this, &DataFilesPage::removeFiles);
    connect(editButton, &QPushButton::clicked, this, &DataFilesPage::editFiles);
    connect(reloadButton, &QPushButton::clicked, this, &DataFilesPage::reloadFiles);
    connect(listView_, &TableView::pressed, this, &DataFilesPage::listPressed);
    connect(listView_, &TableView::doubleClicked, this, &DataFilesPage::listDoubleClicked);
    showDataFiles();
}

void DataFilesPage::createPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("dataFilePopupMenu"));
    connect(addMenuItem(popupMenu_, "addFileAction", QStringLiteral("&Add Data File")), &QAction::triggered, this,
            &DataFilesPage::addFile);
    connect(addMenuItem(popupMenu_, "newFileAction", QStringLiteral("&New Data File")), &QAction::triggered, this,
            &DataFilesPage::newFile);
    editAction_ = addMenuItem(popupMenu_, "editFilesAction", QStringLiteral("&Edit Data File(s)"));
    connect(editAction_, &QAction::triggered, this, &DataFilesPage::editFiles);
    removeAction_ = addMenuItem(popupMenu_, "removeFilesAction", QStringLiteral("&Remove Data File(s)"));
    connect(removeAction_, &QAction::triggered, this, &DataFilesPage::removeFiles);
    popupMenu_->addSeparator();
    textColourAction_ = addMenuItem(popupMenu_, "textColourAction", QStringLiteral("Set &Text Colour"));
    connect(textColourAction_, &QAction::triggered, this, &DataFilesPage::setTextColour);
    backgroundColourAction_ = addMenuItem(popupMenu_, "backgroundColourAction", QStringLiteral("Set &Background Colour"));
    connect(backgroundColourAction_, &QAction::triggered, this, &DataFilesPage::setBackgroundColour);
    popupMenu_->setDefaultAction(editAction_);
}

void DataFilesPage::setListFont(const QFont &font)
{
    listView_->setListFont(font);
    const int perPixel = screenTwipsPerPixel(screen());
    listView_->setColumnWidth(DataFileListModel::PathColumn, twipsToPixels(PathColumnTwips, perPixel));
    int columnsWidth = listView_->columnWidth(DataFileListModel::PathColumn);
    const int sampleWidth = listView_->cellWidthFor(QStringLiteral("sample"));
    for (int column = DataFileListModel::FutureColumn; column <= DataFileListModel::PastColumn; ++column) {
        const int header = listView_->horizontalHeader()->sectionSizeHint(column);
        listView_->setColumnWidth(column, std::max({twipsToPixels(SampleColumnTwips, perPixel), sampleWidth, header}));
        columnsWidth += listView_->columnWidth(column);
    }
    // Every column in sight.
    listView_->setMinimumWidth(columnsWidth + listView_->verticalScrollBar()->sizeHint().width() +
                               2 * listView_->frameWidth());
}

QString DataFilesPage::shortenedPath(const QString &path) const
{
    // Measured with the page's own font, not the list's.
    const int width = listView_->columnWidth(DataFileListModel::PathColumn) - 8;
    return fontMetrics().elidedText(path, Qt::ElideMiddle, qMax(width, 1));
}

void DataFilesPage::showDataFiles()
{
    model_->setFiles(session_.dataFiles());
    listView_->setCurrentIndex(model_->index(0, DataFileListModel::FutureColumn));
}

void DataFilesPage::addOrCreate(bool existing)
{
    if (model_->fileCount() >= MaxDataFiles) {
        session_.messages().warn(dataFilesFullText());
        return;
    }
    session_.showStatus(QString());
    const QString path = existing ? dialogs_.openDataFile(this) : dialogs_.newDataFile(this);
    if (path.isEmpty())
        return;
    if (const auto refusal = dataFilePathRefusal(path)) {
        session_.messages().warn(*refusal);
        return;
    }
    model_->addFile({path, NewFileColours});
    listView_->setCurrentIndex(model_->index(0, DataFileListModel::FutureColumn));
    if (!existing)
        session_.editDataFiles({path}, true);
}

void DataFilesPage::addFile()
{
    addOrCreate(true);
}

void DataFilesPage::newFile()
{
    addOrCreate(false);
}

void DataFilesPage::removeFiles()
{
    const QRect block = listView_->selectedBlock();
    if (block.isEmpty())
        return;
    QString list;
    for (int row = block.top(); row <= block.bottom(); ++row) {
        if (!model_->path(row).isEmpty())
            list += QStringLiteral("\n     ") + shortenedPath(model_->path(row));
    }
    if (!session_.messages().confirm(QStringLiteral("Are you sure you want to remove the following data files:") + list))
        return;
    model_->removeFiles(block.top(), block.bottom());
}

void DataFilesPage::editFiles()
{
    const Settings &settings = session_.settings();
    QStringList paths;
    if (settings.useDefaultEditor != 1 && settings.multiFile != 0) {
        // An editor that takes several files gets every selected one, in row order.
        const QRect block = listView_->selectedBlock();
        for (int row = block.top(); row <= block.bottom(); ++row) {
            if (!model_->path(row).isEmpty())
                paths.append(model_->path(row));
        }
    } else if (!model_->path(clickedRow_).isEmpty()) {
        paths.append(model_->path(clickedRow_));
    }
    if (paths.isEmpty()) {
        session_.messages().warn(QStringLiteral("No datafile(s) selected for editing!"));
        return;
    }
    session_.editDataFiles(paths, false);
}

void DataFilesPage::listDoubleClicked(const ListPlace &place)
{
    // One file, whatever the editor could take: the row under the pointer.
    if (place.isCell() && !model_->path(place.row).isEmpty())
        session_.editDataFiles({model_->path(place.row)}, false);
}

void DataFilesPage::listPressed(const ListPlace &place, Qt::MouseButton button)
{
    clickedRow_ = place.isCell() ? place.row : -1;
    if (button != Qt::RightButton)
        return;
    listView_->setFocus(Qt::MouseFocusReason);
    for (QAction *action : popupMenu_->actions())
        action->setEnabled(true);
    const QList<QAction *> fileActions = {editAction_, removeAction_, textColourAction_, backgroundColourAction_};
    const QModelIndex index = place.isCell() ? model_->index(place.row, place.column) : QModelIndex();
    if (!index.isValid() || !listView_->selectedBlock().contains(index.column(), index.row())) {
        if (index.isValid()) {
            listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        } else {
            for (QAction *action : fileActions)
                action->setEnabled(false);
        }
    }
    // The empty row holds no file to work on.
    const QRect block = listView_->selectedBlock();
    if (block.height() == 1 && model_->path(block.top()).isEmpty()) {
        for (QAction *action : fileActions)
            action->setEnabled(false);
    }
    if (place.column == DataFileListModel::PathColumn) {
        textColourAction_->setEnabled(false);
        backgroundColourAction_->setEnabled(false);
    }
    popupMenu_->popup(QCursor::pos());
}

void DataFilesPage::setColour(bool text)
{
    const QRect block = listView_->selectedBlock();
    const QModelIndex current = listView_->currentIndex();
    if (!current.isValid())
        return;
    // The dialog works on the current cell; cancelled, the selection stays reduced to it.
    listView_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    const qint32 stored = model_->colour(current.row(), current.column(), text);
    // Black is stored as 1, since 0 means the list's standard colour.
    const auto chosen = dialogs_.chooseColour(this, colourFromValue(stored == 1 ? 0 : stored));
    if (!chosen)
        return;
    const qint32 value = valueFromColour(*chosen);
    model_->setColour(block.top(), block.bottom(), block.left(), block.right(), text, value == 0 ? 1 : value);
    listView_->selectionModel()->select(
        QItemSelection(model_->index(block.top(), block.left()), model_->index(block.bottom(), block.right())),
        QItemSelectionModel::ClearAndSelect);
}

void DataFilesPage::setTextColour()
{
    setColour(true);
}

void DataFilesPage::setBackgroundColour()
{
    setColour(false);
}

void DataFilesPage::reloadFiles()
{
    // From the settings as applied: changes not yet applied are not read.
    session_.reloadDataFiles();
}

} // namespace nudgely
