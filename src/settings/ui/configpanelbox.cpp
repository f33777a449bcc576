#include "settings/ui/configpanelbox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "common/ui/fittedlist.h"
#include "common/ui/listutil.h"
#include "common/ui/textfit.h"
#include "common/ui/updown.h"
#include "settings/configpanel.h"

namespace lumidor {
namespace {

// Relabelling order of the lists; the voltage hint and text go after the
// first group, the input captions after the second.
constexpr ConfigList kRelabelFirst[] = {
    ConfigList::Prog,     ConfigList::Inicializace,    ConfigList::InicBlik,
    ConfigList::FailSafe, ConfigList::NastavVysilacem, ConfigList::Reverse1,
    ConfigList::Reverse0, ConfigList::VoltageGuard,
};
constexpr ConfigList kRelabelSecond[] = {
    ConfigList::IndikacniLED,         ConfigList::Smerovky_OnOff,      ConfigList::CornerSpeed,
    ConfigList::ProdlevaSmerovkyTime, ConfigList::VarovneSmerovkyTime, ConfigList::CalKnipl,
};
constexpr ConfigList kRelabelThird[] = {
    ConfigList::Neutral, ConfigList::SoundSpeed,     ConfigList::EngineType, ConfigList::Cylinder,
    ConfigList::TimeOff, ConfigList::EngineShutDown, ConfigList::Control,
};

}  // namespace

ConfigPanelBox::ConfigPanelBox(QWidget* parent, LangFn lang)
    : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox4"));
    createLists();
    createVoltage();
    createSeparators();
    createStickArea();

    createWriteButton();

    // The lists hold their Czech items before the first show, so that stored
    // indexes can be selected; the language in force is not known yet here.
    relabel(Lang::Czech);
    for (ConfigList l : allConfigLists()) {
        selectIndex(list(l), configItem(l).defaultIndex);
    }
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, Lang::Czech);
    }
    applyProgramRule();
    applyCalibrationRule();
    connectConfigPanel();
}

void ConfigPanelBox::connectConfigPanel() {
    // activated fires for the user's picks only, never for indexes set in code.
    connect(list(ConfigList::Prog), &QComboBox::activated, this, &ConfigPanelBox::cbProgChange);
    connect(list(ConfigList::EngineType), &QComboBox::activated, this,
            &ConfigPanelBox::cbEngineTypeChange);
    connect(list(ConfigList::CalKnipl), &QComboBox::activated, this,
            &ConfigPanelBox::cbCalKniplChange);
    connect(list(ConfigList::Neutral), &QComboBox::activated, this,
            &ConfigPanelBox::cbNeutralChange);
    connect(list(ConfigList::VoltageGuard), &QComboBox::activated, this,
            &ConfigPanelBox::cbVoltageGuardChange);
    // The bars' handlers run on every position change, from code as well.
    connect(tbLeft1, &QSlider::valueChanged, this, &ConfigPanelBox::tbLeft1Change);
    connect(tbRight1, &QSlider::valueChanged, this, &ConfigPanelBox::tbRight1Change);
    connect(tbLeft0, &QSlider::valueChanged, this, &ConfigPanelBox::tbLeft0Change);
    connect(tbRight0, &QSlider::valueChanged, this, &ConfigPanelBox::tbRight0Change);
    connect(UpDown1, &UpDown::positionChanged, this, &ConfigPanelBox::eVoltageChange);
}

// ---- Language ---------------------------------------------------------------

void ConfigPanelBox::applyLanguage(Lang lang) {
    relabel(lang);
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, lang);
    }
    // Some texts are longer in one language than the narrow lists allow.
    for (QComboBox* l : findChildren<QComboBox*>()) {
        fitFont(l);
        auto* fitted = qobject_cast<FittedList*>(l);
        if (lazyPopups_ && fitted != nullptr) {
            fitted->fitBeforeOpening(fitPopup);
        } else {
            fitPopup(l);
        }
    }
    fitText(eVoltage);
}

void ConfigPanelBox::relabel(Lang lang) {
    setTitle(kConfigPanelCaption(lang));
    BitBtn6->setText(kSaveConfigCaption(lang));
    BitBtn6->setStatusTip(kSaveConfigHint(lang));
    for (ConfigList l : kRelabelFirst) {
        rebuild(l, lang);
    }
    eVoltage->setStatusTip(kVoltageHint(lang));
    setVoltageText(lang);
    for (ConfigList l : kRelabelSecond) {
        rebuild(l, lang);
    }
    lbInput1->setText(kInput1Caption(lang));
    lbInput2->setText(kInput2Caption(lang));
    for (ConfigList l : kRelabelThird) {
        rebuild(l, lang);
    }
}

void ConfigPanelBox::rebuild(ConfigList which, Lang lang) {
    rebuildList(list(which), configListItems(which, lang), configItem(which).hint(lang));
}

// ---- Values -----------------------------------------------------------------

ConfigValues ConfigPanelBox::values() const {
    ConfigValues v;
    for (ConfigList l : allConfigLists()) {
        v.list(l) = list(l)->currentIndex();
    }
    v.voltage = UpDown1->position();
    v.stickLeft1 = tbLeft1->value();
    v.stickRight1 = tbRight1->value();
    v.stickLeft2 = tbLeft0->value();
    v.stickRight2 = tbRight0->value();
    return v;
}

void ConfigPanelBox::setValues(const ConfigValues& values) {
    for (ConfigList l : allConfigLists()) {
        selectIndex(list(l), values.list(l));
    }
    UpDown1->setPosition(values.voltage);
    // The bars clamp to their own range; their handlers then apply the kept limits.
    tbLeft1->setValue(values.stickLeft1);
    tbRight1->setValue(values.stickRight1);
    tbLeft0->setValue(values.stickLeft2);
    tbRight0->setValue(values.stickRight2);
    // The lists were set without their handlers: what depends on them is
    // brought in line here, so no caller has to replay the handlers.
    applyProgramRule();
    applyEngineRule();
    applyCalibrationRule();
    applyGuardRule();
    cbNeutralChange();
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, lang_());
    }
}

}  // namespace lumidor
