#include "support/TestEnvironment.h"

#include "config/IniSettings.h"
#include "config/Registry.h"
#include "config/Settings.h"
#include "events/EventTables.h"
#include "eventlist/EventListBuilder.h"
#include "eventlist/EventsGrid.h"
#include "eventlist/Sorting.h"
#include "events/Today.h"
#include "startup/AppPaths.h"
#include "startup/StatusMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>


namespace nudgely::test {

MessageAnswer RecordingPresenter::present(MessageIcon icon, MessageButtons buttons, const QString &text)
{
    messages.push_back({icon, buttons, text});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
}

TestEnvironment::TestEnvironment()
{
    EXPECT_TRUE(dir_.isValid());
    hadXdgConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    savedXdgConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdgConfigHome()));
    QDir().mkpath(programFolder());
    QDir().mkpath(userConfigFolder());
    SetProgramFolder(programFolder());
    IniFilePath = iniPath();
    Settings = SettingsRecord();
    DataFiles = {};
    ResetEvents();
    LastIniError = 0;
    LastIniErrorText.clear();
    InstallMessagePresenter(&presenter);
    InstallStatusSink([this](const QString &message) { statuses.push_back(message); });
    SetBusyPointer(false);
    InstallBeepHook([this] { ++beeps; });
    InstallCaptionHook([this](const QString &text) { caption = text; });
    SetToday(QDate(2026, 12, 5));
    CurrentSortMarks = SortMarks();
    LayOutEventsGrid();
    QLocale::setDefault(QLocale::c());
}

TestEnvironment::~TestEnvironment()
{
    InstallMessagePresenter(nullptr);
    InstallStatusSink(nullptr);
    InstallBeepHook(nullptr);
    InstallCaptionHook(nullptr);
    SetBusyPointer(false);
    SetToday(QDate());
    SetProgramFolder(QString());
    IniFilePath.clear();
    if (hadXdgConfigHome_)
        qputenv("XDG_CONFIG_HOME", savedXdgConfigHome_);
    else
        qunsetenv("XDG_CONFIG_HOME");
    // Read-only folders made by a test must not stop the clean-up.
    QDir root(dir_.path());
    for (const QFileInfo &info : root.entryInfoList(QDir::AllDirs | QDir::NoDotAndDotDot))
        QFile::setPermissions(info.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestEnvironment::root() const
{
    return dir_.path();
}

QString TestEnvironment::programFolder() const
{
    return root() + QStringLiteral("/program");
}

QString TestEnvironment::xdgConfigHome() const
{
    return root() + QStringLiteral("/config");
}

QString TestEnvironment::userConfigFolder() const
{
    return xdgConfigHome() + QStringLiteral("/Nudgely");
}

QString TestEnvironment::iniPath() const
{
    return programFolder() + QStringLiteral("/Nudgely.ini");
}

QString TestEnvironment::path(const QString &relative) const
{
    return QDir::isAbsolutePath(relative) ? relative : root() + QLatin1Char('/') + relative;
}

void TestEnvironment::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(full);
    file.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestEnvironment::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

void TestEnvironment::writeRegistry(const QByteArray &bytes) const
{
    writeFile(RegistryFilePath(), bytes);
}

QByteArray TestEnvironment::readRegistry() const
{
    return readFile(RegistryFilePath());
}

} // namespace nudgely::test
