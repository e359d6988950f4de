#include "config/ConfigLocation.h"


#include <QDir>
#include <QFileInfo>

namespace nudgely {

QString searchConfigurationFile(const QString &programFolder, const QString &userConfigFolder)
{
    const QString fileName = QStringLiteral("Nudgely.ini");
    const QString besideProgram = QDir(programFolder).filePath(fileName);
    if (QFileInfo(besideProgram).isFile())
        return besideProgram;
    const QString inUserFolder = QDir(userConfigFolder).filePath(fileName);
    if (QFileInfo(inUserFolder).isFile())
        return inUserFolder;
    return inUserFolder;
}

} // namespace nudgely
