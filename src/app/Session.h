#pragma once

#include "app/AppPaths.h"
#include "app/EditorLauncher.h"
#include "app/MessagePresenter.h"
#include "config/DataFileList.h"
#include "config/PreferencesApply.h"
#include "config/Settings.h"
#include "config/WindowGeometry.h"
#include "eventlist/EventList.h"
#include "eventlist/Sorting.h"
#include "events/Clock.h"
#include "events/DateFormat.h"
#include "events/EventTable.h"

#include <QObject>

namespace nudgely {

// A data file that could not be read, or not whole, and why.
struct DataFileProblem {
    QString path;
    QString reason;
};

// What happened to the list's rows. Renewed is a rebuild the user did not ask for (a new
// day, a data file changed on disk): the view keeps its place.
enum class ListChange { Rebuilt, Sorted, Renewed };

// Everything one run of Nudgely works on: its configuration file, the settings and data
// files read from it, the events read from those, and the list made of them. The window
// and --list both drive it; it says what it is doing through statusMessage.
class Session final : public QObject {
    Q_OBJECT

public:
    Session(AppPaths paths, QString configPath, MessagePresenter &messages, QObject *parent = nullptr);

    // Carries the settings of the Windows version over when that is due, then reads the
    // settings and the data file list, and whether Nudgely starts at login. False when that
    // needed a write to the configuration file that failed; the user has been told.
    bool loadConfiguration();

    // The load chain: every data file read again, every date resolved, the list rebuilt.
    void reloadDataFiles();
    // The same for data files changed on disk: the list is renewed.
    void reloadChangedDataFiles();
    // With the update at midnight on, when today is no longer the day the events were resolved
    // for, they are resolved for it and the list renewed, without reading the files. A new day
    // is told of once, renewed or not. Says whether either happened.
    bool checkForNewDay();
    // The list rebuilt from the events as last resolved, by the current settings.
    void refresh();
    void sortBy(const SortOrder &order);
    // A period for this run in place of the settings' own; never stored.
    void setListPeriod(const ListPeriod &period) { period_ = period; }

    // Stores the preferences dialog's values, switches the autostart entry when its box
    // changed, saves the settings (whether anything changed or not) and reloads or
    // redisplays as needed.
    ApplyOutcome applyPreferences(const WorkingPreferences &working);

    // Writes the birthdays and anniversaries of a vCard file as a new data file, adds it to
    // the data file list as the preferences would, and reads the files again; says what it
    // came to, or why nothing was written. Refused when the list is full.
    bool importContacts(const QString &vcardPath, const QString &target);
    // All 20 slots hold a file: no data file can be added.
    bool dataFileListFull() const;

    // Opens data files in the configured editor.
    void editDataFiles(const QStringList &paths, bool newFile);
    // Started with /I FILE: the autostart entry starts Nudgely with the same file.
    void setConfigurationNamed(bool named) { configurationNamed_ = named; }
    void setProgramLauncher(ProgramLauncher *launcher) { launcher_ = launcher ? launcher : &processLauncher_; }

    StoredWindowGeometry storedWindowGeometry() const;
    // A failure goes unreported: the window is closing, and its geometry is all it loses.
    void saveWindowGeometry(const WindowGeometryToSave &geometry);
    DialogPosition storedDialogPosition() const;
    void saveDialogPosition(double left, double top);

    // The status bar's one line: what is being done, or how it ended.
    void showStatus(const QString &message);

    const AppPaths &paths() const { return paths_; }
    const QString &configPath() const { return configPath_; }
    MessagePresenter &messages() { return messages_; }
    Clock &clock() { return clock_; }
    const Settings &settings() const { return settings_; }
    const ReminderSettings &reminders() const { return reminders_; }
    // The day the events were last resolved for; null before the first time.
    const QDate &resolvedFor() const { return resolvedFor_; }
    DateFormat dateFormat() const;
    const DataFileList &dataFiles() const { return files_; }
    const EventTable &table() const { return table_; }
    const EventList &list() const { return list_; }
    // The problems of the last read, in slot order; each file may have several.
    const std::vector<DataFileProblem> &problems() const { return problems_; }
    // The list's summary, and what the problems came to when there were any.
    QString summaryText() const;
    const SortOrder &sortOrder() const { return sortOrder_; }

Q_SIGNALS:
    void statusMessage(const QString &message);
    // Around long work, for the busy pointer.
    void busyChanged(bool busy);
    // Around every change of the list's rows: a rebuild or a sort.
    void listAboutToChange();
    void listChanged(ListChange change);
    // After every read of the data files; an editor may have replaced them since the last.
    void dataFilesRead();
    // The events were resolved for a new day while running.
    void dayChanged();

private:
    void load(ListChange change);
    void readDataFiles();
    void resolve();
    void rebuildList();
    void sortList();
    void saveSettings();

    AppPaths paths_;
    QString configPath_;
    MessagePresenter &messages_;
    ProcessLauncher processLauncher_;
    ProgramLauncher *launcher_ = &processLauncher_;
    Clock clock_;
    Settings settings_;
    ReminderSettings reminders_;
    DataFileList files_;
    EventTable table_;
    EventList list_{table_};
    SortOrder sortOrder_;
    ListPeriod period_;
    std::vector<DataFileProblem> problems_;
    QDate resolvedFor_;
    QDate daySeen_; // the last day told of, from the first resolving on
    bool configurationNamed_ = false;
    int filesNotRead_ = 0;
    int filesReadInPart_ = 0;
    int eventsNotLoaded_ = 0;
};

} // namespace nudgely
