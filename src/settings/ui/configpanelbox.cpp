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
    connectConfigPanel();
    // The neutral band stays empty until a configuration is shown.
    showValues(ConfigValues{});
}

void ConfigPanelBox::connectConfigPanel() {
    // activated fires for the user's picks only, never for indexes set in code.
    for (ConfigList l : allConfigLists()) {
        if (l == ConfigList::Prog) {
            connect(lists_[at(l)], &QComboBox::activated, this, &ConfigPanelBox::cbProgChange);
        } else {
            connect(lists_[at(l)], &QComboBox::activated, this, [this, l] { listPicked(l); });
        }
    }
    // The bars' handlers run on every position change, from code as well.
    for (ConfigNumber which : kAllConfigNumbers) {
        if (QSlider* b = bars_[at(which)]) {
            connect(b, &QSlider::valueChanged, this, [this, which] { barMoved(which); });
        }
    }
    connect(UpDown1, &UpDown::positionChanged, this, &ConfigPanelBox::eVoltageChange);
    connect(BitBtn6, &QPushButton::clicked, this, &ConfigPanelBox::writeClicked);
}

void ConfigPanelBox::setWriteEnabled(bool enabled) {
    BitBtn6->setEnabled(enabled);
}

// ---- Language ---------------------------------------------------------------

void ConfigPanelBox::applyLanguage(Lang lang) {
    relabel(lang);
    for (ConfigNumber which : kAllConfigNumbers) {
        if (bars_[at(which)] != nullptr) {
            keepStickLimit(which, lang);
        }
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
    for (ConfigList l : kConfigListsByRelabelRank) {
        rebuild(l, lang);
        if (l == configItem(ConfigNumber::Voltage).follows) {
            eVoltage->setStatusTip(kVoltageHint(lang));
            setVoltageText(lang);
        } else if (l == ConfigList::CalKnipl) {
            lbInput1->setText(kInput1Caption(lang));
            lbInput2->setText(kInput2Caption(lang));
        }
    }
}

void ConfigPanelBox::rebuild(ConfigList which, Lang lang) {
    rebuildList(lists_[at(which)], configListItems(which, lang), configItem(which).hint(lang));
}

// ---- Values -----------------------------------------------------------------

void ConfigPanelBox::show(const ConfigValues& values) {
    showValues(values);
    cbNeutralChange();
}

void ConfigPanelBox::showValues(const ConfigValues& values) {
    showing_ = true;
    shown_ = withinLimits(values);
    for (ConfigList l : allConfigLists()) {
        selectIndex(lists_[at(l)], shown_.list(l));
    }
    // The bars' handlers run on the way and rebuild their hints.
    for (ConfigNumber which : kAllConfigNumbers) {
        if (QSlider* b = bars_[at(which)]) {
            b->setValue(shown_.number(which));
            keepStickLimit(which, lang_());
        } else {
            UpDown1->setPosition(shown_.number(which));
        }
    }
    setVoltageText(lang_());
    applyRules();
    showing_ = false;
}

}  // namespace lumidor
