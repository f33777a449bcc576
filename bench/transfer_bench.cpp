#include <benchmark/benchmark.h>

#include "transfer/frame.h"
#include "transfer/reply.h"

namespace {

using namespace lumidor;

// A transfer builds one frame per click; these only guard against the frame
// or reply code growing something silly (they should stay in microseconds).
void BM_PresetFrame(benchmark::State& state) {
    Presets p;
    p.grid.fill();
    for (auto _ : state) {
        benchmark::DoNotOptimize(presetFrame(p));
    }
}
BENCHMARK(BM_PresetFrame);

void BM_ConfigurationFrame(benchmark::State& state) {
    const ConfigValues v;
    for (auto _ : state) {
        benchmark::DoNotOptimize(configurationFrame(v));
    }
}
BENCHMARK(BM_ConfigurationFrame);

void BM_ReplyToBoxes(benchmark::State& state) {
    const QByteArray received = "RC_LINKUP...OK Error#48 Error#128 padding padding\r\n";
    for (auto _ : state) {
        const QString reply = replyText(received);
        benchmark::DoNotOptimize(transferResultMessages(reply, TransferKind::Presets, Lang::Czech));
    }
}
BENCHMARK(BM_ReplyToBoxes);

}  // namespace

BENCHMARK_MAIN();
