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

void ConfigPanelBox::applyRules() {
    const ConfigEnabling e = configEnabling(shown_);
    lists_[at(ConfigList::VoltageGuard)]->setEnabled(e.voltageGuard);
    for (ConfigList l : kCarLightLists) {
        lists_[at(l)]->setEnabled(e.carLights);
    }
    for (ConfigList l : kSoundBaseLists) {
        lists_[at(l)]->setEnabled(e.soundBase);
    }
    eVoltage->setEnabled(e.voltage);
    UpDown1->setEnabled(e.voltage);
    for (ConfigList l : kEngineDetailLists) {
        lists_[at(l)]->setEnabled(e.engineDetails);
    }
    for (QSlider* b : bars_) {
        if (b != nullptr) {
            b->setEnabled(e.stickLimits);
        }
    }
    for (QLabel* label : scaleLabels_) {
        label->setEnabled(e.stickLimits);
    }
}

void ConfigPanelBox::listPicked(ConfigList which) {
    shown_.list(which) = lists_[at(which)]->currentIndex();
    applyRules();
    cbNeutralChange();
    Q_EMIT configEdited(shown_);
}

void ConfigPanelBox::cbProgChange() {
    listPicked(ConfigList::Prog);
    Q_EMIT rollingViewRequested();
}

void ConfigPanelBox::cbNeutralChange() {
    if (const auto band = neutralBand(shown_.list(ConfigList::Neutral))) {
        tbNeutral1->setSelection(band->start, band->end);
        tbNeutral0->setSelection(band->start, band->end);
    }
}

void ConfigPanelBox::keepStickLimit(ConfigNumber which, Lang lang) {
    QSlider* b = bars_[at(which)];
    const int kept = configItem(which).kept.pull(b->value());
    if (kept != b->value()) {
        // Put back quietly: this is the handler the change would run again.
        const QSignalBlocker blocker(b);
        b->setValue(kept);
    }
    const QString hint = stickLimitHint(kept, lang);
    b->setStatusTip(hint);
    b->setToolTip(hint);
}

void ConfigPanelBox::barMoved(ConfigNumber which) {
    keepStickLimit(which, lang_());
    if (!showing_) {
        shown_.number(which) = bars_[at(which)]->value();
        Q_EMIT configEdited(shown_);
    }
}

void ConfigPanelBox::eVoltageChange() {
    setVoltageText(lang_());
    if (!showing_) {
        shown_.voltage = UpDown1->position();
        Q_EMIT configEdited(shown_);
    }
}

void ConfigPanelBox::setVoltageText(Lang lang) {
    eVoltage->setText(voltageText(UpDown1->position(), lang));
    eVoltage->setCursorPosition(0);
}

}  // namespace lumidor
