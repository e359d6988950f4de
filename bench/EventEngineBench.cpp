#include "config/Settings.h"
#include "events/DataFileReader.h"
#include "events/EventTables.h"
#include "events/OccurrenceResolver.h"
#include "events/Today.h"

#include <QDir>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace nudgely {
namespace {

// The workload folders come from bench/gen_workload.py (scripts/bench makes them).
bool ConfigureWorkload(benchmark::State &state, const char *variable)
{
    const QString folder = qEnvironmentVariable(variable);
    if (folder.isEmpty() || !QDir(folder).exists(QStringLiteral("events01.txt"))) {
        state.SkipWithError("set NUDGELY_WORKLOAD and NUDGELY_WORKLOAD_OLD to generated workloads");
        return false;
    }
    Settings = SettingsRecord();
    DataFiles = {};
    for (int slot = 1; slot <= MaxDataFiles; ++slot)
        DataFiles[slot].szFileName = QDir(folder).filePath(QStringLiteral("events%1.txt").arg(slot, 2, 10, QLatin1Char('0')));
    SetToday(QDate(2026, 12, 5));
    return true;
}

void ReadAndResolveReferenceWorkload(benchmark::State &state)
{
    if (!ConfigureWorkload(state, "NUDGELY_WORKLOAD"))
        return;
    for (auto _ : state) {
        ReadDataFiles();
        ResolveEvents();
    }
    state.counters["events"] = EventCount;
}
BENCHMARK(ReadAndResolveReferenceWorkload)->Unit(benchmark::kMillisecond);

void ResolveOldDatesWorkload(benchmark::State &state)
{
    if (!ConfigureWorkload(state, "NUDGELY_WORKLOAD_OLD"))
        return;
    ReadDataFiles();
    for (auto _ : state)
        ResolveEvents();
    state.counters["events"] = EventCount;
}
BENCHMARK(ResolveOldDatesWorkload)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgely
