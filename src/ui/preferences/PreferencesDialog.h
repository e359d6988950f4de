#pragma once

#include "config/PreferencesApply.h"

#include <QDialog>
#include <QRect>

class QTabWidget;

namespace nudgely {

class DataFilesPage;
class DateFormatPage;
class EditorPage;
class EventsPage;
class WindowsPage;
class frmMain;

// The preferences dialog: five pages of working values that reach the settings only with
// Apply or OK. It is loaded, hidden, when the main window starts, and keeps its position.
class frmOptions final : public QDialog {
    Q_OBJECT

public:
    explicit frmOptions(frmMain *owner);

    // Fills every control from the settings and shows the dialog modally.
    void ShowCurrentSettings();
    // The filling alone.
    void FillFromSettings();
    // Stores the dialog's position; it runs once, when the dialog goes.
    void Form_Unload();

    void btnApply_Click();
    void btnOK_Click();
    void btnCancel_Click();
    void btnCentreNow_Click();
    void btnReset_Click();

    // What the controls hold, as Apply takes it.
    WorkingPreferences working() const;
    void setEventsFont(const QFont &font);

    QTabWidget *tabs() const { return tabs_; }
    DataFilesPage *dataFilesPage() const { return dataFiles_; }
    DateFormatPage *dateFormatPage() const { return dateFormat_; }
    EventsPage *eventsPage() const { return events_; }
    WindowsPage *windowsPage() const { return windows_; }
    EditorPage *editorPage() const { return editor_; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    frmMain *owner_;
    QTabWidget *tabs_ = nullptr;
    DataFilesPage *dataFiles_ = nullptr;
    DateFormatPage *dateFormat_ = nullptr;
    EventsPage *events_ = nullptr;
    WindowsPage *windows_ = nullptr;
    EditorPage *editor_ = nullptr;
    // The position as read, kept while the dialog has not moved, so that nothing drifts.
    double setLeftTwips_ = 0;
    double setTopTwips_ = 0;
    QPoint setPosition_;
    int twipsPerPixel_ = 15;
    bool unloaded_ = false;
};

} // namespace nudgely
