#include "config/SettingsStore.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <variant>

namespace nudgely {

namespace {

using Field = std::variant<quint8 Settings::*, qint16 Settings::*, QString Settings::*>;

struct SettingKey {
    ConfigKey key;
    Field field;
};

// The settings in the order they are written; a key new to the file is added in this order.
const std::array<SettingKey, 17> SettingKeys = {{
    {ConfigKeys::Filter, &Settings::filter},
    {ConfigKeys::FilterLength, &Settings::filterLength},
    {ConfigKeys::ShowMissed, &Settings::showMissed},
    {ConfigKeys::MissedLength, &Settings::missedLength},
    {ConfigKeys::Centre, &Settings::centre},
    {ConfigKeys::FontName, &Settings::fontName},
    {ConfigKeys::FontSize, &Settings::fontSize},
    {ConfigKeys::FontStyle, &Settings::fontStyle},
    {ConfigKeys::HideUnknown, &Settings::hideUnknown},
    {ConfigKeys::AppendToAge, &Settings::appendToAge},
    {ConfigKeys::Delimiter, &Settings::delimiter},
    {ConfigKeys::DayPos, &Settings::dayPos},
    {ConfigKeys::MonthPos, &Settings::monthPos},
    {ConfigKeys::YearPos, &Settings::yearPos},
    {ConfigKeys::UseDefaultEditor, &Settings::useDefaultEditor},
    {ConfigKeys::EditorPath, &Settings::editorPath},
    {ConfigKeys::MultiFile, &Settings::multiFile},
}};

// The reminder settings, in the order they are written.
const std::array<std::pair<ConfigKey, quint8 ReminderSettings::*>, 5> ReminderKeys = {{
    {ConfigKeys::Notify, &ReminderSettings::notify},
    {ConfigKeys::DaysAhead, &ReminderSettings::daysAhead},
    {ConfigKeys::KeepInTray, &ReminderSettings::keepInTray},
    {ConfigKeys::UpdateAtMidnight, &ReminderSettings::updateAtMidnight},
    {ConfigKeys::ReloadOnChange, &ReminderSettings::reloadOnChange},
}};

struct ColourKey {
    SlotKey key;
    qint32 FileColours::*field;
};

// A slot's six colour keys, in the order they are read and written.
const std::array<ColourKey, 6> ColourKeys = {{
    {ConfigKeys::FutureText, &FileColours::futureText},
    {ConfigKeys::FutureBack, &FileColours::futureBack},
    {ConfigKeys::TodayText, &FileColours::todayText},
    {ConfigKeys::TodayBack, &FileColours::todayBack},
    {ConfigKeys::PastText, &FileColours::pastText},
    {ConfigKeys::PastBack, &FileColours::pastBack},
}};

// An optional sign and 1 to 18 digits, nothing else.
bool isPlainWholeNumber(QStringView text)
{
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-'))
        text = text.mid(1);
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A whole number within T's range, or nothing: other text takes the key's default.
template <typename T>
std::optional<T> wholeNumber(const std::optional<QString> &text)
{
    if (!text || !isPlainWholeNumber(*text))
        return std::nullopt;
    const qlonglong number = text->toLongLong();
    if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(number);
}

} // namespace

Settings readSettings(const IniDocument &file)
{
    Settings settings;
    for (const SettingKey &entry : SettingKeys) {
        const auto text = file.value(entry.key.section, entry.key.name);
        std::visit(
            [&](auto member) {
                auto &field = settings.*member;
                using T = std::remove_reference_t<decltype(field)>;
                if constexpr (std::is_same_v<T, QString>)
                    field = text.value_or(field);
                else
                    field = wholeNumber<T>(text).value_or(field);
            },
            entry.field);
    }
    return settings;
}

ReminderSettings readReminderSettings(const IniDocument &file)
{
    ReminderSettings reminders;
    for (const auto &[key, field] : ReminderKeys)
        reminders.*field = wholeNumber<quint8>(file.value(key.section, key.name)).value_or(reminders.*field);
    return reminders;
}

void writeReminderSettings(ConfigEdit &edit, const ReminderSettings &reminders)
{
    for (const auto &[key, field] : ReminderKeys)
        edit.set(key, QString::number(reminders.*field));
}

DataFileList readDataFiles(const IniDocument &file, const QString &sampleDataFile)
{
    DataFileList files;
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        DataFile &entry = files[static_cast<std::size_t>(slot - 1)];
        entry.path = file.value(ConfigKeys::DataFile.section, ConfigKeys::DataFile.nameFor(slot)).value_or(QString());
        // The list ends at the first empty slot; later slots are not read.
        if (entry.path.isEmpty())
            break;
        for (const ColourKey &colour : ColourKeys) {
            const auto text = file.value(colour.key.section, colour.key.nameFor(slot));
            entry.colours.*colour.field = wholeNumber<qint32>(text).value_or(StoredColourDefaults.*colour.field);
        }
    }
    if (files[0].path.isEmpty() && QFileInfo(sampleDataFile).isFile())
        files[0] = DataFile{sampleDataFile, NewFileColours};
    return files;
}

void writeSettings(ConfigEdit &edit, const Settings &settings, const DataFileList &files)
{
    for (const SettingKey &entry : SettingKeys) {
        std::visit(
            [&](auto member) {
                const auto &field = settings.*member;
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, QString>)
                    edit.set(entry.key, field);
                else
                    edit.set(entry.key, QString::number(field));
            },
            entry.field);
    }
    for (int slot = 1; slot <= MaxDataFiles; ++slot) {
        const DataFile &entry = files[static_cast<std::size_t>(slot - 1)];
        edit.set(ConfigKeys::DataFile.section, ConfigKeys::DataFile.nameFor(slot), entry.path);
        for (const ColourKey &colour : ColourKeys) {
            const QString value = entry.path.isEmpty() ? QString() : QString::number(entry.colours.*colour.field);
            edit.set(colour.key.section, colour.key.nameFor(slot), value);
        }
    }
}

QString dataFilesFullText()
{
    return QStringLiteral("Maximum number of datafiles has been reached.\nNo more datafiles can be added.");
}

std::optional<QString> dataFilePathRefusal(const QString &path)
{
    if (ConfigEdit::check(ConfigKeys::DataFile.section, ConfigKeys::DataFile.nameFor(1), path) == 0)
        return std::nullopt;
    QString shown = path;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\u21b5")).replace(QLatin1Char('\r'), QChar(0x21b5));
    shown.replace(QLatin1Char('\n'), QChar(0x21b5));
    return QStringLiteral("Nudgely cannot use the data file\n%1\nIts name holds a line break (shown as \u21b5), which "
                          "the configuration file cannot store. Rename the file, then add it again.")
        .arg(shown);
}

} // namespace nudgely
