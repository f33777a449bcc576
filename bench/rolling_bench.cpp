// Folding the preset editor away is 41 ticks 20 ms apart; a tick that takes
// longer than a small part of that makes the slide stutter. Each tick's
// handler is timed in CPU time of the thread, painting included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <vector>

#include "app/mainwindow.h"
#include "qtbenchmain.h"
#include "settings/configvalues.h"
#include "settings/ui/configpanelbox.h"
#include "support/recordingdialogs.h"

namespace lumidor {
namespace {

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Window {
    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    TMainForm form{dir.path()};

    Window() {
        form.show();
        QCoreApplication::processEvents();
        // The handler is called below as the timer would; the timer itself
        // must not run it again in between.
        form.rollingTimer()->setInterval(24 * 3600 * 1000);
    }
    // Runs the handler as the timer would until the animation stops; the
    // CPU time of each tick goes to `ticks`.
    void roll(int program, std::vector<double>* ticks) {
        form.findChild<QComboBox*>(QStringLiteral("cbProg"))->setCurrentIndex(program);
        form.configPanel()->cbProgChange();
        while (form.rollingTimer()->isActive()) {
            const double before = threadCpuMs();
            form.tmrRollingWindowTimer();
            if (ticks != nullptr) {
                ticks->push_back(threadCpuMs() - before);
            }
            // What arrived meanwhile, outside the timed handler, as between two ticks.
            QCoreApplication::processEvents();
        }
    }
};

// Each iteration times every tick of one fold (or unfold); the counters are
// over all of them. The first tick of a fold also hides the preset groups.
void report(benchmark::State& state, std::vector<std::vector<double>> runs) {
    std::vector<double> all;
    std::vector<double> firsts;
    std::vector<double> later;
    for (const std::vector<double>& ticks : runs) {
        all.insert(all.end(), ticks.begin(), ticks.end());
        firsts.push_back(ticks.front());
        later.insert(later.end(), ticks.begin() + 1, ticks.end());
    }
    std::sort(all.begin(), all.end());
    state.counters["ticks"] = static_cast<double>(runs.front().size());
    state.counters["max_tick_cpu_ms"] = all.back();
    state.counters["median_tick_cpu_ms"] = all[all.size() / 2];
    state.counters["max_first_tick_cpu_ms"] = *std::max_element(firsts.begin(), firsts.end());
    state.counters["max_later_tick_cpu_ms"] = *std::max_element(later.begin(), later.end());
}

void BM_FoldTicks(benchmark::State& state) {
    Window w;
    w.roll(0, nullptr);
    std::vector<std::vector<double>> runs;
    for (auto _ : state) {
        runs.emplace_back();
        w.roll(1, &runs.back());
        state.PauseTiming();
        w.roll(0, nullptr);
        state.ResumeTiming();
    }
    report(state, runs);
}

void BM_UnfoldTicks(benchmark::State& state) {
    Window w;
    std::vector<std::vector<double>> runs;
    for (auto _ : state) {
        state.PauseTiming();
        w.roll(1, nullptr);
        state.ResumeTiming();
        runs.emplace_back();
        w.roll(0, &runs.back());
    }
    report(state, runs);
}

BENCHMARK(BM_FoldTicks)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnfoldTicks)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumidor

int main(int argc, char** argv) {
    return lumidor::bench::runWithApplication(argc, argv);
}
