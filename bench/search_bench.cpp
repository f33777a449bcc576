// Run with the converter simulator on the loader path (scripts/lumidor.sh bench).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "link/d2xxswitchport.h"
#include "support/search.h"
#include "transfer/frame.h"

namespace lumidor {
namespace {

// The frame the write button builds for output 1 lit in column 1.
QByteArray workedFrame() {
    Presets presets;
    presets.grid.setCell(1, true);
    return presetFrame(presets);
}

// One ready converter: the whole search, port set-up included, must stay far
// below what a user notices (target: under 20 ms).
void BM_ConverterSearch(benchmark::State& state) {
    D2XXUnit unit;
    SearchInput input;
    input.windowVisible = false;
    for (auto _ : state) {
        const SearchResult r = searchConverter(unit, input);
        if (!test::converterShown(r)) {
            state.SkipWithError("no converter: is the simulator on LD_LIBRARY_PATH?");
            return;
        }
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ConverterSearch)->Unit(benchmark::kMillisecond);

// One transfer as the write buttons run it: open, the frame twice, the reply,
// close. Argument 0: the switch's short answer, which ends the read at its
// carriage return; argument 1: an answer of 50 bytes or more, which ends it
// at the 50th byte. Only the line time remains either way (wire_bench sets it
// beside the wire's floor).
void BM_Transfer(benchmark::State& state) {
    D2XXUnit unit;
    searchConverter(unit, SearchInput{});  // applies the port settings
    if (state.range(0) == 1) {
        setenv("LUMIDOR_SIM_REPLY", "long", 1);
    }
    D2xxSwitchPort port(unit);
    const QByteArray frame = workedFrame();
    for (auto _ : state) {
        if (!port.open(QStringLiteral("RC_LINKUP v1.3"))) {
            state.SkipWithError("cannot open the converter");
            return;
        }
        port.write(frame);
        port.write(frame);
        benchmark::DoNotOptimize(port.read(50));
        port.close();
    }
    unsetenv("LUMIDOR_SIM_REPLY");
}
BENCHMARK(BM_Transfer)->Arg(0)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Transfer)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumidor

BENCHMARK_MAIN();
