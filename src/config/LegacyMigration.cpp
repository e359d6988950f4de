#include "config/LegacyMigration.h"

#include "config/DataFileList.h"
#include "text/FileStore.h"

#include <array>

namespace nudgely {

namespace {

const QString OldRoot = QStringLiteral("HKEY_CURRENT_USER\\Software\\Nudgely\\");
const QString OldSettings = OldRoot + QStringLiteral("Settings");

enum class ReadAs { Number, Text };

struct OldValue {
    const char *name; // nothing: the same name as the key
    ReadAs readAs;
    ConfigKey key;

    QString oldName() const { return name ? QString::fromLatin1(name) : key.name.toString(); }
};

// The single values in the order they move; the marker goes first.
constexpr std::array<OldValue, 29> SingleValues = {{
    {"frmCentre", ReadAs::Number, ConfigKeys::Centre},
    {"EventsFontName", ReadAs::Text, ConfigKeys::FontName},
    {"EventsFontSize", ReadAs::Number, ConfigKeys::FontSize},
    {"EventsFontOther", ReadAs::Number, ConfigKeys::FontStyle},
    {nullptr, ReadAs::Number, ConfigKeys::Filter},
    {nullptr, ReadAs::Number, ConfigKeys::FilterLength},
    {"MissedEvents", ReadAs::Number, ConfigKeys::ShowMissed},
    {nullptr, ReadAs::Number, ConfigKeys::MissedLength},
    {nullptr, ReadAs::Number, ConfigKeys::HideUnknown},
    {nullptr, ReadAs::Number, ConfigKeys::AppendToAge},
    {"DateDelimiter", ReadAs::Number, ConfigKeys::Delimiter},
    {"DateDayPos", ReadAs::Number, ConfigKeys::DayPos},
    {"DateMonthPos", ReadAs::Number, ConfigKeys::MonthPos},
    {"DateYearPos", ReadAs::Number, ConfigKeys::YearPos},
    {"UseDefaultEditor", ReadAs::Number, ConfigKeys::UseDefaultEditor},
    {"Editor", ReadAs::Text, ConfigKeys::EditorPath},
    {"EditMultiFiles", ReadAs::Number, ConfigKeys::MultiFile},
    {nullptr, ReadAs::Number, ConfigKeys::ColumnWidths[0]},
    {nullptr, ReadAs::Number, ConfigKeys::ColumnWidths[1]},
    {nullptr, ReadAs::Number, ConfigKeys::ColumnWidths[2]},
    {nullptr, ReadAs::Number, ConfigKeys::ColumnWidths[3]},
    {nullptr, ReadAs::Number, ConfigKeys::ColumnWidths[4]},
    {nullptr, ReadAs::Number, ConfigKeys::WindowWidth},
    {nullptr, ReadAs::Number, ConfigKeys::WindowHeight},
    {nullptr, ReadAs::Number, ConfigKeys::WindowLeft},
    {nullptr, ReadAs::Number, ConfigKeys::WindowTop},
    {nullptr, ReadAs::Number, ConfigKeys::WindowMaximised},
    {"frmOptnTop", ReadAs::Number, ConfigKeys::PreferencesTop},
    {"frmOptnLeft", ReadAs::Number, ConfigKeys::PreferencesLeft},
}};

// The per-file values keep their names, and their old keys are named like the sections.
constexpr std::array<SlotKey, 6> ColourKeys = {ConfigKeys::FutureText, ConfigKeys::FutureBack,
                                               ConfigKeys::TodayText,  ConfigKeys::TodayBack,
                                               ConfigKeys::PastText,   ConfigKeys::PastBack};

std::optional<QString> readOld(const RegistryExport &old, const QString &key, const QString &name, ReadAs readAs)
{
    if (readAs == ReadAs::Number) {
        const auto number = old.number(key, name);
        return number ? std::optional<QString>(QString::number(*number)) : std::nullopt;
    }
    return old.text(key, name);
}

// A value the file refuses (a line break in it) is left behind.
void copyIfAllowed(ConfigEdit &edit, QAnyStringView section, const QString &name, const std::optional<QString> &value)
{
    if (value && ConfigEdit::check(section, name, *value) == 0)
        edit.set(section, name, *value);
}

// A value the file already holds is newer than the old one.
void copyUnlessPresent(ConfigEdit &edit, QAnyStringView section, const QString &name, const std::optional<QString> &value)
{
    if (!edit.document().value(section, name))
        copyIfAllowed(edit, section, name, value);
}

bool namesADataFile(const IniDocument &file)
{
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        if (!file.value(ConfigKeys::DataFile.section, ConfigKeys::DataFile.nameFor(slot)).value_or(QString()).isEmpty())
            return true;
    }
    return false;
}

// Into a configuration that names no data file: what its data file keys hold is no list.
void copyDataFiles(const RegistryExport &old, ConfigEdit &edit)
{
    const QString oldDataFiles = OldRoot + ConfigKeys::DataFile.section;
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        const QString fileKey = ConfigKeys::DataFile.nameFor(slot);
        const auto path = old.text(oldDataFiles, fileKey);
        // A slot without a file, or one the file refused, has no colours worth keeping.
        if (!path || ConfigEdit::check(ConfigKeys::DataFile.section, fileKey, *path) != 0)
            continue;
        edit.set(ConfigKeys::DataFile.section, fileKey, *path);
        if (path->isEmpty())
            continue;
        for (const SlotKey &colour : ColourKeys) {
            const QString name = colour.nameFor(slot);
            copyIfAllowed(edit, colour.section, name, old.text(OldRoot + colour.section, name));
        }
    }
}

} // namespace

bool migrateLegacySettings(const RegistryExport &old, ConfigEdit &edit)
{
    const ConfigKey &done = ConfigKeys::LegacyMigrated;
    if (!old.number(OldSettings, SingleValues[0].oldName()) || edit.document().value(done.section, done.name))
        return false;
    for (const OldValue &row : SingleValues)
        copyUnlessPresent(edit, row.key.section, row.key.name.toString(), readOld(old, OldSettings, row.oldName(), row.readAs));
    if (!namesADataFile(edit.document()))
        copyDataFiles(old, edit);
    edit.set(done, QStringLiteral("1"));
    return true;
}

int migrateLegacyExport(const QString &exportPath, const QString &configPath)
{
    QByteArray exported;
    if (loadFile(exportPath, &exported) != 0)
        return 0; // no export, nothing to carry over
    ConfigEdit edit(configPath);
    return migrateLegacySettings(RegistryExport::fromBytes(exported), edit) ? edit.commit() : 0;
}

QString legacyMigrationFailureText(const QString &configPath, const QString &exportPath, int error)
{
    return configWriteFailureText(QStringLiteral("migrating settings"), configPath, error) +
           QStringLiteral("\n\nThe settings of the Windows version in\n%1\nwere not carried over. Nudgely will try "
                          "again at its next start.")
               .arg(exportPath);
}

} // namespace nudgely
