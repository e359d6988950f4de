#pragma once

#include "config/PreferencesApply.h"
#include "ui/preferences/PreferencesDialogs.h"

#include <QDialog>

class QTabWidget;

namespace nudgely {

class DataFilesPage;
class DateFormatPage;
class EditorPage;
class EventsPage;
class RemindersPage;
class Session;
class WindowsPage;

// The preferences dialog: six pages of working values that reach the settings only with
// Apply or OK. It keeps its position; the close box unloads it.
class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    // dialogs answers the file, colour and font dialogs; Qt's own when it is null.
    PreferencesDialog(Session &session, PreferencesDialogs *dialogs, QWidget *owner);

    // Fills every control from the settings and shows the dialog modally.
    void showCurrentSettings();
    // The filling alone.
    void fillFromSettings();
    // What the controls hold, as Apply takes it.
    WorkingPreferences working() const;
    void setListFont(const QFont &font);
    // Whether the desktop has a notification area for Nudgely to stay in.
    void setTrayAvailable(bool available);
    // Stores the dialog's position; it runs once, when the dialog goes.
    void storePosition();

    QTabWidget *tabs() const { return tabs_; }
    DataFilesPage *dataFilesPage() const { return dataFiles_; }
    DateFormatPage *dateFormatPage() const { return dateFormat_; }
    EventsPage *eventsPage() const { return events_; }
    WindowsPage *windowsPage() const { return windows_; }
    EditorPage *editorPage() const { return editor_; }
    RemindersPage *remindersPage() const { return reminders_; }

public Q_SLOTS:
    void apply();
    void applyAndClose();
    void cancel();

Q_SIGNALS:
    // After Apply has stored the values and reloaded or redisplayed the list.
    void applied(const ApplyOutcome &outcome);
    // "Centre Now" and "Reset" act on the main window at once.
    void centreWindowRequested();
    void defaultWindowSizeRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void restorePosition();
    void placeOnceFramesAreKnown();

    Session &session_;
    QtPreferencesDialogs qtDialogs_;
    PreferencesDialogs &dialogs_;
    QTabWidget *tabs_ = nullptr;
    DataFilesPage *dataFiles_ = nullptr;
    DateFormatPage *dateFormat_ = nullptr;
    EventsPage *events_ = nullptr;
    WindowsPage *windows_ = nullptr;
    EditorPage *editor_ = nullptr;
    RemindersPage *reminders_ = nullptr;
    // The position as read, kept while the dialog has not moved, so that nothing drifts.
    double setLeftTwips_ = 0;
    double setTopTwips_ = 0;
    QPoint setPosition_;
    int twipsPerPixel_ = 15;
    bool positionStored_ = false;
    bool shownOnce_ = false;
};

} // namespace nudgely
