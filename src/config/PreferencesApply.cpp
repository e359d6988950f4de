#include "config/PreferencesApply.h"

#include "config/Registry.h"
#include "config/Settings.h"
#include "events/EventTables.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"

#include <cmath>

namespace nudgely {

namespace {

void ApplyDataFiles(const WorkingPreferences &working, ApplyOutcome &outcome)
{
    const int rows = qMin(static_cast<int>(working.files.size()), MaxDataFiles);
    for (int row = 1; row <= rows; ++row) {
        const DataFileEntry &shown = working.files[static_cast<std::size_t>(row - 1)];
        DataFileEntry &slot = DataFiles[static_cast<std::size_t>(row)];
        if (shown.szFileName != slot.szFileName) {
            slot.szFileName = shown.szFileName;
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
        for (const ColourKey &key : ColourKeys) {
            if (shown.*key.field != slot.*key.field) {
                slot.*key.field = shown.*key.field;
                outcome.redisplayNeeded = true;
            }
        }
    }
    // Slots below the list are emptied.
    for (int slot = rows + 1; slot <= MaxDataFiles; ++slot) {
        if (!DataFiles[static_cast<std::size_t>(slot)].szFileName.isEmpty()) {
            DataFiles[static_cast<std::size_t>(slot)].szFileName.clear();
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
    }
}

void ApplyFlag(quint8 &field, bool value, ApplyOutcome &outcome)
{
    if (field != quint8(value)) {
        field = value;
        outcome.redisplayNeeded = true;
    }
}

void ApplyDateFormat(const WorkingPreferences &working, ApplyOutcome &outcome)
{
    if (working.delimiter != Settings.Delimiter) {
        Settings.Delimiter = static_cast<quint8>(qMax(0, working.delimiter));
        outcome.reloadNeeded = outcome.redisplayNeeded = true;
    }
    // A position is taken anew only when its stored place no longer holds the element.
    const std::pair<quint8 *, DateElement> positions[] = {
        {&Settings.DayPos, DayElement}, {&Settings.MonthPos, MonthElement}, {&Settings.YearPos, YearElement}};
    for (const auto &[field, element] : positions) {
        if (!working.dateOrder.isSelected(*field, element)) {
            *field = static_cast<quint8>(working.dateOrder.positionOf(element));
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
    }
}

// A period switch and its length: the length is always stored, but it shows only while the
// period is on.
void ApplyPeriod(quint8 &enabled, quint8 &length, bool workingEnabled, int workingLength, ApplyOutcome &outcome)
{
    const auto newLength = static_cast<quint8>(qBound(0, workingLength, 255));
    if (enabled != quint8(workingEnabled)) {
        enabled = workingEnabled;
        length = newLength;
        outcome.redisplayNeeded = true;
        return;
    }
    if (enabled == 1 && length != newLength)
        outcome.redisplayNeeded = true;
    length = newLength;
}

void ApplyAutoStart(bool autoStart)
{
    if (quint8(autoStart) == Settings.AutoStart)
        return;
    // The results go unchecked: the next start reads the true state back.
    if (autoStart)
        WriteRegString(RegRoot::CurrentUser, RunKey, AppTitle, ProgramPath());
    else
        DeleteRegValue(RegRoot::CurrentUser, RunKey, AppTitle);
    Settings.AutoStart = autoStart;
}

void ApplyFont(const WorkingPreferences &working, ApplyOutcome &outcome)
{
    if (working.fontName != Settings.FontName) {
        Settings.FontName = working.fontName;
        outcome.redisplayNeeded = true;
    }
    const auto size = static_cast<qint16>(qBound(-32768.0, std::nearbyint(working.fontSize), 32767.0));
    if (size != Settings.FontSize) {
        Settings.FontSize = size;
        outcome.redisplayNeeded = true;
    }
    const bool bold = Settings.FontStyle & 1;
    const bool italic = Settings.FontStyle & 2;
    if (working.bold != bold || working.italic != italic) {
        Settings.FontStyle = static_cast<quint8>((working.bold ? 1 : 0) + (working.italic ? 2 : 0));
        outcome.redisplayNeeded = true;
    }
}

} // namespace

ApplyOutcome ApplyPreferences(const WorkingPreferences &working)
{
    ApplyOutcome outcome;
    ApplyDataFiles(working, outcome);
    ApplyFlag(Settings.HideUnknown, working.hideUnknown, outcome);
    ApplyFlag(Settings.AppendToAge, working.appendToAge, outcome);
    ApplyDateFormat(working, outcome);
    ApplyPeriod(Settings.Filter, Settings.FilterLength, working.filter, working.filterLength, outcome);
    ApplyPeriod(Settings.ShowMissed, Settings.MissedLength, working.showMissed, working.missedLength, outcome);
    Settings.Centre = working.centre ? 1 : 0;
    ApplyAutoStart(working.autoStart);
    Settings.UseDefault = working.useDefaultEditor ? 1 : 0;
    Settings.Path = working.editorPath;
    Settings.MultiFile = working.multiFile ? 1 : 0;
    ApplyFont(working, outcome);
    SaveSettings();
    return outcome;
}

} // namespace nudgely
