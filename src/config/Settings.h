#pragma once

#include <QString>

namespace nudgely {

// The user's preferences, each starting at its configuration key's default. Values are
// kept as the file gives them, unchecked: a hand-edited FilterLength of 200 stays 200.
struct Settings {
    quint8 filter = 1;       // 1: list only the events within the period around today
    quint8 filterLength = 6; // look-ahead, in weeks
    quint8 showMissed = 1;   // 1: the period also reaches back missedLength days
    quint8 missedLength = 7; // look-back, in days
    quint8 centre = 1;       // 1: the main window opens centred and its position is not kept
    QString fontName = QStringLiteral("MS Sans Serif");
    qint16 fontSize = 8;     // points
    quint8 fontStyle = 0;    // bit 0 bold, bit 1 italic
    quint8 hideUnknown = 0;  // 1: leave unreadable dates out of the list
    quint8 appendToAge = 1;  // 1: ages with their ordinal suffix
    quint8 delimiter = 0;    // index into "/", "-", "."
    quint8 dayPos = 1;       // positions 1 to 3 of the date elements
    quint8 monthPos = 2;
    quint8 yearPos = 3;
    quint8 useDefaultEditor = 1; // 1: edit data files with the desktop's default application
    QString editorPath;          // the user's own editor: a command line, as typed
    quint8 multiFile = 0;        // 1: that editor takes several files at once
    bool autoStart = false;      // the autostart entry exists; never stored in the file

    bool operator==(const Settings &) const = default;
};

// What Nudgely does beyond showing the list, each with a switch: all off, it shows the list
// and nothing more. Kept in a section of its own, which older files do not have.
struct ReminderSettings {
    quint8 notify = 1;           // 1: a desktop notification of what is due, at start and each new day
    quint8 daysAhead = 3;        // how far that notification looks ahead; 0 is today only
    quint8 keepInTray = 0;       // 1: closing the window leaves Nudgely in the notification area
    quint8 updateAtMidnight = 1; // 1: a new day while running lists the events anew
    quint8 reloadOnChange = 1;   // 1: a changed data file is read again

    bool operator==(const ReminderSettings &) const = default;
};

} // namespace nudgely
