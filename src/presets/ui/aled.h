#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "presets/ledimage.h"

class QPainter;
class QTimer;

namespace lumidor {

// One LED shown as a picture: lit in one colour, dark in another, optionally
// blinking on its own timer. Every setter that gets the value it already has
// does nothing, so callers may set values on every tick for free.
class TALed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor TrueColor READ TrueColor WRITE setTrueColor)
    Q_PROPERTY(QColor FalseColor READ FalseColor WRITE setFalseColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool Blink READ Blink WRITE setBlink)
    Q_PROPERTY(bool Bordered READ Bordered WRITE setBordered)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(lumidor::LedStyle LEDStyle READ LEDStyle WRITE setLEDStyle)
public:
    explicit TALed(QWidget* parent = nullptr);
    ~TALed() override;

    QColor TrueColor() const { return trueColor_; }
    QColor FalseColor() const { return falseColor_; }
    QColor BorderColor() const { return borderColor_; }
    bool Blink() const { return blink_; }
    bool Bordered() const { return bordered_; }
    bool Value() const { return value_; }
    int Interval() const { return interval_; }
    LedStyle LEDStyle() const { return style_; }

    void setTrueColor(const QColor& colour);
    void setFalseColor(const QColor& colour);
    void setBorderColor(const QColor& colour);
    void setBlink(bool blink);
    void setBordered(bool bordered);
    void setValue(bool value);
    void setInterval(int ms);
    void setLEDStyle(LedStyle style);

    QSize sizeHint() const override;

    // What is on screen: 0 the lit picture, 1 the dark one.
    int imageIndex() const { return index_; }
    const QImage& shownImage() const { return index_ == 0 ? onImage_ : offImage_; }
    bool isBlinking() const { return timer_ != nullptr; }
    // How often a picture had to be drawn because no LED had asked for it
    // before; pictures are shared between all LEDs of the program.
    static int picturesDrawn();

    // Many LEDs side by side repaint cheaper as one widget than as many: an
    // LED painted by its parent stays hidden and repaints nothing itself; it
    // calls `changed` whenever the picture to show changes (as often as every
    // preview step, so no signal), and the parent draws it at its place with
    // paintInParent() (ratio: the parent's device pixel ratio). An empty
    // handler makes the LED paint itself again.
    using ChangeHandler = std::function<void(TALed*)>;
    void setPaintedByParent(ChangeHandler changed);
    void paintInParent(QPainter& painter, qreal ratio);

Q_SIGNALS:
    void OnTimer(TALed* sender);
    void OnMouseEnter(TALed* sender);
    void OnMouseLeave(TALed* sender);
    void OnClick(TALed* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildImages();
    void showImage(int index);
    void startBlinking();
    void stopBlinking();
    void blinkTick();
    void setColour(QColor& stored, const QColor& colour, int shownWith);
    void redraw();
    void drawAt(QPainter& painter, const QRect& place, qreal ratio);

    QColor trueColor_{0x00, 0xFF, 0x00};
    QColor falseColor_{0xC0, 0xC0, 0xC0};
    QColor borderColor_;
    bool blink_ = true;
    bool bordered_ = true;
    bool value_ = false;
    int interval_ = 1000;
    LedStyle style_ = LedStyle::LEDSmall;

    QImage onImage_;
    QImage offImage_;
    QPixmap onPixmap_;
    QPixmap offPixmap_;
    int index_ = 1;
    int scale_ = 1;  // whole-pixel enlargement of the pixmaps
    QTimer* timer_ = nullptr;
    ChangeHandler parentPaints_;
};

}  // namespace lumidor
