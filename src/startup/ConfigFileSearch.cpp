#include "startup/ConfigFileSearch.h"

#include "startup/AppIdentity.h"
#include "startup/AppPaths.h"
#include "startup/CommandLine.h"
#include "startup/FileSystem.h"
#include "startup/MessageBoxes.h"

#include <QFileInfo>

namespace nudgely {

namespace {

QString InFolder(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

bool IsIniSwitch(const QString &argument)
{
    return argument.left(2).toUpper() == QLatin1String("/I");
}

// "/I" and its file: false when start-up has to end here.
bool TakeIniFileFromCommandLine(const QString &commandLine)
{
    const QString given = CommandLineArg(commandLine, 2);
    if (given.isEmpty()) {
        ShowMessageBox(MessageIcon::Exclamation, MessageButtons::Ok,
                       QStringLiteral("Configuration file not found on command line after /i parameter!\n\n"
                                      "Please update your Nudgely shortcut and try again."));
        return false;
    }
    IniFilePath = QFileInfo(given).absoluteFilePath();
    if (FileExists(IniFilePath))
        return true;
    const MessageAnswer answer = ShowMessageBox(
        MessageIcon::Question, MessageButtons::YesNoCancel,
        QStringLiteral("Configuration file specified as command line parameter not found:\n%1\n\n"
                       "Are you sure you want to continue?")
            .arg(IniFilePath));
    return answer == MessageAnswer::Yes;
}

} // namespace

QString SearchConfigurationFile()
{
    const QString fileName = AppTitle + QStringLiteral(".ini");
    const QString besideProgram = InFolder(ProgramFolder(), fileName);
    if (FileExists(besideProgram))
        return besideProgram;
    const QString inUserFolder = InFolder(UserConfigDirectory(), fileName);
    if (FileExists(inUserFolder))
        return inUserFolder;
    // Neither exists: the first write creates it where it can be written.
    return IsWritableFolder(ProgramFolder()) ? besideProgram : inUserFolder;
}

bool SettleConfigurationFile(const QString &commandLine)
{
    IniFilePath.clear();
    if (CommandLineArgCount(commandLine) > 0 && IsIniSwitch(CommandLineArg(commandLine, 1))) {
        if (!TakeIniFileFromCommandLine(commandLine))
            return false;
    } else {
        // Any other first argument is ignored; the search runs as for an empty command line.
        IniFilePath = SearchConfigurationFile();
    }
    HelpFilePath = FindHelpFile();
    return true;
}

} // namespace nudgely
