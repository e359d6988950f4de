#include "config/SettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace nudgely {
namespace {

// The worst case of a save: all 20 data file slots in use, over an existing file.
void saveSettingsWithTwentyDataFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Nudgely.ini"));
    Settings settings;
    settings.editorPath = QStringLiteral("/usr/bin/gedit");
    DataFileList files;
    for (int slot = 0; slot < MaxDataFiles; ++slot)
        files[static_cast<std::size_t>(slot)] = {QStringLiteral("/home/user/Documents/events/file-%1.txt").arg(slot + 1),
                                                 NewFileColours};
    int round = 0;
    for (auto _ : state) {
        // Change something so that every save really writes.
        settings.filterLength = static_cast<quint8>(1 + (++round % 26));
        ConfigEdit edit(path);
        writeSettings(edit, settings, files);
        if (edit.commit() != 0)
            state.SkipWithError("the configuration file could not be written");
    }
}
BENCHMARK(saveSettingsWithTwentyDataFiles)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgely

BENCHMARK_MAIN();
