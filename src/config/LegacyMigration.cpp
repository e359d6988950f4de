#include "config/LegacyMigration.h"

#include "config/IniSettings.h"
#include "config/Registry.h"
#include "config/Settings.h"
#include "events/EventTables.h"
#include "startup/AppPaths.h"
#include "startup/MessageBoxes.h"

#include <QSet>

#include <array>
#include <vector>

namespace nudgely {

namespace {

enum class ReadAs { Number, Text };

struct SingleValue {
    const char *oldName;
    ReadAs readAs;
    const char *section;
    const char *key;
};

// Rows 2 to 29 of the old layout, in the order they move; frmCentre (row 1) goes first.
constexpr std::array<SingleValue, 28> SingleValues = {{
    {"EventsFontName", ReadAs::Text, "Display", "FontName"},
    {"EventsFontSize", ReadAs::Number, "Display", "FontSize"},
    {"EventsFontOther", ReadAs::Number, "Display", "FontStyle"},
    {"Filter", ReadAs::Number, "Display", "Filter"},
    {"FilterLength", ReadAs::Number, "Display", "FilterLength"},
    {"MissedEvents", ReadAs::Number, "Display", "ShowMissed"},
    {"MissedLength", ReadAs::Number, "Display", "MissedLength"},
    {"HideUnknown", ReadAs::Number, "Display", "HideUnknown"},
    {"AppendToAge", ReadAs::Number, "Display", "AppendToAge"},
    {"DateDelimiter", ReadAs::Number, "DateFormat", "Delimiter"},
    {"DateDayPos", ReadAs::Number, "DateFormat", "DayPos"},
    {"DateMonthPos", ReadAs::Number, "DateFormat", "MonthPos"},
    {"DateYearPos", ReadAs::Number, "DateFormat", "YearPos"},
    {"UseDefaultEditor", ReadAs::Number, "Editor", "UseDefault"},
    {"Editor", ReadAs::Text, "Editor", "Path"},
    {"EditMultiFiles", ReadAs::Number, "Editor", "MultiFile"},
    {"Col0", ReadAs::Number, "Display", "Col0"},
    {"Col1", ReadAs::Number, "Display", "Col1"},
    {"Col2", ReadAs::Number, "Display", "Col2"},
    {"Col3", ReadAs::Number, "Display", "Col3"},
    {"Col4", ReadAs::Number, "Display", "Col4"},
    {"frmWidth", ReadAs::Number, "Display", "frmWidth"},
    {"frmHeight", ReadAs::Number, "Display", "frmHeight"},
    {"frmLeft", ReadAs::Number, "Display", "frmLeft"},
    {"frmTop", ReadAs::Number, "Display", "frmTop"},
    {"frmMax", ReadAs::Number, "Display", "frmMax"},
    {"frmOptnTop", ReadAs::Number, "Display", "frmOTop"},
    {"frmOptnLeft", ReadAs::Number, "Display", "frmOLeft"},
}};

const QString OldRoot = QStringLiteral("Software\\Nudgely\\");
const QString OldDataFiles = QStringLiteral("DataFiles");

// The per-file keys, in the order they are removed at the end.
const std::array<QString, 4> PerFileKeys = {
    QStringLiteral("ColoursFuture"), QStringLiteral("ColoursPast"), QStringLiteral("ColoursToday"), OldDataFiles};

struct OldValue {
    QString key; // subkey under HKEY_CURRENT_USER
    QString name;
};

// What the copying did: the old values to remove once the file holds their copies, and
// the old keys that keep a value the file refused.
struct Migration {
    std::vector<OldValue> copied;
    QSet<QString> keysToKeep;

    void copy(const OldValue &from, const QString &section, const QString &key, const QString &text)
    {
        if (WriteIniString(section, key, text, IniFilePath))
            copied.push_back(from);
        else
            keysToKeep.insert(from.key);
    }
};

std::optional<QString> ReadOld(const OldValue &from, ReadAs readAs)
{
    if (readAs == ReadAs::Number) {
        qint32 number = 0;
        if (!ReadRegNumber(RegRoot::CurrentUser, from.key, from.name, number))
            return std::nullopt;
        return QString::number(number);
    }
    QString text;
    if (!ReadRegString(RegRoot::CurrentUser, from.key, from.name, text))
        return std::nullopt;
    return text;
}

void CopySingleValues(Migration &migration)
{
    for (const SingleValue &row : SingleValues) {
        const OldValue from{LegacySettingsKey, QLatin1String(row.oldName)};
        if (const auto text = ReadOld(from, row.readAs))
            migration.copy(from, QLatin1String(row.section), QLatin1String(row.key), *text);
    }
}

void CopyPerFileValues(Migration &migration)
{
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        const OldValue file{OldRoot + OldDataFiles, DataFileKey(slot)};
        const auto fileName = ReadOld(file, ReadAs::Text);
        if (fileName)
            migration.copy(file, OldDataFiles, file.name, *fileName);
        // A slot without a file has no colours worth keeping.
        if (!fileName || fileName->isEmpty())
            continue;
        for (const ColourKey &key : ColourKeys) {
            const QString section = QLatin1String(key.section);
            const OldValue colour{OldRoot + section, ColourKeyName(slot, key)};
            if (const auto text = ReadOld(colour, ReadAs::Text))
                migration.copy(colour, section, colour.name, *text);
        }
    }
}

void RemoveMigrated(const Migration &migration)
{
    FileTransaction registry(RegistryFilePath());
    for (const OldValue &old : migration.copied)
        DeleteRegValue(RegRoot::CurrentUser, old.key, old.name);
    for (const QString &key : PerFileKeys) {
        if (!migration.keysToKeep.contains(OldRoot + key))
            DeleteRegKey(RegRoot::CurrentUser, OldRoot + key);
    }
    registry.commit();
}

void ReportFailure()
{
    ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok, IniWriteFailureText(QStringLiteral("migrating settings")));
}

} // namespace

void MigrateLegacySettings()
{
    qint32 centre = 0;
    if (!ReadRegNumber(RegRoot::CurrentUser, LegacySettingsKey, QStringLiteral("frmCentre"), centre))
        return;

    Migration migration;
    IniWriteBatch batch(IniFilePath);

    // Only this first copy is checked. A file that refuses a number refuses everything, so
    // the registry keeps every value and the marker, and the next start tries again.
    const OldValue marker{LegacySettingsKey, QStringLiteral("frmCentre")};
    migration.copy(marker, QStringLiteral("Display"), QStringLiteral("Centre"), QString::number(centre));
    if (migration.copied.empty()) {
        ReportFailure();
        return;
    }

    CopySingleValues(migration);
    CopyPerFileValues(migration);

    if (!batch.commit()) {
        ReportFailure();
        return;
    }
    RemoveMigrated(migration);
}

} // namespace nudgely
