#include "config/PreferencesApply.h"

#include <cmath>

namespace nudgely {

namespace {

void applyDataFiles(const std::vector<DataFile> &rows, DataFileList &files, ApplyOutcome &outcome)
{
    const std::size_t listed = qMin(rows.size(), files.size());
    for (std::size_t row = 0; row < listed; ++row) {
        DataFile &slot = files[row];
        if (rows[row].path != slot.path) {
            slot.path = rows[row].path;
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
        if (rows[row].colours != slot.colours) {
            slot.colours = rows[row].colours;
            outcome.redisplayNeeded = true;
        }
    }
    // Slots below the list are emptied.
    for (std::size_t slot = listed; slot < files.size(); ++slot) {
        if (!files[slot].path.isEmpty()) {
            files[slot].path.clear();
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
    }
}

void applyFlag(quint8 &field, bool value, ApplyOutcome &outcome)
{
    if (field != quint8(value)) {
        field = value;
        outcome.redisplayNeeded = true;
    }
}

void applyDateFormat(const WorkingPreferences &working, Settings &settings, ApplyOutcome &outcome)
{
    if (working.delimiter != settings.delimiter) {
        settings.delimiter = static_cast<quint8>(qMax(0, working.delimiter));
        outcome.reloadNeeded = outcome.redisplayNeeded = true;
    }
    // A position is taken anew only when its stored place no longer holds the element.
    const std::pair<quint8 *, DateElement> positions[] = {
        {&settings.dayPos, DayElement}, {&settings.monthPos, MonthElement}, {&settings.yearPos, YearElement}};
    for (const auto &[field, element] : positions) {
        if (!working.dateOrder.isSelected(*field, element)) {
            *field = static_cast<quint8>(working.dateOrder.positionOf(element));
            outcome.reloadNeeded = outcome.redisplayNeeded = true;
        }
    }
}

// A period switch and its length: the length is always stored, but it shows only while the
// period is on.
void applyPeriod(quint8 &enabled, quint8 &length, bool workingEnabled, int workingLength, ApplyOutcome &outcome)
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

void applyFont(const WorkingPreferences &working, Settings &settings, ApplyOutcome &outcome)
{
    if (working.fontName != settings.fontName) {
        settings.fontName = working.fontName;
        outcome.redisplayNeeded = true;
    }
    const auto size = static_cast<qint16>(qBound(-32768.0, std::nearbyint(working.fontSize), 32767.0));
    if (size != settings.fontSize) {
        settings.fontSize = size;
        outcome.redisplayNeeded = true;
    }
    const bool bold = settings.fontStyle & 1;
    const bool italic = settings.fontStyle & 2;
    if (working.bold != bold || working.italic != italic) {
        settings.fontStyle = static_cast<quint8>((working.bold ? 1 : 0) + (working.italic ? 2 : 0));
        outcome.redisplayNeeded = true;
    }
}

} // namespace

ApplyOutcome applyPreferences(const WorkingPreferences &working, Settings &settings, DataFileList &files,
                              ReminderSettings &reminders)
{
    ApplyOutcome outcome;
    applyDataFiles(working.files, files, outcome);
    applyFlag(settings.hideUnknown, working.hideUnknown, outcome);
    applyFlag(settings.appendToAge, working.appendToAge, outcome);
    applyDateFormat(working, settings, outcome);
    applyPeriod(settings.filter, settings.filterLength, working.filter, working.filterLength, outcome);
    applyPeriod(settings.showMissed, settings.missedLength, working.showMissed, working.missedLength, outcome);
    settings.centre = working.centre ? 1 : 0;
    outcome.autoStartChanged = working.autoStart != settings.autoStart;
    settings.autoStart = working.autoStart;
    settings.useDefaultEditor = working.useDefaultEditor ? 1 : 0;
    settings.editorPath = working.editorPath;
    settings.multiFile = working.multiFile ? 1 : 0;
    applyFont(working, settings, outcome);
    outcome.remindersChanged = working.reminders != reminders;
    reminders = working.reminders;
    return outcome;
}

} // namespace nudgely
