#include "presets/ui/livepreviewbox.h"

#include <QLabel>
#include <QToolButton>

#include "common/ui/pictures.h"
#include "presets/editortexts.h"
#include "presets/rowtops.h"
#include "presets/ui/aled.h"

namespace lumidor {

LivePreviewBox::LivePreviewBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox2"));

    for (int i = 0; i < 8; ++i) {
        auto* led = new TALed(this);
        led->setObjectName(QStringLiteral("Led%1").arg(i + 1));
        led->setLEDStyle(LedStyle::LEDLarge);
        led->setBordered(false);
        led->setBorderColor(Qt::white);
        led->setTrueColor(kLitBlue);
        led->setBlink(false);
        led->move(20, kRowTops[static_cast<size_t>(i)]);
        leds_[static_cast<size_t>(i)] = led;
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(64, 110, 253, 112);
    Image1->setPixmap(resourcePixmap(QStringLiteral(":/pictures/module.png"), this));

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    SpeedButton1->setGeometry(16, 346, 307, 33);
    connect(SpeedButton1, &QToolButton::clicked, this, &LivePreviewBox::modelRequested);

    applyLanguage(Lang::Czech);
}

void LivePreviewBox::applyLanguage(Lang lang) {
    setTitle(kPreviewCaption(lang));
    SpeedButton1->setText(kModelButton(lang));
    SpeedButton1->setStatusTip(kModelButtonHint(lang));
}

void LivePreviewBox::show(const PreviewLeds& leds) {
    showColours(leds.colours);
    for (size_t i = 0; i < leds_.size(); ++i) {
        leds_[i]->setValue(leds.lit[i]);
    }
}

void LivePreviewBox::showColours(const LedColours& colours) {
    if (colours.led1) {
        leds_[0]->setTrueColor(*colours.led1);
    }
    if (colours.led2) {
        leds_[1]->setTrueColor(*colours.led2);
    }
}

int LivePreviewBox::advanceStep() {
    step_ = nextPreviewStep(step_);
    return step_;
}

}  // namespace lumidor
