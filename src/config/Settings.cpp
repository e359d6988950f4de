#include "config/Settings.h"

#include "config/IniSettings.h"
#include "config/Registry.h"
#include "events/EventTables.h"
#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"
#include "startup/FileSystem.h"
#include "startup/MessageBoxes.h"

#include <QRegularExpression>

#include <limits>
#include <optional>

namespace nudgely {

SettingsRecord Settings;

namespace {

const SettingsRecord Defaults;

const QString Display = QStringLiteral("Display");
const QString DateFormat = QStringLiteral("DateFormat");
const QString Editor = QStringLiteral("Editor");
const QString DataFilesSection = QStringLiteral("DataFiles");

// The colours a data file gets when it is the program's own dates.txt.
DataFileEntry DefaultDataFileColours(const QString &path)
{
    return DataFileEntry{path, 1, 0, 0, DefaultTodayBack, 16777215, DefaultPastBack};
}

// A whole number within T's range, or nothing: such text takes the key's default.
template <typename T>
std::optional<T> WholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 number = text.toLongLong();
    if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(number);
}

template <typename T>
T ReadNumber(const QString &section, const QString &key, T defaultValue)
{
    const QString text = ReadIniString(section, key, IniFilePath, QString::number(defaultValue));
    return WholeNumber<T>(text).value_or(defaultValue);
}

template <typename T>
bool WriteNumber(const QString &section, const QString &key, T value)
{
    return WriteIniString(section, key, QString::number(value), IniFilePath);
}

void LoadDataFiles()
{
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        DataFileEntry &entry = DataFiles[slot];
        entry.szFileName = ReadIniString(DataFilesSection, DataFileKey(slot), IniFilePath, QString());
        // The list ends at the first empty slot; later slots are not read.
        if (entry.szFileName.isEmpty())
            break;
        for (const ColourKey &key : ColourKeys)
            entry.*key.field = ReadNumber<qint32>(QLatin1String(key.section), ColourKeyName(slot, key), key.defaultValue);
    }
    const QString sample = ProgramFolder() + QStringLiteral("/dates.txt");
    if (DataFiles[1].szFileName.isEmpty() && FileExists(sample))
        DataFiles[1] = DefaultDataFileColours(sample);
}

void SaveDataFiles()
{
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        const DataFileEntry &entry = DataFiles[slot];
        WriteIniString(DataFilesSection, DataFileKey(slot), entry.szFileName, IniFilePath);
        // An unused slot leaves no colour keys behind: empty text removes them.
        for (const ColourKey &key : ColourKeys) {
            const QString value = entry.szFileName.isEmpty() ? QString() : QString::number(entry.*key.field);
            WriteIniString(QLatin1String(key.section), ColourKeyName(slot, key), value, IniFilePath);
        }
    }
}

void ReportSaveFailure()
{
    ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok, IniWriteFailureText(QStringLiteral("saving settings")));
}

} // namespace

QString DataFileKey(int slot)
{
    return QString::number(slot) + QStringLiteral("File");
}

QString ColourKeyName(int slot, const ColourKey &key)
{
    return QString::number(slot) + QLatin1String(key.suffix);
}

void LoadSettings()
{
    // One reading of the file for all its keys.
    FileTransaction snapshot(IniFilePath);
    SettingsRecord &s = Settings;
    s.Centre = ReadNumber(Display, QStringLiteral("Centre"), Defaults.Centre);

    QString runValue;
    s.AutoStart = ReadRegString(RegRoot::CurrentUser, RunKey, AppTitle, runValue) ? 1 : 0;

    s.FontName = ReadIniString(Display, QStringLiteral("FontName"), IniFilePath, Defaults.FontName);
    s.FontSize = ReadNumber(Display, QStringLiteral("FontSize"), Defaults.FontSize);
    s.FontStyle = ReadNumber(Display, QStringLiteral("FontStyle"), Defaults.FontStyle);
    s.Filter = ReadNumber(Display, QStringLiteral("Filter"), Defaults.Filter);
    s.FilterLength = ReadNumber(Display, QStringLiteral("FilterLength"), Defaults.FilterLength);
    s.ShowMissed = ReadNumber(Display, QStringLiteral("ShowMissed"), Defaults.ShowMissed);
    s.MissedLength = ReadNumber(Display, QStringLiteral("MissedLength"), Defaults.MissedLength);

    LoadDataFiles();

    s.HideUnknown = ReadNumber(Display, QStringLiteral("HideUnknown"), Defaults.HideUnknown);
    s.AppendToAge = ReadNumber(Display, QStringLiteral("AppendToAge"), Defaults.AppendToAge);
    s.Delimiter = ReadNumber(DateFormat, QStringLiteral("Delimiter"), Defaults.Delimiter);
    s.DayPos = ReadNumber(DateFormat, QStringLiteral("DayPos"), Defaults.DayPos);
    s.MonthPos = ReadNumber(DateFormat, QStringLiteral("MonthPos"), Defaults.MonthPos);
    s.YearPos = ReadNumber(DateFormat, QStringLiteral("YearPos"), Defaults.YearPos);
    s.UseDefault = ReadNumber(Editor, QStringLiteral("UseDefault"), Defaults.UseDefault);
    s.Path = ReadIniString(Editor, QStringLiteral("Path"), IniFilePath, Defaults.Path);
    s.MultiFile = ReadNumber(Editor, QStringLiteral("MultiFile"), Defaults.MultiFile);
}

void SaveSettings()
{
    const SettingsRecord &s = Settings;
    IniWriteBatch batch(IniFilePath);

    // Only the first write is checked: a file that takes it takes the rest.
    const bool firstWritten = WriteNumber(Display, QStringLiteral("Filter"), s.Filter);
    if (!firstWritten)
        ReportSaveFailure();

    WriteNumber(Display, QStringLiteral("FilterLength"), s.FilterLength);
    WriteNumber(Display, QStringLiteral("ShowMissed"), s.ShowMissed);
    WriteNumber(Display, QStringLiteral("MissedLength"), s.MissedLength);
    WriteNumber(Display, QStringLiteral("Centre"), s.Centre);
    WriteIniString(Display, QStringLiteral("FontName"), s.FontName, IniFilePath);
    WriteNumber(Display, QStringLiteral("FontSize"), s.FontSize);
    WriteNumber(Display, QStringLiteral("FontStyle"), s.FontStyle);
    WriteNumber(Display, QStringLiteral("HideUnknown"), s.HideUnknown);
    WriteNumber(Display, QStringLiteral("AppendToAge"), s.AppendToAge);

    WriteNumber(DateFormat, QStringLiteral("Delimiter"), s.Delimiter);
    WriteNumber(DateFormat, QStringLiteral("DayPos"), s.DayPos);
    WriteNumber(DateFormat, QStringLiteral("MonthPos"), s.MonthPos);
    WriteNumber(DateFormat, QStringLiteral("YearPos"), s.YearPos);

    WriteNumber(Editor, QStringLiteral("UseDefault"), s.UseDefault);
    WriteIniString(Editor, QStringLiteral("Path"), s.Path, IniFilePath);
    WriteNumber(Editor, QStringLiteral("MultiFile"), s.MultiFile);

    SaveDataFiles();

    // The writes reach the disk together here; a failure now is as real as a first-write one.
    if (!batch.commit() && firstWritten)
        ReportSaveFailure();
}

} // namespace nudgely
