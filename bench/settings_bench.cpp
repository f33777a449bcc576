// Start-up load and the two stores of a full settings file. The budget for each
// is 5 ms: the load runs before the window first appears, a store right after a
// transfer, while the user waits for its result.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "settings/settingsfile.h"

namespace {

using namespace lumidor;

Presets fullPresets() {
    Presets p;
    for (int n : canonicalCellNumbers()) {
        p.grid.setCell(n, n % 3 == 0);
    }
    p.options = {3, 7, 2, 20, 80};
    return p;
}

// A full file, as both transfers leave it.
struct FullFile {
    FullFile() {
        storePresets(path, fullPresets(), nullptr);
        storeConfiguration(path, ConfigValues{}, nullptr);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini"));
};

void BM_StartUpLoad(benchmark::State& state) {
    FullFile file;
    for (auto _ : state) {
        const SettingsRead read = readSettingsFile(file.path);
        Presets p = presetsFromIni(read.ini);
        ConfigValues c = configFromIni(read.ini);
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_StartUpLoad)->Unit(benchmark::kMicrosecond);

void BM_StorePresets(benchmark::State& state) {
    FullFile file;
    const Presets p = fullPresets();
    for (auto _ : state) {
        benchmark::DoNotOptimize(storePresets(file.path, p, nullptr));
    }
}
BENCHMARK(BM_StorePresets)->Unit(benchmark::kMicrosecond);

void BM_StoreConfiguration(benchmark::State& state) {
    FullFile file;
    const ConfigValues c;
    for (auto _ : state) {
        benchmark::DoNotOptimize(storeConfiguration(file.path, c, nullptr));
    }
}
BENCHMARK(BM_StoreConfiguration)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
