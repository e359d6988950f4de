#pragma once

#include "config/DataFileList.h"
#include "config/DateOrderChoice.h"
#include "config/Settings.h"

#include <QString>

#include <vector>

namespace nudgely {

// Everything the preferences dialog shows, as its controls hold it: the working copy that
// Apply stores.
struct WorkingPreferences {
    std::vector<DataFile> files; // the data file list, top to bottom; a row without a file has an empty path
    bool hideUnknown = false;
    bool appendToAge = true;
    int delimiter = 0; // the list's index, -1 when nothing is selected
    DateOrderChoice dateOrder;
    bool filter = true;
    int filterLength = 6;
    bool showMissed = true;
    int missedLength = 7;
    bool centre = true; // "Centre Nudgely on the Screen"
    bool autoStart = false;
    bool useDefaultEditor = true;
    QString editorPath;
    bool multiFile = false;
    QString fontName;
    double fontSize = 8; // points; whole points are stored
    bool bold = false;
    bool italic = false;
    ReminderSettings reminders;
};

struct ApplyOutcome {
    bool reloadNeeded = false;     // data files, delimiter or element order changed
    bool redisplayNeeded = false;  // something shown changed
    bool autoStartChanged = false; // the autostart entry is to be written or removed
    bool remindersChanged = false;
};

// Copies the working values into the settings and the data file list. Nothing is
// validated or refused. Says what has to be read, shown or switched again.
ApplyOutcome applyPreferences(const WorkingPreferences &working, Settings &settings, DataFileList &files,
                              ReminderSettings &reminders);

} // namespace nudgely
