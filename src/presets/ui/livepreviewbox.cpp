#include "presets/ui/livepreviewbox.h"

#include <QLabel>
#include <QToolButton>

#include "common/ui/pictures.h"
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
    Image1->setPixmap(resourcePixmap(QStringLiteral(":/pictures/module.png"), this));

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

}  // namespace lumidor
