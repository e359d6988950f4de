#include "config/Settings.h"
#include "events/EventTables.h"
#include "startup/AppPaths.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace nudgely {
namespace {

// The worst case of a save: all 20 data file slots in use, over an existing file.
void SaveSettingsWithTwentyDataFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    IniFilePath = dir.filePath(QStringLiteral("Nudgely.ini"));
    for (int slot = 1; slot <= MaxDataFiles; ++slot)
        DataFiles[slot] = {QStringLiteral("/home/user/Documents/events/file-%1.txt").arg(slot),
                           1, 16777215, 0, 65535, 16777215, 12632256};
    Settings.Path = QStringLiteral("/usr/bin/gedit");
    SaveSettings();

    int round = 0;
    for (auto _ : state) {
        // Change something so that every save really writes.
        Settings.FilterLength = static_cast<quint8>(1 + (++round % 26));
        SaveSettings();
    }
}
BENCHMARK(SaveSettingsWithTwentyDataFiles)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgely

BENCHMARK_MAIN();
