#include <QTimer>

#include "app/mainwindow.h"
#include "presets/preview.h"
#include "presets/timeaxis.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"

namespace lumidor {

void TMainForm::connectPreview() {
    // Every edit the user makes in the editor is the document's from now on.
    connect(GroupBox3, &PresetEditorBox::presetsEdited, this,
            [this](const Presets& presets) { session_.doc.presets = presets; });
    connect(GroupBox3, &PresetEditorBox::pwmModeChanged, this, &TMainForm::cbPWMChange);
    connect(GroupBox3, &PresetEditorBox::stickMoved, this, [this](int position) {
        stickPosition_ = position;
        tbSimChange();
    });
    connect(GroupBox3, &PresetEditorBox::columnDurationChanged, this, [this](int ms) {
        // Setting the period restarts it; the same period must not disturb the preview.
        if (Timer1->interval() != ms) {
            Timer1->setInterval(ms);
        }
    });
}

void TMainForm::loadPresets(const Presets& presets) {
    session_.doc.presets = shownPresets(presets);
    GroupBox3->setPresets(session_.doc.presets);
    // What reaches across groups follows: the time axis sets the preview's
    // pace, the brightness mode its colours (and the stick's).
    GroupBox3->cbCasovaOsaChange();
    cbPWMChange();
}

void TMainForm::Timer1Timer() {
    const int step = GroupBox2->advanceStep();
    GroupBox3->showStep(step);
    const PreviewLeds leds = previewLeds(session_.doc.presets, step);
    GroupBox2->show(leds);
    previewLit_ = leds.lit;
    followModels();
}

void TMainForm::cbPWMChange() {
    const int mode = session_.doc.presets.options.pwmMode;
    // Moving the stick simulator to where the mode starts it runs tbSimChange.
    GroupBox3->showPwmMode(mode);
    if (mode == 0) {
        GroupBox2->showColours({kLitBlue, kLitBlue});
    } else {
        tbSimChange();
    }
}

void TMainForm::tbSimChange() {
    GroupBox2->showColours(
        stickColours(session_.doc.presets.options.pwmMode, stickPosition_, kStickMax));
}

}  // namespace lumidor
