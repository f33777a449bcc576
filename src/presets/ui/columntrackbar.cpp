#include "presets/ui/columntrackbar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace lumidor {

ColumnTrackBar::ColumnTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

QRect ColumnTrackBar::handleRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

QRect ColumnTrackBar::moveRect() const {
    if (!paintedHandle_.isValid()) {
        return {};
    }
    const QRect now = handleRect();
    // The full height: styles fill the groove up to the handle, and whatever
    // shadow or tick the handle touches lies in this strip too.
    const int left = std::min(paintedHandle_.left(), now.left());
    const int right = std::max(paintedHandle_.right(), now.right());
    return QRect(QPoint(left, 0), QPoint(right, height() - 1)).adjusted(-2, 0, 2, 0);
}

void ColumnTrackBar::sliderChange(SliderChange change) {
    const QRect strip = moveRect();
    if (change != SliderValueChange || strip.isEmpty() || orientation() != Qt::Horizontal) {
        QSlider::sliderChange(change);
        return;
    }
    // Remembered at once: a second move before the next paint must still
    // cover the first handle place.
    paintedHandle_ = strip;
    update(strip);
}

void ColumnTrackBar::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    paintedHandle_ = handleRect();
}

}  // namespace lumidor
