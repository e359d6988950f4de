#pragma once

#include "config/ConfigFile.h"
#include "config/DataFileList.h"
#include "config/Settings.h"

namespace nudgely {

// The settings as the file holds them; a missing key, or a number that is not a whole
// number in its field's range, takes the key's default. autoStart is left as it is.
Settings readSettings(const IniDocument &file);

// The data files as the file holds them. The list ends at the first slot without a file.
// With no file at all, the sample data file is the first one when it exists.
DataFileList readDataFiles(const IniDocument &file, const QString &sampleDataFile);

// Every setting (but autoStart) and all 20 slots, in the file's order. An unused slot leaves
// no keys behind.
void writeSettings(ConfigEdit &edit, const Settings &settings, const DataFileList &files);

} // namespace nudgely
