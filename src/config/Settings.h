#pragma once

#include "events/EventRecord.h"

#include <QString>

#include <array>

namespace nudgely {

// The user's preferences; each field is named after its configuration key and starts at
// that key's default.
struct SettingsRecord {
    quint8 Filter = 1;       // 1: list only the events within the period around today
    quint8 FilterLength = 6; // look-ahead, in weeks
    quint8 ShowMissed = 1;   // 1: the period also reaches back MissedLength days
    quint8 MissedLength = 7; // look-back, in days
    quint8 Centre = 1;       // 1: the main window opens centred and its position is not kept
    QString FontName = QStringLiteral("MS Sans Serif");
    qint16 FontSize = 8;     // points
    quint8 FontStyle = 0;    // bit 0 bold, bit 1 italic
    quint8 HideUnknown = 0;  // 1: leave bad dates out of the list
    quint8 AppendToAge = 1;  // 1: ages with their ordinal suffix
    quint8 Delimiter = 0;    // index into "/", "-", "."
    quint8 DayPos = 1;       // positions 1 to 3 of the date elements
    quint8 MonthPos = 2;
    quint8 YearPos = 3;
    quint8 UseDefault = 1;   // 1: edit data files with the desktop's default editor
    QString Path;            // the user's own editor
    quint8 MultiFile = 0;    // 1: that editor takes several files at once
    quint8 AutoStart = 0;    // mirrors the autostart entry; never stored in the file
};

extern SettingsRecord Settings;

// Per-key colour defaults: standard text on white, light yellow and light grey.
inline constexpr qint32 DefaultFutureBack = 16777215;
inline constexpr qint32 DefaultTodayBack = 65535;
inline constexpr qint32 DefaultPastBack = 12632256;

// The six colour keys of a data file slot n, in the order they are read and written: the
// key is n followed by the suffix ("1Fore"), in the section named.
struct ColourKey {
    const char *section;
    const char *suffix;
    qint32 DataFileEntry::*field;
    qint32 defaultValue;
};
inline constexpr std::array<ColourKey, 6> ColourKeys = {{
    {"ColoursFuture", "Fore", &DataFileEntry::lngFutureColourF, 0},
    {"ColoursFuture", "Back", &DataFileEntry::lngFutureColourB, DefaultFutureBack},
    {"ColoursToday", "Fore", &DataFileEntry::lngTodayColourF, 0},
    {"ColoursToday", "Back", &DataFileEntry::lngTodayColourB, DefaultTodayBack},
    {"ColoursPast", "Fore", &DataFileEntry::lngPastColourF, 0},
    {"ColoursPast", "Back", &DataFileEntry::lngPastColourB, DefaultPastBack},
}};

// "1File" ... "20File" in section DataFiles.
QString DataFileKey(int slot);
QString ColourKeyName(int slot, const ColourKey &key);

// Reads Settings and DataFiles from IniFilePath, and AutoStart from the autostart entry.
void LoadSettings();

// Writes Settings (without AutoStart) and DataFiles to IniFilePath.
void SaveSettings();

} // namespace nudgely
