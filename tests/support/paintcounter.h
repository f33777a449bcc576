#pragma once

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QStringList>
#include <QTimer>

#include "presets/ui/aled.h"

namespace lumidor::test {

// Counts the paint events of every widget, so a preview step's repaints can
// be split into the ones it asks for (LEDs, track bar) and any that leak to
// other widgets.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    // Waits until nothing is painted for a while: what showing or activating
    // a window asks for may arrive late on a slow platform (Wine under load),
    // and is no step's cost.
    static void waitUntilQuiet() {
        for (int round = 0; round < 40; ++round) {
            const PaintCounter paints;
            QEventLoop pause;
            QTimer::singleShot(50, &pause, &QEventLoop::quit);
            pause.exec();
            if (paints.leds == 0 && paints.trackBar == 0 && paints.others.isEmpty()) {
                return;
            }
        }
    }

    int leds = 0;
    int trackBar = 0;
    qint64 trackBarPixels = 0;
    QStringList others;  // objectName/className of each other widget painted

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (qobject_cast<TALed*>(watched) != nullptr) {
                ++leds;
            } else if (watched->objectName() == QLatin1String("TrackBar1")) {
                ++trackBar;
                const QRect painted = static_cast<QPaintEvent*>(event)->rect();
                trackBarPixels += qint64{painted.width()} * painted.height();
            } else {
                others << watched->objectName() + QLatin1Char('/') +
                              QString::fromLatin1(watched->metaObject()->className());
            }
        }
        return false;
    }
};

}  // namespace lumidor::test
