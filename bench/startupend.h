#pragma once
// What the start-up probe and the bare window it is measured against share, so
// both end and count alike. Qt only: the bare window links nothing of ours.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace lumidor::bench {

// Ends the program once the window has handled its first activation.
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

// Shows the window, runs until its first activation has been handled, and
// prints the size it had.
inline int runUntilActivation(QWidget& window) {
    new QuitAtActivation(&window);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    std::printf("size %dx%d\n", window.width(), window.height());
    return result;
}

// Prints the resident high-water mark (VmHWM, KiB) of the whole run, teardown
// included, when destroyed: make it a global, gone after everything in main().
struct PeakAtExit {
    PeakAtExit() = default;
    PeakAtExit(const PeakAtExit&) = delete;
    PeakAtExit& operator=(const PeakAtExit&) = delete;
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
};

}  // namespace lumidor::bench
