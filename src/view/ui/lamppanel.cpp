#include "view/ui/lamppanel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "presets/ui/aled.h"

namespace lumidor {

LampPanel::LampPanel(QWidget* model) : QWidget(model) {
    setGeometry(model->rect());
    // Only the lamps' places belong to the panel (its mask), and the lamps
    // cover them fully: nothing beneath is repainted when a lamp changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Without a lamp there would be no mask, and the panel would hide the
    // whole model: it shows with its first lamp.
    setVisible(false);
    // The help cursor shows over the lamps that have a tip, and only there.
    setMouseTracking(true);
}

void LampPanel::addLamp(TALed* lamp) {
    lamps_.append(lamp);
    lamp->setPaintedByParent([this](TALed* changed) { lampChanged(changed); });
    setMask(mask() + lamp->geometry());
    setVisible(true);
    update(lamp->geometry());
}

void LampPanel::lampChanged(TALed* lamp) {
    if (holding_) {
        pending_ |= lamp->geometry();
    } else {
        update(lamp->geometry());
    }
}

void LampPanel::holdRepaints() {
    holding_ = true;
}

void LampPanel::releaseRepaints() {
    holding_ = false;
    // One area rather than a region of many pieces: the mask cuts it down
    // to the lamps, and an unchanged lamp inside costs only its copy.
    if (!pending_.isNull()) {
        update(pending_);
        pending_ = QRect();
    }
}

TALed* LampPanel::lampAt(QPoint pos) const {
    for (TALed* lamp : lamps_) {
        if (lamp->geometry().contains(pos)) {
            return lamp;
        }
    }
    return nullptr;
}

bool LampPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const TALed* lamp = lampAt(help->pos());
        if (lamp != nullptr && !lamp->toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), lamp->toolTip(), this, lamp->geometry());
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void LampPanel::mouseMoveEvent(QMouseEvent* event) {
    const TALed* lamp = lampAt(event->position().toPoint());
    if (lamp != nullptr && lamp->testAttribute(Qt::WA_SetCursor)) {
        setCursor(lamp->cursor());
    } else {
        unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

void LampPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // A lamp the asked-for area only touches is drawn whole: the painter
    // keeps to the area, and testing the area's pieces would cost more.
    const QRect area = event->rect();
    for (TALed* lamp : lamps_) {
        if (area.intersects(lamp->geometry())) {
            // Through the panel's clip, made of one piece per lamp, the raster
            // engine fills a picture span by span; clipped to this lamp alone
            // it copies the rows, a third cheaper even counting the clip.
            painter.setClipRect(lamp->geometry());
            lamp->paintInParent(painter, ratio);
        }
    }
}

}  // namespace lumidor
