#include "app/hinttracker.h"

#include <QApplication>
#include <QEvent>
#include <QStatusBar>
#include <QWidget>

namespace lumidor {

HintTracker::HintTracker(QWidget* window, QStatusBar* bar)
    : QObject(window), window_(window), bar_(bar) {
    qApp->installEventFilter(this);
}

QString HintTracker::hintFor(const QWidget* widget, const QWidget* top) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty()) {
            return w->statusTip();
        }
        if (w == top) {
            break;
        }
    }
    return QString();
}

bool HintTracker::inWindow(const QWidget* widget) const {
    return widget && (widget == window_ || window_->isAncestorOf(widget));
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::StatusTip:
            return inWindow(widget);
        case QEvent::Enter:
            if (inWindow(widget)) {
                bar_->showMessage(hintFor(widget, window_));
            }
            break;
        case QEvent::Leave:
            if (inWindow(widget) && widget != window_) {
                bar_->showMessage(hintFor(widget->parentWidget(), window_));
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace lumidor
