#include "config/LegacyMigration.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace nudgely {

namespace {

// An export as the Registry Editor writes it (UTF-16 with a byte order mark) of a user's
// whole software branch: the old settings and data files among many other programs' keys,
// each key with a string, a number and a binary value that runs over continuation lines,
// and a deleted key; one large binary value has a continuation line per key.
QByteArray exportWithKeys(int keys)
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Nudgely\\Settings]\r\n"
                                  "\"frmCentre\"=dword:00000000\r\n\"EventsFontName\"=\"Tahoma\"\r\n"
                                  "\"Filter\"=dword:00000001\r\n\"FilterLength\"=dword:0000000c\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Nudgely\\DataFiles]\r\n"
                                  "\"1File\"=\"C:\\\\Users\\\\me\\\\dates.txt\"\r\n\r\n");
    for (int key = 0; key < keys; ++key) {
        text += QStringLiteral("[HKEY_CURRENT_USER\\Software\\Vendor%1\\Program\\Options]\r\n"
                               "\"Path\"=\"C:\\\\Program Files\\\\Vendor%1\\\\program.exe\"\r\n"
                               "\"Count\"=dword:%2\r\n"
                               "\"State\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
                               "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,\\\r\n"
                               "  2d,2e,2f,30\r\n\r\n"
                               "[-HKEY_CURRENT_USER\\Software\\Vendor%1\\Program\\Recent]\r\n\r\n")
                    .arg(key)
                    .arg(key, 8, 16, QLatin1Char('0'));
    }
    text += QStringLiteral("[HKEY_CURRENT_USER\\Software\\Vendor\\Cache]\r\n\"Blob\"=hex:00");
    for (int key = 0; key < keys; ++key)
        text += QStringLiteral(",\\\r\n  01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,18,19");
    text += QStringLiteral("\r\n");
    return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

void readRegistryExport(benchmark::State &state)
{
    const QByteArray bytes = exportWithKeys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const RegistryExport old = RegistryExport::fromBytes(bytes);
        benchmark::DoNotOptimize(old.isEmpty());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(readRegistryExport)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

// A start with a migration due: the export read and its settings carried into a new file.
void migrateRegistryExport(benchmark::State &state)
{
    const QByteArray bytes = exportWithKeys(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Nudgely.ini"));
    for (auto _ : state) {
        QFile::remove(path);
        ConfigEdit edit(path);
        if (!migrateLegacySettings(RegistryExport::fromBytes(bytes), edit) || edit.commit() != 0)
            state.SkipWithError("the migration did not run");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(migrateRegistryExport)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

} // namespace nudgely
