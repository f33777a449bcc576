// The live preview runs up to 40 steps a second for the whole session; a step
// that changes nothing on the LEDs must not redraw them.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include "app/mainwindow.h"
#include "presets/ui/aled.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "qtbenchmain.h"
#include "support/controls.h"
#include "support/paintcounter.h"
#include "support/recordingdialogs.h"

namespace lumidor {
namespace {

using test::PaintCounter;

struct Window {
    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    TMainForm form{dir.path()};

    explicit Window(int mode) {
        form.timer1()->stop();
        form.show();
        QCoreApplication::processEvents();
        form.timer1()->stop();
        QComboBox* pwm = test::control<QComboBox>(form.presetEditor(), QStringLiteral("cbPWM"));
        pwm->setCurrentIndex(mode);
        form.cbPWMChange();
    }
    void setGrid(const PresetGrid& grid) {
        Presets p = form.presetEditor()->presets();
        p.grid = grid;
        form.loadPresets(p);
    }
};

// Every column alike: the preview has nothing to change on the LEDs.
PresetGrid steadyGrid() {
    PresetGrid grid;
    for (int c = 1; c <= kColumns; ++c) {
        for (int o = 1; o <= kOutputs; o += 2) {
            grid.set(o, c, true);
        }
    }
    return grid;
}

// Every LED changes on every step.
PresetGrid busyGrid() {
    PresetGrid grid;
    for (int c = 1; c <= kColumns; ++c) {
        for (int o = 1; o <= kOutputs; ++o) {
            grid.set(o, c, (o + c) % 2 == 0);
        }
    }
    return grid;
}

void runSteps(benchmark::State& state, int mode, const PresetGrid& grid) {
    Window w(mode);
    w.setGrid(grid);
    for (int i = 0; i < 40; ++i) {  // settle into the loop
        w.form.Timer1Timer();
    }
    QCoreApplication::processEvents();
    const int pictures = TALed::picturesDrawn();
    PaintCounter paints;
    for (auto _ : state) {
        w.form.Timer1Timer();
        QCoreApplication::processEvents();
    }
    const double steps = static_cast<double>(state.iterations());
    state.counters["led_paints_per_step"] = paints.leds / steps;
    state.counters["trackbar_paints_per_step"] = paints.trackBar / steps;
    state.counters["trackbar_pixels_per_step"] = static_cast<double>(paints.trackBarPixels) / steps;
    state.counters["other_paints_per_step"] = paints.others.size() / steps;
    state.counters["pictures_drawn_per_step"] = (TALed::picturesDrawn() - pictures) / steps;
}

void BM_PreviewStepSteady(benchmark::State& state) {
    runSteps(state, 0, steadyGrid());
}
void BM_PreviewStepBusyMode2(benchmark::State& state) {
    runSteps(state, 2, busyGrid());
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The preview as the user sees it: the real timer at 25 ms per column, a busy
// pattern with the loop shading, for a few seconds of wall time.
void BM_PreviewRunning(benchmark::State& state) {
    const int seconds = qEnvironmentVariableIsSet("LUMIDOR_PREVIEW_SECONDS")
                            ? qEnvironmentVariableIntValue("LUMIDOR_PREVIEW_SECONDS")
                            : 10;
    // Argument 1: the busy pattern with loop shading; 0: the steady pattern in
    // mode 0, where only the column indicator moves.
    const bool busy = state.range(0) != 0;
    Window w(busy ? 2 : 0);
    w.setGrid(busy ? busyGrid() : steadyGrid());
    QComboBox* axis =
        test::control<QComboBox>(w.form.presetEditor(), QStringLiteral("cbCasovaOsa"));
    axis->setCurrentIndex(0);
    w.form.presetEditor()->cbCasovaOsaChange();
    for (auto _ : state) {
        int ticks = 0;
        QObject::connect(w.form.timer1(), &QTimer::timeout, [&ticks] { ++ticks; });
        PaintCounter paints;
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        w.form.timer1()->start();
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        w.form.timer1()->stop();
        const double cpu = cpuSeconds() - cpuBefore;
        const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
        state.counters["cpu_percent"] = 100.0 * cpu / elapsed;
        state.counters["steps"] = ticks;
        state.counters["led_paints"] = paints.leds;
        state.counters["interval_ms"] = w.form.timer1()->interval();
    }
}

BENCHMARK(BM_PreviewStepSteady);
BENCHMARK(BM_PreviewStepBusyMode2);
BENCHMARK(BM_PreviewRunning)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace lumidor

int main(int argc, char** argv) {
    return lumidor::bench::runWithApplication(argc, argv);
}
