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

void HintTracker::show(const QWidget* under) {
    const QString hint = hintFor(under, window_);
    if (bar_->currentMessage() != hint) {
        bar_->showMessage(hint);
    }
}

void HintTracker::refresh() {
    if (under_ != nullptr) {
        show(under_);
    }
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
                under_ = widget;
                bar_->showMessage(hintFor(widget, window_));
            }
            break;
        case QEvent::Leave:
            if (inWindow(widget) && widget != window_) {
                under_ = widget->parentWidget();
                bar_->showMessage(hintFor(widget->parentWidget(), window_));
            }
            break;
        case QEvent::KeyPress:
        case QEvent::Wheel:
            // The control changes its hint while handling the event: look
            // once it has been handled.
            if (under_ != nullptr && inWindow(widget)) {
                QMetaObject::invokeMethod(this, &HintTracker::refresh, Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace lumidor
