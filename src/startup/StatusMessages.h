#pragma once

#include <QString>

#include <functional>

namespace nudgely {

// The running commentary of long work ("reading datafile: ...", summaries, refusals). The
// main window installs a sink that shows each message at once; without one the last
// message is kept so that it can be read back (tests, --list).
void ShowStatus(const QString &message);
QString LastStatusMessage();
void InstallStatusSink(std::function<void(const QString &)> sink);

// The busy (hourglass) pointer around long work. Turning it on twice needs one turn off.
void SetBusyPointer(bool busy);
bool BusyPointerShown();
void InstallBusyPointerHook(std::function<void(bool)> hook);

// The beep that goes with a refused command.
void Beep();
void InstallBeepHook(std::function<void()> hook);

} // namespace nudgely
