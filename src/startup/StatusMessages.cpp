#include "startup/StatusMessages.h"

#include <utility>

namespace nudgely {

namespace {
QString lastMessage;
std::function<void(const QString &)> statusSink;
bool busy = false;
std::function<void(bool)> busyHook;
std::function<void()> beepHook;
} // namespace

void ShowStatus(const QString &message)
{
    lastMessage = message;
    if (statusSink)
        statusSink(message);
}

QString LastStatusMessage()
{
    return lastMessage;
}

void InstallStatusSink(std::function<void(const QString &)> sink)
{
    statusSink = std::move(sink);
}

void SetBusyPointer(bool on)
{
    if (busy == on)
        return;
    busy = on;
    if (busyHook)
        busyHook(on);
}

bool BusyPointerShown()
{
    return busy;
}

void InstallBusyPointerHook(std::function<void(bool)> hook)
{
    busyHook = std::move(hook);
}

void Beep()
{
    if (beepHook)
        beepHook();
}

void InstallBeepHook(std::function<void()> hook)
{
    beepHook = std::move(hook);
}

} // namespace nudgely
