#include "settings/ui/configpanelbox.h"

namespace lumidor {

ConfigPanelBox::ConfigPanelBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox4"));
}

}  // namespace lumidor
