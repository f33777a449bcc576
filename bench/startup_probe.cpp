// The configurator started as its main() starts it and ended at the first
// activation of its window, once the activation's own work (the converter
// search, the announcements) is done: what a profiler sees is exactly the
// start-up. scripts/measure-startup.sh runs it beside a bare window.
//
//   startup_probe [settings folder]
//
// Prints the window's size, so the bare window can be built alike, and the
// peak resident memory.
#include <QApplication>

#include "app/appfont.h"
#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "startupend.h"
#include "support/recordingdialogs.h"

namespace {
lumidor::bench::PeakAtExit peakAtExit;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumidor::applyApplicationFont();

    // The start-up messages (a missing settings file, say) are recorded, not
    // waited for.
    lumidor::test::RecordingDialogs dialogs;
    lumidor::TMainForm window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    lumidor::Dialogs::setParentWidget(&window);
    return lumidor::bench::runUntilActivation(window);
}
