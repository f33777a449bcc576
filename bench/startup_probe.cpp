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
#include <QEvent>
#include <cstdio>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "support/recordingdialogs.h"

namespace {

class QuitAtActivation : public QObject {
public:
    explicit QuitAtActivation(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            // Queued: the window handles its activation first.
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

// The resident high-water mark (VmHWM, KiB) of the whole run, teardown
// included: printed once everything in main() is gone.
struct PeakAtExit {
    ~PeakAtExit() {
        if (FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status) != nullptr) {
                long kib = 0;
                if (std::sscanf(line, "VmHWM: %ld", &kib) == 1) {
                    std::printf("peak %ld\n", kib);
                }
            }
            std::fclose(status);
        }
    }
} peakAtExit;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // As src/app/main.cpp sets it.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    // The start-up messages (a missing settings file, say) are recorded, not
    // waited for.
    lumidor::test::RecordingDialogs dialogs;
    lumidor::TMainForm window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    lumidor::Dialogs::setParentWidget(&window);
    new QuitAtActivation(&window);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    std::printf("size %dx%d\n", window.width(), window.height());
    return result;
}
