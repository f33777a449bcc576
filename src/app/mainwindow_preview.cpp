#include <QComboBox>
#include <QSlider>
#include <QTimer>

#include "app/mainwindow.h"
#include "presets/preview.h"
#include "presets/ui/aled.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"

namespace lumidor {
namespace {

void applyColours(LivePreviewBox* preview, const LedColours& colours) {
    if (colours.led1) {
        preview->led(1)->setTrueColor(*colours.led1);
    }
    if (colours.led2) {
        preview->led(2)->setTrueColor(*colours.led2);
    }
}

}  // namespace

void TMainForm::connectPreview() {
    connect(GroupBox3->pwmList(), &QComboBox::activated, this, &TMainForm::cbPWMChange);
    connect(GroupBox3->simBar(), &QSlider::valueChanged, this, &TMainForm::tbSimChange);
    connect(GroupBox3, &PresetEditorBox::columnDurationChanged, this, [this](int ms) {
        // Setting the period restarts it; the same period must not disturb the preview.
        if (Timer1->interval() != ms) {
            Timer1->setInterval(ms);
        }
    });
}

void TMainForm::Timer1Timer() {
    const int step = GroupBox2->advanceStep();
    GroupBox3->trackBar()->setValue(step);
    applyColours(GroupBox2, stepColours(GroupBox3->pwmList()->currentIndex(), step));
    for (int output = 1; output <= kOutputs; ++output) {
        GroupBox2->led(output)->setValue(GroupBox3->cell(cellNumber(output, step + 1)));
    }
    followModels();
}

void TMainForm::cbPWMChange() {
    const int mode = GroupBox3->pwmList()->currentIndex();
    QSlider* sim = GroupBox3->simBar();
    GroupBox3->setLedPanelsColour(panelColour(mode));
    if (mode == 0) {
        sim->setEnabled(false);
        GroupBox2->led(1)->setTrueColor(kLitBlue);
        GroupBox2->led(2)->setTrueColor(kLitBlue);
    } else {
        sim->setEnabled(stickEnabled(mode));
        if (const auto position = stickResetPosition(mode, sim->maximum())) {
            sim->setValue(*position);
        }
        tbSimChange();
    }
    GroupBox3->setPwmLimitsEnabled(pwmLimitsEnabled(mode));
}

void TMainForm::tbSimChange() {
    const QSlider* sim = GroupBox3->simBar();
    applyColours(GroupBox2,
                 stickColours(GroupBox3->pwmList()->currentIndex(), sim->value(), sim->maximum()));
}

}  // namespace lumidor
