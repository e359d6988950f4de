#pragma once

#include "config/ConfigFile.h"
#include "config/DataFileList.h"
#include "config/Settings.h"

#include <optional>

namespace nudgely {

// The settings as the file holds them; a missing key, or a number that is not a whole
// number in its field's range, takes the key's default. autoStart is left as it is.
Settings readSettings(const IniDocument &file);

// The reminder settings as the file holds them; a file without them gets the defaults.
ReminderSettings readReminderSettings(const IniDocument &file);
// In the file's order, after every other setting.
void writeReminderSettings(ConfigEdit &edit, const ReminderSettings &reminders);

// The data files as the file holds them. The list ends at the first slot without a file.
// With no file at all, the sample data file is the first one when it exists.
DataFileList readDataFiles(const IniDocument &file, const QString &sampleDataFile);

// Every setting (but autoStart) and all 20 slots, in the file's order. An unused slot leaves
// no keys behind.
void writeSettings(ConfigEdit &edit, const Settings &settings, const DataFileList &files);

// Why the configuration file cannot hold this data file path (a line break in it, which
// would drop the slot and every later one at the next save), for the user; nothing when it can.
std::optional<QString> dataFilePathRefusal(const QString &path);

// Why no data file can be added to a full list.
QString dataFilesFullText();

} // namespace nudgely
