#include "settings/ui/configpanelbox.h"

namespace lumidor {

ConfigPanelBox::ConfigPanelBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox4"));
}


void ConfigPanelBox::applyLanguage(Lang lang) { Q_UNUSED(lang); }

ConfigValues ConfigPanelBox::values() const { return {}; }

void ConfigPanelBox::setValues(const ConfigValues& values) { Q_UNUSED(values); }

void ConfigPanelBox::cbProgChange() { Q_EMIT rollingViewRequested(); }
void ConfigPanelBox::cbEngineTypeChange() {}
void ConfigPanelBox::cbCalKniplChange() {}
void ConfigPanelBox::cbNeutralChange() {}
void ConfigPanelBox::cbVoltageGuardChange() {}
void ConfigPanelBox::tbLeft1Change() {}
void ConfigPanelBox::tbRight1Change() {}
void ConfigPanelBox::tbLeft0Change() {}
void ConfigPanelBox::tbRight0Change() {}
void ConfigPanelBox::eVoltageChange() {}

}  // namespace lumidor
