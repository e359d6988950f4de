#include "events/DataFileReader.h"

#include <QFile>
#include <QFileInfo>

namespace nudgely {

std::optional<TextFileContent> readDataFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readTextFile(file);
}

} // namespace nudgely
