#include "presets/ui/aled.h"

#include <QCache>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace lumidor {
namespace {

// A drawn LED picture, as image (what tests and callers read) and as pixmap
// (what is copied to the screen, enlarged by whole pixels for a scaled screen).
struct LedPicture {
    QImage image;
    QPixmap pixmap;
};

// The preview recolours two LEDs up to 40 times a second, cycling through a
// handful of shades, and the model window shows many LEDs of the same few
// kinds: each distinct picture is drawn once and then shared. The cache is
// bounded; an LED keeps its own (implicitly shared) copy of what it shows.
constexpr int kCachedPictures = 512;
int drawnPictures = 0;

QCache<quint64, LedPicture>& pictureCache() {
    static QCache<quint64, LedPicture> cache(kCachedPictures);
    static const bool clearedWithApplication = [] {
        // Pixmaps must not outlive the application object.
        qAddPostRoutine([] { pictureCache().clear(); });
        return true;
    }();
    Q_UNUSED(clearedWithApplication);
    return cache;
}

LedPicture ledPicture(LedStyle style, bool bordered, const QColor& body, const QColor& border,
                      int scale) {
    // The picture depends on the border colour only when borderless.
    const quint64 key = (quint64{body.rgb() & 0xFFFFFFu} << 32) |
                        (quint64{static_cast<quint8>(scale)} << 56) |
                        (bordered ? quint64{0} : quint64{border.rgb() & 0xFFFFFFu} << 4) |
                        (quint64{bordered} << 3) | static_cast<quint64>(style);
    QCache<quint64, LedPicture>& cache = pictureCache();
    if (const LedPicture* found = cache.object(key)) {
        return *found;
    }
    ++drawnPictures;
    auto* picture = new LedPicture;
    // Opaque pixels copy to the screen without blending.
    picture->image = ledImage(style, bordered, body, border).convertToFormat(QImage::Format_RGB32);
    picture->pixmap = QPixmap::fromImage(pixelScaled(picture->image, scale));
    LedPicture shared = *picture;
    cache.insert(key, picture);
    return shared;
}

}  // namespace

int TALed::picturesDrawn() {
    return drawnPictures;
}

TALed::TALed(QWidget* parent) : QWidget(parent), borderColor_(palette().color(QPalette::Button)) {
    // The picture covers the whole control: nothing beneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(16, 16);
    buildImages();
}

TALed::~TALed() {
    stopBlinking();
}

QSize TALed::sizeHint() const {
    return ledSize(style_);
}

void TALed::buildImages() {
    if (size() != ledSize(style_)) {
        resize(ledSize(style_));
    }
    scale_ = ledPixelScale(devicePixelRatioF());
    LedPicture on = ledPicture(style_, bordered_, trueColor_, borderColor_, scale_);
    onImage_ = std::move(on.image);
    onPixmap_ = std::move(on.pixmap);
    LedPicture off = ledPicture(style_, bordered_, falseColor_, borderColor_, scale_);
    offImage_ = std::move(off.image);
    offPixmap_ = std::move(off.pixmap);
}

void TALed::redraw() {
    if (parentPaints_) {
        parentPaints_(this);
    } else {
        update();
    }
}

void TALed::setPaintedByParent(ChangeHandler changed) {
    parentPaints_ = std::move(changed);
    setVisible(!parentPaints_);
}

void TALed::paintInParent(QPainter& painter, qreal ratio) {
    drawAt(painter, geometry(), ratio);
}

void TALed::showImage(int index) {
    // The picture is drawn at once; asking again for the picture already on
    // screen costs nothing.
    if (index != index_) {
        index_ = index;
        redraw();
    }
}

void TALed::startBlinking() {
    if (timer_ != nullptr) {
        return;
    }
    showImage(0);
    timer_ = new QTimer(this);
    timer_->setInterval(interval_);
    connect(timer_, &QTimer::timeout, this, &TALed::blinkTick);
    timer_->start();
}

void TALed::stopBlinking() {
    delete timer_;
    timer_ = nullptr;
}

void TALed::blinkTick() {
    index_ = 1 - index_;
    redraw();
    Q_EMIT OnTimer(this);
}

void TALed::setValue(bool value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    if (value_) {
        showImage(0);
        if (blink_) {
            startBlinking();
        }
    } else {
        stopBlinking();
        showImage(1);
    }
}

void TALed::setBlink(bool blink) {
    if (blink == blink_) {
        return;
    }
    showImage(value_ ? 0 : 1);  // also restarts the blink phase
    blink_ = blink;
    if (blink_ && value_) {
        startBlinking();
    } else {
        stopBlinking();
    }
}

void TALed::setColour(QColor& stored, const QColor& colour, int shownWith) {
    if (colour == stored) {
        return;
    }
    const bool wasBlinking = blink_;
    if (wasBlinking) {
        setBlink(false);
    }
    stored = colour;
    buildImages();
    if (wasBlinking) {
        setBlink(true);
    }
    // A body colour matters on screen only while its picture is shown.
    if (shownWith < 0 || shownWith == index_) {
        redraw();
    }
}

void TALed::setTrueColor(const QColor& colour) {
    setColour(trueColor_, colour, 0);
}
void TALed::setFalseColor(const QColor& colour) {
    setColour(falseColor_, colour, 1);
}
void TALed::setBorderColor(const QColor& colour) {
    setColour(borderColor_, colour, -1);
}

void TALed::setBordered(bool bordered) {
    if (bordered == bordered_) {
        return;
    }
    bordered_ = bordered;
    buildImages();
    redraw();
}

void TALed::setLEDStyle(LedStyle style) {
    if (style == style_) {
        return;
    }
    style_ = style;
    buildImages();
    updateGeometry();
    redraw();
}

void TALed::setInterval(int ms) {
    interval_ = ms;
    if (timer_ != nullptr) {
        timer_->setInterval(ms);
    }
}

void TALed::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    drawAt(painter, rect(), devicePixelRatioF());
}

void TALed::drawAt(QPainter& painter, const QRect& place, qreal ratio) {
    if (ledPixelScale(ratio) != scale_) {
        buildImages();  // moved to a screen of another scale
    }
    // Whatever scaling remains is done by repeating pixels, never by blurring.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPixmap& pixmap = index_ == 0 ? onPixmap_ : offPixmap_;
    if (pixmap.deviceIndependentSize() == QSizeF(place.size())) {
        painter.drawPixmap(place.topLeft(), pixmap);
    } else {
        painter.drawPixmap(place, pixmap);
    }
}

void TALed::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    Q_EMIT OnMouseEnter(this);
}

void TALed::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Q_EMIT OnMouseLeave(this);
}

void TALed::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT OnClick(this);
    }
}

}  // namespace lumidor
