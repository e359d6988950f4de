#include "app/Session.h"

#include "app/ContactImport.h"
#include "config/AutostartEntry.h"
#include "config/ConfigFile.h"
#include "config/LegacyMigration.h"
#include "config/SettingsStore.h"
#include "events/DataFileReader.h"
#include "events/OccurrenceResolver.h"
#include "text/FileStore.h"

#include <algorithm>

namespace nudgely {

Session::Session(AppPaths paths, QString configPath, MessagePresenter &messages, QObject *parent)
    : QObject(parent), paths_(std::move(paths)), configPath_(std::move(configPath)), messages_(messages)
{
}

bool Session::loadConfiguration()
{
    const int error = migrateLegacyExport(paths_.registryExport(), configPath_);
    if (error)
        messages_.warn(legacyMigrationFailureText(configPath_, paths_.registryExport(), error));
    const IniDocument file = readConfigFile(configPath_);
    settings_ = readSettings(file);
    reminders_ = readReminderSettings(file);
    settings_.autoStart = AutostartEntry(paths_.autostartEntry()).exists();
    files_ = nudgely::readDataFiles(file, paths_.sampleDataFile());
    return error == 0;
}

void Session::showStatus(const QString &message)
{
    Q_EMIT statusMessage(message);
}

void Session::readDataFiles()
{
    table_.clear();
    problems_.clear();
    filesNotRead_ = filesReadInPart_ = eventsNotLoaded_ = 0;
    for (int slot = 0; slot < MaxDataFiles; ++slot) {
        const QString &path = files_[static_cast<std::size_t>(slot)].path;
        if (path.isEmpty())
            continue;
        showStatus(QStringLiteral("reading datafile: ") + path + QStringLiteral("..."));
        const DataFileLoad load = loadDataFile(table_, slot, path);
        if (load.readFailed)
            showStatus(QStringLiteral("failed to read line..."));
        filesNotRead_ += load.read ? 0 : 1;
        filesReadInPart_ += load.partly() ? 1 : 0;
        eventsNotLoaded_ += load.eventsNotLoaded;
        for (const QString &reason : load.problems)
            problems_.push_back({path, reason});
    }
}

QString Session::summaryText() const
{
    QStringList parts;
    if (filesNotRead_ > 0)
        parts.append(pluraliseCount(filesNotRead_, QStringLiteral("datafile")) + QStringLiteral(" not read"));
    if (filesReadInPart_ > 0)
        parts.append(pluraliseCount(filesReadInPart_, QStringLiteral("datafile")) + QStringLiteral(" read in part"));
    if (eventsNotLoaded_ > 0)
        parts.append(pluraliseCount(eventsNotLoaded_, QStringLiteral("event")) + QStringLiteral(" not loaded"));
    const QString summary = list_.summaryText();
    return parts.isEmpty() ? summary : summary + QStringLiteral("; ") + parts.join(QStringLiteral(", "));
}

void Session::resolve()
{
    showStatus(QStringLiteral("calculating dates, ages, etc..."));
    resolvedFor_ = clock_.today();
    if (!daySeen_.isValid())
        daySeen_ = resolvedFor_;
    resolveEvents(table_, dateFormat(), resolvedFor_);
}

DateFormat Session::dateFormat() const
{
    return DateFormat::fromSettings(settings_.delimiter, settings_.dayPos, settings_.monthPos);
}

void Session::rebuildList()
{
    showStatus(QStringLiteral("preparing to display events..."));
    list_.rebuild(settings_, files_, resolvedFor_, period_);
    showStatus(QStringLiteral("sorting events..."));
    sortList();
    showStatus(summaryText());
}

void Session::sortList()
{
    showStatus(sortingMessage(sortOrder_));
    list_.sort(sortOrder_);
    showStatus(sortedMessage(sortOrder_));
}

void Session::load(ListChange change)
{
    Q_EMIT busyChanged(true);
    Q_EMIT listAboutToChange();
    readDataFiles();
    resolve();
    rebuildList();
    Q_EMIT listChanged(change);
    Q_EMIT busyChanged(false);
    Q_EMIT dataFilesRead();
}

void Session::reloadDataFiles()
{
    load(ListChange::Rebuilt);
}

void Session::reloadChangedDataFiles()
{
    load(ListChange::Renewed);
}

bool Session::checkForNewDay()
{
    const QDate today = clock_.today();
    if (!resolvedFor_.isValid())
        return false;
    const bool renew = reminders_.updateAtMidnight == 1 && today != resolvedFor_;
    if (renew) {
        Q_EMIT busyChanged(true);
        Q_EMIT listAboutToChange();
        resolve();
        rebuildList();
        Q_EMIT listChanged(ListChange::Renewed);
        Q_EMIT busyChanged(false);
    }
    if (today == daySeen_)
        return renew;
    daySeen_ = today;
    Q_EMIT dayChanged();
    return true;
}

void Session::refresh()
{
    Q_EMIT busyChanged(true);
    Q_EMIT listAboutToChange();
    rebuildList();
    Q_EMIT listChanged(ListChange::Rebuilt);
    Q_EMIT busyChanged(false);
}

void Session::sortBy(const SortOrder &order)
{
    sortOrder_ = order;
    Q_EMIT listAboutToChange();
    sortList();
    Q_EMIT listChanged(ListChange::Sorted);
}

void Session::saveSettings()
{
    ConfigEdit edit(configPath_);
    writeSettings(edit, settings_, files_);
    writeReminderSettings(edit, reminders_);
    if (const int error = edit.commit())
        messages_.warn(configWriteFailureText(QStringLiteral("saving settings"), configPath_, error));
}

ApplyOutcome Session::applyPreferences(const WorkingPreferences &working)
{
    const ApplyOutcome outcome = nudgely::applyPreferences(working, settings_, files_, reminders_);
    if (outcome.autoStartChanged) {
        // Unchecked: the next start reads the true state back.
        const AutostartEntry entry(paths_.autostartEntry());
        if (settings_.autoStart)
            entry.write(configurationNamed_ ? QStringList{paths_.programPath, QStringLiteral("/I"), configPath_}
                                            : QStringList{paths_.programPath});
        else
            entry.remove();
    }
    saveSettings();
    if (outcome.reloadNeeded)
        reloadDataFiles();
    else if (outcome.redisplayNeeded)
        refresh();
    return outcome;
}

bool Session::dataFileListFull() const
{
    return std::none_of(files_.begin(), files_.end(), [](const DataFile &f) { return f.path.isEmpty(); });
}

bool Session::importContacts(const QString &vcardPath, const QString &target)
{
    // Checked before anything is written, so that no file is left that the list cannot take.
    std::optional<QString> refusal = dataFileListFull() ? dataFilesFullText() : dataFilePathRefusal(target);
    if (refusal) {
        messages_.warn(*refusal);
        return false;
    }
    const ContactImportResult result = nudgely::importContacts(vcardPath, target, dateFormat());
    if (!result.written) {
        messages_.warn(result.message);
        return false;
    }
    // As the preferences add a file: after the last one listed (else in the first gap), in a
    // new file's colours; then stored and read like any applied change of the list.
    const auto last = std::find_if(files_.rbegin(), files_.rend(), [](const DataFile &f) { return !f.path.isEmpty(); });
    auto slot = last.base();
    if (slot == files_.end())
        slot = std::find_if(files_.begin(), files_.end(), [](const DataFile &f) { return f.path.isEmpty(); });
    *slot = {target, NewFileColours};
    saveSettings();
    reloadDataFiles();
    messages_.inform(result.message);
    return true;
}

void Session::editDataFiles(const QStringList &paths, bool newFile)
{
    nudgely::editDataFiles(paths, newFile, settings_, *launcher_, messages_);
}

StoredWindowGeometry Session::storedWindowGeometry() const
{
    return readWindowGeometry(readConfigFile(configPath_), settings_.centre == 1);
}

void Session::saveWindowGeometry(const WindowGeometryToSave &geometry)
{
    ConfigEdit edit(configPath_);
    writeWindowGeometry(edit, geometry);
    edit.commit();
}

DialogPosition Session::storedDialogPosition() const
{
    return readDialogPosition(readConfigFile(configPath_));
}

void Session::saveDialogPosition(double left, double top)
{
    ConfigEdit edit(configPath_);
    writeDialogPosition(edit, left, top);
    edit.commit();
}

} // namespace nudgely
