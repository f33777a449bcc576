// The configuration panel's enabling rules and the handlers that keep its
// values within what the switch accepts.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "common/ui/updown.h"
#include "settings/configpanel.h"
#include "settings/ui/configpanelbox.h"
#include "settings/ui/configwidgets.h"

namespace lumidor {
namespace {

constexpr ConfigList kCarLightLists[] = {ConfigList::Smerovky_OnOff, ConfigList::CornerSpeed,
                                         ConfigList::ProdlevaSmerovkyTime,
                                         ConfigList::VarovneSmerovkyTime};
constexpr ConfigList kSoundBaseLists[] = {ConfigList::SoundSpeed, ConfigList::EngineType};
constexpr ConfigList kEngineDetailLists[] = {ConfigList::Cylinder, ConfigList::TimeOff,
                                             ConfigList::EngineShutDown, ConfigList::Control};

}  // namespace

ConfigEnabling ConfigPanelBox::enabling() const {
    return configEnabling(
        list(ConfigList::Prog)->currentIndex(), list(ConfigList::EngineType)->currentIndex(),
        list(ConfigList::CalKnipl)->currentIndex(), list(ConfigList::VoltageGuard)->currentIndex());
}

void ConfigPanelBox::applyProgramRule() {
    const ConfigEnabling e = enabling();
    list(ConfigList::VoltageGuard)->setEnabled(e.voltageGuard);
    for (ConfigList l : kCarLightLists) {
        list(l)->setEnabled(e.carLights);
    }
    for (ConfigList l : kSoundBaseLists) {
        list(l)->setEnabled(e.soundBase);
    }
    // The threshold needs the guard, the engine details the sound program.
    applyGuardRule();
    applyEngineRule();
}

void ConfigPanelBox::applyGuardRule() {
    const bool on = enabling().voltage;
    eVoltage->setEnabled(on);
    UpDown1->setEnabled(on);
}

void ConfigPanelBox::applyEngineRule() {
    const bool on = enabling().engineDetails;
    for (ConfigList l : kEngineDetailLists) {
        list(l)->setEnabled(on);
    }
}

void ConfigPanelBox::applyCalibrationRule() {
    const bool on = enabling().stickLimits;
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        bar->setEnabled(on);
    }
    for (QLabel* label : scaleLabels_) {
        label->setEnabled(on);
    }
}

void ConfigPanelBox::cbProgChange() {
    applyProgramRule();
    Q_EMIT rollingViewRequested();
}

void ConfigPanelBox::cbEngineTypeChange() {
    applyEngineRule();
}

void ConfigPanelBox::cbCalKniplChange() {
    applyCalibrationRule();
}

void ConfigPanelBox::cbVoltageGuardChange() {
    applyGuardRule();
}

void ConfigPanelBox::cbNeutralChange() {
    if (const auto band = neutralBand(list(ConfigList::Neutral)->currentIndex())) {
        tbNeutral1->setSelection(band->start, band->end);
        tbNeutral0->setSelection(band->start, band->end);
    }
}

void ConfigPanelBox::keepStickLimit(QSlider* bar, Lang lang) {
    const bool left = bar == tbLeft1 || bar == tbLeft0;
    const int kept = left ? keepLeftLimit(bar->value()) : keepRightLimit(bar->value());
    if (kept != bar->value()) {
        // Put back quietly: this is the handler the change would run again.
        const QSignalBlocker blocker(bar);
        bar->setValue(kept);
    }
    const QString hint = stickLimitHint(kept, lang);
    bar->setStatusTip(hint);
    bar->setToolTip(hint);
}

void ConfigPanelBox::tbLeft1Change() {
    keepStickLimit(tbLeft1, lang_());
}
void ConfigPanelBox::tbRight1Change() {
    keepStickLimit(tbRight1, lang_());
}
void ConfigPanelBox::tbLeft0Change() {
    keepStickLimit(tbLeft0, lang_());
}
void ConfigPanelBox::tbRight0Change() {
    keepStickLimit(tbRight0, lang_());
}

void ConfigPanelBox::eVoltageChange() {
    setVoltageText(lang_());
}

void ConfigPanelBox::setVoltageText(Lang lang) {
    eVoltage->setText(voltageText(UpDown1->position(), lang));
    eVoltage->setCursorPosition(0);
}

}  // namespace lumidor
