#pragma once

#include <QLatin1String>
#include <QString>

namespace nudgely {

// A key of the configuration file: a section and a name, matched without regard to case.
struct ConfigKey {
    QLatin1String section;
    QLatin1String name;
};

// A key that every data file slot has: the slot number in decimal, then the suffix, in its
// section ("1File" in DataFiles, "12Back" in ColoursPast).
struct SlotKey {
    QLatin1String section;
    QLatin1String suffix;

    QString nameFor(int slot) const { return QString::number(slot) + suffix; }
};

// Every key the program reads or writes, spelled as the file has always spelled them. No
// other place names a key.
namespace ConfigKeys {

inline constexpr QLatin1String Display("Display");
inline constexpr QLatin1String DateFormat("DateFormat");
inline constexpr QLatin1String Editor("Editor");

inline constexpr ConfigKey Filter{Display, QLatin1String("Filter")};
inline constexpr ConfigKey FilterLength{Display, QLatin1String("FilterLength")};
inline constexpr ConfigKey ShowMissed{Display, QLatin1String("ShowMissed")};
inline constexpr ConfigKey MissedLength{Display, QLatin1String("MissedLength")};
inline constexpr ConfigKey Centre{Display, QLatin1String("Centre")};
inline constexpr ConfigKey FontName{Display, QLatin1String("FontName")};
inline constexpr ConfigKey FontSize{Display, QLatin1String("FontSize")};
inline constexpr ConfigKey FontStyle{Display, QLatin1String("FontStyle")};
inline constexpr ConfigKey HideUnknown{Display, QLatin1String("HideUnknown")};
inline constexpr ConfigKey AppendToAge{Display, QLatin1String("AppendToAge")};
inline constexpr ConfigKey Delimiter{DateFormat, QLatin1String("Delimiter")};
inline constexpr ConfigKey DayPos{DateFormat, QLatin1String("DayPos")};
inline constexpr ConfigKey MonthPos{DateFormat, QLatin1String("MonthPos")};
inline constexpr ConfigKey YearPos{DateFormat, QLatin1String("YearPos")};
inline constexpr ConfigKey UseDefaultEditor{Editor, QLatin1String("UseDefault")};
inline constexpr ConfigKey EditorPath{Editor, QLatin1String("Path")};
inline constexpr ConfigKey MultiFile{Editor, QLatin1String("MultiFile")};

inline constexpr QLatin1String Reminders("Reminders");
inline constexpr ConfigKey Notify{Reminders, QLatin1String("Notify")};
inline constexpr ConfigKey DaysAhead{Reminders, QLatin1String("DaysAhead")};
inline constexpr ConfigKey KeepInTray{Reminders, QLatin1String("KeepInTray")};
inline constexpr ConfigKey UpdateAtMidnight{Reminders, QLatin1String("UpdateAtMidnight")};
inline constexpr ConfigKey ReloadOnChange{Reminders, QLatin1String("ReloadOnChange")};

inline constexpr SlotKey DataFile{QLatin1String("DataFiles"), QLatin1String("File")};
inline constexpr SlotKey FutureText{QLatin1String("ColoursFuture"), QLatin1String("Fore")};
inline constexpr SlotKey FutureBack{QLatin1String("ColoursFuture"), QLatin1String("Back")};
inline constexpr SlotKey TodayText{QLatin1String("ColoursToday"), QLatin1String("Fore")};
inline constexpr SlotKey TodayBack{QLatin1String("ColoursToday"), QLatin1String("Back")};
inline constexpr SlotKey PastText{QLatin1String("ColoursPast"), QLatin1String("Fore")};
inline constexpr SlotKey PastBack{QLatin1String("ColoursPast"), QLatin1String("Back")};

// Written by the windows themselves: the main window's geometry and column widths, and
// the preferences dialog's position.
inline constexpr ConfigKey WindowWidth{Display, QLatin1String("frmWidth")};
inline constexpr ConfigKey WindowHeight{Display, QLatin1String("frmHeight")};
inline constexpr ConfigKey WindowLeft{Display, QLatin1String("frmLeft")};
inline constexpr ConfigKey WindowTop{Display, QLatin1String("frmTop")};
inline constexpr ConfigKey WindowMaximised{Display, QLatin1String("frmMax")};
inline constexpr ConfigKey ColumnWidths[5] = {
    {Display, QLatin1String("Col0")}, {Display, QLatin1String("Col1")}, {Display, QLatin1String("Col2")},
    {Display, QLatin1String("Col3")}, {Display, QLatin1String("Col4")}};
inline constexpr ConfigKey PreferencesLeft{Display, QLatin1String("frmOLeft")};
inline constexpr ConfigKey PreferencesTop{Display, QLatin1String("frmOTop")};

// Set once the settings of the Windows version have been carried over.
inline constexpr ConfigKey LegacyMigrated{QLatin1String("Legacy"), QLatin1String("RegistryMigrated")};

} // namespace ConfigKeys

} // namespace nudgely
