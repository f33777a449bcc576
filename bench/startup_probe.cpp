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
#include <QFile>
#include <cstdio>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"

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

// VmHWM of /proc/self/status, in KiB.
QByteArray peakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).simplified().split(' ').value(0);
            }
        }
    }
    return "0";
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // As src/app/main.cpp sets it.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    lumidor::TMainForm window(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    lumidor::Dialogs::setParentWidget(&window);
    new QuitAtActivation(&window);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    std::printf("size %dx%d\npeak %s\n", window.width(), window.height(), peakMemory().constData());
    return result;
}
