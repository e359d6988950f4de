#include "config/Settings.h"
#include "eventlist/EventList.h"
#include "events/DataFileReader.h"
#include "events/EventTable.h"
#include "events/OccurrenceResolver.h"

#include <QDir>
#include <QString>

#include <benchmark/benchmark.h>

namespace nudgely {
namespace {

const QDate Today(2026, 12, 5);

// The workload folders come from bench/gen_workload.py (scripts/bench makes them).
QStringList workloadFiles(benchmark::State &state, const char *variable)
{
    const QString folder = qEnvironmentVariable(variable);
    if (folder.isEmpty() || !QDir(folder).exists(QStringLiteral("events01.txt"))) {
        state.SkipWithError("set NUDGELY_WORKLOAD and NUDGELY_WORKLOAD_OLD to generated workloads");
        return {};
    }
    QStringList files;
    for (int slot = 1; slot <= 20; ++slot)
        files.append(QDir(folder).filePath(QStringLiteral("events%1.txt").arg(slot, 2, 10, QLatin1Char('0'))));
    return files;
}

// As a reload does: the table is emptied and read again, keeping its memory.
void readFiles(const QStringList &files, EventTable &table)
{
    table.clear();
    for (int slot = 0; slot < files.size(); ++slot) {
        if (const auto content = readDataFile(files[slot]))
            table.addFile(slot, content->bytes);
    }
}

const DateFormat DayMonthYear = DateFormat::fromSettings(0, 1, 2);

void readAndResolveReferenceWorkload(benchmark::State &state)
{
    const QStringList files = workloadFiles(state, "NUDGELY_WORKLOAD");
    EventTable table;
    for (auto _ : state) {
        readFiles(files, table);
        resolveEvents(table, DayMonthYear, Today);
    }
    state.counters["events"] = static_cast<double>(table.events().size());
}
BENCHMARK(readAndResolveReferenceWorkload)->Unit(benchmark::kMillisecond);

void resolveOldDatesWorkload(benchmark::State &state)
{
    const QStringList files = workloadFiles(state, "NUDGELY_WORKLOAD_OLD");
    EventTable table;
    readFiles(files, table);
    for (auto _ : state)
        resolveEvents(table, DayMonthYear, Today);
    state.counters["events"] = static_cast<double>(table.events().size());
}
BENCHMARK(resolveOldDatesWorkload)->Unit(benchmark::kMillisecond);

// What the window's load chain does below the view: read, resolve, every event a row,
// sorted by time left.
void loadChainWithAllRows(benchmark::State &state)
{
    const QStringList files = workloadFiles(state, "NUDGELY_WORKLOAD");
    Settings settings;
    settings.filter = 0;
    const DataFileList colours{};
    EventTable table;
    EventList list(table);
    for (auto _ : state) {
        readFiles(files, table);
        resolveEvents(table, DayMonthYear, Today);
        list.rebuild(settings, colours);
        list.sort(SortOrder());
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(loadChainWithAllRows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgely
