#include "presets/ui/livepreviewbox.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "presets/editortexts.h"
#include "presets/preview.h"
#include "presets/ui/aled.h"

namespace lumidor {
namespace {

constexpr std::array<int, 8> kLedTops{69, 93, 117, 140, 166, 190, 214, 237};

}  // namespace

LivePreviewBox::LivePreviewBox(QWidget* parent, LangFn lang)
    : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox2"));

    for (int i = 0; i < 8; ++i) {
        auto* led = new TALed(this);
        led->setObjectName(QStringLiteral("Led%1").arg(i + 1));
        led->setLEDStyle(TALed::LEDLarge);
        led->setBordered(false);
        led->setBorderColor(Qt::white);
        led->setTrueColor(kLitBlue);
        led->setBlink(false);
        led->move(20, kLedTops[static_cast<size_t>(i)]);
        leds_[static_cast<size_t>(i)] = led;
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(64, 110, 253, 112);
    Image1->setPixmap(moduleDrawing());

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    SpeedButton1->setGeometry(16, 346, 307, 33);

    applyLanguage(Lang::Czech);
}

void LivePreviewBox::applyLanguage(Lang lang) {
    setTitle(kPreviewCaption(lang));
    SpeedButton1->setText(kModelButton(lang));
    SpeedButton1->setStatusTip(kModelButtonHint(lang));
}

TALed* LivePreviewBox::led(int output) const {
    return output >= 1 && output <= 8 ? leds_[static_cast<size_t>(output - 1)] : nullptr;
}

int LivePreviewBox::advanceStep() {
    step_ = nextPreviewStep(step_);
    return step_;
}

QPixmap moduleDrawing() {
    QPixmap pixmap(253, 112);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = p.font();
    small.setPixelSize(9);
    p.setFont(small);

    // Receiver leads, entering the module from the left.
    const QColor leadColours[3] = {QColor(0x40, 0x30, 0x20), QColor(0xD0, 0x30, 0x20),
                                   QColor(0xF0, 0xA0, 0x10)};
    for (int input = 0; input < 2; ++input) {
        const int y = 30 + input * 42;
        for (int wire = 0; wire < 3; ++wire) {
            p.setPen(QPen(leadColours[wire], 2));
            p.drawLine(6, y + wire * 3, 70, y + wire * 3);
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawRect(QRectF(0.5, y - 3.5, 10, 13));
        p.setPen(Qt::black);
        p.drawText(QRect(12, y - 15, 58, 12), Qt::AlignLeft,
                   QStringLiteral("IN%1 max 6V").arg(input + 1));
    }

    // The module's board with its pin row on the right.
    p.setPen(QPen(QColor(0x10, 0x40, 0x10), 1));
    p.setBrush(QColor(0x2E, 0x8B, 0x3A));
    p.drawRoundedRect(QRectF(70.5, 6.5, 120, 99), 4, 4);
    p.setBrush(QColor(0x18, 0x18, 0x18));
    p.drawRect(QRectF(96.5, 36.5, 40, 40));
    p.setPen(Qt::white);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(10);
    p.setFont(bold);
    p.drawText(QRect(72, 10, 116, 14), Qt::AlignCenter, QStringLiteral("RC Lumidor v4.0"));
    p.setFont(small);

    const QStringList pins{QStringLiteral("+EXT"), QStringLiteral("-EXT"), QStringLiteral("OUT1"),
                           QStringLiteral("OUT2"), QStringLiteral("OUT3"), QStringLiteral("OUT4"),
                           QStringLiteral("+Ucc"), QStringLiteral("OUT5"), QStringLiteral("OUT6"),
                           QStringLiteral("OUT7"), QStringLiteral("OUT8")};
    for (int i = 0; i < pins.size(); ++i) {
        const qreal y = 10.5 + i * 8.7;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xD4, 0xAF, 0x37));
        p.drawRect(QRectF(180.5, y, 6, 6));
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        p.drawLine(QPointF(187, y + 3), QPointF(200, y + 3));
        p.setPen(Qt::black);
        p.drawText(QRectF(203, y - 3, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, pins[i]);
    }
    return pixmap;
}

}  // namespace lumidor
