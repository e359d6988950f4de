#pragma once

#include <QString>

namespace nudgely {

// Where the program and the user's files are. Tests stand them in a folder of their own.
struct AppPaths {
    QString programFolder;    // the executable's folder
    QString programPath;      // the executable itself, as an autostart entry starts it
    QString userConfigFolder; // $XDG_CONFIG_HOME/Nudgely, else ~/.config/Nudgely
    QString autostartFolder;  // $XDG_CONFIG_HOME/autostart, else ~/.config/autostart

    // From the running application and the XDG folders. The window program gives the path of
    // the nudgely command that started it, which it stands for.
    static AppPaths forThisProgram(const QString &commandPath = {});

    QString autostartEntry() const;   // <autostart>/Nudgely.desktop
    QString registryExport() const;   // <user config>/registry.reg, the Windows settings
    // The sample data file dates.txt and the user guide Nudgely.html: beside the program, else
    // in ../share/nudgely/ from it (an installed program); beside the program when neither exists.
    QString sampleDataFile() const;
    QString helpFile() const;

private:
    QString besideOrInstalled(const QString &name) const;
};

} // namespace nudgely
