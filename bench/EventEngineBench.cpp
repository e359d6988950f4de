#include "config/Settings.h"
#include "eventlist/EventList.h"
#include "events/DataFileReader.h"
#include "events/EventTable.h"
#include "events/OccurrenceResolver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
    for (int slot = 0; slot < files.size(); ++slot)
        loadDataFile(table, slot, files[slot]);
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
        list.rebuild(settings, colours, Today);
        list.sort(SortOrder());
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(loadChainWithAllRows)->Unit(benchmark::kMillisecond);

// The window's sort of every row by time left, rows due on the same day by description.
void sortAllRows(benchmark::State &state)
{
    const QStringList files = workloadFiles(state, "NUDGELY_WORKLOAD");
    Settings settings;
    settings.filter = 0;
    EventTable table;
    EventList list(table);
    readFiles(files, table);
    resolveEvents(table, DayMonthYear, Today);
    for (auto _ : state) {
        state.PauseTiming();
        list.rebuild(settings, DataFileList{}, Today);
        state.ResumeTiming();
        list.sort(SortOrder());
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(sortAllRows)->Unit(benchmark::kMillisecond);

// 32,767 lines of one weekday rule whose month lies thousands of years away (argument 1),
// against as many ordinary dates (argument 0): the rule's work stays bounded.
void resolveFarWeekdayRules(benchmark::State &state)
{
    const QByteArray line = state.range(0) ? "1SU/32767/XXXX far rule\n" : "05/12/1990 ordinary date\n";
    EventTable table;
    table.addFile(0, line.repeated(EventTable::MaxEvents));
    for (auto _ : state)
        resolveEvents(table, DayMonthYear, Today);
    state.counters["events"] = static_cast<double>(table.events().size());
}
BENCHMARK(resolveFarWeekdayRules)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A data file of ordinary lines with one line of the given size in megabytes in the middle:
// the long line is skipped and the rest read as usual.
void loadFileWithOneLongLine(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write a temporary file");
        return;
    }
    const QByteArray ordinary = QByteArray("05/12/1990 ordinary date\n").repeated(1000);
    file.write(ordinary + "01/01/2000 " + QByteArray(state.range(0) * 1024 * 1024, 'x') + "\n" + ordinary);
    file.close();
    Settings settings;
    settings.filter = 0;
    const DataFileList colours{};
    EventTable table;
    EventList list(table);
    for (auto _ : state) {
        table.clear();
        loadDataFile(table, 0, path);
        resolveEvents(table, DayMonthYear, Today);
        list.rebuild(settings, colours, Today);
    }
    state.counters["rows"] = static_cast<double>(list.rows().size());
}
BENCHMARK(loadFileWithOneLongLine)->Arg(0)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgely
