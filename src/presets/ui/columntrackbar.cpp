#include "presets/ui/columntrackbar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace lumidor {
namespace {

// The bar cycles through a handful of looks (one per column); beyond this
// many distinct ones something else is changing and the old ones are dropped.
constexpr int kKeptPictures = 64;

}  // namespace

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

QPixmap ColumnTrackBar::picture(const QStyleOptionSlider& option) {
    const qreal ratio = devicePixelRatioF();
    // Everything the style draws the bar from.
    const Look look{option.state.toInt(),
                    option.subControls.toInt(),
                    option.activeSubControls.toInt(),
                    option.minimum,
                    option.maximum,
                    option.sliderPosition,
                    option.sliderValue,
                    option.singleStep,
                    option.pageStep,
                    option.tickPosition,
                    option.tickInterval,
                    option.upsideDown ? 1 : 0,
                    static_cast<int>(option.orientation),
                    static_cast<int>(option.direction),
                    option.rect.width(),
                    option.rect.height(),
                    static_cast<qint64>(option.palette.cacheKey()),
                    static_cast<qint64>(reinterpret_cast<quintptr>(style())),
                    qRound64(ratio * 1000),
                    autoFillBackground() ? 1 : 0};
    for (const auto& [kept, pixmap] : pictures_) {
        if (kept == look) {
            return pixmap;
        }
    }
    if (pictures_.size() >= kKeptPictures) {
        pictures_.clear();
    }
    QPixmap pixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    // Drawn twice: a style may draw a part differently the first time it
    // meets a look (while filling its own caches) than on every later paint;
    // the copy keeps what the bar would show from then on.
    for (int pass = 0; pass < 2; ++pass) {
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        if (autoFillBackground()) {
            painter.fillRect(rect(), palette().brush(backgroundRole()));
        }
        painter.setPen(palette().color(foregroundRole()));
        painter.setFont(font());
        style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    }
    pictures_.emplace_back(look, pixmap);
    return pixmap;
}

void ColumnTrackBar::paintEvent(QPaintEvent* event) {
    // What the slider itself would draw, taken from the bar's few recurring
    // looks instead of being drawn by the style on every move.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks) {
        option.subControls |= QStyle::SC_SliderTickmarks;
    }
    const QPixmap pixmap = picture(option);
    const qreal ratio = pixmap.devicePixelRatio();
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        painter.drawPixmap(area, pixmap, QRect(area.topLeft() * ratio, area.size() * ratio));
    }
    paintedHandle_ = handleRect();
}

}  // namespace lumidor
