#pragma once

#include "ui/common/TableView.h"

#include <QWidget>

class QAction;
class QMenu;

namespace nudgely {

class DataFileListModel;
class PreferencesDialogs;
class Session;

// The "Data Files " page: the list of data files with their colour samples, and the
// commands that add, create, remove, colour, edit and reload them. The list is a working
// copy until Apply; editing and reloading act at once, on the settings as applied.
class DataFilesPage final : public QWidget {
    Q_OBJECT

public:
    DataFilesPage(Session &session, PreferencesDialogs &dialogs, QWidget *parent = nullptr);

    // Fills the list from the session's data files, dropping unapplied changes.
    void showDataFiles();

    DataFileListModel *model() const { return model_; }
    TableView *listView() const { return listView_; }
    // The events font; the sample columns widen to show "sample" whole in it.
    void setListFont(const QFont &font);
    QMenu *popupMenu() const { return popupMenu_; }

public Q_SLOTS:
    void addFile();
    void newFile();
    void removeFiles();
    void editFiles();
    void setTextColour();
    void setBackgroundColour();
    void reloadFiles();

private:
    void createPopupMenu();
    void addOrCreate(bool existing);
    void listPressed(const ListPlace &place, Qt::MouseButton button);
    void listDoubleClicked(const ListPlace &place);
    void setColour(bool text);
    QString shortenedPath(const QString &path) const;

    Session &session_;
    PreferencesDialogs &dialogs_;
    DataFileListModel *model_ = nullptr;
    TableView *listView_ = nullptr;
    QMenu *popupMenu_ = nullptr;
    QAction *editAction_ = nullptr;
    QAction *removeAction_ = nullptr;
    QAction *textColourAction_ = nullptr;
    QAction *backgroundColourAction_ = nullptr;
    // The row of the last mouse press over the list; -1 for the header or nothing.
    int clickedRow_ = -1;
};

} // namespace nudgely
