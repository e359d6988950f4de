#pragma once

#include "text/TextFile.h"

#include <QString>

#include <optional>

namespace nudgely {

// The text of a data file. Nothing when it cannot be opened; only an ordinary file is
// opened at all, since opening a pipe would wait and a device might never end.
std::optional<TextFileContent> readDataFile(const QString &path);

} // namespace nudgely
