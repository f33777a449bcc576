// A write to the switch against the wire's floor: how long a preset write and
// a configuration write take from the open to the close, beside the time the
// line itself needs. Run with the converter simulator on the loader path
// (scripts/lumidor.sh bench; scripts/windows.sh bench under Wine).
//
// Plain C++ and Qt Core without Google Benchmark, so the same program runs as
// a Windows program too. Argument: the writes timed per kind (default 10).

#include <QByteArray>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "link/d2xxswitchport.h"
#include "support/search.h"
#include "support/simenv.h"
#include "transfer/frame.h"
#include "transfer/reply.h"
#include "transfer/transfer.h"

namespace lumidor {
namespace {

// The switch's moment of thought before it answers, as the simulator plays it.
constexpr int kAnswerDelayMs = 10;
constexpr double kBitsPerByte = 10.0;
constexpr double kBaud = 9600.0;
// "RC_LINKUP...OK" and its carriage return.
constexpr int kAnswerBytes = 15;
constexpr double kTarget = 1.2;

double lineMs(int bytes) {
    return bytes * kBitsPerByte * 1000.0 / kBaud;
}

// Both copies of the frame and the answer on the line, and the switch's delay.
double floorMs(const QByteArray& frame) {
    return lineMs(2 * static_cast<int>(frame.size()) + kAnswerBytes) + kAnswerDelayMs;
}

// The median of `runs` writes of `frame`, in milliseconds; negative when one
// was not accepted.
double medianWriteMs(D2xxSwitchPort& port, const QByteArray& frame, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const TransferOutcome out =
            exchangeFrame(&port, QStringLiteral("RC_LINKUP v1.3"), frame, Lang::English);
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (out.status != TransferStatus::Replied || !replyAccepted(out.reply)) {
            return -1;
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool report(const char* name, double ms, double floor) {
    if (ms < 0) {
        std::printf("%-20s not accepted: is the simulator on the loader path?\n", name);
        return false;
    }
    const double ratio = ms / floor;
    std::printf("%-20s %8.1f ms   wire's floor %6.1f ms   %5.2fx  (target <= %.1fx)\n", name, ms,
                floor, ratio, kTarget);
    return true;
}

}  // namespace
}  // namespace lumidor

int main(int argc, char** argv) {
    using namespace lumidor;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    test::SimEnv sim;
    sim.set("LUMIDOR_SIM_ANSWER_DELAY", QByteArray::number(kAnswerDelayMs).constData());

    D2XXUnit unit;
    SearchInput input;
    input.windowVisible = false;
    if (!test::converterShown(searchConverter(unit, input))) {  // applies the port settings
        std::printf("no converter: is the simulator on the loader path?\n");
        return 1;
    }
    D2xxSwitchPort port(unit);
    Presets presets;
    presets.grid.setCell(1, true);
    const QByteArray presetBytes = presetFrame(presets);
    const QByteArray configBytes = configurationFrame(ConfigValues{});

    std::printf(
        "Writes to the simulated switch, open to close, median of %d (9600 Bd, answer "
        "after %d ms):\n",
        runs, kAnswerDelayMs);
    const bool ok =
        report("preset write", medianWriteMs(port, presetBytes, runs), floorMs(presetBytes)) &&
        report("configuration write", medianWriteMs(port, configBytes, runs), floorMs(configBytes));
    return ok ? 0 : 1;
}
